#include "tests/CellsModel.h"
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

using GridAction = std::function<void(Grid &)>;
using Heading = GridModel::Heading;
Q_DECLARE_METATYPE(GridAction)
Q_DECLARE_METATYPE(GridModel::Heading)

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

// A grid of rows records, each of blank cells.
std::unique_ptr<Grid> shownGrid(int columns, int rows, Heading heading = Heading::Shown)
{
    auto grid = std::make_unique<Grid>(new CellsModel(columns, rows, heading));
    grid->resize(320, 240);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        return nullptr;
    settle();
    return grid;
}

CellsModel *cellsOf(const Grid &grid)
{
    return static_cast<CellsModel *>(grid.gridModel());
}

QPoint centreOf(const Grid &grid, int column, int record)
{
    return grid.visualRect(grid.model()->index(record, column)).center();
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
    void modelGiven();
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

void tst_Grid::modelGiven()
{
    Grid grid;
    QPointer<GridModel> blank = grid.gridModel();
    auto *affixes = new CellsModel(2, 0, Heading::Hidden);
    affixes->setShownRows(250);
    grid.setGridModel(affixes);
    QVERIFY(!blank);
    QCOMPARE(grid.rowCount(), 250);
    QCOMPARE(grid.model()->columnCount(), 2);
    QVERIFY(grid.horizontalHeader()->isHidden());
    QCOMPARE(affixes->font().pixelSize(), 16);

    auto *phrase = new CellsModel(2, 100, Heading::Shown);
    phrase->setHeadings({"Selected Word", "Represents"});
    grid.setGridModel(phrase);
    QCOMPARE(grid.rowCount(), 100);
    QVERIFY(!grid.horizontalHeader()->isHidden());
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             "Selected Word");
}

void tst_Grid::setCurrentRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    QTest::newRow("row in view") << 2 << 2;
    QTest::newRow("row far down scrolls into view") << 3999 << 3999;
    QTest::newRow("row past the end is ignored") << 4999 << 0;
    QTest::newRow("negative row is ignored") << -1 << 0;
}

void tst_Grid::setCurrentRow()
{
    QFETCH(int, row);
    QFETCH(int, expected);

    const auto grid = shownGrid(2, 4999);
    QVERIFY(grid);
    QCOMPARE(grid->currentRecord(), 0);

    grid->setCurrentRecord(row);
    QCOMPARE(grid->currentRecord(), expected);
    const QRect rowRect = grid->visualRect(grid->currentIndex());
    QVERIFY(grid->viewport()->rect().contains(rowRect.center()));
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), expected);
}

void tst_Grid::currentRowKept_data()
{
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<bool>("batch");
    QTest::addColumn<int>("currentBefore");
    QTest::addColumn<int>("setInBatch");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("fresh grid with a heading") << Heading::Shown << false << -1 << -1 << 0;
    QTest::newRow("fresh grid without a heading") << Heading::Hidden << false << -1 << -1 << 0;
    QTest::newRow("batch keeps the current row") << Heading::Shown << true << 29 << -1 << 29;
    QTest::newRow("batch that removes the current row") << Heading::Shown << true << 89 << -1 << 0;
    QTest::newRow("row set during a batch") << Heading::Shown << true << 1 << 44 << 44;
}

void tst_Grid::currentRowKept()
{
    QFETCH(Heading, heading);
    QFETCH(bool, batch);
    QFETCH(int, currentBefore);
    QFETCH(int, setInBatch);
    QFETCH(int, currentAfter);

    const auto grid = shownGrid(2, 99, heading);
    QVERIFY(grid);
    grid->setColWidth(0, 80);
    if (currentBefore >= 0)
        grid->setCurrentRecord(currentBefore);
    const int scrolledTo = grid->verticalScrollBar()->value();
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);

    if (batch) {
        CellsModel *model = cellsOf(*grid);
        model->beginBatch();
        model->setRecordCount(49);
        for (int record = 0; record < 49; ++record)
            model->setText(0, record, QString::number(record));
        grid->setCurrentRecord(setInBatch);
        QCOMPARE(grid->currentRecord(), setInBatch >= 0 ? setInBatch : currentBefore);
        model->endBatch();
    }
    // The view makes a row current when it gets the focus, unless one already is.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(grid.get(), &focusIn);

    QCOMPARE(grid->currentRecord(), currentAfter);
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
        g.gridModel()->setShownRows(500);
        settle();
        QVERIFY(g.verticalScrollBar()->isVisible());
    }) << 0 << 100;
}

void tst_Grid::colWidthsChanged()
{
    QFETCH(GridAction, action);
    QFETCH(int, changes);
    QFETCH(int, firstWidth);

    const auto grid = shownGrid(2, 4);
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
        << GridAction([](Grid &g) { g.setCurrentRecord(79); }) << true;
    QTest::newRow("current row set in view")
        << GridAction([](Grid &g) { g.setCurrentRecord(1); }) << false;
}

void tst_Grid::topLeftChanged()
{
    QFETCH(GridAction, action);
    QFETCH(bool, scrolls);

    const auto grid = shownGrid(2, 99);
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
    QTest::addColumn<int>("record");

    QTest::newRow("left button") << Qt::LeftButton << 1 << 0 << 0;
    QTest::newRow("left button, second column") << Qt::LeftButton << 1 << 1 << 2;
    QTest::newRow("right button") << Qt::RightButton << 1 << 0 << 3;
    QTest::newRow("middle button") << Qt::MiddleButton << 1 << 1 << 1;
    QTest::newRow("double click") << Qt::LeftButton << 2 << 0 << 1;
    QTest::newRow("partly visible bottom row") << Qt::LeftButton << 1 << 0 << 4;
}

void tst_Grid::mouseEvents()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QFETCH(int, column);
    QFETCH(int, record);

    const auto grid = shownGrid(2, 49);
    QVERIFY(grid);
    // Four and a half rows in view: the fifth is cut off at the bottom.
    const int rowHeight = grid->rowHeight(0);
    grid->resize(320, grid->height() - grid->viewport()->height() + 4 * rowHeight + rowHeight / 2);
    settle();
    QSignalSpy down(grid.get(), &Grid::mouseDown);
    QSignalSpy up(grid.get(), &Grid::mouseUp);
    QSignalSpy topLeft(grid.get(), &Grid::topLeftChanged);
    // A scroll between press and release would make the windows ignore the click.
    qsizetype scrollsAtPress = -1;
    connect(grid.get(), &Grid::mouseDown, this, [&] { scrollsAtPress = topLeft.count(); });
    const QRect rect = grid->visualRect(grid->model()->index(record, column));
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
        QCOMPARE(cell->record, record);
    }
    QCOMPARE(grid->currentRecord(), record);
}

void tst_Grid::cellAt_data()
{
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<int>("x");
    QTest::addColumn<double>("rowsDown");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("record");

    QTest::newRow("first row under a heading") << Heading::Shown << 5 << 0.5 << 0 << 0;
    QTest::newRow("first row without a heading") << Heading::Hidden << 5 << 0.5 << 0 << 0;
    QTest::newRow("stretched last column") << Heading::Shown << 150 << 1.5 << 1 << 1;
    QTest::newRow("last row") << Heading::Hidden << 150 << 2.9 << 1 << 2;
    QTest::newRow("below the last row") << Heading::Shown << 5 << 3.2 << -1 << -1;
}

void tst_Grid::cellAt()
{
    QFETCH(Heading, heading);
    QFETCH(int, x);
    QFETCH(double, rowsDown);
    QFETCH(int, column);
    QFETCH(int, record);

    const auto grid = shownGrid(2, 3, heading);
    QVERIFY(grid);
    grid->setColWidth(0, 100);
    const QPoint pos(x, int(rowsDown * grid->rowHeight(0)));

    const std::optional<Grid::CellPos> cell = grid->cellAt(pos);
    QCOMPARE(cell.has_value(), column >= 0);
    if (cell) {
        QCOMPARE(cell->column, column);
        QCOMPARE(cell->record, record);
    }
}

void tst_Grid::cellClicked_data()
{
    QTest::addColumn<GridAction>("action");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("record");

    QTest::newRow("click") << GridAction([](Grid &g) {
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centreOf(g, 1, 2));
    }) << 1 << 2;
    QTest::newRow("down arrow") << GridAction([](Grid &g) { QTest::keyClick(&g, Qt::Key_Down); })
                                << 0 << 2;
    QTest::newRow("up arrow") << GridAction([](Grid &g) { QTest::keyClick(&g, Qt::Key_Up); }) << 0
                              << 0;
    QTest::newRow("up arrow on the first row stays there") << GridAction([](Grid &g) {
        g.setCurrentRecord(0);
        QTest::keyClick(&g, Qt::Key_Up);
    }) << 0 << 0;
    QTest::newRow("set by the program")
        << GridAction([](Grid &g) { g.setCurrentRecord(3); }) << 0 << 3;
}

void tst_Grid::cellClicked()
{
    QFETCH(GridAction, action);
    QFETCH(int, column);
    QFETCH(int, record);

    const auto grid = shownGrid(2, 9);
    QVERIFY(grid);
    grid->setCurrentRecord(1);
    QSignalSpy clicked(grid.get(), &Grid::cellClicked);

    action(*grid);

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().at(0).toInt(), column);
    QCOMPARE(clicked.first().at(1).toInt(), record);
    QCOMPARE(grid->currentRecord(), record);
}

void tst_Grid::rowChosenByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("activated");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers control = Qt::ControlModifier;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 1 << false << true;
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << keypad << 1 << false << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 2 << false << true;
    QTest::newRow("Return on a blank row") << int(Qt::Key_Return) << none << 12 << false << true;
    QTest::newRow("Return with no current row")
        << int(Qt::Key_Return) << none << -1 << false << false;
    QTest::newRow("Return on an editable cell")
        << int(Qt::Key_Return) << none << 1 << true << false;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << control << 1 << false << false;
}

void tst_Grid::rowChosenByKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, current);
    QFETCH(bool, editable);
    QFETCH(bool, activated);

    auto *model = new CellsModel(2, 9, Heading::Shown);
    model->setShownRows(15);
    model->setEditable(0, 1, editable);
    Grid grid(model);
    if (current >= 0)
        grid.setCurrentRecord(current);
    else
        grid.selectionModel()->clearCurrentIndex();
    QSignalSpy spy(&grid, &Grid::rowChosen);

    QKeyEvent press(QEvent::KeyPress, key, modifiers, key == Qt::Key_Space ? " " : "\r");
    QApplication::sendEvent(&grid, &press);

    QCOMPARE(spy.count(), activated ? 1 : 0);
    if (activated)
        QCOMPARE(spy.first().at(0).toInt(), current);
    // An Enter the grid does not use belongs to the window's default button.
    if (key != Qt::Key_Space)
        QCOMPARE(press.isAccepted(), activated);
}

void tst_Grid::rowChosenByRelease_data()
{
    QTest::addColumn<Grid::ReleaseChooses>("rule");
    QTest::addColumn<Heading>("heading");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QList<int>>("chosen"); // the records rowChosen reported

    using Rule = Grid::ReleaseChooses;
    QTest::newRow("a grid that chooses by keys alone")
        << Rule::Never << Heading::Shown << Gesture::Click << QList<int>{};
    QTest::newRow("a click below the heading: the third row is record 2")
        << Rule::UnlessScrolled << Heading::Shown << Gesture::Click << QList<int>{2};
    QTest::newRow("without a heading, the same record")
        << Rule::Always << Heading::Hidden << Gesture::Click << QList<int>{2};
    QTest::newRow("a scroll between press and release chooses nothing")
        << Rule::UnlessScrolled << Heading::Shown << Gesture::ScrollThenRelease << QList<int>{};
    QTest::newRow("a grid that chooses after a scroll too")
        << Rule::Always << Heading::Shown << Gesture::ScrollThenRelease << QList<int>{2};
    QTest::newRow("the release that ends a double click chooses nothing more")
        << Rule::UnlessScrolled << Heading::Shown << Gesture::DoubleClick << QList<int>{2};
}

void tst_Grid::rowChosenByRelease()
{
    QFETCH(Grid::ReleaseChooses, rule);
    QFETCH(Heading, heading);
    QFETCH(Gesture, gesture);
    QFETCH(QList<int>, chosen);

    const auto grid = shownGrid(2, 50, heading);
    QVERIFY(grid);
    grid->setReleaseChooses(rule);
    const QRect rect = grid->visualRect(grid->model()->index(2, 0));
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
        const QPoint pos = centreOf(g, 0, 0);
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

    const auto grid = shownGrid(2, 1);
    QVERIFY(grid);
    CellsModel *model = cellsOf(*grid);
    model->setText(0, 0, "ballet");
    model->setEditable(0, 0, editable);
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
        QCOMPARE(edited.first().at(1).toInt(), 0);
        QCOMPARE(grid->cell(0, 0), "calls");
        QVERIFY(!editor || !editor->isVisible());
    } else {
        QVERIFY(!model->setData(model->index(0, 0), "calls", Qt::EditRole));
        QCOMPARE(edited.count(), 0);
        QCOMPARE(grid->cell(0, 0), "ballet");
    }
}

void tst_Grid::accessibleCells()
{
    const auto grid = shownGrid(2, 2);
    QVERIFY(grid);
    cellsOf(*grid)->setHeadings({"Candidate Word", "Represents"});
    cellsOf(*grid)->setText(0, 0, "CALL");

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
