#pragma once

#include "core/Conversion.h"
#include "core/NumraGlobal.h"
#include "toolkit/IdlePointers.h"
#include "toolkit/NumberField.h"
#include "ui/DictionaryInUse.h"
#include "ui/PhraseEditor.h"
#include "ui/SecondaryWindows.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class AffixModel;
class CandidateModel;
class Grid;
class PhraseModel;
class QLabel;
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

    TLookupForm *lookupForm() const { return m_windows->lookup; }
    TAffixForm *affixForm() const { return m_windows->affix; }
    TSuggestForm *suggestForm() const { return m_windows->suggest; }
    TRankForm *rankForm() const { return m_windows->rank; }

    // The dictionary in use, or "No Dictionary Open"; its file holds the one path.
    QString DictionaryPath() const;
    Numra::DictionaryFile &DictionaryFile() { return m_dictionary.file(); }
    const Numra::AffixTable &AffixTable() const { return m_dictionary.affixTable(); }
    QString TypedNumber() const { return m_field.typedNumber(); }
    bool GridsReady() const { return m_gridsReady; }
    PicturePlayer *pointer(int index) const { return m_pointers->pointer(index); }
    QString statusText() const;
    void seedRandom(unsigned seed) { m_pointers->seedRandom(seed); }

protected:
    void closeEvent(QCloseEvent *event) override;
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
    // A row chosen by a click or by Enter or Space (Grid::rowChosen).
    void PossibleGridRowChosen(int record);
    void SelectedGridRowChosen(int record);
    void GridColWidthsChanged(const Grid *changed);
    void AffixGridRowChosen(int record);
    void AffixOkBtnClick(const QString &word, const QString &represents);
    void Suggest1Click();
    void RankNumbers1Click();
    void SuggestionChosen(const QString &numberText, const std::vector<Numra::PhraseSlot> &words);

    // List and button operations.
    void ClearCandidates();
    void ClearSelectedList();
    void SortSelectedList();
    void ClearAffixList();
    void ListAffixes(const std::string &word, const std::string &digits, int position);
    void UpdateConvertBtn();
    void UpdateCopyBtn();

    void FormCreate();
    // True on a first run: no settings were stored.
    bool LoadSettings();
    bool readMainSettings(const Platform::SettingsStore &store);
    void FormClose();
    void setupGrids();
    void setupPointers();
    void connectHandlers();
    void createSecondaryWindows();
    void updateCaption();
    Numra::Placement placement() const;

    // After words were taken into the phrase: the lists show it, and the last word's affixes.
    void showTaken();

    std::unique_ptr<Ui::TMainForm> m_ui;
    NumberField m_field{nullptr};
    Numra::NumraState &m_state;
    WindowState &m_window;
    QLabel *m_statusText = nullptr;

    PhraseEditor m_editor;
    DictionaryInUse m_dictionary;
    QString m_givenDictionary;
    bool m_gridsReady = false;
    CandidateModel *m_candidates = nullptr;
    PhraseModel *m_phrase = nullptr;
    AffixModel *m_affixes = nullptr;

    std::unique_ptr<IdlePointers> m_pointers;
    // Last, so that the windows go before what they read.
    std::optional<SecondaryWindows> m_windows;
};
