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
Q_DECLARE_METATYPE(ModelAction)

namespace {

constexpr auto TesterReporting = QAbstractItemModelTester::FailureReportingMode::QtTest;

} // namespace

class tst_GridModel : public QObject
{
    Q_OBJECT

private slots:
    void mutationSignals_data();
    void mutationSignals();
    void headingMapping_data();
    void headingMapping();
    void cellFonts_data();
    void cellFonts();
    void rowCountKeepsCells_data();
    void rowCountKeepsCells();
};

void tst_GridModel::mutationSignals_data()
{
    QTest::addColumn<ModelAction>("mutation");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("gridRows");

    const QStringList data{"dataChanged"};
    const QStringList heading{"headerDataChanged"};
    const QStringList reset{"modelReset"};
    QTest::newRow("text of a data cell")
        << ModelAction([](GridModel &m) { m.setCell(1, 3, "CALL"); }) << data << 10;
    QTest::newRow("same text again")
        << ModelAction([](GridModel &m) { m.setCell(1, 3, "x"); }) << QStringList() << 10;
    QTest::newRow("text of a heading cell")
        << ModelAction([](GridModel &m) { m.setCell(1, 0, "Number"); }) << heading << 10;
    QTest::newRow("italic data cell")
        << ModelAction([](GridModel &m) { m.setCellItalic(1, 3, true); }) << data << 10;
    QTest::newRow("regular cell set regular")
        << ModelAction([](GridModel &m) { m.setCellItalic(1, 3, false); }) << QStringList() << 10;
    QTest::newRow("bold data cell")
        << ModelAction([](GridModel &m) { m.setCellBold(1, 3, true); }) << data << 10;
    QTest::newRow("editable data cell")
        << ModelAction([](GridModel &m) { m.setCellEditable(1, 3, true); }) << data << 10;
    QTest::newRow("italic heading cell")
        << ModelAction([](GridModel &m) { m.setCellItalic(1, 0, true); }) << heading << 10;
    QTest::newRow("more rows") << ModelAction([](GridModel &m) { m.setGridRowCount(15); })
                               << QStringList{"rowsInserted"} << 15;
    QTest::newRow("fewer rows") << ModelAction([](GridModel &m) { m.setGridRowCount(4); })
                                << QStringList{"rowsRemoved"} << 4;
    QTest::newRow("same row count")
        << ModelAction([](GridModel &m) { m.setGridRowCount(10); }) << QStringList() << 10;
    QTest::newRow("row count below the heading")
        << ModelAction([](GridModel &m) { m.setGridRowCount(0); }) << QStringList{"rowsRemoved"}
        << 1;
    QTest::newRow("column alignment") << ModelAction([](GridModel &m) {
        m.setColumnAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }) << data << 10;
    QTest::newRow("font") << ModelAction([](GridModel &m) {
        QFont font = m.font();
        font.setPixelSize(30);
        m.setFont(font);
    }) << (data + heading) << 10;
    QTest::newRow("cells outside the grid") << ModelAction([](GridModel &m) {
        m.setCell(2, 3, "x");
        m.setCell(0, 10, "x");
        m.setCellItalic(-1, 3, true);
    }) << QStringList() << 10;
    QTest::newRow("text edited in place") << ModelAction([](GridModel &m) {
        m.setCellEditable(1, 3, true);
        m.setData(m.index(2, 1), "y", Qt::EditRole);
    }) << (data + data) << 10;
    QTest::newRow("5000 rows written in a batch") << ModelAction([](GridModel &m) {
        m.beginBatch();
        m.setGridRowCount(5000);
        for (int row = 1; row < 5000; ++row) {
            m.setCell(0, row, QString::number(row));
            m.setCell(1, row, "2255");
            m.setCellItalic(0, row, row % 2 == 0);
        }
        m.setCell(0, 0, "Selected Word");
        m.endBatch();
    }) << reset << 5000;
    QTest::newRow("nested batches") << ModelAction([](GridModel &m) {
        m.beginBatch();
        m.beginBatch();
        m.setCell(0, 1, "CALL");
        m.endBatch();
        QVERIFY(m.inBatch());
        m.setGridRowCount(3);
        m.setCell(0, 2, "BALL");
        m.endBatch();
    }) << reset << 3;
}

void tst_GridModel::mutationSignals()
{
    QFETCH(ModelAction, mutation);
    QFETCH(QStringList, expected);
    QFETCH(int, gridRows);

    GridModel model(2, 10, 1);
    model.setCell(0, 0, "Candidate Word");
    model.setCell(1, 0, "Represents");
    model.setCell(1, 3, "x");
    QAbstractItemModelTester tester(&model, TesterReporting);
    QStringList fired;
    const auto record = [&](const char *name) { return [&fired, name] { fired << name; }; };
    connect(&model, &QAbstractItemModel::dataChanged, this, record("dataChanged"));
    connect(&model, &QAbstractItemModel::headerDataChanged, this, record("headerDataChanged"));
    connect(&model, &QAbstractItemModel::rowsInserted, this, record("rowsInserted"));
    connect(&model, &QAbstractItemModel::rowsRemoved, this, record("rowsRemoved"));
    connect(&model, &QAbstractItemModel::modelReset, this, record("modelReset"));

    mutation(model);

    QCOMPARE(fired, expected);
    QCOMPARE(model.gridRowCount(), gridRows);
    QCOMPARE(model.rowCount(), gridRows - 1);
    QVERIFY(!model.inBatch());
}

void tst_GridModel::headingMapping_data()
{
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("gridRow");
    QTest::addColumn<int>("modelRow");

    QTest::newRow("heading row 0 is the header") << 1 << 0 << -1;
    QTest::newRow("with a heading, row 1 is model row 0") << 1 << 1 << 0;
    QTest::newRow("with a heading, last row") << 1 << 4 << 3;
    QTest::newRow("without a heading, row 0 is model row 0") << 0 << 0 << 0;
    QTest::newRow("without a heading, last row") << 0 << 4 << 4;
}

void tst_GridModel::headingMapping()
{
    QFETCH(int, fixedRows);
    QFETCH(int, gridRow);
    QFETCH(int, modelRow);

    Grid grid(2, 5, fixedRows);
    GridModel *model = grid.gridModel();
    QAbstractItemModelTester tester(model, TesterReporting);
    grid.setCell(1, gridRow, "2255");

    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(model->rowCount(), 5 - fixedRows);
    QCOMPARE(grid.horizontalHeader()->isHidden(), fixedRows == 0);
    QCOMPARE(grid.cell(1, gridRow), "2255");
    const auto header = [&](int role) { return model->headerData(1, Qt::Horizontal, role); };
    if (modelRow < 0) {
        QCOMPARE(header(Qt::DisplayRole).toString(), "2255");
        QCOMPARE(header(Qt::AccessibleTextRole).toString(), "2255");
        QVERIFY(header(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(header(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 1).data().toString().isEmpty());
    } else {
        const QModelIndex index = model->index(modelRow, 1);
        QCOMPARE(index.data(Qt::DisplayRole).toString(), "2255");
        QCOMPARE(index.data(Qt::AccessibleTextRole).toString(), "2255");
        QCOMPARE(index.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QVERIFY(!index.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(header(Qt::DisplayRole).toString().isEmpty());
    }
}

void tst_GridModel::cellFonts_data()
{
    QTest::addColumn<ModelAction>("style");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("bold");

    QTest::newRow("regular cell") << ModelAction([](GridModel &) {}) << false << false;
    QTest::newRow("italic cell") << ModelAction([](GridModel &m) { m.setCellItalic(0, 2, true); })
                                 << true << false;
    QTest::newRow("bold cell") << ModelAction([](GridModel &m) { m.setCellBold(0, 2, true); })
                               << false << true;
    QTest::newRow("italic and bold cell") << ModelAction([](GridModel &m) {
        m.setCellItalic(0, 2, true);
        m.setCellBold(0, 2, true);
    }) << true << true;
    QTest::newRow("italic cell given new text keeps its style") << ModelAction([](GridModel &m) {
        m.setCellItalic(0, 2, true);
        m.setCell(0, 2, "call");
    }) << true << false;
    QTest::newRow("italic cell rewritten as regular") << ModelAction([](GridModel &m) {
        m.setCellItalic(0, 2, true);
        m.setCell(0, 2, "call");
        m.setCellItalic(0, 2, false);
    }) << false << false;
}

void tst_GridModel::cellFonts()
{
    QFETCH(ModelAction, style);
    QFETCH(bool, italic);
    QFETCH(bool, bold);

    Grid grid(2, 5, 1);
    GridModel *model = grid.gridModel();
    grid.setCell(0, 2, "ball");
    style(*model);

    const QFont font = model->index(1, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.pixelSize(), 16);
    QCOMPARE(font.family(), grid.font().family());
    QCOMPARE(model->cellItalic(0, 2), italic);
    QCOMPARE(model->cellBold(0, 2), bold);
    const QFont neighbour = model->index(1, 1).data(Qt::FontRole).value<QFont>();
    QVERIFY(!neighbour.italic() && !neighbour.bold());
}

void tst_GridModel::rowCountKeepsCells_data()
{
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("newCount");
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("shrink under a heading") << 1 << 4 << 4;
    QTest::newRow("grow under a heading") << 1 << 25 << 25;
    QTest::newRow("shrink to the heading alone") << 1 << 1 << 1;
    QTest::newRow("below the heading keeps the heading") << 1 << 0 << 1;
    QTest::newRow("shrink without a heading") << 0 << 3 << 3;
    QTest::newRow("grow without a heading") << 0 << 250 << 250;
    QTest::newRow("empty without a heading") << 0 << 0 << 0;
}

void tst_GridModel::rowCountKeepsCells()
{
    QFETCH(int, fixedRows);
    QFETCH(int, newCount);
    QFETCH(int, expectedCount);

    const int oldCount = 10;
    const auto text = [](int column, int row) {
        return QStringLiteral("%1,%2").arg(column).arg(row);
    };
    Grid grid(2, oldCount, fixedRows);
    QAbstractItemModelTester tester(grid.gridModel(), TesterReporting);
    for (int row = 0; row < oldCount; ++row) {
        grid.setCell(0, row, text(0, row));
        grid.setCell(1, row, text(1, row));
    }

    grid.setRowCount(newCount);
    QCOMPARE(grid.rowCount(), expectedCount);
    grid.setRowCount(oldCount);

    for (int row = 0; row < oldCount; ++row) {
        const bool kept = row < expectedCount;
        QCOMPARE(grid.cell(0, row), kept ? text(0, row) : QString());
        QCOMPARE(grid.cell(1, row), kept ? text(1, row) : QString());
    }
}

QTEST_MAIN(tst_GridModel)
#include "tst_GridModel.moc"
