#pragma once

#include <QDialog>

#include <memory>

class CombinationModel;
class WordCellDelegate;

namespace Platform {
class SettingsStore;
}
namespace Ui {
class TAffixForm;
}

// The root-word correction window: shows a word joined to a prefix or suffix, lets the user
// correct its spelling in place, and hands the result back on OK. What the combination then
// does to the phrase is the main window's business.
class TAffixForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAffixForm(QWidget *parent = nullptr);
    ~TAffixForm() override;

    // Fills the grid's one row; only the word can be edited there.
    void setCombination(const QString &word, const QString &represents);
    QString combinationWord() const;
    QString combinationNumber() const;

    int wordColumnWidth() const;
    int numberColumnWidth() const;
    // Writes where the window stands (and what it remembers) into the program's settings.
    void SaveSettings(Platform::SettingsStore &store) const;

signals:
    void affixConfirmed(const QString &word, const QString &represents);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void AffixOkBtnClick();

    void commitOpenEditor();

    std::unique_ptr<Ui::TAffixForm> ui;
    CombinationModel *m_combination;
    WordCellDelegate *m_wordDelegate;
};
