#pragma once

#include "core/AffixTable.h"
#include "core/Conversion.h"
#include "core/DictionaryFile.h"
#include "core/NumraGlobal.h"
#include "core/RankingData.h"
#include "toolkit/IdlePointers.h"
#include "toolkit/NumberField.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class AffixModel;
class CandidateModel;
class PhraseModel;
class QLabel;
class TAboutForm;
class TAffixForm;
class TExceptionForm;
class TLookupForm;
class TNotifyForm;
class TRankForm;
class TSuggestForm;
namespace Platform {
class SettingsStore;
}
namespace Ui {
class TMainForm;
}

// The main window: the number field, the candidate, phrase and affix lists, and the commands.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int PointerCount = IdlePointers::Count;
    // The rows each list shows below its heading when empty: candidates, phrase slots (every
    // slot once the phrase has been cleared), affixes.
    static constexpr int CandidateRows = 4999;
    static constexpr int SelectedRows = Numra::SlotCount - 1;
    static constexpr int AffixRows = 250;

    // A dictionary given on the command line is used instead of the remembered one.
    // The secondary windows are created here as children, after this window's own settings are
    // read.
    TMainForm(Numra::NumraState &state, WindowState &window, const QString &dictionary = {},
              QWidget *parent = nullptr);
    ~TMainForm() override;

    TLookupForm *lookupForm() const { return m_lookupForm; }
    TAffixForm *affixForm() const { return m_affixForm; }
    TSuggestForm *suggestForm() const { return m_suggestForm; }
    TRankForm *rankForm() const { return m_rankForm; }

    // The dictionary in use, or "No Dictionary Open"; its file holds the one path.
    QString DictionaryPath() const;
    Numra::DictionaryFile &DictionaryFile() { return m_dictionaryFile; }
    const Numra::AffixTable &AffixTable() const { return m_affixTable; }
    QString TypedNumber() const { return m_field.typedNumber(); }
    bool GridsReady() const { return m_gridsReady; }
    PicturePlayer *pointer(int index) const { return m_pointers->pointer(index); }
    QString statusText() const;
    void seedRandom(unsigned seed) { m_pointers->seedRandom(seed); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Handlers, named after the control and event they serve.
    void ConvertBtnClick();
    void ClearBtnClick();
    void CopyBtnClick();
    void LookupBtnClick();
    void Open1Click();
    void Exit1Click();
    void Contents1Click();
    void About1Click();
    void Notify1Click();
    void EditEnter();
    void EditChange();
    void Timer1Timer();
    // A row chosen by a click or by Enter or Space (Grid::rowChosen).
    void PossibleGridRowChosen(int record);
    void PossibleGridColWidthsChanged();
    void SelectedGridRowChosen(int record);
    void SelectedGridColWidthsChanged();
    void AffixGridRowChosen(int record);
    void AffixOkBtnClick(const QString &word, const QString &represents);
    void Suggest1Click();
    void RankNumbers1Click();
    void SuggestionChosen(const QString &numberText, const std::vector<Numra::PhraseSlot> &words);

    // List and button operations.
    void ClearCandidates();
    void ShowConversionStatus(std::int64_t examined, double seconds);
    void ClearSelectedList();
    void SortSelectedList();
    void ClearAffixList();
    void ListAffixes(const std::string &word, const std::string &digits, int position);
    void UpdateConvertBtn();
    void UpdateCopyBtn();

    bool OpenDictionary();
    // On a first run in a translated language: offers to make that language's dictionary, and
    // makes it; false when the user would rather choose a file, or it could not be made.
    bool MakeLanguageDictionary();
    void BuildAffixTable();
    // The ranking data beside the dictionary in use, read at the first suggestions for it.
    const Numra::RankingData *rankingData();

    void FormCreate();
    void LoadSettings();
    bool readMainSettings(const Platform::SettingsStore &store);
    void FormClose();
    void setupGrids();
    void setupPointers();
    void connectHandlers();
    void createSecondaryWindows();
    void updateCaption();
    Numra::Placement placement() const;

    void showPhrase();
    void chooseCandidate(int row);
    // Covers each word's digits and puts the word in the phrase; nothing changes when a word's
    // digits are no longer free where it says.
    void chooseWords(const std::vector<Numra::PhraseSlot> &words);
    // The words of chooseWords into the phrase, counted in the field's phrase number; the field
    // then shows them covered.
    void takeWords(const std::vector<Numra::PhraseSlot> &words);
    void giveBack(int slot);
    void chooseAffix(int row);
    bool canOpen(const std::string &path) const;

    std::unique_ptr<Ui::TMainForm> m_ui;
    NumberField m_field{nullptr};
    Numra::NumraState &m_state;
    WindowState &m_window;
    QLabel *m_statusText = nullptr;
    TLookupForm *m_lookupForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TAffixForm *m_affixForm = nullptr;
    TExceptionForm *m_exceptionForm = nullptr;
    TNotifyForm *m_notifyForm = nullptr;
    TSuggestForm *m_suggestForm = nullptr;
    TRankForm *m_rankForm = nullptr;

    Numra::DictionaryFile m_dictionaryFile;
    Numra::AffixTable m_affixTable;
    std::optional<Numra::RankingData> m_ranking;
    std::string m_rankingDictionary; // the dictionary m_ranking was read for
    QString m_proposedDictionary;
    QString m_givenDictionary;
    bool m_gridsReady = false;
    bool m_firstRun = false; // no settings were stored
    CandidateModel *m_candidates = nullptr;
    PhraseModel *m_phrase = nullptr;
    AffixModel *m_affixes = nullptr;

    std::unique_ptr<IdlePointers> m_pointers;
};
