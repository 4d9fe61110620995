// The main window's lists: the conversion and its candidates, the phrase, and the affixes.
// What they mean is the core's (the pass, the phrase, the affix matching); here they are wired
// to the number field and the grids.

#include "app/Main.h"
#include "ui_Main.h"

#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/NumberField.h"
#include "toolkit/TextCodec.h"
#include "ui/AffixUnit.h"
#include "ui/DictionaryWarning.h"
#include "ui/ListModels.h"
#include "ui/PhraseEditor.h"

#include <QElapsedTimer>
#include <QLabel>

#include <optional>

using Numra::SlotCount;
using TextCodec::toFieldBytes;
using TextCodec::UsedDigitMarkChar;

namespace {

constexpr int MinimumCandidateRows = 24;
constexpr int MinimumAffixRows = 16;

} // namespace

Numra::Placement TMainForm::placement() const
{
    if (m_ui->LeftBtn->isChecked())
        return Numra::Placement::Left;
    if (m_ui->RightBtn->isChecked())
        return Numra::Placement::Right;
    return Numra::Placement::AnyPoint;
}

void TMainForm::ConvertBtnClick()
{
    m_window.ResetIdleCount();
    const QString text = m_ui->Edit->text();
    m_field.rememberTyped(text);
    QElapsedTimer started;
    started.start();

    std::optional<Platform::HourglassCursor> hourglass;
    Numra::ConversionOutcome outcome;
    {
        // One model reset for the whole run: the view lays out only what it shows, once.
        const GridBatch batch(*m_candidates);
        ClearCandidates();
        // The pass opens the dictionary itself; the hourglass follows a successful open, so
        // that a file that cannot be opened is reported with the cursor untouched.
        outcome = Numra::RunConversion(
            m_dictionary.file(), toFieldBytes(text), placement(),
            [this](const Numra::Record &r) { m_candidates->addRecord(r); },
            [&hourglass] { hourglass.emplace(); });
        if (outcome.error == Numra::DictionaryError::None)
            m_candidates->setShownRows(MinimumCandidateRows);
    }
    // The time covers the refilled list, not only the pass.
    const double seconds = static_cast<double>(started.nsecsElapsed()) / 1e9;
    hourglass.reset();
    if (outcome.error == Numra::DictionaryError::None)
        m_statusText->setText(
            conversionStatusText(m_candidates->recordCount(), outcome.examined, seconds));
    else
        showDictionaryWarning(this, outcome.error, m_dictionary.file(), "ConvertBtnClick");
}

void TMainForm::ClearCandidates()
{
    m_statusText->clear();
    m_ui->PossibleGrid->setCurrentRecord(0);
    UpdateCopyBtn();
    m_candidates->clearRecords(CandidateRows);
}

// The candidates and the phrase keep the same column widths.
void TMainForm::GridColWidthsChanged(const Grid *changed)
{
    m_window.ResetIdleCount();
    if (!m_gridsReady)
        return;
    Grid *other = changed == m_ui->PossibleGrid ? m_ui->SelectedGrid : m_ui->PossibleGrid;
    for (int column : {0, 1})
        other->setColWidth(column, changed->colWidth(column));
}

void TMainForm::UpdateConvertBtn()
{
    m_ui->ConvertBtn->setEnabled(Numra::FirstDigitPos(toFieldBytes(m_ui->Edit->text())) != 0);
    m_ui->Suggest1->setEnabled(m_ui->ConvertBtn->isEnabled());
}

void TMainForm::UpdateCopyBtn()
{
    m_ui->CopyBtn->setEnabled(m_editor.canCopy());
}

void TMainForm::EditEnter()
{
    m_window.ResetIdleCount();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    if (m_ui->Edit->text().contains(UsedDigitMarkChar)) {
        m_field.write(m_field.typedNumber());
        UpdateConvertBtn();
    }
}

void TMainForm::EditChange()
{
    m_window.ResetIdleCount();
    // Every change but the program's own writes is the user's: an undo back to the text the
    // program wrote clears the field's modified flag, yet it is an edit all the same.
    if (m_field.writing())
        return;
    UpdateConvertBtn();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    const int longest = m_ui->Edit->maxLength();
    if (m_ui->Edit->text().size() >= longest)
        Platform::showWarning(this, tr("Entry Can Not Exceed %1 Characters").arg(longest));
}

void TMainForm::PossibleGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    const Numra::Record *candidate = m_candidates->record(record);
    if (!candidate)
        return;
    const int position =
        Numra::Phrase::CoverPosition(candidate->number, toFieldBytes(m_ui->Edit->text()),
                                     placement() == Numra::Placement::Right);
    // The list was made from this text, so the digits are there; should they not be, the
    // click does nothing rather than cover the wrong characters. A copy of the record: the
    // conversion that follows refills the list.
    if (position != 0 && m_editor.take({{candidate->word, candidate->number, position}}))
        showTaken();
}

void TMainForm::showTaken()
{
    // The list is shown and the conversion run once, for all the words taken.
    SortSelectedList();
    const Numra::PhraseSlot last = m_editor.chosen();
    ListAffixes(last.word, last.digits, last.position);
    UpdateConvertBtn();
}

void TMainForm::ClearSelectedList()
{
    if (!m_state.SelectedPhrase.Clear())
        return;
    m_phrase->showPhrase(SlotCount);
    m_ui->SelectedGrid->setCurrentRecord(0);
}

void TMainForm::SortSelectedList()
{
    m_state.SelectedPhrase.Rearrange();
    m_phrase->showPhrase(m_state.SelectedPhrase.ShownSlots());
    m_ui->SelectedGrid->setCurrentRecord(0);
    ConvertBtnClick();
}

void TMainForm::SelectedGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    // Slots count from 1.
    const int slot = record + 1;
    if (slot < 1 || slot > SlotCount)
        return;
    m_editor.giveBack(slot);
    ClearAffixList();
    SortSelectedList();
    UpdateConvertBtn();
}

void TMainForm::CopyBtnClick()
{
    m_window.ResetIdleCount();
    const QString text = m_editor.copyText();
    Platform::setClipboardText(text);
    // Nothing on the screen changes otherwise; the status line is what a screen reader reads.
    m_statusText->setText(tr("Copied: %1").arg(text));
}

void TMainForm::ClearBtnClick()
{
    m_window.ResetIdleCount();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    m_field.write(QString());
    UpdateConvertBtn();
}

void TMainForm::ClearAffixList()
{
    Look::setElidedText(m_ui->SelectedWordLabel, QString());
    m_affixes->setEntries({}, AffixRows);
}

void TMainForm::ListAffixes(const std::string &word, const std::string &digits, int position)
{
    ClearAffixList();
    m_ui->AffixGrid->setCurrentRecord(0);
    Look::setElidedText(m_ui->SelectedWordLabel, TextCodec::fromDictionary(word));
    m_affixes->setEntries(Numra::MatchingAffixes(m_dictionary.affixTable(),
                                                 toFieldBytes(m_ui->Edit->text()), position,
                                                 digits.size()),
                          MinimumAffixRows);
}

void TMainForm::AffixGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    const Numra::AffixEntry *entry = m_affixes->entry(record);
    if (!entry)
        return;
    const Numra::AffixCombination combination = m_editor.joinAffix(*entry);
    // The word is UTF-8, as its line was read; the digits are the number text's.
    m_windows->affix->setCombination(TextCodec::fromDictionary(combination.word),
                                     TextCodec::fromFieldBytes(combination.digits));
    Platform::execModal(m_windows->affix);
}

void TMainForm::AffixOkBtnClick(const QString &word, const QString &represents)
{
    if (!m_editor.hasChosenSlot())
        return;
    ClearAffixList();
    if (!m_editor.putCorrection(word, represents))
        return;
    m_phrase->showPhrase(m_phrase->shownRows());
    const Numra::PhraseSlot corrected = m_editor.chosen();
    ListAffixes(corrected.word, corrected.digits, corrected.position);
    ConvertBtnClick();
}

void TMainForm::SuggestionChosen(const QString &numberText,
                                 const std::vector<Numra::PhraseSlot> &words)
{
    if (m_editor.takeSuggestion(numberText, words))
        showTaken();
}
