#pragma once

#include "core/AffixTable.h"
#include "core/MemorablePhrases.h"
#include "core/NumberList.h"
#include "core/NumraGlobal.h"
#include "toolkit/GridModel.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

// The program's lists as models over what the core found. A window asks a model for the
// record of a row; nothing is read back from a cell's text.

// A grid over a list of records, one a row from the first row on; the rows past the records
// are blank.
template <typename T> class RecordListModel : public GridModel
{
public:
    using GridModel::GridModel;

    int recordCount() const override { return static_cast<int>(m_records.size()); }
    // The record shown in a row, nullptr for the blank rows.
    const T *record(int row) const
    {
        return row >= 0 && row < static_cast<int>(m_records.size())
                   ? &m_records[static_cast<std::size_t>(row)]
                   : nullptr;
    }

protected:
    // Lists the records in at least rows rows, in one reset.
    void setRecords(std::vector<T> records, int rows)
    {
        const GridBatch batch(*this);
        m_records = std::move(records);
        setShownRows(rows);
    }
    std::vector<T> &records() { return m_records; }

private:
    std::vector<T> m_records;
};

// The candidate list: the records a conversion pass accepted, in dictionary order; names
// (class "A") in italics.
class CandidateModel : public RecordListModel<Numra::Record>
{
    Q_OBJECT

public:
    explicit CandidateModel(QObject *parent = nullptr);

    // Drops every record and shows rows blank rows.
    void clearRecords(int rows);
    void addRecord(const Numra::Record &record);

protected:
    QString cellText(int column, int row) const override;
    bool cellItalic(int column, int row) const override;
    QString cellDescription(int column, int row) const override;
};

// The phrase grid over the selected phrase's slots, slot 1 in the first row; the window says
// how many it shows.
class PhraseModel : public GridModel
{
    Q_OBJECT

public:
    PhraseModel(const Numra::Phrase &phrase, QObject *parent = nullptr);
    // The phrase changed: the grid shows its first rows slots again.
    void showPhrase(int rows);

    // Every row shown is a slot.
    int recordCount() const override;

protected:
    QString cellText(int column, int row) const override;

private:
    const Numra::Phrase &m_phrase;
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
    QString cellText(int column, int row) const override;
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

    // The "none" row counts as a line of text, though it holds no number.
    int recordCount() const override;

protected:
    QString cellText(int column, int row) const override;

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
    // The phrase shown in a row, nullptr for the blank rows.
    const Numra::MemorablePhrase *phrase(int row) const { return record(row); }

protected:
    QString cellText(int column, int row) const override;
};

// A list of numbers ranked best first: the number, its vanity form, the phrase and its cost.
class RankedNumberModel : public RecordListModel<Numra::RankedNumber>
{
    Q_OBJECT

public:
    explicit RankedNumberModel(QObject *parent = nullptr);
    void setNumbers(std::vector<Numra::RankedNumber> numbers) { setRecords(std::move(numbers), 0); }
    const Numra::RankedNumber *number(int row) const { return record(row); }

protected:
    QString cellText(int column, int row) const override;
};

// A word joined to a prefix or suffix and the digits it stands for, in one row under the
// heading. The word is bold and the user may correct its spelling in place; the digits only
// echo it (an edited digit text would cover the wrong part of the number), so they are not
// offered for editing.
class CombinationModel : public GridModel
{
    Q_OBJECT

public:
    explicit CombinationModel(QObject *parent = nullptr);

    QString word() const { return m_word; }
    QString number() const { return m_number; }
    void setCombination(const QString &word, const QString &number);

    int recordCount() const override { return 1; }

protected:
    QString cellText(int column, int row) const override;
    bool cellBold(int column, int row) const override;
    bool cellEditable(int column, int row) const override;
    bool setCellText(int column, int row, const QString &text) override;

private:
    QString m_word;
    QString m_number;
};
