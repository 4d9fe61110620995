// The main window's lists: the conversion and its candidates, the phrase, and the affixes.
// What they mean is the core's (the pass, the phrase, the affix matching); here they are wired
// to the number field and the grids.

#include "app/Main.h"
#include "ui_Main.h"

#include "platform/Cursor.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "toolkit/DictionaryWarning.h"
#include "toolkit/Grid.h"
#include "toolkit/Look.h"
#include "toolkit/NumberField.h"
#include "toolkit/TextCodec.h"
#include "ui/AffixUnit.h"
#include "ui/ListModels.h"

#include <QElapsedTimer>
#include <QLabel>

#include <optional>

using Numra::SlotCount;
using TextCodec::UsedDigitMarkChar;

namespace {

constexpr int MinimumCandidateRows = 24;
constexpr int MinimumAffixRows = 16;
constexpr int MaximumEntryLength = 100;

std::string fieldBytes(const QString &text)
{
    return TextCodec::toFieldBytes(text);
}

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
            m_dictionaryFile, fieldBytes(text), placement(),
            [this](const Numra::Record &r) { m_candidates->addRecord(r); },
            [&hourglass] { hourglass.emplace(); });
        if (outcome.error == Numra::DictionaryError::None)
            m_candidates->setShownRows(MinimumCandidateRows);
    }
    // The time covers the refilled list, not only the pass.
    const double seconds = static_cast<double>(started.nsecsElapsed()) / 1e9;
    hourglass.reset();
    if (outcome.error == Numra::DictionaryError::None)
        ShowConversionStatus(outcome.examined, seconds);
    else
        showDictionaryWarning(this, outcome.error, m_dictionaryFile, "ConvertBtnClick");
}

void TMainForm::ClearCandidates()
{
    m_statusText->clear();
    m_ui->PossibleGrid->setCurrentRecord(0);
    UpdateCopyBtn();
    m_candidates->clearRecords(CandidateRows);
}

void TMainForm::ShowConversionStatus(std::int64_t examined, double seconds)
{
    m_statusText->setText(conversionStatusText(m_candidates->recordCount(), examined, seconds));
}

void TMainForm::PossibleGridColWidthsChanged()
{
    m_window.ResetIdleCount();
    if (!m_gridsReady)
        return;
    m_ui->SelectedGrid->setColWidth(0, m_ui->PossibleGrid->colWidth(0));
    m_ui->SelectedGrid->setColWidth(1, m_ui->PossibleGrid->colWidth(1));
}

void TMainForm::SelectedGridColWidthsChanged()
{
    m_window.ResetIdleCount();
    if (!m_gridsReady)
        return;
    m_ui->PossibleGrid->setColWidth(0, m_ui->SelectedGrid->colWidth(0));
    m_ui->PossibleGrid->setColWidth(1, m_ui->SelectedGrid->colWidth(1));
}

void TMainForm::UpdateConvertBtn()
{
    m_ui->ConvertBtn->setEnabled(Numra::FirstDigitPos(fieldBytes(m_ui->Edit->text())) != 0);
    m_ui->Suggest1->setEnabled(m_ui->ConvertBtn->isEnabled());
}

void TMainForm::UpdateCopyBtn()
{
    const QString text = m_ui->Edit->text();
    m_ui->CopyBtn->setEnabled(!NumberField::trimBlank(text).isEmpty() &&
                              !Numra::Trim(m_state.SelectedPhrase.Slot(1).word).empty() &&
                              Numra::FirstDigitPos(fieldBytes(text)) == 0);
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
    if (m_ui->Edit->text().size() >= MaximumEntryLength)
        Platform::showWarning(this,
                              tr("Entry Can Not Exceed %1 Characters").arg(MaximumEntryLength));
}

void TMainForm::PossibleGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    chooseCandidate(record);
}

void TMainForm::chooseCandidate(int row)
{
    const Numra::Record *candidate = m_candidates->record(row);
    if (!candidate)
        return;
    const int position = Numra::Phrase::CoverPosition(
        candidate->number, fieldBytes(m_ui->Edit->text()), placement() == Numra::Placement::Right);
    // The list was made from this text, so the digits are there; should they not be, the
    // click does nothing rather than cover the wrong characters.
    if (position == 0)
        return;
    // A copy: the conversion that follows refills the list.
    chooseWords({{candidate->word, candidate->number, position}});
}

void TMainForm::chooseWords(const std::vector<Numra::PhraseSlot> &words)
{
    // The first word fixes the number the phrase is counted in: the field as it stands, with
    // any marks an edit left there when it ended the phrase before.
    const QString shown = m_ui->Edit->text();
    if (!Numra::WordsFree(fieldBytes(shown), words))
        return;
    if (m_state.SelectedPhrase.Text().empty())
        m_field.startPhrase();
    takeWords(words);
}

void TMainForm::takeWords(const std::vector<Numra::PhraseSlot> &words)
{
    UpdateCopyBtn();
    // Each word as if its candidate had been clicked, but the list is shown and the
    // conversion run once, for all of them.
    for (const Numra::PhraseSlot &word : words) {
        m_state.SelectedPhrase.Choose(word.word, word.digits, word.position);
        m_state.SelectedPhrase.Rearrange();
    }
    m_field.showCovered(m_state.SelectedPhrase);
    const Numra::PhraseSlot &last = words.back();
    m_state.SelectedWord = last.word;
    m_state.SelectedNumber = last.digits;
    m_state.SelectedPosition = last.position;
    SortSelectedList();
    ListAffixes(last.word, last.digits, last.position);
    UpdateConvertBtn();
}

void TMainForm::showPhrase()
{
    // The core counts the heading among the phrase grid's rows.
    m_phrase->showPhrase(m_state.SelectedPhrase.GridRowCount() - 1);
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
    showPhrase();
    m_ui->SelectedGrid->setCurrentRecord(0);
    ConvertBtnClick();
}

void TMainForm::SelectedGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    // Slots count from 1.
    giveBack(record + 1);
}

void TMainForm::giveBack(int slot)
{
    if (slot < 1 || slot > SlotCount)
        return;
    m_state.SelectedPhrase.GiveBack(slot);
    m_field.showCovered(m_state.SelectedPhrase);
    ClearAffixList();
    SortSelectedList();
    UpdateConvertBtn();
}

void TMainForm::CopyBtnClick()
{
    m_window.ResetIdleCount();
    QString text = NumberField::trimBlank(m_field.typedNumber()) + QLatin1Char(',');
    const std::string words = m_state.SelectedPhrase.Text();
    if (!words.empty())
        text += QLatin1Char(' ') + TextCodec::fromDictionary(words);
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
    m_affixes->setEntries(Numra::MatchingAffixes(m_affixTable, fieldBytes(m_ui->Edit->text()),
                                                 position, digits.size()),
                          MinimumAffixRows);
}

void TMainForm::AffixGridRowChosen(int record)
{
    m_window.ResetIdleCount();
    chooseAffix(record);
}

void TMainForm::chooseAffix(int row)
{
    const Numra::AffixEntry *entry = m_affixes->entry(row);
    if (!entry)
        return;
    const Numra::AffixCombination combination = Numra::JoinAffix(
        *entry, m_state.SelectedWord, m_state.SelectedNumber, m_state.SelectedPosition);
    m_state.AffixPosition = combination.position;
    // The word is UTF-8, as its line was read; the digits are the number text's.
    m_affixForm->setCombination(TextCodec::fromDictionary(combination.word),
                                TextCodec::fromFieldBytes(combination.digits));
    Platform::execModal(m_affixForm);
}

void TMainForm::AffixOkBtnClick(const QString &word, const QString &represents)
{
    Numra::Phrase &phrase = m_state.SelectedPhrase;
    const int slot = phrase.SlotAt(m_state.SelectedPosition);
    if (slot == 0)
        return;
    ClearAffixList();
    if (m_state.AffixPosition < 1 ||
        m_state.AffixPosition - 1 + represents.size() > m_field.phraseNumberLength())
        return;
    const std::string wordBytes = TextCodec::toDictionary(word);
    // One byte a character, as the field counts them.
    const std::string digitBytes = fieldBytes(represents);
    phrase.Put(slot, wordBytes, digitBytes, m_state.AffixPosition);
    m_field.showCovered(m_state.SelectedPhrase);
    m_phrase->showPhrase(m_phrase->shownRows());
    m_state.SelectedWord = wordBytes;
    m_state.SelectedNumber = digitBytes;
    m_state.SelectedPosition = m_state.AffixPosition;
    ListAffixes(wordBytes, digitBytes, m_state.SelectedPosition);
    ConvertBtnClick();
}

void TMainForm::SuggestionChosen(const QString &numberText,
                                 const std::vector<Numra::PhraseSlot> &words)
{
    const QString shown = m_ui->Edit->text();
    // No conversion need have run on the number as typed; Copy wants it, and entering the field
    // brings it back, separators and all.
    m_field.rememberTyped(shown);
    if (!Numra::WordsFree(fieldBytes(numberText), words))
        return;
    if (m_state.SelectedPhrase.Text().empty())
        m_field.startPhrase();
    if (numberText != shown)
        m_field.movePhrase(m_state.SelectedPhrase, shown, numberText);
    takeWords(words);
}

const Numra::RankingData *TMainForm::rankingData()
{
    if (!m_ranking || m_rankingDictionary != m_dictionaryFile.Path()) {
        m_rankingDictionary = m_dictionaryFile.Path();
        m_ranking = Numra::RankingData::Read(Numra::RankingPathFor(m_rankingDictionary));
    }
    return &*m_ranking;
}
