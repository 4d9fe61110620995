#include "ui/ListModels.h"

#include "toolkit/TextCodec.h"

#include <algorithm>

CandidateModel::CandidateModel(QObject *parent) : RecordListModel(2, Heading::Shown, parent) {}

void CandidateModel::clearRecords(int rows)
{
    const GridBatch batch(*this);
    records().clear();
    setShownRows(rows);
}

void CandidateModel::addRecord(const Numra::Record &record)
{
    // Every match is listed: the list grows past its blank rows when it must.
    const int row = recordCount();
    const bool grows = !inBatch() && row >= rowCount();
    if (grows)
        beginInsertRows({}, row, row);
    records().push_back(record);
    if (grows) {
        endInsertRows();
    } else if (!inBatch()) {
        const QModelIndex changed = index(row, 0);
        emit dataChanged(changed, changed.siblingAtColumn(1));
    }
}

QString CandidateModel::cellText(int column, int row) const
{
    const Numra::Record &r = *record(row);
    return TextCodec::fromDictionary(column == 0 ? r.word : r.number);
}

bool CandidateModel::cellItalic(int column, int row) const
{
    return column == 0 && record(row)->cls == "A";
}

QString CandidateModel::cellDescription(int column, int row) const
{
    // Italics are how the list tells names apart; a screen reader says it in words.
    return cellItalic(column, row) ? tr("name") : QString();
}

PhraseModel::PhraseModel(const Numra::Phrase &phrase, QObject *parent)
    : GridModel(2, Heading::Shown, parent), m_phrase(phrase)
{}

void PhraseModel::showPhrase(int rows)
{
    const GridBatch batch(*this);
    setShownRows(rows);
}

int PhraseModel::recordCount() const
{
    return std::min(shownRows(), Numra::SlotCount);
}

QString PhraseModel::cellText(int column, int row) const
{
    // Slots count from 1.
    const Numra::PhraseSlot &s = m_phrase.Slot(row + 1);
    return TextCodec::fromDictionary(column == 0 ? s.word : s.digits);
}

AffixModel::AffixModel(QObject *parent) : RecordListModel(2, Heading::Hidden, parent) {}

QString AffixModel::cellText(int column, int row) const
{
    const Numra::AffixEntry &e = *record(row);
    return TextCodec::fromDictionary(column == 0 ? e.Affix : e.Number);
}

LookupResultModel::LookupResultModel(QObject *parent) : RecordListModel(1, Heading::Hidden, parent)
{}

void LookupResultModel::setNumbers(std::vector<std::string> numbers, bool nothingFound, int rows)
{
    const GridBatch batch(*this);
    m_nothingFound = nothingFound && numbers.empty();
    setRecords(std::move(numbers), rows);
}

int LookupResultModel::recordCount() const
{
    return m_nothingFound ? 1 : RecordListModel::recordCount();
}

QString LookupResultModel::cellText(int, int row) const
{
    if (m_nothingFound)
        return tr("No Numeric Equivalent");
    return TextCodec::fromDictionary(*number(row));
}

SuggestionModel::SuggestionModel(QObject *parent) : RecordListModel(2, Heading::Shown, parent) {}

QString SuggestionModel::cellText(int column, int row) const
{
    const Numra::MemorablePhrase &p = *phrase(row);
    return QString::fromStdString(column == 0 ? p.text : p.vanity);
}

RankedNumberModel::RankedNumberModel(QObject *parent) : RecordListModel(4, Heading::Shown, parent)
{}

QString RankedNumberModel::cellText(int column, int row) const
{
    const Numra::RankedNumber &n = *number(row);
    switch (column) {
    case 0:
        return QString::fromUtf8(n.number);
    case 1:
        return QString::fromUtf8(n.vanity);
    case 2:
        return QString::fromUtf8(n.phrase);
    default:
        return n.found ? QString::fromStdString(Numra::CostText(n.cost)) : QString();
    }
}

CombinationModel::CombinationModel(QObject *parent) : GridModel(2, Heading::Shown, parent) {}

void CombinationModel::setCombination(const QString &word, const QString &number)
{
    if (word == m_word && number == m_number)
        return;
    m_word = word;
    m_number = number;
    if (!inBatch())
        emit dataChanged(index(0, 0), index(0, 1),
                         {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
}

QString CombinationModel::cellText(int column, int) const
{
    return column == 0 ? m_word : m_number;
}

bool CombinationModel::cellBold(int column, int) const
{
    return column == 0;
}

bool CombinationModel::cellEditable(int column, int) const
{
    return column == 0;
}

bool CombinationModel::setCellText(int column, int, const QString &text)
{
    if (column != 0 || text == m_word)
        return false;
    m_word = text;
    return true;
}
