#include "toolkit/Grid.h"
#include "toolkit/GridModel.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using ModelAction = std::function<void(GridModel &)>;
using GridAction = std::function<void(Grid &)>;
Q_DECLARE_METATYPE(ModelAction)
Q_DECLARE_METATYPE(GridAction)

// What the mouse does over a row.
enum class Gesture { Click, ScrollThenRelease, DoubleClick };
Q_DECLARE_METATYPE(Gesture)
Q_DECLARE_METATYPE(Grid::ReleaseChooses)

namespace {

constexpr auto TesterReporting = QAbstractItemModelTester::FailureReportingMode::QtTest;

// The view lays out its header and scroll bars over a few turns of the event loop.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

std::unique_ptr<Grid> shownGrid(int columns, int rows, int fixedRows)
{
    auto grid = std::make_unique<Grid>(columns, rows, fixedRows);
    grid->resize(320, 240);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        return nullptr;
    settle();
    return grid;
}

QPoint centreOf(const Grid &grid, int column, int row)
{
    const GridModel *model = grid.gridModel();
    return grid.visualRect(model->index(row - model->fixedRows(), column)).center();
}

void dragFirstBorder(Grid &grid, int by)
{
    QHeaderView *heading = grid.horizontalHeader();
    const QPoint border(heading->sectionViewportPosition(0) + heading->sectionSize(0) - 1,
                        heading->height() / 2);
    QTest::mousePress(heading->viewport(), Qt::LeftButton, {}, border);
    QTest::mouseMove(heading->viewport(), border + QPoint(by, 0));
    QTest::mouseRelease(heading->viewport(), Qt::LeftButton, {}, border + QPoint(by, 0));
}

} // namespace

class tst_Grid : public QObject
{
    Q_OBJECT

private slots:
    void configureReshapes();
    void setCurrentRow_data();
    void setCurrentRow();
    void currentRowKept_data();
    void currentRowKept();
    void colWidthsChanged_data();
    void colWidthsChanged();
    void topLeftChanged_data();
    void topLeftChanged();
    void mouseEvents_data();
    void mouseEvents();
    void cellAt_data();
    void cellAt();
    void cellClicked_data();
    void cellClicked();
    void rowChosenByKey_data();
    void rowChosenByKey();
    void rowChosenByRelease_data();
    void rowChosenByRelease();
    void editInPlace_data();
    void editInPlace();
    void accessibleCells();
};

void tst_Grid::configureReshapes()
{
    Grid grid;
    grid.configure(2, 250, 0);
    QCOMPARE(grid.rowCount(), 250);
    QCOMPARE(grid.gridModel()->columnCount(), 2);
    QVERIFY(grid.horizontalHeader()->isHidden());

    grid.configure(2, 100, 1);
    grid.setCell(0, 0, "Selected Word");
    QCOMPARE(grid.rowCount(), 100);
    QCOMPARE(grid.gridModel()->rowCount(), 99);
    QVERIFY(!grid.horizontalHeader()->isHidden());
    QCOMPARE(grid.gridModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             "Selected Word");
}

void tst_Grid::setCurrentRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    QTest::newRow("row in view") << 3 << 3;
    QTest::newRow("row far down scrolls into view") << 4000 << 4000;
    QTest::newRow("heading row is ignored") << 0 << 1;
    QTest::newRow("row past the end is ignored") << 5000 << 1;
    QTest::newRow("negative row is ignored") << -1 << 1;
}

void tst_Grid::setCurrentRow()
{
    QFETCH(int, row);
    QFETCH(int, expected);

    const auto grid = shownGrid(2, 5000, 1);
    QVERIFY(grid);
    QCOMPARE(grid->currentRow(), 1);

    grid->setCurrentRow(row);
    QCOMPARE(grid->currentRow(), expected);
    const QRect rowRect = grid->visualRect(grid->currentIndex());
    QVERIFY(grid->viewport()->rect().contains(rowRect.center()));
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), expected - 1);
}

void tst_Grid::currentRowKept_data()
{
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<bool>("batch");
    QTest::addColumn<int>("currentBefore");
    QTest::addColumn<int>("setInBatch");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("fresh grid with a heading") << 1 << false << -1 << -1 << 1;
    QTest::newRow("fresh grid without a heading") << 0 << false << -1 << -1 << 0;
    QTest::newRow("batch keeps the current row") << 1 << true << 30 << -1 << 30;
    QTest::newRow("batch that removes the current row") << 1 << true << 90 << -1 << 1;
    QTest::newRow("row set during a batch") << 1 << true << 2 << 45 << 45;
}

void tst_Grid::currentRowKept()
{
    QFETCH(int, fixedRows);
    QFETCH(bool, batch);
    QFETCH(int, currentBefore);
    QFETCH(int, setInBatch);
    QFETCH(int, currentAfter);

    const auto grid = shownGrid(2, 100, fixedRows);
    QVERIFY(grid);
    grid->setColWidth(0, 80);
    if (currentBefore >= 0)
        grid->setCurrentRow(currentBefore);
    const int scrolledTo = grid->verticalScrollBar()->value();
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);

    if (batch) {
        GridModel *model = grid->gridModel();
        model->beginBatch();
        model->setGridRowCount(50);
        for (int row = fixedRows; row < 50; ++row)
            model->setCell(0, row, QString::number(row));
        grid->setCurrentRow(setInBatch);
        QCOMPARE(grid->currentRow(), setInBatch >= 0 ? setInBatch : currentBefore);
        model->endBatch();
    }
    // The view makes a row current when it gets the focus, unless one already is.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(grid.get(), &focusIn);

    QCOMPARE(grid->currentRow(), currentAfter);
    QCOMPARE(clicked.count(), setInBatch >= 0 ? 1 : 0);
    QCOMPARE(grid->colWidth(0), 80);
    if (currentAfter == currentBefore)
        QCOMPARE(grid->verticalScrollBar()->value(), scrolledTo);
    if (setInBatch >= 0) {
        const QRect rowRect = grid->visualRect(grid->currentIndex());
        QVERIFY(grid->viewport()->rect().contains(rowRect.center()));
    }
}

void tst_Grid::colWidthsChanged_data()
{
    QTest::addColumn<GridAction>("action");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("firstWidth");

    QTest::newRow("new width of the first column")
        << GridAction([](Grid &g) { g.setColWidth(0, 120); }) << 1 << 120;
    QTest::newRow("same width again")
        << GridAction([](Grid &g) { g.setColWidth(0, 100); }) << 0 << 100;
    QTest::newRow("border dragged by the user")
        << GridAction([](Grid &g) { dragFirstBorder(g, 30); }) << 1 << 130;
    QTest::newRow("double click on a border") << GridAction([](Grid &g) {
        QHeaderView *heading = g.horizontalHeader();
        const QPoint border(heading->sectionSize(0) - 1, heading->height() / 2);
        QTest::mouseDClick(heading->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseRelease(heading->viewport(), Qt::LeftButton, {}, border);
    }) << 0 << 100;
    QTest::newRow("stretched column given a width by the program")
        << GridAction([](Grid &g) { g.setColWidth(1, 400); }) << 1 << 100;
    QTest::newRow("wider grid") << GridAction([](Grid &g) { g.resize(480, 240); }) << 0 << 100;
    QTest::newRow("narrower grid") << GridAction([](Grid &g) { g.resize(250, 240); }) << 0 << 100;
    QTest::newRow("vertical scroll bar appears") << GridAction([](Grid &g) {
        g.setRowCount(500);
        settle();
        QVERIFY(g.verticalScrollBar()->isVisible());
    }) << 0 << 100;
}

void tst_Grid::colWidthsChanged()
{
    QFETCH(GridAction, action);
    QFETCH(int, changes);
    QFETCH(int, firstWidth);

    const auto grid = shownGrid(2, 5, 1);
    QVERIFY(grid);
    grid->setColWidth(0, 100);
    settle();
    QSignalSpy changed(grid.get(), &Grid::colWidthsChanged);

    action(*grid);
    settle();

    QCOMPARE(changed.count(), changes);
    QCOMPARE(grid->colWidth(0), firstWidth);
    QVERIFY(grid->colWidth(0) + grid->colWidth(1) >= grid->viewport()->width());
}

void tst_Grid::topLeftChanged_data()
{
    QTest::addColumn<GridAction>("action");
    QTest::addColumn<bool>("scrolls");

    const auto toEnd = [](QScrollBar *bar) {
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
    };
    QTest::newRow("vertical scroll bar moved")
        << GridAction([=](Grid &g) { toEnd(g.verticalScrollBar()); }) << true;
    QTest::newRow("horizontal scroll bar moved")
        << GridAction([=](Grid &g) { toEnd(g.horizontalScrollBar()); }) << true;
    QTest::newRow("current row set out of view")
        << GridAction([](Grid &g) { g.setCurrentRow(80); }) << true;
    QTest::newRow("current row set in view")
        << GridAction([](Grid &g) { g.setCurrentRow(2); }) << false;
}

void tst_Grid::topLeftChanged()
{
    QFETCH(GridAction, action);
    QFETCH(bool, scrolls);

    const auto grid = shownGrid(2, 100, 1);
    QVERIFY(grid);
    grid->setColWidth(0, 1000);
    settle();
    QSignalSpy topLeft(grid.get(), &Grid::topLeftChanged);

    action(*grid);

    QCOMPARE(topLeft.count() > 0, scrolls);
}

void tst_Grid::mouseEvents_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("left button") << Qt::LeftButton << 1 << 0 << 1;
    QTest::newRow("left button, second column") << Qt::LeftButton << 1 << 1 << 3;
    QTest::newRow("right button") << Qt::RightButton << 1 << 0 << 4;
    QTest::newRow("middle button") << Qt::MiddleButton << 1 << 1 << 2;
    QTest::newRow("double click") << Qt::LeftButton << 2 << 0 << 2;
    QTest::newRow("partly visible bottom row") << Qt::LeftButton << 1 << 0 << 5;
}

void tst_Grid::mouseEvents()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QFETCH(int, column);
    QFETCH(int, row);

    const auto grid = shownGrid(2, 50, 1);
    QVERIFY(grid);
    // Four and a half rows in view: grid row 5 is cut off at the bottom.
    const int rowHeight = grid->rowHeight(0);
    grid->resize(320, grid->height() - grid->viewport()->height() + 4 * rowHeight + rowHeight / 2);
    settle();
    QSignalSpy down(grid.get(), &Grid::mouseDown);
    QSignalSpy up(grid.get(), &Grid::mouseUp);
    QSignalSpy topLeft(grid.get(), &Grid::topLeftChanged);
    // A scroll between press and release would make the windows ignore the click.
    qsizetype scrollsAtPress = -1;
    connect(grid.get(), &Grid::mouseDown, this, [&] { scrollsAtPress = topLeft.count(); });
    const QRect rect = grid->visualRect(grid->gridModel()->index(row - 1, column));
    const QPoint pos = rect.topLeft() + QPoint(rect.width() / 2, rowHeight / 4);

    QTest::mousePress(grid->viewport(), button, {}, pos);
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 0);
    QTest::mouseRelease(grid->viewport(), button, {}, pos);
    if (clicks == 2) {
        QTest::mouseDClick(grid->viewport(), button, {}, pos);
        QTest::mouseRelease(grid->viewport(), button, {}, pos);
    }

    QCOMPARE(down.count(), clicks);
    // The release that ends a double click is not reported: the first click may have refilled
    // the list, and a second choice would fall on whatever row slid under the pointer.
    QCOMPARE(up.count(), 1);
    QCOMPARE(scrollsAtPress, topLeft.count());
    for (const QList<QVariant> &args : down + up) {
        QCOMPARE(args.at(0).value<Qt::MouseButton>(), button);
        QCOMPARE(args.at(1).toPoint(), pos);
        const std::optional<Grid::CellPos> cell = grid->cellAt(pos);
        QVERIFY(cell);
        QCOMPARE(cell->column, column);
        QCOMPARE(cell->row, row);
    }
    QCOMPARE(grid->currentRow(), row);
}

void tst_Grid::cellAt_data()
{
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("x");
    QTest::addColumn<double>("rowsDown");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("first data row under a heading") << 1 << 5 << 0.5 << 0 << 1;
    QTest::newRow("first row without a heading") << 0 << 5 << 0.5 << 0 << 0;
    QTest::newRow("stretched last column") << 1 << 150 << 1.5 << 1 << 2;
    QTest::newRow("last row") << 0 << 150 << 2.9 << 1 << 2;
    QTest::newRow("below the last row") << 1 << 5 << 3.2 << -1 << -1;
}

void tst_Grid::cellAt()
{
    QFETCH(int, fixedRows);
    QFETCH(int, x);
    QFETCH(double, rowsDown);
    QFETCH(int, column);
    QFETCH(int, row);

    const auto grid = shownGrid(2, 3 + fixedRows, fixedRows);
    QVERIFY(grid);
    grid->setColWidth(0, 100);
    const QPoint pos(x, int(rowsDown * grid->rowHeight(0)));

    const std::optional<Grid::CellPos> cell = grid->cellAt(pos);
    QCOMPARE(cell.has_value(), column >= 0);
    if (cell) {
        QCOMPARE(cell->column, column);
        QCOMPARE(cell->row, row);
    }
}

void tst_Grid::cellClicked_data()
{
    QTest::addColumn<GridAction>("action");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("click") << GridAction([](Grid &g) {
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centreOf(g, 1, 3));
    }) << 1 << 3;
    QTest::newRow("down arrow") << GridAction([](Grid &g) { QTest::keyClick(&g, Qt::Key_Down); })
                                << 0 << 3;
    QTest::newRow("up arrow") << GridAction([](Grid &g) { QTest::keyClick(&g, Qt::Key_Up); }) << 0
                              << 1;
    QTest::newRow("set by the program")
        << GridAction([](Grid &g) { g.setCurrentRow(4); }) << 0 << 4;
}

void tst_Grid::cellClicked()
{
    QFETCH(GridAction, action);
    QFETCH(int, column);
    QFETCH(int, row);

    const auto grid = shownGrid(2, 10, 1);
    QVERIFY(grid);
    grid->setCurrentRow(2);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);

    action(*grid);

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().at(0).toInt(), column);
    QCOMPARE(clicked.first().at(1).toInt(), row);
    QCOMPARE(grid->currentRow(), row);
}

void tst_Grid::rowChosenByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("activated");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers control = Qt::ControlModifier;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 2 << false << true;
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << keypad << 2 << false << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 3 << false << true;
    QTest::newRow("Return with no current row")
        << int(Qt::Key_Return) << none << -1 << false << false;
    QTest::newRow("Return on an editable cell")
        << int(Qt::Key_Return) << none << 2 << true << false;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << control << 2 << false << false;
}

void tst_Grid::rowChosenByKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, currentRow);
    QFETCH(bool, editable);
    QFETCH(bool, activated);

    Grid grid(2, 10, 1);
    grid.gridModel()->setCellEditable(0, 2, editable);
    if (currentRow >= 0)
        grid.setCurrentRow(currentRow);
    else
        grid.selectionModel()->clearCurrentIndex();
    QSignalSpy spy(&grid, &Grid::rowChosen);

    QKeyEvent press(QEvent::KeyPress, key, modifiers, key == Qt::Key_Space ? " " : "\r");
    QApplication::sendEvent(&grid, &press);

    QCOMPARE(spy.count(), activated ? 1 : 0);
    // The record below the heading row.
    if (activated)
        QCOMPARE(spy.first().at(0).toInt(), currentRow - 1);
    // An Enter the grid does not use belongs to the window's default button.
    if (key != Qt::Key_Space)
        QCOMPARE(press.isAccepted(), activated);
}

void tst_Grid::rowChosenByRelease_data()
{
    QTest::addColumn<Grid::ReleaseChooses>("rule");
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QList<int>>("chosen"); // the records rowChosen reported

    using Rule = Grid::ReleaseChooses;
    QTest::newRow("a grid that chooses by keys alone")
        << Rule::Never << 1 << Gesture::Click << QList<int>{};
    QTest::newRow("a click below the heading: record 2 is grid row 3")
        << Rule::UnlessScrolled << 1 << Gesture::Click << QList<int>{2};
    QTest::newRow("without a heading, records are grid rows")
        << Rule::Always << 0 << Gesture::Click << QList<int>{2};
    QTest::newRow("a scroll between press and release chooses nothing")
        << Rule::UnlessScrolled << 1 << Gesture::ScrollThenRelease << QList<int>{};
    QTest::newRow("a grid that chooses after a scroll too")
        << Rule::Always << 1 << Gesture::ScrollThenRelease << QList<int>{2};
    QTest::newRow("the release that ends a double click chooses nothing more")
        << Rule::UnlessScrolled << 1 << Gesture::DoubleClick << QList<int>{2};
}

void tst_Grid::rowChosenByRelease()
{
    QFETCH(Grid::ReleaseChooses, rule);
    QFETCH(int, fixedRows);
    QFETCH(Gesture, gesture);
    QFETCH(QList<int>, chosen);

    const auto grid = shownGrid(2, 50, fixedRows);
    QVERIFY(grid);
    grid->setReleaseChooses(rule);
    // The third row in view: grid row 3 below a heading, else grid row 2.
    const QRect rect = grid->visualRect(grid->gridModel()->index(2, 0));
    QSignalSpy spy(grid.get(), &Grid::rowChosen);
    QSignalSpy up(grid.get(), &Grid::mouseUp);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, rect.center());
    if (gesture == Gesture::ScrollThenRelease) {
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 1);
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() - 1);
    }
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, rect.center());
    if (gesture == Gesture::DoubleClick) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QList<int> records;
    for (const QList<QVariant> &args : spy)
        records << args.at(0).toInt();
    QCOMPARE(records, chosen);
    // The window hears the release first, then the choice.
    QCOMPARE(up.count(), 1);
}

void tst_Grid::editInPlace_data()
{
    QTest::addColumn<GridAction>("trigger");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("editable");

    const GridAction doubleClick = [](Grid &g) {
        const QPoint pos = centreOf(g, 0, 1);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, pos);
    };
    const GridAction f2 = [](Grid &g) { QTest::keyClick(&g, Qt::Key_F2); };
    // The key that opens the editor is its first character.
    const GridAction typing = [](Grid &g) { QTest::keyClick(&g, Qt::Key_C); };
    QTest::newRow("double click, editable") << doubleClick << "calls" << true;
    QTest::newRow("F2, editable") << f2 << "calls" << true;
    QTest::newRow("typing, editable") << typing << "alls" << true;
    QTest::newRow("double click, not editable") << doubleClick << "calls" << false;
    QTest::newRow("F2, not editable") << f2 << "calls" << false;
    QTest::newRow("typing, not editable") << typing << "alls" << false;
}

void tst_Grid::editInPlace()
{
    QFETCH(GridAction, trigger);
    QFETCH(QString, typed);
    QFETCH(bool, editable);

    const auto grid = shownGrid(2, 2, 1);
    QVERIFY(grid);
    GridModel *model = grid->gridModel();
    grid->setCell(0, 1, "ballet");
    model->setCellEditable(0, 1, editable);
    QAbstractItemModelTester tester(model, TesterReporting);
    QSignalSpy edited(model, &GridModel::cellEdited);

    trigger(*grid);

    QPointer<QLineEdit> editor = grid->viewport()->findChild<QLineEdit *>();
    QCOMPARE(editor && editor->isVisible(), editable);
    if (editable) {
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits through a queued call.
        QCoreApplication::processEvents();
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().at(0).toInt(), 0);
        QCOMPARE(edited.first().at(1).toInt(), 1);
        QCOMPARE(grid->cell(0, 1), "calls");
        QVERIFY(!editor || !editor->isVisible());
    } else {
        QVERIFY(!model->setData(model->index(0, 0), "calls", Qt::EditRole));
        QCOMPARE(edited.count(), 0);
        QCOMPARE(grid->cell(0, 1), "ballet");
    }
}

void tst_Grid::accessibleCells()
{
    const auto grid = shownGrid(2, 3, 1);
    QVERIFY(grid);
    grid->setCell(0, 0, "Candidate Word");
    grid->setCell(0, 1, "CALL");

    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(grid.get());
    QVERIFY(view);
    QAccessibleTableInterface *table = view->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 2);
    QAccessibleInterface *cell = table->cellAt(0, 0);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), "CALL");
    QCOMPARE(table->columnDescription(0), "Candidate Word");
}

QTEST_MAIN(tst_Grid)
#include "tst_Grid.moc"
