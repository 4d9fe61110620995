#include "toolkit/GridModel.h"

#include <algorithm>

GridModel::GridModel(int columns, Heading heading, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::max(columns, 0)), m_heading(heading),
      m_alignment(m_columns, Qt::AlignCenter)
{
    cacheFonts(QFont());
}

void GridModel::setHeadings(const QStringList &headings)
{
    if (headings == m_headings)
        return;
    m_headings = headings;
    if (!inBatch() && m_columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

void GridModel::setShownRows(int rows)
{
    rows = std::max(rows, 0);
    const int before = rowCount();
    const int after = std::max(rows, recordCount());
    if (inBatch() || after == before) {
        m_shownRows = rows;
    } else if (after > before) {
        beginInsertRows({}, before, after - 1);
        m_shownRows = rows;
        endInsertRows();
    } else {
        beginRemoveRows({}, after, before - 1);
        m_shownRows = rows;
        endRemoveRows();
    }
}

void GridModel::setFont(const QFont &font)
{
    if (font == m_font)
        return;
    cacheFonts(font);
    if (inBatch() || m_columns == 0)
        return;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, m_columns - 1), {Qt::FontRole});
    if (headingShown())
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
    if (!inBatch() && rowCount() > 0)
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
    return parent.isValid() ? 0 : std::max(m_shownRows, recordCount());
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
    const bool isRecord = row < recordCount();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return isRecord ? cellText(column, row) : QString();
    case Qt::AccessibleDescriptionRole: {
        const QString description = isRecord ? cellDescription(column, row) : QString();
        return description.isEmpty() ? QVariant() : QVariant(description);
    }
    case Qt::FontRole:
        return isRecord ? fontOf(cellItalic(column, row), cellBold(column, row)) : m_font;
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

    if (setCellText(index.column(), index.row(), value.toString())) {
        if (!inBatch())
            emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
        emit cellEdited(index.column(), index.row());
    }
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns)
        return {};
    const QString heading = section < m_headings.size() ? m_headings.at(section) : QString();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return heading;
    case Qt::FontRole:
        // A hidden header is asked only by assistive tools, for its names.
        return headingShown() ? QVariant(m_boldFont) : QVariant();
    case Qt::TextAlignmentRole:
        return headingShown() ? QVariant(static_cast<int>(Qt::AlignCenter)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;

    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.row() < recordCount() && cellEditable(index.column(), index.row()))
        result |= Qt::ItemIsEditable;
    return result;
}

QString GridModel::cellText(int, int) const
{
    return {};
}

bool GridModel::cellItalic(int, int) const
{
    return false;
}

bool GridModel::cellBold(int, int) const
{
    return false;
}

QString GridModel::cellDescription(int, int) const
{
    return {};
}

bool GridModel::cellEditable(int, int) const
{
    return false;
}

bool GridModel::setCellText(int, int, const QString &)
{
    return false;
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
