#include "tests/CellsModel.h"
#include "toolkit/Grid.h"
#include "toolkit/GridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QTest>

#include <functional>

using ModelAction = std::function<void(CellsModel &)>;
using Heading = GridModel::Heading;
Q_DECLARE_METATYPE(ModelAction)
Q_DECLARE_METATYPE(GridModel::Heading)

namespace {

constexpr auto TesterReporting = QAbstractItemModelTester::FailureReportingMode::QtTest;

} // namespace

class tst_GridModel : public QObject
{
    Q_OBJECT

private slots:
    void mutationSignals_data();
    void mutationSignals();
    void heading_data();
    void heading();
    void cellFonts_data();
    void cellFonts();
    void shownRowsKeepRecords_data();
    void shownRowsKeepRecords();
};

void tst_GridModel::mutationSignals_data()
{
    QTest::addColumn<ModelAction>("mutation");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("rows");

    const QStringList data{"dataChanged"};
    const QStringList heading{"headerDataChanged"};
    const QStringList reset{"modelReset"};
    QTest::newRow("text of a record")
        << ModelAction([](CellsModel &m) { m.setText(1, 2, "CALL"); }) << data << 9;
    QTest::newRow("same text again")
        << ModelAction([](CellsModel &m) { m.setText(1, 2, "x"); }) << QStringList() << 9;
    QTest::newRow("headings") << ModelAction([](CellsModel &m) {
        m.setHeadings({"Word", "Number"});
    }) << heading << 9;
    QTest::newRow("same headings again") << ModelAction([](CellsModel &m) {
        m.setHeadings({"Candidate Word", "Represents"});
    }) << QStringList() << 9;
    QTest::newRow("italic record")
        << ModelAction([](CellsModel &m) { m.setItalic(1, 2, true); }) << data << 9;
    QTest::newRow("regular cell set regular")
        << ModelAction([](CellsModel &m) { m.setItalic(1, 2, false); }) << QStringList() << 9;
    QTest::newRow("bold record") << ModelAction([](CellsModel &m) { m.setBold(1, 2, true); })
                                 << data << 9;
    QTest::newRow("editable record")
        << ModelAction([](CellsModel &m) { m.setEditable(1, 2, true); }) << data << 9;
    QTest::newRow("more blank rows") << ModelAction([](CellsModel &m) { m.setShownRows(15); })
                                     << QStringList{"rowsInserted"} << 15;
    QTest::newRow("fewer blank rows")
        << ModelAction([](CellsModel &m) { m.setShownRows(4); }) << QStringList{"rowsRemoved"} << 4;
    QTest::newRow("same row count")
        << ModelAction([](CellsModel &m) { m.setShownRows(9); }) << QStringList() << 9;
    QTest::newRow("rows shown below the records keep the records")
        << ModelAction([](CellsModel &m) { m.setShownRows(0); }) << QStringList{"rowsRemoved"} << 3;
    QTest::newRow("column alignment") << ModelAction([](CellsModel &m) {
        m.setColumnAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }) << data << 9;
    QTest::newRow("alignment outside the columns") << ModelAction([](CellsModel &m) {
        m.setColumnAlignment(2, Qt::AlignLeft);
        m.setColumnAlignment(-1, Qt::AlignLeft);
    }) << QStringList() << 9;
    QTest::newRow("font") << ModelAction([](CellsModel &m) {
        QFont font = m.font();
        font.setPixelSize(30);
        m.setFont(font);
    }) << (data + heading) << 9;
    QTest::newRow("text edited in place") << ModelAction([](CellsModel &m) {
        m.setEditable(1, 2, true);
        m.setData(m.index(2, 1), "y", Qt::EditRole);
    }) << (data + data) << 9;
    QTest::newRow("a blank row is not edited")
        << ModelAction([](CellsModel &m) { QVERIFY(!m.setData(m.index(5, 1), "y", Qt::EditRole)); })
        << QStringList() << 9;
    QTest::newRow("5000 rows written in a batch") << ModelAction([](CellsModel &m) {
        m.beginBatch();
        m.setRecordCount(5000);
        for (int record = 0; record < 5000; ++record) {
            m.setText(0, record, QString::number(record));
            m.setText(1, record, "2255");
            m.setItalic(0, record, record % 2 == 0);
        }
        m.setHeadings({"Selected Word", "Represents"});
        m.endBatch();
    }) << reset << 5000;
    QTest::newRow("nested batches") << ModelAction([](CellsModel &m) {
        m.beginBatch();
        m.beginBatch();
        m.setText(0, 0, "CALL");
        m.endBatch();
        QVERIFY(m.inBatch());
        m.setShownRows(3);
        m.setText(0, 1, "BALL");
        m.endBatch();
    }) << reset << 3;
}

void tst_GridModel::mutationSignals()
{
    QFETCH(ModelAction, mutation);
    QFETCH(QStringList, expected);
    QFETCH(int, rows);

    // Three records and six blank rows.
    CellsModel model(2, 3, Heading::Shown);
    model.setShownRows(9);
    model.setHeadings({"Candidate Word", "Represents"});
    model.setText(1, 2, "x");
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
    QCOMPARE(model.rowCount(), rows);
    QVERIFY(!model.inBatch());
}

void tst_GridModel::heading_data()
{
    QTest::addColumn<Heading>("heading");

    QTest::newRow("heading shown as the header") << Heading::Shown;
    QTest::newRow("heading named to screen readers only") << Heading::Hidden;
}

void tst_GridModel::heading()
{
    QFETCH(Heading, heading);

    auto *model = new CellsModel(2, 4, heading);
    Grid grid(model);
    QAbstractItemModelTester tester(model, TesterReporting);
    model->setHeadings({"Word", "Represents"});
    model->setText(1, 0, "2255");

    const bool shown = heading == Heading::Shown;
    QCOMPARE(grid.horizontalHeader()->isHidden(), !shown);
    const auto header = [&](int role) { return model->headerData(1, Qt::Horizontal, role); };
    QCOMPARE(header(Qt::DisplayRole).toString(), "Represents");
    QCOMPARE(header(Qt::AccessibleTextRole).toString(), "Represents");
    QCOMPARE(header(Qt::FontRole).value<QFont>().bold(), shown);
    QCOMPARE(header(Qt::TextAlignmentRole).isValid(), shown);
    // The heading is no row: the first record is the first row, and no row holds a heading.
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(grid.rowCount(), 4);
    QCOMPARE(grid.cell(1, 0), "2255");
    const QModelIndex first = model->index(0, 1);
    QCOMPARE(first.data(Qt::AccessibleTextRole).toString(), "2255");
    QCOMPARE(first.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(!first.data(Qt::FontRole).value<QFont>().bold());
    for (int row = 0; row < model->rowCount(); ++row)
        QVERIFY(grid.cell(1, row) != "Represents");
}

void tst_GridModel::cellFonts_data()
{
    QTest::addColumn<ModelAction>("style");
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("bold");

    QTest::newRow("regular cell") << ModelAction([](CellsModel &) {}) << 1 << false << false;
    QTest::newRow("italic cell") << ModelAction([](CellsModel &m) { m.setItalic(0, 1, true); }) << 1
                                 << true << false;
    QTest::newRow("bold cell") << ModelAction([](CellsModel &m) { m.setBold(0, 1, true); }) << 1
                               << false << true;
    QTest::newRow("italic and bold cell") << ModelAction([](CellsModel &m) {
        m.setItalic(0, 1, true);
        m.setBold(0, 1, true);
    }) << 1 << true << true;
    QTest::newRow("blank row below the records") << ModelAction([](CellsModel &m) {
        m.setItalic(0, 2, true);
        m.setBold(0, 2, true);
    }) << 4 << false << false;
}

void tst_GridModel::cellFonts()
{
    QFETCH(ModelAction, style);
    QFETCH(int, record);
    QFETCH(bool, italic);
    QFETCH(bool, bold);

    auto *model = new CellsModel(2, 3, Heading::Shown);
    Grid grid(model);
    model->setShownRows(5);
    model->setText(0, 1, "ball");
    style(*model);

    const QFont font = model->index(record, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.pixelSize(), 16);
    QCOMPARE(font.family(), grid.font().family());
    const QFont neighbour = model->index(record, 1).data(Qt::FontRole).value<QFont>();
    QVERIFY(!neighbour.italic() && !neighbour.bold());
}

void tst_GridModel::shownRowsKeepRecords_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("fewer blank rows") << 3 << 4 << 4;
    QTest::newRow("more blank rows") << 3 << 25 << 25;
    QTest::newRow("the records alone") << 3 << 3 << 3;
    QTest::newRow("fewer rows than records keeps the records") << 3 << 0 << 3;
    QTest::newRow("blank rows without a record") << 0 << 250 << 250;
    QTest::newRow("empty") << 0 << 0 << 0;
}

void tst_GridModel::shownRowsKeepRecords()
{
    QFETCH(int, records);
    QFETCH(int, shown);
    QFETCH(int, expectedCount);

    const int oldCount = 10;
    const auto text = [](int column, int record) {
        return QStringLiteral("%1,%2").arg(column).arg(record);
    };
    auto *model = new CellsModel(2, records, Heading::Hidden);
    Grid grid(model);
    model->setShownRows(oldCount);
    QAbstractItemModelTester tester(model, TesterReporting);
    for (int record = 0; record < records; ++record) {
        model->setText(0, record, text(0, record));
        model->setText(1, record, text(1, record));
    }

    model->setShownRows(shown);
    QCOMPARE(grid.rowCount(), expectedCount);
    model->setShownRows(oldCount);

    QCOMPARE(grid.rowCount(), oldCount);
    for (int row = 0; row < oldCount; ++row) {
        const bool isRecord = row < records;
        QCOMPARE(grid.cell(0, row), isRecord ? text(0, row) : QString());
        QCOMPARE(grid.cell(1, row), isRecord ? text(1, row) : QString());
    }
}

QTEST_MAIN(tst_GridModel)
#include "tst_GridModel.moc"
