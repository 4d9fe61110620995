#include "core/AffixTable.h"
#include "core/Conversion.h"
#include "core/DictionaryFile.h"
#include "core/LookupPass.h"
#include "tests/Reference.h"

#include <QtTest>

#include <sys/stat.h>

#include <fstream>
#include <map>
#include <random>

using namespace Numra;

namespace {

std::string writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const std::string path = dir.filePath(QStringLiteral("dictionary.txt")).toStdString();
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    return path;
}

QList<QByteArray> readAll(DictionaryFile &file, DictionaryError *error = nullptr)
{
    QList<QByteArray> lines;
    const DictionaryError result = ReadDictionary(file, [&](std::string_view line) {
        lines.append(QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    });
    if (error)
        *error = result;
    return lines;
}

// Each way of reading: every marker this processor runs, in turn and on two threads. The rows
// are added for each of the given prefixes; reading() takes them up.
template <typename AddRows> void addReadingRows(AddRows &&addRows)
{
    QTest::addColumn<int>("marker");
    QTest::addColumn<bool>("readAhead");
    for (Marker marker : AvailableMarkers()) {
        for (bool readAhead : {false, true}) {
            const QByteArray reading =
                QByteArray(MarkerName(marker)) + (readAhead ? ", two threads" : ", in turn");
            addRows(reading.constData(), int(marker), readAhead);
        }
    }
}

ReaderOptions reading()
{
    QFETCH(int, marker);
    QFETCH(bool, readAhead);
    return {Marker(marker), readAhead};
}

} // namespace

class tst_Dictionary : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void lineBreakAcrossBlocks_data();
    void lineBreakAcrossBlocks();
    void fileOfWholeBlocks_data();
    void fileOfWholeBlocks();
    void passThatThrowsStopsReading_data();
    void passThatThrowsStopsReading();
    void mixedBreaksAcrossBlocks();
    void passesAgreeWithReference_data();
    void passesAgreeWithReference();
    void picksAheadAtBlockEdges_data();
    void picksAheadAtBlockEdges();
    void longLineIsCut();
    void crlfSplitAtEndOfFile();
    void reopenStartsAtFirstLine();
    void missingFileCannotBeOpened_data();
    void missingFileCannotBeOpened();
    void rebindReleasesHandle();
    void affixKinds_data();
    void affixKinds();
    void affixTableKeepsEveryEntry();
    void affixTableOfMissingFile();
};

void tst_Dictionary::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("expected");
    using L = QList<QByteArray>;
    QTest::newRow("last line without break is read") << QByteArray("a\nb") << L{"a", "b"};
    QTest::newRow("final break starts no line") << QByteArray("a\nb\n") << L{"a", "b"};
    QTest::newRow("empty last line") << QByteArray("a\n\n") << L{"a", ""};
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << L{"a", "b"};
    QTest::newRow("CR only") << QByteArray("a\rb\rc") << L{"a", "b", "c"};
    QTest::newRow("mixed ends") << QByteArray("a\r\nb\rc\nd") << L{"a", "b", "c", "d"};
    QTest::newRow("CR CR is an empty line") << QByteArray("a\r\rb") << L{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << L{};
    QTest::newRow("only a break") << QByteArray("\n") << L{""};
    QTest::newRow("NUL bytes stay") << QByteArray("a\0b\nc", 5) << L{QByteArray("a\0b", 3), "c"};
    QTest::newRow("a byte-order mark begins no line") << QByteArray("\xEF\xBB\xBF"
                                                                    "2255,CALL,N\nb")
                                                      << L{"2255,CALL,N", "b"};
    QTest::newRow("a byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << L{};
}

void tst_Dictionary::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, expected);
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes));
    DictionaryError error = DictionaryError::ReadError;
    QCOMPARE(readAll(file, &error), expected);
    QCOMPARE(error, DictionaryError::None);
}

void tst_Dictionary::lineBreakAcrossBlocks_data()
{
    QTest::addColumn<QByteArray>("lineBreak");
    addReadingRows([](const char *reading, int marker, bool readAhead) {
        for (const char *lineBreak : {"\n", "\r\n", "\r"}) {
            const char *name = lineBreak[0] == '\n' ? "LF" : lineBreak[1] ? "CRLF" : "CR";
            QTest::addRow("%s, %s", name, reading) << QByteArray(lineBreak) << marker << readAhead;
        }
    });
}

// Lines of every length around the block size, so that some break falls on each side of
// every block boundary, CRLF split between two blocks included.
void tst_Dictionary::lineBreakAcrossBlocks()
{
    QFETCH(QByteArray, lineBreak);
    QList<QByteArray> expected;
    QByteArray bytes;
    int n = 0;
    while (bytes.size() < 3 * qsizetype(DictionaryFile::BlockSize) + 1000) {
        const QByteArray line = QByteArray::number(n) + ',' + QByteArray(n % 40, 'w') + ",N";
        expected.append(line);
        bytes += line + lineBreak;
        ++n;
    }
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes), reading());
    QCOMPARE(readAll(file), expected);
}

void tst_Dictionary::fileOfWholeBlocks_data()
{
    QTest::addColumn<QByteArray>("lastBytes");
    QTest::newRow("ends with a break") << QByteArray("9,z,N\n");
    QTest::newRow("ends with CR LF") << QByteArray("9,z,N\r\n");
    QTest::newRow("ends without a break") << QByteArray("9,z,N");
}

// The read that finds the end of the file finds no bytes at all.
void tst_Dictionary::fileOfWholeBlocks()
{
    QFETCH(QByteArray, lastBytes);
    const qsizetype size = 2 * qsizetype(DictionaryFile::BlockSize);
    const QByteArray line = "1,a,N\n";
    const qsizetype count = (size - 300 - lastBytes.size()) / line.size();
    QByteArray bytes = line.repeated(count);
    bytes += QByteArray(size - bytes.size() - lastBytes.size() - 1, 'x') + '\n' + lastBytes;
    QCOMPARE(bytes.size(), size);
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes));
    const QList<QByteArray> lines = readAll(file);
    QCOMPARE(lines.size(), count + 2);
    QCOMPARE(lines[count - 1], "1,a,N");
    QCOMPARE(lines[count], QByteArray(255, 'x'));
    QCOMPARE(lines.last(), "9,z,N");
}

void tst_Dictionary::passThatThrowsStopsReading_data()
{
    QTest::addColumn<bool>("inPicker");
    QTest::newRow("thrown while handing on") << false;
    QTest::newRow("thrown while picking, on either thread") << true;
}

// A pass that ends by an exception stops the second thread, an exception thrown on that thread
// reaches the pass's caller instead of ending the program, and the next pass reads the file
// from its first line.
void tst_Dictionary::passThatThrowsStopsReading()
{
    QFETCH(bool, inPicker);
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += QByteArray::number(i) + ",w,N\n";
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes), {.TwoThreads = true});
    std::size_t seen = 0;
    const LinePicker pick = [&](const LineBlock &block, PickedLines &picked) {
        if (inPicker && block.Text[block.Start] != '0')
            throw std::runtime_error("stop");
        picked.LineCount = CountLines(block);
    };
    const auto use = [&](const LineBlock &, const PickedLines &picked) {
        seen += picked.LineCount;
        if (seen > 1000)
            throw std::runtime_error("stop");
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReadDictionaryPicked(file, pick, use, {}, [] {}));
    const QList<QByteArray> lines = readAll(file);
    QCOMPARE(lines.size(), 200000);
    QCOMPARE(lines.first(), "0,w,N");
    QCOMPARE(lines.last(), "199999,w,N");
}

// CR LF and lone CR breaks mixed within blocks and across their edges.
void tst_Dictionary::mixedBreaksAcrossBlocks()
{
    QByteArray bytes;
    QList<QByteArray> expected;
    for (int i = 0; i < 60000; ++i) {
        expected.append(QByteArray::number(i) + (i % 3 ? ",w,N" : ",-s,N"));
        bytes += expected.last() + (i % 3 ? "\r\n" : "\r");
    }
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes));
    QCOMPARE(readAll(file), expected);
}

void tst_Dictionary::passesAgreeWithReference_data()
{
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<QByteArray>("fileStart");
    addReadingRows([](const char *reading, int marker, bool readAhead) {
        for (const char *lineBreak : {"\n", "\r\n"}) {
            const char *breakName = lineBreak[0] == '\n' ? "LF" : "CRLF";
            QTest::addRow("%s, %s", breakName, reading)
                << QByteArray(lineBreak) << QByteArray() << marker << readAhead;
            QTest::addRow("%s, a byte-order mark, %s", breakName, reading)
                << QByteArray(lineBreak) << QByteArray("\xEF\xBB\xBF") << marker << readAhead;
        }
    });
}

// The shortcuts that the passes take from the marks of each block (the lines that may start
// with a key, the lines that may hold the word) against the plain reference, over several
// blocks, with lines that run from one block into the next. Words mix ASCII, Windows-1252 and
// UTF-8 letters, so that some lines are UTF-8 and others Windows-1252. The first record is a
// word, a suffix and a prefix at once, so that each pass must find it past a byte-order mark.
void tst_Dictionary::passesAgreeWithReference()
{
    QFETCH(QByteArray, lineBreak);
    QFETCH(QByteArray, fileStart);
    std::mt19937 random(11);
    // Words of ASCII, of Windows-1252 letters and of two-byte UTF-8 letters.
    std::vector<std::string> wordParts;
    for (char c : std::string_view("abcfFlowersLOW-' (x,y)9\xE9\xC9\x9C"))
        wordParts.emplace_back(1, c);
    for (const char *letter : {"\xC3\xA9", "\xC3\x89", "\xC5\x93"})
        wordParts.emplace_back(letter);
    std::vector<std::string> lines = {"2255,-CALL-,N"};
    QByteArray bytes = fileStart + QByteArray::fromStdString(lines[0]) + lineBreak;
    while (bytes.size() < 3 * qsizetype(DictionaryFile::BlockSize)) {
        std::string line;
        for (int i = 1 + random() % 6; i > 0; --i)
            line += char('0' + random() % 10);
        if (random() % 50 == 0)
            line = "-" + line;
        line += ',';
        for (int i = 1 + random() % (random() % 200 == 0 ? 400 : 9); i > 0; --i)
            line += wordParts[random() % wordParts.size()];
        line += random() % 2 ? ",N" : ",A";
        lines.push_back(Reference::cut(line));
        bytes += QByteArray::fromStdString(line) + lineBreak;
    }
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes), reading());
    // The plain reference is slow (under the sanitizers minutes a row), and the rows of one file
    // differ only in how it is read: each file's answers are worked out once.
    struct Answers
    {
        std::int64_t examined = 0;
        std::vector<Record> records;
        std::vector<std::int64_t> lines;
        std::vector<std::string> numbers;
    };
    static std::map<QByteArray, std::vector<Answers>> known;
    std::vector<Answers> &answers = known[lineBreak + '|' + fileStart];
    const auto answer = [&](std::size_t index, const auto &work) -> const Answers & {
        if (answers.size() <= index) {
            answers.resize(index + 1);
            work(answers[index]);
        }
        return answers[index];
    };
    std::size_t asked = 0;
    for (const char *number : {"2255669", "0123456789 -(),abcfFlowersLOW\x95xyz'"}) {
        const Answers &reference = answer(asked++, [&](Answers &a) {
            a.records =
                Reference::naiveConvert(lines, number, Placement::AnyPoint, a.examined, &a.lines);
        });
        const std::int64_t examined = reference.examined;
        const std::vector<Record> &expected = reference.records;
        const std::vector<std::int64_t> &expectedLines = reference.lines;
        std::vector<Record> found;
        std::vector<std::int64_t> foundLines;
        const auto outcome = RunConversion(file, number, Placement::AnyPoint,
                                           [&](const Record &r, std::int64_t line) {
                                               found.push_back(r);
                                               foundLines.push_back(line);
                                           });
        QCOMPARE(outcome.examined, examined);
        QCOMPARE(found.size(), expected.size());
        QVERIFY(std::equal(found.begin(), found.end(), expected.begin(), Reference::sameRecord));
        QCOMPARE(foundLines, expectedLines);
    }
    for (const char *word : {"flow", "Flowers", "-a", "cab", "x", "call", "caf\xC3\xA9", "CAF\xC9",
                             "\xC5\x92uf", "\xC3\xA9", "cafe", "FL\xC3\x96W"}) {
        const Answers &reference = answer(asked++, [&](Answers &a) {
            a.numbers = Reference::naiveLookup(lines, word, a.examined);
        });
        const auto outcome = RunLookup(file, word);
        QCOMPARE(outcome.examined, reference.examined);
        QCOMPARE(outcome.numbers, reference.numbers);
    }
    AffixTable table;
    QCOMPARE(ReadAffixTable(file, table), DictionaryError::None);
    QVERIFY(table == Reference::naiveAffixTable(lines));
}

namespace {

// What a pass hands on: the records with their lines, the lookup's numbers, and the counts.
QByteArrayList passResults(DictionaryFile &file)
{
    QByteArrayList results;
    const auto conversion = RunConversion(
        file, "2255669", Placement::AnyPoint, [&](const Record &r, std::int64_t line) {
            results.append(QByteArray::number(line) + ' ' + QByteArray::fromStdString(r.word));
        });
    results.append("examined " + QByteArray::number(conversion.examined));
    const auto lookup = RunLookup(file, "call");
    for (const std::string &number : lookup.numbers)
        results.append(QByteArray::fromStdString(number));
    results.append("examined " + QByteArray::number(lookup.examined));
    return results;
}

} // namespace

void tst_Dictionary::picksAheadAtBlockEdges_data()
{
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<int>("shift"); // where the second block begins, from a line's start
    const int line = 14;            // "2255669,CALL,N"
    QTest::newRow("LF, block begins a line") << QByteArray("\n") << 0;
    QTest::newRow("LF, block begins inside a line") << QByteArray("\n") << 5;
    QTest::newRow("LF, block begins at a break") << QByteArray("\n") << line;
    QTest::newRow("CRLF, block begins a line") << QByteArray("\r\n") << 0;
    QTest::newRow("CRLF, block begins at the CR") << QByteArray("\r\n") << line;
    QTest::newRow("CRLF, block begins at the LF") << QByteArray("\r\n") << line + 1;
    QTest::newRow("CR, block begins a line") << QByteArray("\r") << 0;
    QTest::newRow("CR, block begins at a break") << QByteArray("\r") << line;
    QTest::newRow("LF, a line longer than a block") << QByteArray("\n") << -1;
}

// Both threads pick lines from the blocks they read at their place in the file, guessing where
// a block's first line begins; the passes must hand on the same records, line numbers and counts
// as reading in turn, wherever a block begins.
void tst_Dictionary::picksAheadAtBlockEdges()
{
    QFETCH(QByteArray, lineBreak);
    QFETCH(int, shift);
    QByteArray body;
    QList<qsizetype> starts;
    for (int i = 0; body.size() < 3 * qsizetype(DictionaryFile::BlockSize); ++i) {
        starts.append(body.size());
        body +=
            (i % 3 ? "1111,XY" + QByteArray::number(i % 7) + ",N" : "2255669,CALL,N") + lineBreak;
        if (shift < 0 && i == 5000)
            body += "2255669," + QByteArray(DictionaryFile::BlockSize + 10, 'c') + ",N" + lineBreak;
    }
    // The first line is padded so that the second block begins shift bytes into a line.
    const qsizetype block = qsizetype(DictionaryFile::BlockSize);
    const qsizetype start = *std::lower_bound(starts.begin(), starts.end(), block - 1000);
    const qsizetype pad = block - start - std::max(shift, 0) - 4 - lineBreak.size();
    const QByteArray bytes = "0," + QByteArray(pad, 'x') + ",N" + lineBreak + body;
    QTemporaryDir dir;
    const std::string path = writeFile(dir, bytes);
    DictionaryFile file(path);
    const QByteArrayList inTurn = passResults(file);
    QVERIFY(inTurn.size() > 1000);
    DictionaryFile twoThreads(path, {.TwoThreads = true});
    QCOMPARE(passResults(twoThreads), inTurn);
}

void tst_Dictionary::longLineIsCut()
{
    const QByteArray longLine = QByteArray(255, 'x') + QByteArray(600 * 1024, 'y');
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, "1,a,N\n" + longLine + "\r\n2,b,N"));
    QCOMPARE(readAll(file), (QList<QByteArray>{"1,a,N", QByteArray(255, 'x'), "2,b,N"}));
}

// The LF of the last line break arrives alone in a block of its own: it ends that line and
// starts no other.
void tst_Dictionary::crlfSplitAtEndOfFile()
{
    const int block = int(DictionaryFile::BlockSize);
    // A long first line, then a record whose CR ends the first block and whose LF alone
    // makes the second: no third, empty line may follow.
    QByteArray bytes = QByteArray(block - 7, 'x');
    bytes += "\n2,-,N\r\n";
    QCOMPARE(bytes.indexOf('\r'), block - 1);
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes));
    QCOMPARE(readAll(file), (QList<QByteArray>{QByteArray(255, 'x'), "2,-,N"}));
}

void tst_Dictionary::reopenStartsAtFirstLine()
{
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, "one\ntwo\n"));
    LineBlock block;
    QVERIFY(file.Reset());
    QCOMPARE(file.ReadBlock(block), ReadResult::Lines);
    QCOMPARE(readAll(file), (QList<QByteArray>{"one", "two"}));
    QCOMPARE(file.ReadBlock(block), ReadResult::End);
}

void tst_Dictionary::missingFileCannotBeOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("absent.txt");
    QTest::newRow("directory") << QStringLiteral(".");
    QTest::newRow("empty path") << QString();
    QTest::newRow("no dictionary") << QStringLiteral("No Dictionary Open");
    // Not regular files: these would block the open or the reading, or never end.
    QTest::newRow("FIFO with no writer") << QStringLiteral("fifo");
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero");
    QTest::newRow("/dev/urandom") << QStringLiteral("/dev/urandom");
    QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
    QTest::newRow("character device that ends: /dev/null") << QStringLiteral("/dev/null");
}

void tst_Dictionary::missingFileCannotBeOpened()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QCOMPARE(::mkfifo(qPrintable(dir.filePath(QStringLiteral("fifo"))), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero"))));
    DictionaryFile file(name.isEmpty() ? std::string() : dir.filePath(name).toStdString());
    DictionaryError error = DictionaryError::None;
    QVERIFY(readAll(file, &error).isEmpty());
    QCOMPARE(error, DictionaryError::CouldNotOpen);
    QVERIFY(!file.IsOpen());
}

void tst_Dictionary::rebindReleasesHandle()
{
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, "a\n"));
    QVERIFY(file.Reset());
    QVERIFY(file.IsOpen());
    file.Bind(dir.filePath(QStringLiteral("other.txt")).toStdString());
    QVERIFY(!file.IsOpen());
}

void tst_Dictionary::affixKinds_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QByteArray>("affix"); // as every entry holds it
    QTest::newRow("suffix") << QByteArray("464,-ING,N") << QList<int>{SuffixKind}
                            << QByteArray("-ING");
    QTest::newRow("prefix") << QByteArray("73,RE-,N") << QList<int>{PrefixKind}
                            << QByteArray("RE-");
    QTest::newRow("single hyphen is both")
        << QByteArray("1,-,N") << QList<int>{SuffixKind, PrefixKind} << QByteArray("-");
    QTest::newRow("hyphen inside") << QByteArray("1,A-B,N") << QList<int>{} << QByteArray();
    QTest::newRow("not a record") << QByteArray("464,-ING,") << QList<int>{} << QByteArray();
    QTest::newRow("hyphen only in a removed note")
        << QByteArray("228,CAT (-),N") << QList<int>{} << QByteArray();
    QTest::newRow("Windows-1252 prefix in UTF-8")
        << QByteArray("73,R\xc9-,N") << QList<int>{PrefixKind} << QByteArray("R\xc3\x89-");
}

void tst_Dictionary::affixKinds()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<int>, kinds);
    QFETCH(QByteArray, affix);
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, line));
    AffixTable table;
    QCOMPARE(ReadAffixTable(file, table), DictionaryError::None);
    QCOMPARE(qsizetype(table.size()), kinds.size());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        QCOMPARE(int(table[i].Kind), kinds[i]);
        QCOMPARE(QByteArray::fromStdString(table[i].Affix), affix);
    }
}

void tst_Dictionary::affixTableKeepsEveryEntry()
{
    QByteArray bytes = "228,CAT,N\n";
    for (int i = 0; i < 260; ++i)
        bytes += QByteArray::number(i) + ",-S" + QByteArray::number(i) + ",N\n";
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, bytes));
    AffixTable table{{PrefixKind, "OLD-", "653"}};
    QCOMPARE(ReadAffixTable(file, table), DictionaryError::None);
    QCOMPARE(table.size(), std::size_t(260));
    QCOMPARE(table[249].Affix, std::string("-S249"));
    QCOMPARE(table[259], (AffixEntry{SuffixKind, "-S259", "259"}));
}

void tst_Dictionary::affixTableOfMissingFile()
{
    DictionaryFile file("/nonexistent/dictionary.txt");
    AffixTable table{{PrefixKind, "OLD-", "653"}};
    QCOMPARE(ReadAffixTable(file, table), DictionaryError::CouldNotOpen);
    QVERIFY(table.empty());
}

QTEST_APPLESS_MAIN(tst_Dictionary)
#include "tst_Dictionary.moc"
