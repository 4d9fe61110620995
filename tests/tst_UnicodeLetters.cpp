#include "TextEncoding.h"
#include "UnicodeLetters.h"

#include <QtTest>

using namespace Numra;

class tst_UnicodeLetters : public QObject
{
    Q_OBJECT

private slots:
    void letters_data();
    void letters();
    void folding_data();
    void folding();
    void tablesInOrder();
    void foldingAgreesWithQt();
};

void tst_UnicodeLetters::letters_data()
{
    QTest::addColumn<uint>("c");
    QTest::addColumn<bool>("letter");
    QTest::newRow("a") << uint('a') << true;
    QTest::newRow("Z") << uint('Z') << true;
    QTest::newRow("digit") << uint('7') << false;
    QTest::newRow("apostrophe") << uint('\'') << false;
    QTest::newRow("German sharp s") << 0xDFu << true;
    QTest::newRow("multiplication sign amid Latin-1 letters") << 0xD7u << false;
    QTest::newRow("Greek final sigma") << 0x3C2u << true;
    QTest::newRow("Cyrillic Ukrainian ie") << 0x454u << true;
    QTest::newRow("combining acute accent") << 0x301u << true;
    QTest::newRow("Arabic-Indic digit") << 0x663u << false;
    QTest::newRow("right single quotation mark") << 0x2019u << false;
    QTest::newRow("CJK ideograph") << 0x4E2Du << true;
    QTest::newRow("emoji") << 0x1F600u << false;
    QTest::newRow("last code point") << 0x10FFFFu << false;
}

void tst_UnicodeLetters::letters()
{
    QFETCH(uint, c);
    QFETCH(bool, letter);
    QCOMPARE(IsUnicodeLetter(c), letter);
}

void tst_UnicodeLetters::folding_data()
{
    QTest::addColumn<uint>("c");
    QTest::addColumn<QString>("folded");
    QTest::newRow("A") << uint('A') << "a";
    QTest::newRow("a stays") << uint('a') << "a";
    QTest::newRow("German umlaut") << 0xC4u << "\u00e4";
    QTest::newRow("German sharp s: ss") << 0xDFu << "ss";
    QTest::newRow("capital sharp s: ss") << 0x1E9Eu << "ss";
    QTest::newRow("Polish L with stroke, odd of a pair") << 0x141u << "\u0142";
    QTest::newRow("Polish l with stroke stays") << 0x142u << "\u0142";
    QTest::newRow("French OE ligature") << 0x152u << "\u0153";
    QTest::newRow("Greek final sigma") << 0x3C2u << "\u03c3";
    QTest::newRow("Greek capital sigma") << 0x3A3u << "\u03c3";
    QTest::newRow("Greek tonos letter") << 0x386u << "\u03ac";
    QTest::newRow("Cyrillic capital ze") << 0x417u << "\u0437";
    QTest::newRow("Ukrainian capital yi") << 0x407u << "\u0457";
    QTest::newRow("Kelvin sign") << 0x212Au << "k";
    QTest::newRow("Turkish dotted capital I: i and a dot") << 0x130u << "i\u0307";
    QTest::newRow("Deseret, outside the BMP") << 0x10400u << QString::fromUcs4(U"\U00010428");
}

void tst_UnicodeLetters::folding()
{
    QFETCH(uint, c);
    QFETCH(QString, folded);
    std::string text;
    AppendCaseFolded(text, c);
    QCOMPARE(QString::fromStdString(text), folded);
}

void tst_UnicodeLetters::tablesInOrder()
{
    using namespace UnicodeTables;
    for (std::size_t i = 0; i < LetterCount; ++i) {
        QVERIFY(Letters[i].first <= Letters[i].last);
        if (i > 0)
            QVERIFY(Letters[i - 1].last + 1 < Letters[i].first);
    }
    for (std::size_t i = 0; i < FoldRunCount; ++i) {
        QVERIFY(FoldRuns[i].first <= FoldRuns[i].last && FoldRuns[i].stride > 0);
        if (i > 0)
            QVERIFY(FoldRuns[i - 1].last < FoldRuns[i].first);
    }
    for (std::size_t i = 1; i < FoldExpansionCount; ++i)
        QVERIFY(FoldExpansions[i - 1].from < FoldExpansions[i].from);
}

// Qt's tables come from another source; where Qt folds one code point to one, both agree.
void tst_UnicodeLetters::foldingAgreesWithQt()
{
    int compared = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || !IsUnicodeLetter(c))
            continue;
        const QString single = QString::fromUcs4(&c, 1);
        const QString qt = single.toCaseFolded();
        std::string ours;
        AppendCaseFolded(ours, c);
        if (QString::fromStdString(ours).size() != single.size())
            continue; // a full folding that Qt's simple one does not make
        QCOMPARE(QString::fromStdString(ours), qt);
        ++compared;
    }
    QVERIFY(compared > 1000);
}

QTEST_APPLESS_MAIN(tst_UnicodeLetters)
#include "tst_UnicodeLetters.moc"
