#include "core/RankingData.h"

#include <QtTest>

#include <fstream>

using namespace Numra;

class tst_RankingData : public QObject
{
    Q_OBJECT

private slots:
    void goodFile();
    void refused_data();
    void refused();
    void readFromDisk_data();
    void readFromDisk();
    void rankingPath_data();
    void rankingPath();
};

void tst_RankingData::goodFile()
{
    const RankingData data = RankingData::Parse("numra-rank 1\n"
                                                "# from a test\n"
                                                "W\tFLOWERS\t15.2\t-\n"
                                                "W\tA\t9\tf\n"
                                                "W\tSHIT\t20.1234\tox\r\n"
                                                "\n"
                                                "P\tGOT\tJUNK\t6.3\n"
                                                "P\tA\tFLOWERS\t1.0005\n"
                                                "W\tGOT\t14.5\t-\n");
    QCOMPARE(int(data.Error()), int(RankingError::None));
    QCOMPARE(data.WordCount(), 5U); // JUNK only in a pair
    QCOMPARE(data.PairCount(), 2U);
    const auto flowers = data.Find("FLOWERS"), a = data.Find("A"), shit = data.Find("SHIT");
    const auto got = data.Find("GOT"), junk = data.Find("JUNK");
    QVERIFY(flowers != RankingData::NoWord && got != RankingData::NoWord);
    QCOMPARE(data.Find("flowers"), RankingData::NoWord);
    QCOMPARE(data.Word(flowers).cost, 15200);
    QCOMPARE(data.Word(shit).cost, 20123);
    QVERIFY(data.Word(a).function && !data.Word(a).offensive);
    QVERIFY(data.Word(shit).offensive && data.Word(shit).never && !data.Word(shit).function);
    QCOMPARE(data.Word(got).cost, 14500);
    QCOMPARE(data.Word(junk).cost, UnknownWordCost);
    QCOMPARE(data.PairGain(got, junk), 6300);
    QCOMPARE(data.PairGain(junk, got), 0);
    QCOMPARE(data.PairGain(a, flowers), 1001); // the fourth decimal rounds
    QVERIFY(data.Word(got).leads && !data.Word(junk).leads);
    QCOMPARE(data.Word(junk).bestGainInto, 6300);
}

void tst_RankingData::refused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    const auto bad = [](const char *name, const char *lines, const char *reason) {
        QTest::newRow(name) << QByteArray("numra-rank 1\nW\tA\t9\tf\n") + lines
                            << int(RankingError::BadLine) << QString(reason);
    };
    const QString header = "line 1: not a ranking file (the first line is not \"numra-rank 1\")";
    QTest::newRow("empty") << QByteArray() << int(RankingError::BadHeader) << header;
    QTest::newRow("another version")
        << QByteArray("numra-rank 2\nW\tA\t9\t-\n") << int(RankingError::BadHeader) << header;
    QTest::newRow("a byte-order mark")
        << QByteArray("\xEF\xBB\xBFnumra-rank 1\n") << int(RankingError::BadHeader) << header;
    bad("three fields", "W\tB\t9\n", "line 3: not a W or P line of four fields");
    bad("five fields", "P\tA\tB\t1\t2\n", "line 3: not a W or P line of four fields");
    bad("another kind", "Q\tA\tB\t1\n", "line 3: not a W or P line of four fields");
    bad("spaces for tabs", "W B 9 -\n", "line 3: not a W or P line of four fields");
    bad("an empty word", "W\t\t9\t-\n", "line 3: an empty word");
    bad("a cost in words", "W\tB\tnine\t-\n", "line 3: the cost is not a decimal from 0 to 1000");
    bad("a negative cost", "W\tB\t-1\t-\n", "line 3: the cost is not a decimal from 0 to 1000");
    bad("an exponent", "W\tB\t1e3\t-\n", "line 3: the cost is not a decimal from 0 to 1000");
    bad("a point alone", "W\tB\t9.\t-\n", "line 3: the cost is not a decimal from 0 to 1000");
    bad("a cost too high", "W\tB\t1000.001\t-\n",
        "line 3: the cost is not a decimal from 0 to 1000");
    bad("a huge cost", "W\tB\t99999999999999999999\t-\n",
        "line 3: the cost is not a decimal from 0 to 1000");
    bad("no flags", "W\tB\t9\t\n", "line 3: the flags are neither - nor letters");
    bad("flags of other signs", "W\tB\t9\tF!\n", "line 3: the flags are neither - nor letters");
    bad("a word twice", "# note\nW\tA\t8\t-\n", "line 4: the word is listed twice");
    bad("a gain of 0", "P\tA\tB\t0\n", "line 3: the gain is not a decimal above 0");
    bad("a pair twice", "P\tA\tB\t2\nP\tA\tB\t3\n", "line 4: the pair is listed twice");
}

void tst_RankingData::refused()
{
    QFETCH(QByteArray, text);
    QFETCH(int, error);
    QFETCH(QString, reason);
    const RankingData data = RankingData::Parse(text.toStdString());
    QCOMPARE(int(data.Error()), error);
    QCOMPARE(QString::fromStdString(data.Reason()), reason);
    // Refused data are no data: the words are ranked as without a file.
    QVERIFY(data.Empty());
    QCOMPARE(data.Find("A"), RankingData::NoWord);
}

void tst_RankingData::readFromDisk_data()
{
    QTest::addColumn<QString>("name"); // in a temporary folder; "" the folder itself
    QTest::addColumn<int>("error");
    QTest::newRow("a file") << "d.rank" << int(RankingError::None);
    QTest::newRow("a missing file") << "missing.rank" << int(RankingError::CouldNotOpen);
    QTest::newRow("a folder") << "" << int(RankingError::CouldNotOpen);
}

void tst_RankingData::readFromDisk()
{
    QFETCH(QString, name);
    QFETCH(int, error);
    QTemporaryDir dir;
    std::ofstream(dir.filePath("d.rank").toStdString(), std::ios::binary)
        << "numra-rank 1\nW\tCALL\t14\t-\nP\tCALL\tNOW\t3\n";
    const RankingData data = RankingData::Read(dir.filePath(name).toStdString());
    QCOMPARE(int(data.Error()), error);
    QCOMPARE(data.WordCount(), error == int(RankingError::None) ? 2U : 0U);
    QCOMPARE(data.Reason().empty(), error == int(RankingError::None));
}

void tst_RankingData::rankingPath_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("ranking");
    QTest::newRow("the shipped dictionary") << "resources/Numra Dictionary.txt"
                                            << "resources/Numra Dictionary.rank";
    QTest::newRow("no extension") << "/d/words"
                                  << "/d/words.rank";
    QTest::newRow("a dot in a folder only") << "/d.v2/words"
                                            << "/d.v2/words.rank";
    QTest::newRow("a hidden file") << "/d/.words"
                                   << "/d/.words.rank";
    QTest::newRow("the last extension") << "w.de.txt"
                                        << "w.de.rank";
}

void tst_RankingData::rankingPath()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, ranking);
    QCOMPARE(QString::fromStdString(RankingPathFor(dictionary.toStdString())), ranking);
}

QTEST_APPLESS_MAIN(tst_RankingData)
#include "tst_RankingData.moc"
