#include "core/NumberList.h"

#include <QTest>

class tst_NumberList : public QObject
{
    Q_OBJECT

private slots:
    void numberField_data();
    void numberField();
    void ranksBefore();
};

void tst_NumberList::numberField_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("number");

    QTest::newRow("a plain line") << QByteArray("1-800-356-9377") << 0
                                  << QByteArray("1-800-356-9377");
    QTest::newRow("blanks around it go")
        << QByteArray("  (800) 356-9377 \t") << 0 << QByteArray("(800) 356-9377");
    QTest::newRow("first field with a digit")
        << QByteArray("Flowers,1-800-356-9377,NY") << 0 << QByteArray("1-800-356-9377");
    QTest::newRow("quoted field holding a comma")
        << QByteArray("\"Flowers, Inc.\",\"1-800-356-9377\"") << 0 << QByteArray("1-800-356-9377");
    QTest::newRow("doubled quotes in a quoted field")
        << QByteArray("\"say \"\"hi\"\" 2\",x") << 0 << QByteArray("say \"hi\" 2");
    QTest::newRow("the column asked for")
        << QByteArray("212-555-1234,1-800-356-9377") << 2 << QByteArray("1-800-356-9377");
    QTest::newRow("a column the line lacks") << QByteArray("212-555-1234") << 3 << QByteArray();
    QTest::newRow("no digit anywhere: the first field")
        << QByteArray("Number,Name") << 0 << QByteArray("Number");
    QTest::newRow("an empty field before the number")
        << QByteArray(",,2255669") << 0 << QByteArray("2255669");
}

void tst_NumberList::numberField()
{
    QFETCH(QByteArray, line);
    QFETCH(int, column);
    QFETCH(QByteArray, number);
    QCOMPARE(QByteArray::fromStdString(Numra::NumberField(line.toStdString(), column)), number);
}

void tst_NumberList::ranksBefore()
{
    const auto ranked = [](std::int64_t cost, std::int64_t line, bool found) {
        Numra::RankedNumber n;
        n.cost = cost;
        n.line = line;
        n.found = found;
        return n;
    };
    // The cheaper first; on a tie the earlier line; a number without a phrase after all others.
    QVERIFY(Numra::RanksBefore(ranked(10, 5, true), ranked(20, 1, true)));
    QVERIFY(Numra::RanksBefore(ranked(10, 1, true), ranked(10, 2, true)));
    QVERIFY(!Numra::RanksBefore(ranked(10, 2, true), ranked(10, 1, true)));
    QVERIFY(Numra::RanksBefore(ranked(90000, 9, true), ranked(0, 1, false)));
    QVERIFY(Numra::RanksBefore(ranked(0, 1, false), ranked(0, 2, false)));
    QCOMPARE(Numra::CostText(12345), std::string("12.345"));
    QCOMPARE(Numra::CostText(7), std::string("0.007"));
}

QTEST_APPLESS_MAIN(tst_NumberList)
#include "tst_NumberList.moc"
