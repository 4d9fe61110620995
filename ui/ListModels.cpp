#include "ui/ListModels.h"

#include "toolkit/TextCodec.h"

#include <algorithm>

CandidateModel::CandidateModel(QObject *parent) : RecordListModel(2, 0, 1, parent) {}

void CandidateModel::clearRecords(int rows)
{
    const GridBatch batch(*this);
    records().clear();
    setGridRowCount(rows);
}

void CandidateModel::addRecord(const Numra::Record &record)
{
    // Every match is listed: the list grows past its first rows when it must.
    if (recordCount() == dataRowCount())
        setGridRowCount(gridRowCount() + std::max(dataRowCount(), 1));
    records().push_back(record);
    if (!inBatch()) {
        const QModelIndex row = index(recordCount() - 1, 0);
        emit dataChanged(row, row.siblingAtColumn(1));
    }
}

QString CandidateModel::dataText(int column, int modelRow) const
{
    const Numra::Record *r = recordAt(modelRow);
    return r ? TextCodec::fromDictionary(column == 0 ? r->word : r->number) : QString();
}

bool CandidateModel::dataItalic(int column, int modelRow) const
{
    const Numra::Record *r = recordAt(modelRow);
    return column == 0 && r && r->cls == "A";
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

AffixModel::AffixModel(QObject *parent) : RecordListModel(2, 0, 0, parent) {}

QString AffixModel::dataText(int column, int modelRow) const
{
    const Numra::AffixEntry *e = recordAt(modelRow);
    return e ? TextCodec::fromDictionary(column == 0 ? e->Affix : e->Number) : QString();
}

LookupResultModel::LookupResultModel(QObject *parent) : RecordListModel(1, 0, 0, parent) {}

void LookupResultModel::setNumbers(std::vector<std::string> numbers, bool nothingFound, int rows)
{
    const GridBatch batch(*this);
    setRecords(std::move(numbers), rows);
    m_nothingFound = nothingFound && recordCount() == 0;
}

void LookupResultModel::resizeDataRows(int count)
{
    RecordListModel::resizeDataRows(count);
    if (count == 0)
        m_nothingFound = false;
}

QString LookupResultModel::dataText(int, int modelRow) const
{
    if (m_nothingFound && modelRow == 0)
        return tr("No Numeric Equivalent");
    const std::string *n = recordAt(modelRow);
    return n ? TextCodec::fromDictionary(*n) : QString();
}

SuggestionModel::SuggestionModel(QObject *parent) : RecordListModel(2, 0, 1, parent) {}

QString SuggestionModel::dataText(int column, int modelRow) const
{
    const Numra::MemorablePhrase *p = recordAt(modelRow);
    if (!p)
        return {};
    return QString::fromStdString(column == 0 ? p->text : p->vanity);
}
