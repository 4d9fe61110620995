#include "core/Conversion.h"
#include "core/DictionaryIndex.h"
#include "core/PhraseSuggestions.h"

#include <QtTest>

#include <fstream>
#include <unordered_set>

using namespace Numra;

namespace {

std::string writeDictionary(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const std::string path = dir.filePath(QStringLiteral("d.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << bytes.toStdString();
    return path;
}

// "WORD@line" for each word, in the order given.
QStringList shown(const DictionaryIndex &index, const std::vector<std::uint32_t> &ids)
{
    QStringList words;
    for (std::uint32_t id : ids) {
        const IndexedWord &word = index.Word(id);
        words << QString::fromStdString(std::string(word.word)) + '@' + QString::number(word.line);
    }
    return words;
}

// What MemorablePhrases::Collect takes from a conversion pass of the text.
QStringList fromPass(DictionaryFile &file, const std::string &text)
{
    QStringList words;
    std::unordered_set<std::string> seen;
    RunConversion(file, text, Placement::AnyPoint, [&](const Record &record, std::int64_t line) {
        if (IsPhraseRecord(record) &&
            seen.insert(record.number + ',' + std::string(Trim(record.word))).second)
            words << QString::fromStdString(record.word) + '@' + QString::number(line);
    });
    return words;
}

// Records a pass reads in its own ways: after a byte-order mark, a note in parentheses, a key that
// is no digit string, an affix, a word repeated, a line end of each kind, a line longer than a line
// may be.
const QByteArray Tricky = "\xEF\xBB\xBF"
                          "2255,CALL,N\r\n669,NOW,N\r\n22(x)55,BALL,N\n2255,CALL (verb),N\n"
                          "464,-ING,N\n73,RE-,N\n2,A,N\n2255,Call,A\n\n2233,caf\xe9,N\r"
                          "9,W,N\n" +
                          QByteArray(300, '9') + ",LONG,N\n2255 ,SPACE,N\n2255,CALL,N";

} // namespace

class tst_DictionaryIndex : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void sameAsPass_data();
    void sameAsPass();
    void spelling_data();
    void spelling();
    void unreadable();
};

void tst_DictionaryIndex::find_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("words");
    const QByteArray plain = "669,NOW,N\n2255,CALL,N\n22,AA,N\n255,ALL,N\n";
    QTest::newRow("in dictionary order, not in the text's")
        << plain << QByteArray("2255669") << QStringList{"NOW@1", "CALL@2", "AA@3", "ALL@4"};
    QTest::newRow("a digit string twice in the text, its words once")
        << plain << QByteArray("22122") << QStringList{"AA@3"};
    QTest::newRow("never across a mark") << plain
                                         << QByteArray("22\x95"
                                                       "55669")
                                         << QStringList{"NOW@1", "AA@3"};
    QTest::newRow("nothing in an empty text") << plain << QByteArray() << QStringList{};
    QTest::newRow("a prefix of a word's digits is no word")
        << QByteArray("3569377,FLOWERS,N\n") << QByteArray("356937") << QStringList{};
    QTest::newRow("the same word twice: the first line")
        << QByteArray("2255,CALL,N\n2255, CALL ,N\n2255,CALL,A\n") << QByteArray("2255")
        << QStringList{"CALL@1"};
}

void tst_DictionaryIndex::find()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, dictionary));
    const DictionaryIndex index = DictionaryIndex::Build(file);
    QCOMPARE(index.Error(), DictionaryError::None);
    std::vector<std::uint32_t> ids{99}; // emptied first
    index.Find(text.toStdString(), ids);
    QCOMPARE(shown(index, ids), words);
}

// The index must hand on exactly what a conversion pass of the text would, line numbers too:
// the batch ranks by them.
void tst_DictionaryIndex::sameAsPass_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("2255669") << QByteArray("2255669");
    QTest::newRow("22339") << QByteArray("22339");
    QTest::newRow("a mark between runs") << QByteArray("2255\x95"
                                                       "464");
    QTest::newRow("three hundred nines") << QByteArray(300, '9');
    QTest::newRow("digits that hold no word") << QByteArray("1111");
}

void tst_DictionaryIndex::sameAsPass()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, Tricky));
    const DictionaryIndex index = DictionaryIndex::Build(file);
    std::vector<std::uint32_t> ids;
    index.Find(text.toStdString(), ids);
    const QStringList expected = fromPass(file, text.toStdString());
    QCOMPARE(shown(index, ids), expected);
    QCOMPARE(index.LineCount(), 14);
}

void tst_DictionaryIndex::spelling_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("a word, not the others of its digits")
        << QByteArray("call") << QStringList{"2255"} << QStringList{"CALL@1", "Call@8"};
    QTest::newRow("without its accent")
        << QByteArray("CAFE") << QStringList{"2233"} << QStringList{"caf\u00e9@10"};
    QTest::newRow("digits the index lacks")
        << QByteArray("call") << QStringList{"2256", "22a"} << QStringList{};
}

void tst_DictionaryIndex::spelling()
{
    QFETCH(QByteArray, typed);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, Tricky + "\n2255,BALL,N\n"));
    const DictionaryIndex index = DictionaryIndex::Build(file);
    std::vector<std::string> digits;
    for (const QString &number : numbers)
        digits.push_back(number.toStdString());
    QCOMPARE(shown(index, index.Spelling(typed.toStdString(), digits)), words);
}

void tst_DictionaryIndex::unreadable()
{
    QTemporaryDir dir;
    DictionaryFile file(dir.filePath(QStringLiteral("missing.txt")).toStdString());
    const DictionaryIndex index = DictionaryIndex::Build(file);
    QCOMPARE(index.Error(), DictionaryError::CouldNotOpen);
    QCOMPARE(index.WordCount(), std::size_t(0));
    std::vector<std::uint32_t> ids;
    index.Find("2255", ids);
    QVERIFY(ids.empty());
}

QTEST_APPLESS_MAIN(tst_DictionaryIndex)
#include "tst_DictionaryIndex.moc"
