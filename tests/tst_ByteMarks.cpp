#include "core/ByteMarks.h"

#include <QtTest>

#include <numeric>
#include <random>

using namespace Numra;

namespace {

// The marks as the rules give them, byte by byte.
ByteMarks naiveMarks(const QByteArray &text, char letter = 'f')
{
    ByteMarks marks;
    const std::size_t words = (std::size_t(text.size()) + 63) / 64;
    marks.Breaks.assign(words, 0);
    marks.Commas.assign(words, 0);
    marks.Brackets.assign(words, 0);
    marks.WordStarts.assign(words, 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        const char c = text[i];
        const bool lfOfPair = c == '\n' && i > 0 && text[i - 1] == '\r';
        if ((c == '\n' && !lfOfPair) || c == '\r')
            marks.Breaks[i / 64] |= bit;
        if (c == ',')
            marks.Commas[i / 64] |= bit;
        if (c == '(')
            marks.Brackets[i / 64] |= bit;
        const bool isLetter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!isLetter || c == letter || c == letter - 'a' + 'A')
            marks.WordStarts[i / 64] |= bit;
        marks.HasCr |= c == '\r';
    }
    return marks;
}

std::vector<std::uint64_t> firstWords(const std::vector<std::uint64_t> &words, std::size_t count)
{
    return {words.begin(), words.begin() + qMin(count, words.size())};
}

// Word starts past the text are not defined.
std::vector<std::uint64_t> withinText(const std::vector<std::uint64_t> &words, qsizetype size)
{
    std::vector<std::uint64_t> marks = firstWords(words, std::size_t(size + 63) / 64);
    if (size % 64 != 0)
        marks.back() &= ~(~std::uint64_t{0} << (size % 64));
    return marks;
}

QByteArray randomText(std::mt19937 &random, int size, const char *alphabet)
{
    QByteArray text(size, ' ');
    const int letters = int(std::strlen(alphabet));
    for (char &c : text)
        c = alphabet[random() % letters];
    return text;
}

} // namespace

class tst_ByteMarks : public QObject
{
    Q_OBJECT

private slots:
    void markersAgree_data();
    void markersAgree();
    void markersAgreeOnRandomText_data();
    void markersAgreeOnRandomText();
    void setMembers_data();
    void setMembers();
    void commasOnlyWhenAsked();
    void nextMark_data();
    void nextMark();
    void lastMarkAndCount_data();
    void lastMarkAndCount();
    void countBits();
};

void tst_ByteMarks::markersAgree_data()
{
    QTest::addColumn<int>("marker");
    QTest::addColumn<QByteArray>("text");
    QByteArray allBytes;
    for (int c = 0; c < 256; ++c)
        allBytes += char(c);
    const QByteArray pairAtChunkEdge = QByteArray(63, 'x') + "\r\n" + QByteArray(10, 'y');
    for (Marker marker : AvailableMarkers()) {
        const char *name = MarkerName(marker);
        const int m = int(marker);
        QTest::addRow("%s: empty", name) << m << QByteArray();
        QTest::addRow("%s: one LF", name) << m << QByteArray("\n");
        QTest::addRow("%s: CR LF is one break", name) << m << QByteArray("a,b\r\nc(d");
        QTest::addRow("%s: CR CR LF", name) << m << QByteArray("\r\r\n\n");
        QTest::addRow("%s: CR LF across chunks", name) << m << pairAtChunkEdge;
        QTest::addRow("%s: CR as the last byte", name) << m << QByteArray(127, 'z') + '\r';
        QTest::addRow("%s: every byte value", name) << m << allBytes + allBytes;
        QTest::addRow("%s: bytes near the marked ones", name)
            << m << QByteArray("\x8a\x8d\xac\xa8\x0b\x0c\x2d\x29\x09\x0e,(\n", 13).repeated(11);
        QTest::addRow("%s: break in the last byte of a chunk", name)
            << m << QByteArray(63, 'a') + '\n' + QByteArray(63, 'b') + '\n';
    }
}

void tst_ByteMarks::markersAgree()
{
    QFETCH(int, marker);
    QFETCH(QByteArray, text);
    const ByteMarks expected = naiveMarks(text);
    const std::size_t words = expected.Breaks.size();
    // Words the text does not reach are left as they were.
    ByteMarks marks;
    marks.Breaks.assign(words + 1, ~std::uint64_t{0});
    MarkBytes(Marker(marker), text.constData(), std::size_t(text.size()), marks,
              MarkWordStarts{'f'});
    QCOMPARE(firstWords(marks.Breaks, words), expected.Breaks);
    QCOMPARE(marks.Breaks.back(), ~std::uint64_t{0});
    QCOMPARE(firstWords(marks.Commas, words), expected.Commas);
    QCOMPARE(firstWords(marks.Brackets, words), expected.Brackets);
    QCOMPARE(withinText(marks.WordStarts, text.size()), expected.WordStarts);
    QCOMPARE(marks.HasCr, expected.HasCr);
}

void tst_ByteMarks::markersAgreeOnRandomText_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<QByteArray>("alphabet");
    for (int seed = 1; seed <= 6; ++seed) {
        QTest::addRow("dictionary bytes, seed %d", seed) << seed << QByteArray("0123,AN\n\r(");
        QTest::addRow("mostly breaks, seed %d", seed) << seed << QByteArray("\r\n\r\n,x");
        QTest::addRow("words, seed %d", seed) << seed << QByteArray("aAzZ{[@`\xc1\xe1,-(9\n");
    }
}

// Every length from 0 to a few chunks, so that the short end of a block takes each size.
void tst_ByteMarks::markersAgreeOnRandomText()
{
    QFETCH(int, seed);
    QFETCH(QByteArray, alphabet);
    std::mt19937 random(seed);
    for (int size = 0; size < 300; ++size) {
        const QByteArray text = randomText(random, size, alphabet.constData());
        const char letter = "afz"[size % 3];
        const ByteMarks expected = naiveMarks(text, letter);
        for (Marker marker : AvailableMarkers()) {
            ByteMarks marks;
            MarkBytes(marker, text.constData(), std::size_t(size), marks, MarkWordStarts{letter});
            const std::size_t words = expected.Breaks.size();
            QCOMPARE(firstWords(marks.Breaks, words), expected.Breaks);
            QCOMPARE(firstWords(marks.Commas, words), expected.Commas);
            QCOMPARE(firstWords(marks.Brackets, words), expected.Brackets);
            QCOMPARE(withinText(marks.WordStarts, size), expected.WordStarts);
            QCOMPARE(marks.HasCr, expected.HasCr);
        }
    }
}

void tst_ByteMarks::setMembers_data()
{
    QTest::addColumn<int>("members");
    QTest::newRow("no member") << 0;
    QTest::newRow("one member") << 1;
    QTest::newRow("sixteen members") << 16;
    QTest::newRow("seventeen members") << 17;
    QTest::newRow("every byte") << 256;
}

// Any byte value may be a member, high ones included. The plain marker marks every byte, as
// SSE2 does for a set too large to compare member by member; the passes then look at every line.
void tst_ByteMarks::setMembers()
{
    QFETCH(int, members);
    std::mt19937 random{std::uint32_t(members)};
    CharSet set;
    std::vector<int> values(256);
    std::iota(values.begin(), values.end(), 0);
    std::shuffle(values.begin(), values.end(), random);
    for (int i = 0; i < members; ++i)
        set.add(char(values[i]));
    QByteArray text;
    for (int i = 0; i < 1000; ++i)
        text += char(i % 3 ? values[random() % 20] : random() % 256);
    // The second set: the complement of the first.
    CharSet second;
    for (int c = 0; c < 256; ++c) {
        if (!set.contains(char(c)))
            second.add(char(c));
    }
    std::vector<std::uint64_t> expected((std::size_t(text.size()) + 63) / 64);
    std::vector<std::uint64_t> expectedSecond(expected.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        (set.contains(text[i]) ? expected : expectedSecond)[std::size_t(i) / 64] |= bit;
    }
    for (Marker marker : AvailableMarkers()) {
        ByteMarks marks;
        MarkBytes(marker, text.constData(), std::size_t(text.size()), marks,
                  MarkSetBytes{&set, &second});
        const std::vector<std::uint64_t> all =
            withinText(std::vector<std::uint64_t>(expected.size(), ~0ULL), text.size());
        const bool tooMany = marker == Marker::Plain || (marker == Marker::Sse2 && members > 16);
        const bool tooManySecond =
            marker == Marker::Plain || (marker == Marker::Sse2 && 256 - members > 16);
        QCOMPARE(withinText(marks.InSet, text.size()), tooMany ? all : expected);
        QCOMPARE(withinText(marks.InSecondSet, text.size()), tooManySecond ? all : expectedSecond);
        // Without a second set the first serves for both.
        ByteMarks one;
        MarkBytes(marker, text.constData(), std::size_t(text.size()), one, MarkSetBytes{&set});
        QCOMPARE(one.InSecondSet, one.InSet);
        QCOMPARE(firstWords(marks.Breaks, expected.size()), naiveMarks(text).Breaks);
    }
}

void tst_ByteMarks::commasOnlyWhenAsked()
{
    const QByteArray text = "1,a\r\n(2),b\n";
    for (Marker marker : AvailableMarkers()) {
        ByteMarks marks;
        marks.Commas.assign(1, 42);
        MarkBytes(marker, text.constData(), std::size_t(text.size()), marks, {});
        QCOMPARE(marks.Breaks.front(), naiveMarks(text).Breaks.front());
        QCOMPARE(marks.Commas.front(), std::uint64_t{42});
    }
}

void tst_ByteMarks::nextMark_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected");
    // Marks at 3, 64, 130.
    QTest::newRow("first mark") << 0 << 200 << 3;
    QTest::newRow("from a mark") << 3 << 200 << 3;
    QTest::newRow("past a mark, into the next word") << 4 << 200 << 64;
    QTest::newRow("across an empty word") << 65 << 200 << 130;
    QTest::newRow("mark at the end is outside") << 4 << 64 << 64;
    QTest::newRow("none after the last") << 131 << 192 << 192;
    QTest::newRow("empty range") << 10 << 10 << 10;
}

void tst_ByteMarks::nextMark()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    const std::vector<std::uint64_t> marks{std::uint64_t{1} << 3, 1, std::uint64_t{1} << 2};
    QCOMPARE(int(NextMark(marks, std::size_t(from), std::size_t(to))), expected);
}

void tst_ByteMarks::lastMarkAndCount_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("count");
    // Marks at 3, 64, 130.
    QTest::newRow("all") << 0 << 192 << 130 << 3;
    QTest::newRow("mark at the end is outside") << 0 << 130 << 64 << 2;
    QTest::newRow("mark at the start is inside") << 64 << 65 << 64 << 1;
    QTest::newRow("back across an empty word") << 4 << 128 << 64 << 1;
    QTest::newRow("none in the range") << 4 << 64 << 64 << 0;
    QTest::newRow("none before the first") << 0 << 3 << 3 << 0;
    QTest::newRow("empty range") << 10 << 10 << 10 << 0;
}

void tst_ByteMarks::lastMarkAndCount()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, last);
    QFETCH(int, count);
    const std::vector<std::uint64_t> marks{std::uint64_t{1} << 3, 1, std::uint64_t{1} << 2};
    QCOMPARE(int(LastMark(marks, std::size_t(from), std::size_t(to))), last);
    QCOMPARE(int(CountMarks(marks, std::size_t(from), std::size_t(to))), count);
}

void tst_ByteMarks::countBits()
{
    std::mt19937_64 random(5);
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t x = random() & random();
        QCOMPARE(CountBits(x), std::size_t(std::popcount(x)));
    }
    QCOMPARE(CountBits(~std::uint64_t{0}), std::size_t(64));
    QCOMPARE(CountBits(0), std::size_t(0));
}

QTEST_APPLESS_MAIN(tst_ByteMarks)
#include "tst_ByteMarks.moc"
