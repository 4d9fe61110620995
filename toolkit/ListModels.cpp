#include "ListModels.h"

#include "TextCodec.h"

#include <algorithm>

CandidateModel::CandidateModel(QObject *parent) : GridModel(2, 0, 1, parent) {}

void CandidateModel::clearRecords(int rows)
{
    const GridBatch batch(*this);
    m_records.clear();
    setGridRowCount(0);
    setGridRowCount(rows);
}

void CandidateModel::addRecord(const Numra::Record &record)
{
    // Every match is listed: the list grows past its first rows when it must.
    if (recordCount() == m_rowCount)
        appendDataRows(std::max(m_rowCount, 1));
    m_records.push_back(record);
    if (!inBatch()) {
        const QModelIndex row = index(recordCount() - 1, 0);
        emit dataChanged(row, row.siblingAtColumn(1));
    }
}

const Numra::Record *CandidateModel::record(int row) const
{
    const int at = row - fixedRows();
    return at >= 0 && at < recordCount() ? &m_records[static_cast<std::size_t>(at)] : nullptr;
}

void CandidateModel::resizeDataRows(int count)
{
    m_rowCount = count;
    if (recordCount() > count)
        m_records.resize(static_cast<std::size_t>(count));
}

QString CandidateModel::dataText(int column, int modelRow) const
{
    if (modelRow >= recordCount())
        return {};
    const Numra::Record &r = m_records[static_cast<std::size_t>(modelRow)];
    return TextCodec::fromDictionary(column == 0 ? r.word : r.number);
}

bool CandidateModel::dataItalic(int column, int modelRow) const
{
    return column == 0 && modelRow < recordCount() &&
           m_records[static_cast<std::size_t>(modelRow)].cls == "A";
}

QString CandidateModel::dataDescription(int column, int modelRow) const
{
    // Italics are how the list tells names apart; a screen reader says it in words.
    return dataItalic(column, modelRow) ? tr("name") : QString();
}

PhraseModel::PhraseModel(const Numra::Phrase &phrase, QObject *parent)
    : GridModel(2, 0, 1, parent), m_phrase(phrase)
{}

void PhraseModel::showPhrase(int rows)
{
    const GridBatch batch(*this);
    setGridRowCount(rows);
}

QString PhraseModel::dataText(int column, int modelRow) const
{
    const int slot = modelRow + 1;
    if (slot > Numra::SlotCount)
        return {};
    const Numra::PhraseSlot &s = m_phrase.Slot(slot);
    return TextCodec::fromDictionary(column == 0 ? s.word : s.digits);
}

AffixModel::AffixModel(QObject *parent) : GridModel(2, 0, 0, parent) {}

void AffixModel::setEntries(std::vector<Numra::AffixEntry> entries, int rows)
{
    const GridBatch batch(*this);
    m_entries = std::move(entries);
    m_rowCount = std::max(rows, static_cast<int>(m_entries.size()));
}

const Numra::AffixEntry *AffixModel::entry(int row) const
{
    return row >= 0 && row < static_cast<int>(m_entries.size())
               ? &m_entries[static_cast<std::size_t>(row)]
               : nullptr;
}

void AffixModel::resizeDataRows(int count)
{
    m_rowCount = count;
    if (static_cast<int>(m_entries.size()) > count)
        m_entries.resize(static_cast<std::size_t>(count));
}

QString AffixModel::dataText(int column, int modelRow) const
{
    const Numra::AffixEntry *e = entry(modelRow);
    return e ? TextCodec::fromDictionary(column == 0 ? e->Affix : e->Number) : QString();
}

LookupResultModel::LookupResultModel(QObject *parent) : GridModel(1, 0, 0, parent) {}

void LookupResultModel::setNumbers(std::vector<std::string> numbers, bool nothingFound, int rows)
{
    const GridBatch batch(*this);
    m_numbers = std::move(numbers);
    m_nothingFound = nothingFound && m_numbers.empty();
    m_rowCount = std::max(rows, static_cast<int>(m_numbers.size()));
}

const std::string *LookupResultModel::number(int row) const
{
    return row >= 0 && row < static_cast<int>(m_numbers.size())
               ? &m_numbers[static_cast<std::size_t>(row)]
               : nullptr;
}

void LookupResultModel::resizeDataRows(int count)
{
    m_rowCount = count;
    if (static_cast<int>(m_numbers.size()) > count)
        m_numbers.resize(static_cast<std::size_t>(count));
    if (count == 0)
        m_nothingFound = false;
}

QString LookupResultModel::dataText(int, int modelRow) const
{
    if (m_nothingFound && modelRow == 0)
        return tr("No Numeric Equivalent");
    const std::string *n = number(modelRow);
    return n ? TextCodec::fromDictionary(*n) : QString();
}

SuggestionModel::SuggestionModel(QObject *parent) : GridModel(2, 0, 1, parent) {}

void SuggestionModel::setPhrases(std::vector<SuggestedPhrase> phrases, int rows)
{
    const GridBatch batch(*this);
    m_phrases = std::move(phrases);
    m_rowCount = std::max(rows, phraseCount());
}

const SuggestedPhrase *SuggestionModel::phrase(int row) const
{
    const int at = row - fixedRows();
    return at >= 0 && at < phraseCount() ? &m_phrases[static_cast<std::size_t>(at)] : nullptr;
}

void SuggestionModel::resizeDataRows(int count)
{
    m_rowCount = count;
    if (phraseCount() > count)
        m_phrases.resize(static_cast<std::size_t>(count));
}

QString SuggestionModel::dataText(int column, int modelRow) const
{
    if (modelRow >= phraseCount())
        return {};
    const SuggestedPhrase &p = m_phrases[static_cast<std::size_t>(modelRow)];
    return column == 0 ? TextCodec::fromDictionary(p.text) : QString::fromStdString(p.vanity);
}
