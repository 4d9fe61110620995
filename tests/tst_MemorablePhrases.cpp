#include "core/MemorablePhrases.h"
#include "core/RankingData.h"

#include <QtTest>

#include <fstream>

using namespace Numra;

namespace {

// "PAD n" stands for n lines that are no record.
std::string writeDictionary(const QTemporaryDir &dir, const QByteArray &lines)
{
    std::string bytes;
    for (const QByteArray &line : lines.split('\n'))
        bytes += line.startsWith("PAD ") ? std::string(line.mid(4).toInt(), '\n')
                                         : line.toStdString() + "\n";
    const std::string path = dir.filePath(QStringLiteral("d.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// A ranking file's lines, written with spaces for the tabs.
RankingData rankingOf(const QByteArray &lines)
{
    if (lines.isEmpty())
        return {};
    QByteArray text = lines;
    text.replace(' ', '\t');
    return RankingData::Parse("numra-rank 1\n" + text.toStdString());
}

// Each phrase's cost, text, vanity form, its words' lines and what Use makes of it.
QStringList described(const MemorablePhrases &phrases, const std::vector<MemorablePhrase> &found)
{
    QStringList lines;
    for (const MemorablePhrase &phrase : found) {
        QString line = QString::number(phrase.cost) + ' ' + QString::fromStdString(phrase.text) +
                       ' ' + QString::fromStdString(phrase.vanity);
        for (const PhraseItem &item : phrase.items)
            line += ' ' + QString::number(item.line);
        const PhraseForUse use = phrases.ForUse(phrase);
        line += ' ' + QString::fromStdString(use.numberText);
        for (const PhraseSlot &slot : use.phraseSlots)
            line += ' ' + QString::fromStdString(slot.word + "@" + std::to_string(slot.position));
        lines << line;
    }
    return lines;
}

} // namespace

class tst_MemorablePhrases : public QObject
{
    Q_OBJECT

private slots:
    void ranked_data();
    void ranked();
    void wanted_data();
    void wanted();
    void forUse_data();
    void forUse();
    void noPhraseText();
};

void tst_MemorablePhrases::ranked_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QByteArray>("ranking"); // empty: none
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QByteArray>("options"); // a: words in the area code, o: offensive words
    QTest::addColumn<QStringList>("best");   // the vanity forms, best first; empty: none
    QTest::addColumn<qint64>("cost");        // of the best, in thousandths; -1: not compared
    const auto row = [](const char *name, const char *dictionary, const char *ranking,
                        const char *number, const char *options, const QStringList &best,
                        qint64 cost = -1) {
        QTest::newRow(name) << QByteArray(dictionary) << QByteArray(ranking) << QByteArray(number)
                            << QByteArray(options) << best << cost;
    };
    const char *flowers = "3569377,FLOWERS,N\n3569,FLOW,N\n377,ERS,N\n1,1,N";
    const char *flowersRank = "W FLOWERS 15 -\nW FLOW 14 -\nW ERS 20 -\n";
    row("a word across a separator", flowers, flowersRank, "1-800-356-9377", "",
        {"1-800-FLOWERS", "1-800-FLOW-ERS", "1-800-FLOW-377"}, 15000);
    row("vanity form after (800) ", flowers, flowersRank, "(800) 356-9377", "", {"(800) FLOWERS"});
    row("vanity form of 11 digits alone", flowers, flowersRank, "18003569377", "",
        {"1-800-FLOWERS"});
    row("vanity form of 10 digits alone", flowers, flowersRank, "8003569377", "", {"800-FLOWERS"});
    row("vanity form after +49 30 ", "2255,CALL,N\n669,NOW,N", "W CALL 14 -\nW NOW 13 -\n",
        "+49 30 2255669", "", {"+49 30 CALL-NOW"}, 27000);
    const char *vets = "8387,VETS,N\n877,UPS,N\n222,CAB,N";
    const char *vetsRank = "W VETS 15 -\nW UPS 12 -\nW CAB 19 -\n";
    // The exchange kept whole (17) and VETS beat CAB VETS; with the area code open, the
    // area code and exchange would be one kept run of six (34) against UPS.
    row("a kept exchange beats a junk word", vets, vetsRank, "877-222-8387", "",
        {"877-222-VETS", "877-CAB-VETS"}, 30000);
    row("words in the area code", vets, vetsRank, "877-222-8387", "a",
        {"UPS-222-VETS", "UPS-CAB-VETS", "877222-VETS"}, 42000);
    row("a lone function word loses to a kept digit", "226237,CANCER,N\n4,I,N",
        "W CANCER 16 -\nW I 11 f\n", "1-800-422-6237", "", {"1-800-4-CANCER", "1-800-I-CANCER"},
        30000);
    row("a function word that pairs is not alone", "226237,CANCER,N\n4,I,N",
        "W CANCER 16 -\nW I 11 f\nP I CANCER 1\n", "1-800-422-6237", "",
        {"1-800-I-CANCER", "1-800-4-CANCER"}, 26000);
    row("a pair bonus", "468,HOT,N\n468,GOT,N\n5865,JUNK,N",
        "W GOT 14 -\nW HOT 13 -\nW JUNK 16 -\nP GOT JUNK 4\n", "18004685865", "",
        {"1-800-GOT-JUNK", "1-800-HOT-JUNK"}, 26000);
    row("no pair across kept digits", "2255,CALL,N\n669,NOW,N",
        "W CALL 14 -\nW NOW 13 -\nP CALL NOW 20\n", "22553669", "", {"CALL-3-NOW", "CALL-3669"},
        41000);
    row("digits at the end cost more than before the word", "2255,CALL,N", "W CALL 14 -\n",
        "22552255", "", {"CALL-CALL", "2255-CALL", "CALL-2255"}, 28000);
    row("an abbreviation's cost puts it behind kept digits", "2255,CALL,N\n88,TV,N",
        "W CALL 14 -\nW TV 23 -\n", "225588", "", {"CALL-88", "CALL-TV"}, 35000);
    row("a short word flagged x never stands", "2255,CALL,N\n22,BA,N\n22,AB,N",
        "W CALL 14 -\nW BA 11 x\nW AB 12 -\n", "225522", "", {"CALL-AB", "CALL-22"}, 26000);
    row("an offensive word left out", "3266,DAMN,N\n2255,CALL,N", "W DAMN 12 o\nW CALL 14 -\n",
        "32662255", "", {"3266-CALL"});
    row("an offensive word let in", "3266,DAMN,N\n2255,CALL,N", "W DAMN 12 o\nW CALL 14 -\n",
        "32662255", "o", {"DAMN-CALL", "3266-CALL", "DAMN-2255"});
    row("a word the file lacks costs 34", "2255,CALL,N\n669,NOW,N", "W NOW 13 -\n", "2255669", "",
        {"2255-NOW", "CALL-NOW"}, 39000);
    row("no phrase within 60 bits", "7029619,SAYWOXY,N\n702,RAY,N", "W SAYWOXY 61 -\nW RAY 35 -\n",
        "764-702-9619", "", {});
    row("no phrase without a content word", "2,A,N\n22,BA,N", "W A 9 f\nW BA 10 -\n", "2222", "",
        {});
    row("a vanity text listed once", "2255,CALL,N\n2255,Call,A\n669,NOW,N", "", "2255669", "",
        {"CALL-NOW", "CALL-669", "2255-NOW"});
    row("a covered digit stays", "2255,CALL,N\n669,NOW,N", "",
        "2255\x95"
        "669",
        "", {"CALL-\u2022-NOW"});
    row("without ranking data: by the dictionary's line",
        "2255,CALL,N\n669,NOW,N\nPAD 200000\n2255669,CALLNOW,N", "", "2255669", "",
        {"CALL-NOW", "CALLNOW"}, 24006);
    row("without ranking data: the layout's rules", flowers, "", "1-800-356-9377", "",
        {"1-800-FLOWERS"});
    row("refused ranking data count as none", "2255,CALL,N\n669,NOW,N", "W NOW 13 -\nW NOW 1 -\n",
        "2255669", "", {"CALL-NOW"}, 24006);
}

void tst_MemorablePhrases::ranked()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QByteArray, ranking);
    QFETCH(QByteArray, number);
    QFETCH(QByteArray, options);
    QFETCH(QStringList, best);
    QFETCH(qint64, cost);
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, dictionary));
    const RankingData data = rankingOf(ranking);
    const PhraseOptions chosen{options.contains('a'), options.contains('o')};
    const auto phrases = MemorablePhrases::Collect(file, number.toStdString(), &data, chosen);
    QCOMPARE(int(phrases.Error()), int(DictionaryError::None));
    const auto found = phrases.Best(best.size() + 5);
    QStringList vanity;
    for (const MemorablePhrase &phrase : found)
        vanity.append(QString::fromStdString(phrase.vanity));
    QCOMPARE(vanity.mid(0, best.size()), best);
    if (best.isEmpty())
        QVERIFY2(found.empty(), qPrintable(vanity.join('|')));
    if (cost >= 0)
        QCOMPARE(qint64(found.front().cost), cost);
    for (std::size_t i = 1; i < found.size(); ++i)
        QVERIFY(found[i - 1].cost <= found[i].cost && found[i].cost <= 60000);
    QCOMPARE(QSet<QString>(vanity.begin(), vanity.end()).size(), vanity.size());

    // The batch's index must rank exactly as the pass does, down to what Use puts in.
    const DictionaryIndex index = DictionaryIndex::Build(file);
    const auto indexed = PhraseRanker(index, &data, chosen).Collect(number.toStdString());
    QCOMPARE(described(indexed, indexed.Best(best.size() + 5)), described(phrases, found));
}

// A phrase that must hold one of some words: the best such phrase, or none.
void tst_MemorablePhrases::wanted_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("best");
    QTest::newRow("the best phrase that holds the word")
        << QByteArray("2255669") << QStringList{"BALL"} << QStringList{"BALL-NOW", "BALL-669"};
    QTest::newRow("either of two words")
        << QByteArray("2255669") << QStringList{"BALL", "NOW"}
        << QStringList{"CALL-NOW", "BALL-NOW", "2255-NOW", "BALL-669"};
    QTest::newRow("a number that cannot hold it")
        << QByteArray("2255669") << QStringList{"FLOWERS"} << QStringList{};
    QTest::newRow("not in the area code, where words never stand")
        << QByteArray("669-2255") << QStringList{"NOW"} << QStringList{};
    QTest::newRow("no word wanted: none found")
        << QByteArray("2255669") << QStringList{} << QStringList{};
}

void tst_MemorablePhrases::wanted()
{
    QFETCH(QByteArray, number);
    QFETCH(QStringList, words);
    QFETCH(QStringList, best);
    QTemporaryDir dir;
    DictionaryFile file(
        writeDictionary(dir, "2255,CALL,N\n2255,BALL,N\n669,NOW,N\n3569377,FLOWERS,N"));
    const DictionaryIndex index = DictionaryIndex::Build(file);
    const RankingData data = rankingOf("W CALL 14 -\nW BALL 16 -\nW NOW 13 -\nW FLOWERS 15 -\n");
    PhraseRanker ranker(index, &data, {});
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 0; id < index.WordCount(); ++id) {
        if (words.contains(QString::fromStdString(std::string(index.Word(id).word))))
            ids.push_back(id);
    }
    ranker.Want(ids);
    QStringList vanity;
    for (const MemorablePhrase &phrase : ranker.Collect(number.toStdString()).Best(10))
        vanity << QString::fromStdString(phrase.vanity);
    QCOMPARE(vanity, best);
}

void tst_MemorablePhrases::forUse_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QByteArray>("numberText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("placed"); // word=digits@position for each slot
    QTest::newRow("a word across a dash: the dash goes, the leading digits take their entries")
        << QByteArray("1-800-356-9377") << QByteArray() << QByteArray("1-800-3569377") << "FLOWERS"
        << "1=1@1 8=8@3 0=0@4 0=0@5 FLOWERS=3569377@7";
    QTest::newRow("a kept digit without an entry stays free")
        << QByteArray("1-800-422-6237") << QByteArray() << QByteArray("1-800-4226237") << "4 CANCER"
        << "1=1@1 8=8@3 0=0@4 0=0@5 CANCER=226237@8";
    QTest::newRow("words in the area code") << QByteArray("(356) 937-7000") << QByteArray("a")
                                            << QByteArray("(3569377000") << "FLOWERS 000"
                                            << "FLOWERS=3569377@2 0=0@9 0=0@10 0=0@11";
}

void tst_MemorablePhrases::forUse()
{
    QFETCH(QByteArray, number);
    QFETCH(QByteArray, options);
    QFETCH(QByteArray, numberText);
    QFETCH(QString, text);
    QFETCH(QString, placed);
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(
        dir, "3569377,FLOWERS,N\n226237,CANCER,N\n1,1,N\n8,8,N\n0,0,N\n4,I,N\n0,0 (zero),N"));
    const RankingData data = rankingOf("W FLOWERS 15 -\nW CANCER 16 -\nW I 20 f\n");
    const auto phrases = MemorablePhrases::Collect(file, number.toStdString(), &data,
                                                   {options.contains('a'), false});
    const auto best = phrases.Best(1);
    QCOMPARE(best.size(), 1U);
    QCOMPARE(QString::fromStdString(best[0].text), text);
    const PhraseForUse use = phrases.ForUse(best[0]);
    QCOMPARE(QByteArray::fromStdString(use.numberText), numberText);
    QStringList got;
    for (const PhraseSlot &slot : use.phraseSlots)
        got.append(QString::fromStdString(slot.word + "=" + slot.digits + "@" +
                                          std::to_string(slot.position)));
    QCOMPARE(got.join(' '), placed);
}

void tst_MemorablePhrases::noPhraseText()
{
    QCOMPARE(QString::fromStdString(NoMemorablePhraseText("764-702-9619")),
             QStringLiteral("No memorable phrase for 764-702-9619"));
    QCOMPARE(QString::fromStdString(NoMemorablePhraseText("\x95 12\x1A")),
             QString::fromUtf8("No memorable phrase for \u2022 12\uFFFD"));
}

QTEST_APPLESS_MAIN(tst_MemorablePhrases)
#include "tst_MemorablePhrases.moc"
