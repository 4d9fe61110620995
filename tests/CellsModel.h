#pragma once

#include "toolkit/GridModel.h"

#include <QString>

#include <algorithm>
#include <vector>

// A grid model over records of plain cells, as the program's list models are over their
// records: for the tests of the grid and of its base model. Every change tells the views of
// the cells it touched, unless a batch is open.
class CellsModel : public GridModel
{
public:
    struct Cell
    {
        QString text;
        bool italic = false;
        bool bold = false;
        bool editable = false;
    };

    CellsModel(int columns, int records, Heading heading)
        : GridModel(columns, heading), m_columns(columns),
          m_records(static_cast<std::size_t>(records), Row(static_cast<std::size_t>(columns)))
    {}

    int recordCount() const override { return static_cast<int>(m_records.size()); }
    void setRecordCount(int records)
    {
        const int before = rowCount();
        const int after = std::max(records, shownRows());
        const bool tell = !inBatch() && after != before;
        if (tell && after > before)
            beginInsertRows({}, before, after - 1);
        else if (tell)
            beginRemoveRows({}, after, before - 1);
        m_records.resize(static_cast<std::size_t>(records), Row(m_columns));
        if (tell && after > before)
            endInsertRows();
        else if (tell)
            endRemoveRows();
    }

    const Cell &at(int column, int record) const { return m_records.at(record).at(column); }
    void setText(int column, int record, const QString &text)
    {
        change(column, record, [&](Cell &c) { c.text = text; });
    }
    void setItalic(int column, int record, bool italic)
    {
        change(column, record, [&](Cell &c) { c.italic = italic; });
    }
    void setBold(int column, int record, bool bold)
    {
        change(column, record, [&](Cell &c) { c.bold = bold; });
    }
    void setEditable(int column, int record, bool editable)
    {
        change(column, record, [&](Cell &c) { c.editable = editable; });
    }

protected:
    QString cellText(int column, int record) const override { return at(column, record).text; }
    bool cellItalic(int column, int record) const override { return at(column, record).italic; }
    bool cellBold(int column, int record) const override { return at(column, record).bold; }
    bool cellEditable(int column, int record) const override { return at(column, record).editable; }
    bool setCellText(int column, int record, const QString &text) override
    {
        Cell &c = m_records.at(record).at(column);
        if (c.text == text)
            return false;
        c.text = text;
        return true;
    }

private:
    using Row = std::vector<Cell>;

    template <typename Change> void change(int column, int record, Change apply)
    {
        Cell &c = m_records.at(record).at(column);
        const Cell before = c;
        apply(c);
        if (inBatch() || (c.text == before.text && c.italic == before.italic &&
                          c.bold == before.bold && c.editable == before.editable))
            return;
        const QModelIndex changed = index(record, column);
        emit dataChanged(changed, changed);
    }

    std::size_t m_columns;
    std::vector<Row> m_records;
};
