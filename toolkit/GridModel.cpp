#include "toolkit/GridModel.h"

#include <algorithm>

namespace {

// The view shows a single header row, so a grid has at most one heading row.
int headingRowsFor(int fixedRows)
{
    return std::clamp(fixedRows, 0, 1);
}

} // namespace

GridModel::GridModel(int columns, int rows, int fixedRows, QObject *parent)
    : QAbstractTableModel(parent), m_columns(0), m_fixedRows(0)
{
    cacheFonts(QFont());
    reshape(columns, rows, fixedRows);
}

void GridModel::reshape(int columns, int rows, int fixedRows)
{
    if (!inBatch())
        beginResetModel();
    m_columns = std::max(columns, 0);
    m_fixedRows = headingRowsFor(fixedRows);
    m_heading.assign(m_fixedRows, Row(m_columns));
    m_rows.clear();
    resizeDataRows(std::max(rows - m_fixedRows, 0));
    m_alignment = QList<Qt::Alignment>(m_columns, Qt::AlignCenter);
    if (!inBatch())
        endResetModel();
}

void GridModel::setGridRowCount(int rows)
{
    const int oldCount = dataRowCount();
    const int newCount = std::max(rows - m_fixedRows, 0);
    if (newCount == oldCount)
        return;

    if (inBatch()) {
        resizeDataRows(newCount);
    } else if (newCount > oldCount) {
        beginInsertRows({}, oldCount, newCount - 1);
        resizeDataRows(newCount);
        endInsertRows();
    } else {
        beginRemoveRows({}, newCount, oldCount - 1);
        resizeDataRows(newCount);
        endRemoveRows();
    }
}

void GridModel::resizeDataRows(int count)
{
    m_rows.resize(static_cast<std::size_t>(count), Row(m_columns));
}

QString GridModel::dataText(int column, int modelRow) const
{
    const Cell *c = storedDataCell(column, modelRow);
    return c ? c->text : QString();
}

bool GridModel::dataItalic(int column, int modelRow) const
{
    const Cell *c = storedDataCell(column, modelRow);
    return c && c->italic;
}

QString GridModel::dataDescription(int, int) const
{
    return {};
}

const GridModel::Cell *GridModel::storedDataCell(int column, int modelRow) const
{
    if (column < 0 || column >= m_columns || modelRow < 0 ||
        modelRow >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_rows[modelRow][column];
}

QString GridModel::cell(int column, int row) const
{
    if (row >= m_fixedRows)
        return row < gridRowCount() ? dataText(column, row - m_fixedRows) : QString();
    const Cell *c = cellAt(column, row);
    return c ? c->text : QString();
}

void GridModel::setCell(int column, int row, const QString &text)
{
    Cell *c = cellAt(column, row);
    if (!c || c->text == text)
        return;
    c->text = text;
    cellChanged(column, row, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
}

bool GridModel::cellItalic(int column, int row) const
{
    if (row >= m_fixedRows)
        return row < gridRowCount() && dataItalic(column, row - m_fixedRows);
    const Cell *c = cellAt(column, row);
    return c && c->italic;
}

void GridModel::setCellItalic(int column, int row, bool italic)
{
    Cell *c = cellAt(column, row);
    if (!c || c->italic == italic)
        return;
    c->italic = italic;
    cellChanged(column, row, {Qt::FontRole});
}

bool GridModel::cellBold(int column, int row) const
{
    const Cell *c = cellAt(column, row);
    return c && c->bold;
}

void GridModel::setCellBold(int column, int row, bool bold)
{
    Cell *c = cellAt(column, row);
    if (!c || c->bold == bold)
        return;
    c->bold = bold;
    cellChanged(column, row, {Qt::FontRole});
}

bool GridModel::cellEditable(int column, int row) const
{
    const Cell *c = cellAt(column, row);
    return c && c->editable;
}

void GridModel::setCellEditable(int column, int row, bool editable)
{
    Cell *c = cellAt(column, row);
    if (!c || c->editable == editable)
        return;
    c->editable = editable;
    // Flags have no signal of their own; a change of any role tells the views to ask again.
    cellChanged(column, row, {});
}

void GridModel::setFont(const QFont &font)
{
    if (font == m_font)
        return;
    cacheFonts(font);
    if (inBatch() || m_columns == 0)
        return;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, m_columns - 1), {Qt::FontRole});
    if (m_fixedRows > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

Qt::Alignment GridModel::columnAlignment(int column) const
{
    return column >= 0 && column < m_columns ? m_alignment.at(column) : Qt::AlignCenter;
}

void GridModel::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0 || column >= m_columns || m_alignment.at(column) == alignment)
        return;
    m_alignment[column] = alignment;
    if (!inBatch() && !m_rows.empty())
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

void GridModel::beginBatch()
{
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void GridModel::endBatch()
{
    Q_ASSERT(m_batchDepth > 0);
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        endResetModel();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dataRowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return {};

    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return dataText(column, row);
    case Qt::AccessibleDescriptionRole: {
        const QString description = dataDescription(column, row);
        return description.isEmpty() ? QVariant() : QVariant(description);
    }
    case Qt::FontRole: {
        const Cell *stored = storedDataCell(column, row);
        return fontOf(dataItalic(column, row), stored && stored->bold);
    }
    case Qt::TextAlignmentRole:
        return static_cast<int>(m_alignment.at(column));
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;

    const int row = index.row() + m_fixedRows;
    const QString text = value.toString();
    if (cell(index.column(), row) != text) {
        setCell(index.column(), row, text);
        emit cellEdited(index.column(), row);
    }
    return true;
}

void GridModel::setAccessibleHeadings(const QStringList &headings)
{
    m_accessibleHeadings = headings;
    if (m_columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns)
        return {};
    if (m_fixedRows == 0) {
        // The header is hidden; only assistive tools ask for it.
        if ((role == Qt::AccessibleTextRole || role == Qt::DisplayRole) &&
            section < m_accessibleHeadings.size())
            return m_accessibleHeadings.at(section);
        return {};
    }

    const Cell &c = m_heading[0][section];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return c.text;
    case Qt::FontRole:
        return fontOf(c.italic, true);
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;

    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const Cell *stored = storedDataCell(index.column(), index.row());
    if (stored && stored->editable)
        result |= Qt::ItemIsEditable;
    return result;
}

GridModel::Cell *GridModel::cellAt(int column, int row)
{
    return const_cast<Cell *>(std::as_const(*this).cellAt(column, row));
}

const GridModel::Cell *GridModel::cellAt(int column, int row) const
{
    if (column < 0 || column >= m_columns || row < 0 || row >= gridRowCount())
        return nullptr;
    if (row < m_fixedRows)
        return &m_heading[row][column];
    return storedDataCell(column, row - m_fixedRows);
}

void GridModel::cellChanged(int column, int row, const QList<int> &roles)
{
    if (inBatch())
        return;
    if (row < m_fixedRows) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else {
        const QModelIndex changed = index(row - m_fixedRows, column);
        emit dataChanged(changed, changed, roles);
    }
}

void GridModel::cacheFonts(const QFont &font)
{
    m_font = font;
    m_italicFont = font;
    m_italicFont.setItalic(true);
    m_boldFont = font;
    m_boldFont.setBold(true);
    m_boldItalicFont = m_boldFont;
    m_boldItalicFont.setItalic(true);
}

const QFont &GridModel::fontOf(bool italic, bool bold) const
{
    if (italic)
        return bold ? m_boldItalicFont : m_italicFont;
    return bold ? m_boldFont : m_font;
}
