#include "LookupPass.h"

#include <QtTest>

#include <fstream>

using namespace Numra;

class tst_LookupPass : public QObject
{
    Q_OBJECT

private slots:
    void wordKey_data();
    void wordKey();
    void lookup_data();
    void lookup();
};

void tst_LookupPass::wordKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("capitals") << QByteArray("CALL") << QByteArray("call");
    QTest::newRow("apostrophe and hyphen") << QByteArray("Won't-Go") << QByteArray("wontgo");
    QTest::newRow("spaces and digits") << QByteArray("  ca 1ll  ") << QByteArray("call");
    QTest::newRow("parenthesised part") << QByteArray("call (verb)") << QByteArray("call");
    QTest::newRow("no letters") << QByteArray("123 -'") << QByteArray();
    QTest::newRow("accented letters dropped") << QByteArray("caf\xc3\xa9") << QByteArray("caf");
}

void tst_LookupPass::wordKey()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, key);
    QCOMPARE(QByteArray::fromStdString(WordKey(text.toStdString())), key);
}

void tst_LookupPass::lookup_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("one number from several records") << QByteArray("Call") << QStringList{"2255"};
    QTest::newRow("two numbers in dictionary order")
        << QByteArray("read") << QStringList{"7323", "73230"};
    QTest::newRow("note in the record ignored") << QByteArray("walk") << QStringList{"9255"};
    QTest::newRow("no letters matches letterless words") << QByteArray("42") << QStringList{"0"};
    QTest::newRow("nothing found") << QByteArray("zebra") << QStringList{};
    QTest::newRow("last line is read") << QByteArray("now") << QStringList{"669"};
}

void tst_LookupPass::lookup()
{
    QFETCH(QByteArray, word);
    QFETCH(QStringList, numbers);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("d.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << "2255,CALL,N\n2255,call,A\n7323,READ,N\n"
                                             "0,0,N\n73230,Re-ad,N\n9255,WALK (v.),N\n669,NOW,N";
    DictionaryFile file(path);
    const auto outcome = RunLookup(file, word.toStdString());
    QCOMPARE(outcome.error, DictionaryError::None);
    QCOMPARE(outcome.examined, 7);
    QStringList found;
    for (const auto &n : outcome.numbers)
        found.append(QString::fromStdString(n));
    QCOMPARE(found, numbers);
}

QTEST_APPLESS_MAIN(tst_LookupPass)
#include "tst_LookupPass.moc"
