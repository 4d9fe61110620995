#include "core/Conversion.h"
#include "core/NumberIndex.h"
#include "tests/Reference.h"

#include <QtTest>

#include <fstream>
#include <random>

using namespace Numra;

namespace {

std::string writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const std::string path = dir.filePath(QStringLiteral("dictionary.txt")).toStdString();
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    return path;
}

QStringList convert(const QByteArray &dictionary, const QByteArray &number, Placement placement,
                    ConversionOutcome *outcome = nullptr)
{
    QTemporaryDir dir;
    DictionaryFile file(writeFile(dir, dictionary));
    QStringList words;
    const auto result = RunConversion(file, number.toStdString(), placement, [&](const Record &r) {
        words.append(QString::fromStdString(r.word + "=" + r.number + "=" + r.cls));
    });
    if (outcome)
        *outcome = result;
    return words;
}

// The shared reference works on plain strings; the rows here compare as text.
QStringList naiveConvert(const QList<QByteArray> &lines, const std::string &number,
                         Placement placement, std::int64_t &examined)
{
    std::vector<std::string> plain;
    for (const QByteArray &line : lines)
        plain.push_back(line.toStdString());
    QStringList words;
    for (const Record &r : Reference::naiveConvert(plain, number, placement, examined))
        words.append(QString::fromStdString(r.word + "=" + r.number + "=" + r.cls));
    return words;
}

const QByteArray Fixture = "225,BAL,N\n"
                           "2255,CALL,N\n"
                           "5,J,N\n"
                           "2,A,N\n"
                           "55,KK,A\n"
                           "669,NOW,N\n"
                           "no comma here\n"
                           ",EMPTY,N\n"
                           "2255,CALL,N\n"
                           "2255,BALL (two,three),A\n"
                           "52,JA,N";

} // namespace

class tst_Conversion : public QObject
{
    Q_OBJECT

private slots:
    void placements_data();
    void placements();
    void countsEveryLine();
    void numberIndexAgreesWithPlainSearch();
    void agreesWithReference_data();
    void agreesWithReference();
    void missingDictionary();
};

void tst_Conversion::placements_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("placement");
    QTest::addColumn<QStringList>("expected");
    const int left = int(Placement::Left), right = int(Placement::Right),
              any = int(Placement::AnyPoint);
    QTest::newRow("(225) 5-5 left: run broken by the bracket")
        << QByteArray("(225) 5-5") << left << QStringList{"BAL=225=N", "A=2=N"};
    QTest::newRow("(225) 5-5 right: last 5 ends at 9")
        << QByteArray("(225) 5-5") << right << QStringList{"J=5=N"};
    QTest::newRow("(225) 5-5 anywhere")
        << QByteArray("(225) 5-5") << any << QStringList{"BAL=225=N", "J=5=N", "A=2=N"};
    QTest::newRow("2552 left") << QByteArray("2552") << left << QStringList{"A=2=N"};
    QTest::newRow("2552 right") << QByteArray("2552") << right << QStringList{"A=2=N", "JA=52=N"};
    QTest::newRow("2552 anywhere: listed once")
        << QByteArray("2552") << any << QStringList{"J=5=N", "A=2=N", "KK=55=A", "JA=52=N"};
    QTest::newRow("marks in front move the left anchor")
        << QByteArray("\x95\x95\x95"
                      "2255669")
        << left << QStringList{"BAL=225=N", "CALL=2255=N", "A=2=N", "CALL=2255=N", "BALL =2255=A"};
    QTest::newRow("marks break a run") << QByteArray("22\x95"
                                                     "55")
                                       << any << QStringList{"J=5=N", "A=2=N", "KK=55=A"};
    QTest::newRow("empty number finds nothing") << QByteArray() << any << QStringList{};
    QTest::newRow("no digits: left finds nothing") << QByteArray("abc") << left << QStringList{};
    QTest::newRow("no digits: right finds nothing") << QByteArray("abc") << right << QStringList{};
    QTest::newRow("last line is examined")
        << QByteArray("52") << any << QStringList{"J=5=N", "A=2=N", "JA=52=N"};
}

void tst_Conversion::placements()
{
    QFETCH(QByteArray, number);
    QFETCH(int, placement);
    QFETCH(QStringList, expected);
    QCOMPARE(convert(Fixture, number, Placement(placement)), expected);
}

void tst_Conversion::countsEveryLine()
{
    ConversionOutcome outcome;
    convert(Fixture, "", Placement::AnyPoint, &outcome);
    QCOMPARE(outcome.error, DictionaryError::None);
    QCOMPARE(outcome.examined, 11);
    QCOMPARE(outcome.accepted, 0);
    convert(Fixture + "\n\n", "2255", Placement::AnyPoint, &outcome);
    QCOMPARE(outcome.examined, 12);
    QCOMPARE(outcome.accepted, 7);
}

void tst_Conversion::numberIndexAgreesWithPlainSearch()
{
    std::mt19937 random(7);
    const std::string alphabet = "0123456789 -()\x95";
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 40, ' ');
        for (char &c : text)
            c = alphabet[random() % (round % 2 ? 4 : alphabet.size())];
        const NumberIndex index(text);
        // A failing round names its number text and key, so that it can be replayed.
        const auto agree = [&](const std::string &key) {
            const int found = index.FirstPos(key);
            const int expected = FirstPos(key, text);
            if (found != expected)
                qInfo().noquote() << QStringLiteral("round %1: text \"%2\", key \"%3\"")
                                         .arg(round)
                                         .arg(QString::fromLatin1(text), QString::fromLatin1(key));
            QCOMPARE(found, expected);
        };
        for (int k = 0; k < 50; ++k) {
            std::string key(random() % 8, ' ');
            for (char &c : key)
                c = alphabet[random() % 4];
            agree(key);
            if (QTest::currentTestFailed())
                return;
        }
        if (!text.empty()) {
            const std::size_t start = random() % text.size();
            agree(text.substr(start, random() % 10));
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void tst_Conversion::agreesWithReference_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 12; ++seed)
        QTest::addRow("random dictionary %d", seed) << seed;
}

void tst_Conversion::agreesWithReference()
{
    QFETCH(int, seed);
    std::mt19937 random(seed);
    const std::string digits = seed % 3 ? "0123456789" : "123";
    auto digitString = [&](std::size_t maxLength) {
        std::string s(1 + random() % maxLength, '0');
        for (char &c : s)
            c = digits[random() % digits.size()];
        return s;
    };
    QList<QByteArray> lines;
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i) {
        QByteArray line;
        switch (random() % 10) {
        case 0:
            line = "garbage";
            break;
        case 1:
            line = QByteArray::fromStdString("(" + digitString(3) + ")" + digitString(3) + ",W(x," +
                                             std::to_string(i) + "),A");
            break;
        case 2:
            line = QByteArray::fromStdString(digitString(4) + ",," + "N");
            break;
        default:
            line = QByteArray::fromStdString(digitString(6) + ",W" + std::to_string(i) + "," +
                                             (random() % 2 ? "A" : "N"));
        }
        lines.append(line);
        bytes += line + (i % 7 ? "\n" : "\r\n");
    }
    for (int round = 0; round < 20; ++round) {
        std::string number = digitString(14);
        for (int k = 0; k < 3; ++k)
            number[random() % number.size()] = "\x95 -("[random() % 4];
        for (auto placement : {Placement::Left, Placement::Right, Placement::AnyPoint}) {
            std::int64_t examined = 0;
            const QStringList expected = naiveConvert(lines, number, placement, examined);
            ConversionOutcome outcome;
            const QStringList found =
                convert(bytes, QByteArray::fromStdString(number), placement, &outcome);
            // A failing round names its number and dictionary, so that it can be replayed.
            if (found != expected)
                qInfo().noquote() << QStringLiteral("number \"%1\", placement %2, dictionary:\n%3")
                                         .arg(QString::fromLatin1(number))
                                         .arg(int(placement))
                                         .arg(QString::fromLatin1(bytes));
            QCOMPARE(found, expected);
            QCOMPARE(outcome.examined, examined);
            QCOMPARE(outcome.accepted, expected.size());
        }
    }
}

void tst_Conversion::missingDictionary()
{
    DictionaryFile file("/nonexistent/dictionary.txt");
    int calls = 0;
    const auto outcome =
        RunConversion(file, "2255", Placement::AnyPoint, [&](const Record &) { ++calls; });
    QCOMPARE(outcome.error, DictionaryError::CouldNotOpen);
    QCOMPARE(calls, 0);
}

QTEST_APPLESS_MAIN(tst_Conversion)
#include "tst_Conversion.moc"
