#pragma once

#include "Phrase.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class SuggestionModel;

namespace Numra {
class DictionaryFile;
struct NumraState;
} // namespace Numra

namespace Ui {
class TSuggestForm;
}

// Offers the best complete phrases for the free digits of the number. Created once at start-up
// and shown modally; what Use does to the phrase is the main window's business.
class TSuggestForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ShownPhrases = 100;

    // dictionaryPath is the main window's own path, read whenever a message names the file.
    TSuggestForm(Numra::NumraState &state, Numra::DictionaryFile &dictionary,
                 const std::string &dictionaryPath, QWidget *parent = nullptr);
    ~TSuggestForm() override;

    // One pass over the dictionary for the number text as the field shows it; false (after a
    // warning) when the dictionary could not be opened or read, and the window is not shown.
    bool Suggest(const QString &numberText);

    int phraseColumnWidth() const;
    int vanityColumnWidth() const;

signals:
    // The chosen phrase's words in number order, each with its digits and their position.
    void phraseChosen(const std::vector<Numra::PhraseSlot> &words);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void UseBtnClick();
    void useRow(int row);

    std::unique_ptr<Ui::TSuggestForm> ui;
    SuggestionModel *m_phrases = nullptr;
    Numra::NumraState &m_state;
    Numra::DictionaryFile &m_dictionary;
    const std::string &m_dictionaryPath;
};
