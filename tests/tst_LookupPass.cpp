#include "core/LookupPass.h"

#include <QtTest>

#include <fstream>

using namespace Numra;

namespace {

struct Found
{
    DictionaryError error;
    std::int64_t examined;
    QStringList numbers;
};

// Looks word up in a scratch file that holds dictionary.
Found lookupIn(const std::string &dictionary, const std::string &word)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("d.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << dictionary;
    DictionaryFile file(path);
    const auto outcome = RunLookup(file, word);
    Found found{outcome.error, outcome.examined, {}};
    for (const auto &n : outcome.numbers)
        found.numbers.append(QString::fromStdString(n));
    return found;
}

} // namespace

class tst_LookupPass : public QObject
{
    Q_OBJECT

private slots:
    void wordKey_data();
    void wordKey();
    void lookup_data();
    void lookup();
    void lookupBeyondAToZ_data();
    void lookupBeyondAToZ();
    void lookupByLineRule_data();
    void lookupByLineRule();
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
    QTest::newRow("Windows-1252 accent kept") << QByteArray("caf\xe9") << QByteArray("caf\xc3\xa9");
    QTest::newRow("Windows-1252 ligature folds")
        << QByteArray("C\x8cUR") << QByteArray("c\xc5\x93ur");
    QTest::newRow("UTF-8 accent kept") << QByteArray("Caf\xc3\x89") << QByteArray("caf\xc3\xa9");
    QTest::newRow("German sharp s folds to ss") << QByteArray("Stra\xc3\x9f"
                                                              "e")
                                                << QByteArray("strasse");
    QTest::newRow("Greek final sigma folds to sigma")
        << QByteArray("\xce\x9b\xcf\x8c\xce\xb3\xce\xbf\xcf\x82")
        << QByteArray("\xce\xbb\xcf\x8c\xce\xb3\xce\xbf\xcf\x83");
    QTest::newRow("UTF-8 punctuation and digits dropped")
        << QByteArray("\xc2\xab"
                      "1 \xd0\x96\xe2\x80\x94\xc2\xbb")
        << QByteArray("\xd0\xb6");
    QTest::newRow("UTF-8 parenthesised part removed")
        << QByteArray("\xd0\x94\xd0\xb0 (\xd0\xbd\xd0\xb5\xd1\x82)")
        << QByteArray("\xd0\xb4\xd0\xb0");
    QTest::newRow("cut inside a UTF-8 letter: the letter goes")
        << QByteArray("\xd0\x96").repeated(128) << QByteArray("\xd0\xb6").repeated(127);
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
    const Found found = lookupIn("2255,CALL,N\n2255,call,A\n7323,READ,N\n"
                                 "0,0,N\n73230,Re-ad,N\n9255,WALK (v.),N\n669,NOW,N",
                                 word.toStdString());
    QCOMPARE(found.error, DictionaryError::None);
    QCOMPARE(found.examined, 7);
    QCOMPARE(found.numbers, numbers);
}

// Words of other alphabets are found by their own letters, in either case, also where accents
// are missing on either side; the words written as typed come first.
void tst_LookupPass::lookupBeyondAToZ_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("German, lower case") << "m\u00fcller" << QStringList{"1"};
    QTest::newRow("German, capitals") << "M\u00dcLLER" << QStringList{"1"};
    QTest::newRow("German, not without the umlaut's letter") << "Mller" << QStringList{};
    QTest::newRow("German, without the umlaut") << "MULLER" << QStringList{"1"};
    QTest::newRow("German, ss finds sharp s") << "STRASSE" << QStringList{"2"};
    QTest::newRow("French, capitals: the accented word first")
        << "\u00c9T\u00c9" << QStringList{"3", "5"};
    QTest::newRow("French, ligature") << "C\u0152UR" << QStringList{"4"};
    QTest::newRow("French, unaccented: the unaccented word first")
        << "ete" << QStringList{"5", "3"};
    QTest::newRow("French, a combining accent: both in dictionary order")
        << "e\u0301te\u0301" << QStringList{"3", "5"};
    QTest::newRow("French, ligature written apart") << "COEUR" << QStringList{"4"};
    QTest::newRow("Polish, capitals") << "\u0141\u00d3D\u0179" << QStringList{"6"};
    QTest::newRow("Polish, lower case") << "\u017c\u00f3\u0142w" << QStringList{"7"};
    QTest::newRow("Polish, without accents and stroke") << "lodz" << QStringList{"6"};
    QTest::newRow("Russian, capitals")
        << "\u0417\u0412\u041e\u041d\u041e\u041a" << QStringList{"8"};
    QTest::newRow("Ukrainian, capitals with yi") << "\u0407\u0416\u0410" << QStringList{"9"};
    QTest::newRow("Russian, hyphen and digit ignored")
        << "\u0437\u0432\u043e-\u043d\u043e\u043a 7" << QStringList{"8"};
    QTest::newRow("Greek, capitals find the final sigma")
        << "\u039b\u038c\u0393\u039f\u03a3" << QStringList{"10"};
    QTest::newRow("Greek, without the tonos")
        << "\u03bb\u03bf\u03b3\u03bf\u03c2" << QStringList{"10"};
    QTest::newRow("Greek, capitals without the tonos")
        << "\u03a4\u0391\u039e\u0399" << QStringList{"13"};
    QTest::newRow("Spanish, without the tilde") << "nino" << QStringList{"14"};
    QTest::newRow("Russian, without the breve: not the Latin look-alike")
        << "\u0438\u043e\u0434" << QStringList{"15"};
    QTest::newRow("Cyrillic look-alike of a Latin word") << "\u0441\u0430\u0441" // cac
                                                         << QStringList{};
    QTest::newRow("Greek word finds no digit line") << "\u03b1\u03b2" << QStringList{};
    QTest::newRow("ASCII letterless text still finds letterless words")
        << "42" << QStringList{"0", "12"};
}

void tst_LookupPass::lookupBeyondAToZ()
{
    QFETCH(QString, word);
    QFETCH(QStringList, numbers);
    const QString lines =
        "0,0,N\n1,M\u00fcller,N\n2,Stra\u00dfe,N\n3,\u00e9t\u00e9,N\n"
        "4,c\u0153ur,N\n5,ete,N\n6,\u0142\u00f3d\u017a,N\n"
        "7,\u017b\u00f3\u0142w (bird),N\n8,\u0437\u0432\u043e\u043d\u043e\u043a,N\n"
        "9,\u0457\u0436\u0430,N\n10,\u03bb\u03cc\u03b3\u03bf\u03c2,N\n"
        "11,cac,N\n12,123,N\n13,\u03c4\u03b1\u03be\u03af,N\n14,ni\u00f1o,N\n"
        "15,\u0439\u043e\u0434,N\n16,iod,N\n";
    const Found found = lookupIn(lines.toStdString(), word.toStdString());
    QCOMPARE(found.error, DictionaryError::None);
    QCOMPARE(found.numbers, numbers);
}

// Each line is read by its own rule: UTF-8 when it is, Windows-1252 when not, and the typed
// word is compared with the word as that rule reads it.
void tst_LookupPass::lookupByLineRule_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("Windows-1252 word found by its accent")
        << QByteArray("2233,caf\xe9,N\n2233,cafe,N\n") << "caf\u00e9" << QStringList{"2233"};
    QTest::newRow("Windows-1252 capitals with a note found by their accent")
        << QByteArray("2233,CAF\xc9 (drink),N\n") << "caf\u00e9" << QStringList{"2233"};
    QTest::newRow("Windows-1252 word found without its accent, after the unaccented")
        << QByteArray("1,CAF\xc9,N\n2,cafe (drink),N\n1,cafe,N\n") << "cafe"
        << QStringList{"2", "1"};
    QTest::newRow("Windows-1252 number handed on in UTF-8") << QByteArray("22\x96"
                                                                          "33,caf\xe9,N\n")
                                                            << "CAFE" << QStringList{"22\u201333"};
    QTest::newRow("Windows-1252 line whose word alone would be UTF-8")
        << QByteArray("2,\xc3\xa9,N \xe9\n") << "\u00e9" << QStringList{};
}

void tst_LookupPass::lookupByLineRule()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QString, word);
    QFETCH(QStringList, numbers);
    const Found found = lookupIn(dictionary.toStdString(), word.toStdString());
    QCOMPARE(found.error, DictionaryError::None);
    QCOMPARE(found.numbers, numbers);
}

QTEST_APPLESS_MAIN(tst_LookupPass)
#include "tst_LookupPass.moc"
