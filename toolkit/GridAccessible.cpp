#include "toolkit/GridAccessible.h"

#include "toolkit/Grid.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>

#include <map>
#include <utility>

namespace {

constexpr int HeadingRow = -1;

// One cell of a grid, or with row HeadingRow one of its heading cells, known by its place.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    GridCellAccessible(Grid *grid, int row, int column) : m_grid(grid), m_row(row), m_column(column)
    {}

    bool isValid() const override
    {
        if (!m_grid || m_column >= m_grid->model()->columnCount())
            return false;
        return m_row == HeadingRow ? !m_grid->horizontalHeader()->isHidden()
                                   : m_row < m_grid->model()->rowCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_grid.data());
    }
    // While the cell is edited in place, its editor.
    QAccessibleInterface *child(int index) const override
    {
        QWidget *open = editor();
        return index == 0 && open ? QAccessible::queryAccessibleInterface(open) : nullptr;
    }
    int childCount() const override { return editor() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && editor() && child->object() == editor() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *open = child(0);
        return open && open->rect().contains(x, y) ? open : nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const QAbstractItemModel *model = m_grid->model();
        if (m_row == HeadingRow)
            return kind == QAccessible::Name
                       ? model->headerData(m_column, Qt::Horizontal, Qt::DisplayRole).toString()
                       : QString();
        switch (kind) {
        case QAccessible::Name:
            return index().data(Qt::AccessibleTextRole).toString();
        case QAccessible::Description:
            return index().data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (m_row == HeadingRow) {
            const QHeaderView *heading = m_grid->horizontalHeader();
            const QRect section(heading->sectionViewportPosition(m_column), 0,
                                heading->sectionSize(m_column), heading->height());
            return section.translated(heading->viewport()->mapToGlobal(QPoint(0, 0)));
        }
        return m_grid->visualRect(index()).translated(
            m_grid->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        return m_row == HeadingRow ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QRect shown(m_grid->viewport()->mapToGlobal(QPoint(0, 0)),
                          m_grid->viewport()->size());
        state.invisible = !m_grid->isVisible() || !shown.intersects(rect());
        if (m_row == HeadingRow)
            return state;
        const QModelIndex place = index();
        const Qt::ItemFlags flags = place.flags();
        state.selectable = state.focusable = flags.testFlag(Qt::ItemIsSelectable);
        state.selected = m_grid->selectionModel()->isSelected(place);
        // The grid keeps its current cell while the user works elsewhere; it is not the focus.
        state.focused = m_grid->hasFocus() && m_grid->currentIndex() == place;
        state.editable = flags.testFlag(Qt::ItemIsEditable);
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && m_row != HeadingRow)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && m_grid->selectionModel()->isSelected(index());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (!isValid() || m_grid->horizontalHeader()->isHidden())
            return {};
        return {parent()->child(m_column)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    Grid *grid() const { return m_grid.data(); }
    int row() const { return m_row; }
    int column() const { return m_column; }

private:
    QModelIndex index() const { return m_grid->model()->index(m_row, m_column); }
    QWidget *editor() const
    {
        return isValid() && m_row != HeadingRow ? m_grid->indexWidget(index()) : nullptr;
    }

    QPointer<Grid> m_grid;
    int m_row;
    int m_column;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(Grid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    ~GridAccessible() override
    {
        for (const auto &[place, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return headingCount() + rowCount() * columnCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        if (index < 0 || index >= childCount() || columns == 0)
            return nullptr;
        if (index < headingCount())
            return cell(HeadingRow, index);
        index -= headingCount();
        return cell(index / columns, index % columns);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *place = dynamic_cast<const GridCellAccessible *>(child);
        if (!place || place->grid() != grid() || !place->isValid())
            return -1;
        if (place->row() == HeadingRow)
            return place->column();
        return headingCount() + place->row() * columnCount() + place->column();
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point(x, y);
        const QHeaderView *heading = grid()->horizontalHeader();
        if (headingCount() > 0) {
            const QPoint inHeading = heading->viewport()->mapFromGlobal(point);
            if (heading->viewport()->rect().contains(inHeading)) {
                const int column = heading->logicalIndexAt(inHeading);
                return column < 0 ? nullptr : cell(HeadingRow, column);
            }
        }
        const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(point));
        return index.isValid() ? cell(index.row(), index.column()) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return cell(row, column);
    }
    int columnCount() const override { return grid()->model()->columnCount(); }
    int rowCount() const override { return grid()->model()->rowCount(); }
    QString columnDescription(int column) const override
    {
        return grid()->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QString rowDescription(int) const override { return {}; }

    int selectedCellCount() const override
    {
        return static_cast<int>(grid()->selectionModel()->selectedIndexes().size());
    }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (const QModelIndex &index : grid()->selectionModel()->selectedIndexes())
            cells.append(cell(index.row(), index.column()));
        return cells;
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (const QModelIndex &index : grid()->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override
    {
        return grid()->selectionModel()->isRowSelected(row, QModelIndex());
    }
    // One row at a time, as the user selects one: selecting a row makes it the current one.
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        grid()->setCurrentIndex(grid()->model()->index(row, 0));
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // Places outlive a reset; only those past the end of the grid go.
    void modelChange(QAccessibleTableModelChangeEvent *) override
    {
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            QAccessibleInterface *place = QAccessible::accessibleInterface(it->second);
            if (place && place->isValid()) {
                ++it;
                continue;
            }
            if (place)
                QAccessible::deleteAccessibleInterface(it->second);
            it = m_cells.erase(it);
        }
    }

private:
    Grid *grid() const { return static_cast<Grid *>(widget()); }

    int headingCount() const { return grid()->horizontalHeader()->isHidden() ? 0 : columnCount(); }

    QAccessibleInterface *cell(int row, int column) const
    {
        const auto place = std::pair(row, column);
        if (const auto known = m_cells.find(place); known != m_cells.end()) {
            if (QAccessibleInterface *cell = QAccessible::accessibleInterface(known->second))
                return cell;
        }
        auto *cell = new GridCellAccessible(grid(), row, column);
        m_cells[place] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

} // namespace

QAccessibleInterface *gridAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Grid") && object && object->isWidgetType())
        if (auto *grid = qobject_cast<Grid *>(object))
            return new GridAccessible(grid);
    return nullptr;
}

void announceCurrentCell(Grid *grid)
{
    if (!QAccessible::isActive() || !grid->hasFocus() || !grid->currentIndex().isValid())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface *cells = table ? table->tableInterface() : nullptr;
    const QModelIndex current = grid->currentIndex();
    QAccessibleInterface *cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
