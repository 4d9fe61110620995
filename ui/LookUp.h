#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class LookupResultModel;

namespace Numra {
class DictionaryFile;
}

namespace Platform {
class SettingsStore;
}
namespace Ui {
class TLookupForm;
}

// Finds the numeric equivalents of one word in the dictionary. Created once at start-up and
// shown modally; what it shows stays from one showing to the next.
class TLookupForm : public QDialog
{
    Q_OBJECT

public:
    TLookupForm(Numra::DictionaryFile &dictionary, QWidget *parent = nullptr);
    ~TLookupForm() override;

    // Writes where the window stands (and what it remembers) into the program's settings.
    void SaveSettings(Platform::SettingsStore &store) const;

signals:
    // The user did something in the window: the main window's idle count starts again.
    void userActed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void WordToConvertChange();
    void ConvertBtnClick();
    void ConvertedGridClick(int row);
    void CopyBtnClick();
    void ClearBtnClick();
    void CancelLookUpBtnClick();

    void clearResults();
    void showResults(const std::vector<std::string> &numbers, bool complete);

    std::unique_ptr<Ui::TLookupForm> ui;
    LookupResultModel *m_results = nullptr;
    Numra::DictionaryFile &m_dictionary;
};
