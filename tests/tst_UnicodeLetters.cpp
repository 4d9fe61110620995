#include "core/TextEncoding.h"
#include "core/UnicodeLetters.h"

#include <QtTest>

#include <span>

using namespace Numra;

class tst_UnicodeLetters : public QObject
{
    Q_OBJECT

private slots:
    void letters_data();
    void letters();
    void folding_data();
    void folding();
    void accentFolding_data();
    void accentFolding();
    void tablesInOrder();
    void accentFoldingLeavesNoAccent();
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

void tst_UnicodeLetters::accentFolding_data()
{
    QTest::addColumn<uint>("c");
    QTest::addColumn<QString>("folded");
    QTest::newRow("a stays") << uint('a') << "a";
    QTest::newRow("E acute: case folded too") << 0xC9u << "e";
    QTest::newRow("n tilde") << 0xF1u << "n";
    QTest::newRow("u umlaut") << 0xFCu << "u";
    QTest::newRow("Vietnamese e with two marks") << 0x1EC7u << "e";
    QTest::newRow("combining acute: nothing") << 0x301u << "";
    QTest::newRow("German sharp s: ss") << 0xDFu << "ss";
    QTest::newRow("Polish capital L with stroke") << 0x141u << "l";
    QTest::newRow("o with stroke") << 0xD8u << "o";
    QTest::newRow("ae ligature written apart") << 0xC6u << "ae";
    QTest::newRow("OE ligature written apart") << 0x152u << "oe";
    QTest::newRow("Greek iota with tonos") << 0x3AFu << "\u03b9";
    QTest::newRow("Greek capital omega with tonos") << 0x38Fu << "\u03c9";
    QTest::newRow("Greek iota with dialytika and tonos: folded, then bare") << 0x390u << "\u03b9";
    QTest::newRow("Cyrillic capital short i") << 0x419u << "\u0438";
    QTest::newRow("Cyrillic capital yo") << 0x401u << "\u0435";
    QTest::newRow("Turkish dotted capital I") << 0x130u << "i";
    QTest::newRow("Turkish dotless i stays a letter of its own") << 0x131u << "\u0131";
    QTest::newRow("Devanagari letter with nukta stays") << 0x929u << "\u0929";
    QTest::newRow("Devanagari vowel sign stays") << 0x93Fu << "\u093f";
}

void tst_UnicodeLetters::accentFolding()
{
    QFETCH(uint, c);
    QFETCH(QString, folded);
    std::string text;
    AppendAccentFolded(text, c);
    QCOMPARE(QString::fromStdString(text), folded);
    std::string caseFolded;
    AppendCaseFolded(caseFolded, c);
    QCOMPARE(QString::fromStdString(AccentFolded(caseFolded)), folded);
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
    for (std::size_t i = 1; i < AccentFoldCount; ++i)
        QVERIFY(AccentFolds[i - 1].from < AccentFolds[i].from);
}

// Folding once takes every accent off, so a key folded again stays as it is; and ASCII letters,
// the lookup's rule for ASCII, are never changed.
void tst_UnicodeLetters::accentFoldingLeavesNoAccent()
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || !IsUnicodeLetter(c))
            continue;
        std::string once;
        AppendAccentFolded(once, c);
        QCOMPARE(AccentFolded(once), once);
    }
    for (const UnicodeTables::AccentFold &fold :
         std::span(UnicodeTables::AccentFolds, UnicodeTables::AccentFoldCount))
        QVERIFY(fold.from >= 0x80);
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
