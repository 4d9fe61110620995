#pragma once

#include "core/MemorablePhrases.h"
#include "core/Phrase.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class SuggestionModel;

namespace Numra {
class DictionaryFile;
class RankingData;
} // namespace Numra

namespace Platform {
class SettingsStore;
}
namespace Ui {
class TSuggestForm;
}

// Offers the memorable phrases for the number as typed, best first. Created once at start-up
// and shown modally; what Use does to the phrase is the main window's business.
class TSuggestForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ShownPhrases = 100;

    TSuggestForm(Numra::DictionaryFile &dictionary, QWidget *parent = nullptr);
    ~TSuggestForm() override;

    // One pass over the dictionary for the number text as the field shows it, ranked by the
    // ranking data of the dictionary (null: by its lines), which must outlive the window's
    // showing; false (after a warning) when the dictionary could not be opened or read, and the
    // window is not shown.
    bool Suggest(const QString &numberText, const Numra::RankingData *ranking);

    Numra::PhraseOptions options() const;
    int phraseColumnWidth() const;
    int vanityColumnWidth() const;
    // Writes where the window stands (and what it remembers) into the program's settings.
    void SaveSettings(Platform::SettingsStore &store) const;

signals:
    // The user did something in the window: the main window's idle count starts again.
    void userActed();
    // The number text the phrase needs (without the separators its words cross) and the
    // phrase's words in number order, each with its digits and their position in that text.
    void phraseChosen(const QString &numberText, const std::vector<Numra::PhraseSlot> &words);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    bool rank();
    void showStatus(int shown, double seconds);
    void OptionClick();
    void CopyBtnClick();
    void UseBtnClick();
    void useRow(int row);
    int chosenRow() const;

    std::unique_ptr<Ui::TSuggestForm> ui;
    SuggestionModel *m_phrases = nullptr;
    Numra::DictionaryFile &m_dictionary;
    // What the last Suggest was asked for, so that an option ranks the same number again.
    std::string m_number;
    const Numra::RankingData *m_ranking = nullptr;
    std::optional<Numra::MemorablePhrases> m_found;
};
