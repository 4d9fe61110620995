// The main window's lists: the conversion and its candidates, the phrase, and the affixes.

#include "Main.h"
#include "ui_Main.h"

#include "AffixUnit.h"
#include "Cursor.h"
#include "Desktop.h"
#include "Dialogs.h"
#include "Grid.h"
#include "GridModel.h"
#include "StatusText.h"
#include "TextCodec.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>

using Numra::EmptySlot;
using Numra::SlotCount;
using TextCodec::UsedDigitMarkChar;

namespace {

constexpr int CandidateRows = 5000;
constexpr int MinimumCandidateRows = 25;
constexpr int AffixRows = 250;
constexpr int MinimumAffixRows = 16;
constexpr int FirstSortedRowCheck = 26;
constexpr int MaximumEntryLength = 100;

// Leading and trailing spaces and control characters, as the copy and button rules trim.
QString trimBlank(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

std::string fieldBytes(const QString &text)
{
    return TextCodec::toFieldBytes(text);
}

// Overwrites length characters at the 1-based position; false when they are not all there.
bool overwrite(QString &text, int position, const QString &replacement)
{
    if (position < 1 || position - 1 + replacement.size() > text.size())
        return false;
    text.replace(position - 1, replacement.size(), replacement);
    return true;
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
    m_state.ResetIdleCount();
    const QString text = m_ui->Edit->text();
    if (!text.contains(UsedDigitMarkChar))
        m_typedNumber = text.left(Numra::ShortStringMax);
    QElapsedTimer started;
    started.start();

    // One model reset for the whole run: the view lays out only what it shows, once.
    GridModel *model = m_ui->PossibleGrid->gridModel();
    model->beginBatch();
    ClearCandidates();
    // The pass opens the dictionary itself; a file that cannot be opened comes back as an error.
    Platform::HourglassCursor hourglass;
    const auto outcome = Numra::RunConversion(
        m_dictionaryFile, fieldBytes(text), placement(),
        [this](const Numra::Record &r) { AddCandidate(r.word, r.number, r.cls); });
    if (outcome.error == Numra::DictionaryError::None)
        ShowConversionStatus(outcome.examined, started.nsecsElapsed() / 1e9);
    model->endBatch();
    if (outcome.error != Numra::DictionaryError::None) {
        hourglass.restore();
        const QString message =
            outcome.error == Numra::DictionaryError::CouldNotOpen
                ? tr("Can Not Open ") + DictionaryPath() + tr(" in ConvertBtnClick")
                : tr("Error Reading Dictionary ") + DictionaryPath();
        Platform::showWarning(this, message);
    }
}

void TMainForm::ClearCandidates()
{
    Grid *grid = m_ui->PossibleGrid;
    m_statusText->clear();
    grid->setCurrentRow(1);
    UpdateCopyBtn();
    const bool filled = !grid->cell(0, 1).isEmpty();
    if (filled) {
        // Dropping the rows empties every cell and its italics at once.
        grid->setRowCount(1);
    }
    grid->setRowCount(CandidateRows);
    m_candidateRow = 0;
}

void TMainForm::AddCandidate(const std::string &word, const std::string &number,
                             const std::string &cls)
{
    Grid *grid = m_ui->PossibleGrid;
    // Every match is listed: the list grows past its first 5000 rows when it must.
    ++m_candidateRow;
    if (m_candidateRow >= grid->rowCount())
        grid->setRowCount(grid->rowCount() * 2);
    grid->setCell(0, m_candidateRow, TextCodec::fromDictionary(word));
    grid->setCell(1, m_candidateRow, TextCodec::fromDictionary(number));
    grid->gridModel()->setCellItalic(0, m_candidateRow, cls == "A");
}

void TMainForm::ShowConversionStatus(std::int64_t examined, double seconds)
{
    const std::string separator = QLocale().decimalPoint().toStdString();
    m_statusText->setText(QString::fromStdString(
        Numra::ConversionStatusText(m_candidateRow, examined, seconds, separator)));
    m_ui->PossibleGrid->setRowCount(std::max(m_candidateRow + 1, MinimumCandidateRows));
}

void TMainForm::PossibleGridTopLeftChanged()
{
    m_state.PossibleGridScrolled = true;
}

void TMainForm::PossibleGridColWidthsChanged()
{
    m_state.ResetIdleCount();
    if (!m_gridsReady)
        return;
    m_ui->SelectedGrid->setColWidth(0, m_ui->PossibleGrid->colWidth(0));
    m_ui->SelectedGrid->setColWidth(1, m_ui->PossibleGrid->colWidth(1));
}

void TMainForm::SelectedGridColWidthsChanged()
{
    m_state.ResetIdleCount();
    if (!m_gridsReady)
        return;
    m_ui->PossibleGrid->setColWidth(0, m_ui->SelectedGrid->colWidth(0));
    m_ui->PossibleGrid->setColWidth(1, m_ui->SelectedGrid->colWidth(1));
}

void TMainForm::UpdateConvertBtn()
{
    m_ui->ConvertBtn->setEnabled(Numra::FirstDigitPos(fieldBytes(m_ui->Edit->text())) != 0);
}

void TMainForm::UpdateCopyBtn()
{
    const QString text = m_ui->Edit->text();
    m_ui->CopyBtn->setEnabled(!trimBlank(text).isEmpty() && !trimBlank(slotWord(1)).isEmpty() &&
                              Numra::FirstDigitPos(fieldBytes(text)) == 0);
}

void TMainForm::EditEnter()
{
    m_state.ResetIdleCount();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    if (m_ui->Edit->text().contains(UsedDigitMarkChar)) {
        m_ui->Edit->setText(m_typedNumber);
        UpdateConvertBtn();
    }
}

void TMainForm::EditChange()
{
    m_state.ResetIdleCount();
    if (!m_ui->Edit->isModified())
        return;
    UpdateConvertBtn();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    if (m_ui->Edit->text().size() >= MaximumEntryLength) {
        Platform::showWarning(this, tr("Entry Can Not Exceed ") +
                                        QString::number(MaximumEntryLength) + tr(" Characters"));
    }
}

void TMainForm::PossibleGridMouseDown()
{
    m_state.PossibleGridScrolled = false;
}

void TMainForm::PossibleGridMouseUp(const QPoint &pos)
{
    m_state.ResetIdleCount();
    if (m_state.PossibleGridScrolled)
        return;
    const auto cell = m_ui->PossibleGrid->cellAt(pos);
    if (cell && cell->row > 0)
        chooseCandidate(cell->row);
}

void TMainForm::chooseCandidate(int row)
{
    Grid *grid = m_ui->PossibleGrid;
    if (row < 1 || row >= grid->rowCount())
        return;
    const QString word = grid->cell(0, row);
    const QString digits = grid->cell(1, row);
    if (word.isEmpty() || digits.isEmpty())
        return;
    const std::string text = fieldBytes(m_ui->Edit->text());
    const int position = placement() == Numra::Placement::Right
                             ? Numra::LastPos(fieldBytes(digits), text)
                             : Numra::FirstPos(fieldBytes(digits), text);
    // The list was made from this text, so the digits are there; should they not be, the
    // click does nothing rather than cover the wrong characters.
    if (position == 0)
        return;
    m_state.SelectedPosition = position;
    QString covered = m_ui->Edit->text();
    overwrite(covered, position, QString(digits.size(), UsedDigitMarkChar));
    UpdateCopyBtn();
    m_ui->Edit->setText(covered);
    m_state.SelectedWord = word.toStdString();
    m_state.SelectedNumber = digits.toStdString();
    setSlot(SlotCount, word, digits);
    m_state.SlotPositions[SlotCount] = position;
    SortSelectedList();
    ListAffixes(word, digits, position);
    UpdateConvertBtn();
}

void TMainForm::setSlot(int slot, const QString &word, const QString &digits)
{
    m_slotWords[slot] = word;
    m_slotDigits[slot] = digits;
    if (slot < m_ui->SelectedGrid->rowCount()) {
        m_ui->SelectedGrid->setCell(0, slot, word);
        m_ui->SelectedGrid->setCell(1, slot, digits);
    }
}

void TMainForm::setSelectedRowCount(int rows)
{
    Grid *grid = m_ui->SelectedGrid;
    grid->setRowCount(rows);
    for (int slot = 1; slot < rows && slot <= SlotCount; ++slot) {
        grid->setCell(0, slot, m_slotWords[slot]);
        grid->setCell(1, slot, m_slotDigits[slot]);
    }
}

void TMainForm::ClearSelectedList()
{
    if (slotWord(1).isEmpty())
        return;
    setSelectedRowCount(SlotCount + 1);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        setSlot(slot, QString(), QString());
        m_state.SlotPositions[slot] = EmptySlot;
    }
    m_ui->SelectedGrid->setCurrentRow(1);
}

void TMainForm::SortSelectedList()
{
    struct Slot
    {
        QString word;
        QString digits;
        std::int64_t position;
    };
    std::vector<Slot> work;
    for (int slot = 1; slot <= SlotCount; ++slot)
        work.push_back({slotWord(slot), slotDigits(slot), m_state.SlotPositions[slot]});
    ClearSelectedList();
    // A stable selection: on equal positions the lower slot comes first.
    std::stable_sort(work.begin(), work.end(),
                     [](const Slot &a, const Slot &b) { return a.position < b.position; });
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Slot &s = work[slot - 1];
        setSlot(slot, s.word, s.digits);
        m_state.SlotPositions[slot] = static_cast<std::int32_t>(s.position);
    }
    int firstEmpty = FirstSortedRowCheck;
    while (firstEmpty <= SlotCount && !slotWord(firstEmpty).isEmpty())
        ++firstEmpty;
    // Every filled slot is shown, the hundredth too.
    setSelectedRowCount(std::min(SlotCount + 1, firstEmpty));
    m_ui->SelectedGrid->setCurrentRow(1);
    ConvertBtnClick();
}

void TMainForm::SelectedGridMouseDown()
{
    m_state.SelectedGridScrolled = false;
}

void TMainForm::SelectedGridTopLeftChanged()
{
    m_state.SelectedGridScrolled = true;
}

void TMainForm::SelectedGridMouseUp(const QPoint &pos)
{
    m_state.ResetIdleCount();
    if (m_state.SelectedGridScrolled)
        return;
    const auto cell = m_ui->SelectedGrid->cellAt(pos);
    if (cell && cell->row > 0)
        giveBack(cell->row);
}

void TMainForm::giveBack(int row)
{
    if (row < 1 || row > SlotCount)
        return;
    QString text = m_ui->Edit->text();
    overwrite(text, m_state.SlotPositions[row], slotDigits(row));
    m_ui->Edit->setText(text);
    setSlot(row, QString(), QString());
    m_state.SlotPositions[row] = EmptySlot;
    ClearAffixList();
    SortSelectedList();
    UpdateConvertBtn();
}

void TMainForm::CopyBtnClick()
{
    m_state.ResetIdleCount();
    QString text = trimBlank(m_typedNumber) + QLatin1Char(',');
    for (int slot = 1; slot <= SlotCount; ++slot)
        text = trimBlank(text + QLatin1Char(' ') + trimBlank(slotWord(slot)));
    Platform::setClipboardText(text);
}

void TMainForm::ClearBtnClick()
{
    m_state.ResetIdleCount();
    ClearSelectedList();
    ClearCandidates();
    ClearAffixList();
    m_ui->Edit->setText(QString());
    UpdateConvertBtn();
}

void TMainForm::ClearAffixList()
{
    Grid *grid = m_ui->AffixGrid;
    m_ui->SelectedWordLabel->clear();
    if (!grid->cell(0, 0).isEmpty())
        grid->setRowCount(0);
    grid->setRowCount(AffixRows);
    m_listedKinds.clear();
}

void TMainForm::ListAffixes(const QString &word, const QString &digits, int position)
{
    Grid *grid = m_ui->AffixGrid;
    ClearAffixList();
    grid->setCurrentRow(0);
    m_ui->SelectedWordLabel->setText(word);
    const std::string text = fieldBytes(m_ui->Edit->text());
    const std::size_t start = static_cast<std::size_t>(std::max(position - 1, 0));
    const std::string before = text.substr(0, std::min(start, text.size()));
    const std::size_t end = start + static_cast<std::size_t>(digits.size());
    const std::string after = end < text.size() ? text.substr(end) : std::string();

    int rows = 0;
    for (const Numra::AffixEntry &entry : m_affixTable) {
        bool listed = false;
        if (entry.Kind == Numra::SuffixKind) {
            listed = Numra::FirstPos(entry.Number, after) == 1;
        } else if (entry.Kind == Numra::PrefixKind) {
            const int p = Numra::LastPos(entry.Number, before);
            listed = p > 0 && p == static_cast<int>(before.size() - entry.Number.size()) + 1;
        }
        if (!listed)
            continue;
        if (rows >= grid->rowCount())
            grid->setRowCount(rows + AffixRows);
        grid->setCell(0, rows, TextCodec::fromDictionary(entry.Affix));
        grid->setCell(1, rows, TextCodec::fromDictionary(entry.Number));
        m_listedKinds.push_back(entry.Kind);
        ++rows;
    }
    grid->setRowCount(std::max(rows, MinimumAffixRows));
}

void TMainForm::AffixGridMouseUp(const QPoint &pos)
{
    m_state.ResetIdleCount();
    if (const auto cell = m_ui->AffixGrid->cellAt(pos))
        chooseAffix(cell->row);
}

void TMainForm::chooseAffix(int row)
{
    Grid *grid = m_ui->AffixGrid;
    if (row < 0 || row >= static_cast<int>(m_listedKinds.size()))
        return;
    const QString affix = grid->cell(0, row);
    if (affix.isEmpty())
        return;
    const QString word = QString::fromStdString(m_state.SelectedWord);
    const QString selectedDigits = trimBlank(QString::fromStdString(m_state.SelectedNumber));
    const QString affixDigits = trimBlank(grid->cell(1, row));
    QString combination;
    QString represents;
    if (m_listedKinds[row] == Numra::SuffixKind) {
        m_state.AffixPosition = m_state.SelectedPosition;
        combination = word + affix;
        represents = selectedDigits + affixDigits;
    } else {
        m_state.AffixPosition = m_state.SelectedPosition - static_cast<int>(affixDigits.size());
        combination = affix + word;
        represents = affixDigits + selectedDigits;
    }
    m_affixForm->setCombination(combination, represents);
    Platform::execModal(m_affixForm);
}

void TMainForm::AffixOkBtnClick(const QString &word, const QString &represents)
{
    int slot = 1;
    while (slot <= SlotCount && m_state.SlotPositions[slot] != m_state.SelectedPosition)
        ++slot;
    if (slot > SlotCount)
        return;
    ClearAffixList();
    QString text = m_ui->Edit->text();
    if (!overwrite(text, m_state.AffixPosition, QString(represents.size(), UsedDigitMarkChar)))
        return;
    m_ui->Edit->setText(text);
    m_state.SlotPositions[slot] = m_state.AffixPosition;
    setSlot(slot, word, represents);
    m_state.SelectedWord = word.toStdString();
    m_state.SelectedNumber = represents.toStdString();
    m_state.SelectedPosition = m_state.AffixPosition;
    ListAffixes(word, represents, m_state.SelectedPosition);
    ConvertBtnClick();
}
