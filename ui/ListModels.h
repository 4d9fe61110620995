#pragma once

#include "core/AffixTable.h"
#include "core/MemorablePhrases.h"
#include "core/NumraGlobal.h"
#include "toolkit/GridModel.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// The program's lists as models over what the core found. A window asks a model for the
// record of a row; nothing is read back from a cell's text.

// A grid over a list of records, one a data row, listed from the first data row on; the rows
// past the records are empty.
template <typename T> class RecordListModel : public GridModel
{
public:
    using GridModel::GridModel;

    int recordCount() const { return static_cast<int>(m_records.size()); }
    // The record shown in a grid row, nullptr for the heading and empty rows.
    const T *record(int row) const { return recordAt(row - fixedRows()); }

protected:
    // Lists the records in at least rows data rows.
    void setRecords(std::vector<T> records, int rows)
    {
        const GridBatch batch(*this);
        m_records = std::move(records);
        m_rowCount = std::max(rows, recordCount());
    }
    const T *recordAt(int modelRow) const
    {
        return modelRow >= 0 && modelRow < recordCount()
                   ? &m_records[static_cast<std::size_t>(modelRow)]
                   : nullptr;
    }
    std::vector<T> &records() { return m_records; }

    int dataRowCount() const override { return m_rowCount; }
    void resizeDataRows(int count) override
    {
        m_rowCount = count;
        if (recordCount() > count)
            m_records.resize(static_cast<std::size_t>(count));
    }

private:
    std::vector<T> m_records;
    int m_rowCount = 0;
};

// The candidate list: the records a conversion pass accepted, in dictionary order; names
// (class "A") in italics.
class CandidateModel : public RecordListModel<Numra::Record>
{
    Q_OBJECT

public:
    explicit CandidateModel(QObject *parent = nullptr);

    // Drops every record and leaves rows empty rows, the heading included.
    void clearRecords(int rows);
    void addRecord(const Numra::Record &record);

protected:
    QString dataText(int column, int modelRow) const override;
    bool dataItalic(int column, int modelRow) const override;
    QString dataDescription(int column, int modelRow) const override;
};

// The phrase grid over the selected phrase's slots; the window says how many rows it shows.
class PhraseModel : public GridModel
{
    Q_OBJECT

public:
    PhraseModel(const Numra::Phrase &phrase, QObject *parent = nullptr);
    // The phrase changed: the grid shows its slots again, in rows rows.
    void showPhrase(int rows);

protected:
    int dataRowCount() const override { return m_rowCount; }
    void resizeDataRows(int count) override { m_rowCount = count; }
    QString dataText(int column, int modelRow) const override;

private:
    const Numra::Phrase &m_phrase;
    int m_rowCount = 0;
};

// The prefixes and suffixes that touch the chosen word, each with the kind it is listed under.
class AffixModel : public RecordListModel<Numra::AffixEntry>
{
    Q_OBJECT

public:
    explicit AffixModel(QObject *parent = nullptr);
    // Lists the entries, in at least rows rows.
    void setEntries(std::vector<Numra::AffixEntry> entries, int rows)
    {
        setRecords(std::move(entries), rows);
    }
    const Numra::AffixEntry *entry(int row) const { return record(row); }

protected:
    QString dataText(int column, int modelRow) const override;
};

// The numeric equivalents a lookup found; a lookup that found none says so in its first row.
class LookupResultModel : public RecordListModel<std::string>
{
    Q_OBJECT

public:
    explicit LookupResultModel(QObject *parent = nullptr);
    // Lists the numbers in at least rows rows; nothingFound shows the "none" row instead.
    void setNumbers(std::vector<std::string> numbers, bool nothingFound, int rows);
    // The number in a row, nullptr where there is none.
    const std::string *number(int row) const { return record(row); }

protected:
    void resizeDataRows(int count) override;
    QString dataText(int column, int modelRow) const override;

private:
    bool m_nothingFound = false;
};

// The memorable phrases for the number, best first: the phrase and its vanity form.
class SuggestionModel : public RecordListModel<Numra::MemorablePhrase>
{
    Q_OBJECT

public:
    explicit SuggestionModel(QObject *parent = nullptr);
    // Lists the phrases in at least rows rows.
    void setPhrases(std::vector<Numra::MemorablePhrase> phrases, int rows)
    {
        setRecords(std::move(phrases), rows);
    }
    // The phrase shown in a grid row, nullptr for the heading and empty rows.
    const Numra::MemorablePhrase *phrase(int row) const { return record(row); }

protected:
    QString dataText(int column, int modelRow) const override;
};
