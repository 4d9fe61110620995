#include "toolkit/Grid.h"

#include "platform/Desktop.h"
#include "toolkit/GridAccessible.h"
#include "toolkit/GridModel.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace {

constexpr int CellPixelSize = 16;
// Space above and below the text of a row.
constexpr int CellMargin = 3;

} // namespace

Grid::Grid(QWidget *parent) : Grid(nullptr, parent) {}

Grid::Grid(GridModel *model, QWidget *parent)
    : QTableView(parent), m_model(model ? model : new GridModel(1, GridModel::Heading::Hidden))
{
    m_model->setParent(this);
    [[maybe_unused]] static const bool readable = [] {
        QAccessible::installFactory(gridAccessibleFactory);
        return true;
    }();
    setModel(m_model);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // The model makes only its editable cells editable, so these open nothing elsewhere.
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the grid for the next control, so that a keyboard user is never held in a list;
    // the arrows move between cells.
    setTabKeyNavigation(false);
    // The current row is marked only while the grid has the focus, so that the lists the
    // user is not working in do not each show a highlighted row.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
    setPalette(colours);

    QHeaderView *rowHeader = verticalHeader();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->hide();

    QHeaderView *heading = horizontalHeader();
    heading->setStretchLastSection(true);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setVisible(m_model->headingShown());
    // A double click on a column border would measure the contents of every row.
    disconnect(heading, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(heading, &QHeaderView::sectionResized, this, &Grid::columnResized);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &Grid::topLeftChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &Grid::topLeftChanged);
    connect(this, &Grid::topLeftChanged, this, [this] { m_scrolledSincePress = true; });
    attachModel();

    QFont cellFont = QApplication::font();
    cellFont.setPixelSize(CellPixelSize);
    setFont(cellFont);
    applyFont();
    restoreCurrentRecord();
}

void Grid::attachModel()
{
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Grid::currentCellChanged);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &Grid::rememberCurrentRecord);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Grid::restoreCurrentRecord);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!currentIndex().isValid())
            restoreCurrentRecord();
    });
}

void Grid::setGridModel(GridModel *model)
{
    GridModel *old = m_model;
    model->setParent(this);
    model->setFont(old->font());
    m_model = model;
    QItemSelectionModel *oldSelection = selectionModel();
    setModel(model);
    delete oldSelection;
    attachModel();
    horizontalHeader()->setVisible(m_model->headingShown());
    delete old;
    restoreCurrentRecord();
}

QString Grid::cell(int column, int record) const
{
    return m_model->index(record, column).data(Qt::DisplayRole).toString();
}

int Grid::rowCount() const
{
    return m_model->rowCount();
}

int Grid::currentRecord() const
{
    if (m_model->inBatch() && m_requestedRecord >= 0)
        return m_requestedRecord;
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void Grid::setCurrentRecord(int record)
{
    if (record < 0 || record >= m_model->rowCount() || m_model->columnCount() == 0)
        return;
    if (m_model->inBatch()) {
        // The view must not look at a model in the middle of its reset; the row is made
        // current when the batch ends.
        m_requestedRecord = record;
        return;
    }

    const QModelIndex target = m_model->index(record, std::max(currentIndex().column(), 0));
    setCurrentIndex(target);
    scrollTo(target);
}

int Grid::colWidth(int column) const
{
    return horizontalHeader()->sectionSize(column);
}

void Grid::setColWidth(int column, int width)
{
    const QScopedValueRollback guard(m_settingWidth, true);
    horizontalHeader()->resizeSection(column, width);
}

std::optional<Grid::CellPos> Grid::cellAt(const QPoint &viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid())
        return std::nullopt;
    return CellPos{index.column(), index.row()};
}

void Grid::mousePressEvent(QMouseEvent *event)
{
    // Reported once the base class has handled the press, so that whatever the press does to
    // the current row and the scroll position has happened when the window hears of it.
    QTableView::mousePressEvent(event);
    m_pressReported = true;
    m_scrolledSincePress = false;
    emit mouseDown(event->button(), event->position().toPoint());
}

void Grid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (std::exchange(m_inDoubleClick, false))
        return;
    const QPoint pos = event->position().toPoint();
    emit mouseUp(event->button(), pos);
    if (m_releaseChooses == ReleaseChooses::Never ||
        (m_releaseChooses == ReleaseChooses::UnlessScrolled && m_scrolledSincePress))
        return;
    if (const auto cell = cellAt(pos))
        emit rowChosen(cell->record);
}

void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives as this event; the base class sometimes
    // turns it back into a press, which then reports itself.
    m_pressReported = false;
    m_inDoubleClick = true;
    QTableView::mouseDoubleClickEvent(event);
    if (!m_pressReported) {
        m_scrolledSincePress = false;
        emit mouseDown(event->button(), event->position().toPoint());
    }
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        // The base class would put the current cell alone on the clipboard, even an empty one.
        copyCurrentRow();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (activatesRow(event)) {
            emit rowChosen(currentRecord());
            event->accept();
        } else {
            // Leave the key to the window, whose default button may be waiting for it.
            event->ignore();
        }
        return;
    case Qt::Key_Space:
        if (activatesRow(event)) {
            emit rowChosen(currentRecord());
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

bool Grid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // The whole text of a cell too narrow for it; cells that fit need no tooltip.
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.data(Qt::DisplayRole).toString();
        const QFont cellFont = index.data(Qt::FontRole).value<QFont>();
        const int room =
            visualRect(index).width() - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2;
        if (index.isValid() && QFontMetrics(cellFont).horizontalAdvance(text) > room)
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QTableView::viewportEvent(event);
}

void Grid::copyCurrentRow() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    QStringList cells;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QString text = m_model->index(current.row(), column).data().toString();
        if (!text.isEmpty())
            cells.append(text);
    }
    if (!cells.isEmpty())
        Platform::setClipboardText(cells.join(QLatin1Char('\t')));
}

void Grid::resizeEvent(QResizeEvent *event)
{
    const QScopedValueRollback guard(m_resizing, true);
    QTableView::resizeEvent(event);
}

void Grid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFont();
}

void Grid::applyFont()
{
    const QFont cellFont = font();
    m_model->setFont(cellFont);

    QFont headingFont = cellFont;
    headingFont.setBold(true);
    horizontalHeader()->setFont(headingFont);

    const int rowHeight = QFontMetrics(cellFont).height() + 2 * CellMargin;
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
}

void Grid::columnResized(int column, int oldWidth, int newWidth)
{
    if (oldWidth == newWidth || m_resizing)
        return;
    // The stretched last column follows the width of the grid and of the other columns; only
    // a width the program gives it counts as a change of its own.
    const QHeaderView *heading = horizontalHeader();
    if (heading->stretchLastSection() && column == heading->logicalIndex(heading->count() - 1) &&
        !m_settingWidth)
        return;
    emit colWidthsChanged();
}

void Grid::currentCellChanged(const QModelIndex &current)
{
    if (current.isValid() && !m_restoringCurrent)
        emit cellClicked(current.column(), current.row());
}

void Grid::rememberCurrentRecord()
{
    const QModelIndex current = currentIndex();
    m_recordBeforeReset = current.isValid() ? current.row() : -1;
}

void Grid::restoreCurrentRecord()
{
    // A reset would leave the grid without a current row, and the view would then pick one
    // (and report it) when it next gets the focus. Like a fresh grid, the grid keeps one: the
    // row it had, else the first, without an event and without scrolling.
    int record = std::exchange(m_recordBeforeReset, -1);
    if (record < 0 || record >= m_model->rowCount())
        record = 0;
    if (record < m_model->rowCount() && m_model->columnCount() > 0) {
        const QScopedValueRollback restoring(m_restoringCurrent, true);
        const bool scrolls = hasAutoScroll();
        setAutoScroll(false);
        setCurrentIndex(m_model->index(record, 0));
        setAutoScroll(scrolls);
    }
    // A row asked for during the batch becomes current now, as if asked for after it.
    if (const int requested = std::exchange(m_requestedRecord, -1); requested >= 0)
        setCurrentRecord(requested);
}

bool Grid::activatesRow(const QKeyEvent *event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QModelIndex current = currentIndex();
    return modifiers == Qt::NoModifier && state() != EditingState && current.isValid() &&
           !(m_model->flags(current) & Qt::ItemIsEditable);
}

void Grid::initViewItemOption(QStyleOptionViewItem *option) const
{
    QTableView::initViewItemOption(option);
    if (!hasFocus())
        option->state &= ~QStyle::State_Active;
}

void Grid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    // After the grid's own focus event, which the widget sends once this returns: the reader
    // then reads the cell within the table rather than the table alone.
    QMetaObject::invokeMethod(
        this, [this] { announceCurrentCell(this); }, Qt::QueuedConnection);
}

void Grid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // Past QTableView's, which tells a screen reader of Qt's own numbering of cells, and does so
    // whether the grid has the focus or the user is typing elsewhere.
    QAbstractItemView::currentChanged(current, previous);
    announceCurrentCell(this);
}

void Grid::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    // Past QTableView's, which names cells by Qt's own numbering, not the grid's; the focus
    // that follows the current row tells the reader where the user is.
    QAbstractItemView::selectionChanged(selected, deselected);
}
