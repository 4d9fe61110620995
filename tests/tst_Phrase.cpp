#include "core/AffixTable.h"
#include "core/Phrase.h"

#include <QtTest>

using namespace Numra;

namespace {

// Slots as "word@position" in slot order, up to the first empty one.
QStringList words(const Phrase &phrase)
{
    QStringList list;
    for (int slot = 1; slot <= SlotCount && !phrase.Slot(slot).word.empty(); ++slot)
        list += QString::fromStdString(phrase.Slot(slot).word) + '@' +
                QString::number(phrase.Slot(slot).position);
    return list;
}

Phrase cleared()
{
    Phrase phrase;
    phrase.MarkUncleared();
    phrase.Clear();
    return phrase;
}

} // namespace

class tst_Phrase : public QObject
{
    Q_OBJECT

private slots:
    void clearing();
    void coverPosition_data();
    void coverPosition();
    void rearrangeKeepsNumberOrder_data();
    void rearrangeKeepsNumberOrder();
    void giveBackClosesTheGap();
    void shownSlots_data();
    void shownSlots();
    void text_data();
    void text();
    void coveredPositions_data();
    void coveredPositions();
    void wordsFree_data();
    void wordsFree();
    void matchingAffixes_data();
    void matchingAffixes();
    void joinAffix_data();
    void joinAffix();
};

void tst_Phrase::clearing()
{
    Phrase phrase;
    QVERIFY(!phrase.Clear()); // an empty first slot: already clear, nothing done
    QCOMPARE(phrase.Slot(SlotCount).position, 0);
    phrase.MarkUncleared();
    QVERIFY(phrase.Clear());
    for (int slot = 1; slot <= SlotCount; ++slot)
        QCOMPARE(phrase.Slot(slot).position, EmptySlot);
}

void tst_Phrase::coverPosition_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<bool>("fromRight");
    QTest::addColumn<int>("position");
    QTest::newRow("first of two") << QByteArray("22") << QByteArray("22-22") << false << 1;
    QTest::newRow("last of two from the right")
        << QByteArray("22") << QByteArray("22-22") << true << 4;
    QTest::newRow("not across a mark") << QByteArray("22")
                                       << QByteArray("2\x95"
                                                     "2")
                                       << false << 0;
    QTest::newRow("absent") << QByteArray("9") << QByteArray("2255") << false << 0;
}

void tst_Phrase::coverPosition()
{
    QFETCH(QByteArray, digits);
    QFETCH(QByteArray, number);
    QFETCH(bool, fromRight);
    QFETCH(int, position);
    QCOMPARE(Phrase::CoverPosition(digits.toStdString(), number.toStdString(), fromRight),
             position);
}

void tst_Phrase::rearrangeKeepsNumberOrder_data()
{
    QTest::addColumn<QList<int>>("positions"); // in the order the words are chosen
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("chosen right to left") << QList<int>{5, 1} << QStringList{"w2@1", "w1@5"};
    QTest::newRow("chosen in order") << QList<int>{1, 5} << QStringList{"w1@1", "w2@5"};
    QTest::newRow("scattered") << QList<int>{7, 2, 4} << QStringList{"w2@2", "w3@4", "w1@7"};
}

void tst_Phrase::rearrangeKeepsNumberOrder()
{
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, expected);
    Phrase phrase = cleared();
    for (qsizetype i = 0; i < positions.size(); ++i) {
        phrase.Choose("w" + std::to_string(i + 1), "2", positions[i]);
        phrase.Rearrange();
    }
    QCOMPARE(words(phrase), expected);
    QCOMPARE(phrase.Slot(int(positions.size()) + 1).position, EmptySlot);
}

void tst_Phrase::giveBackClosesTheGap()
{
    Phrase phrase = cleared();
    for (int position : {1, 5, 9}) {
        phrase.Choose("w" + std::to_string(position), "22", position);
        phrase.Rearrange();
    }
    const PhraseSlot given = phrase.GiveBack(2);
    QCOMPARE(given.word, std::string("w5"));
    QCOMPARE(given.digits, std::string("22"));
    QCOMPARE(given.position, 5);
    phrase.Rearrange();
    QCOMPARE(words(phrase), (QStringList{"w1@1", "w9@9"}));
    // An empty slot gives back nothing.
    QCOMPARE(phrase.GiveBack(50).digits, std::string());
}

void tst_Phrase::shownSlots_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("shown");
    QTest::newRow("none") << 0 << 25;
    QTest::newRow("25 words") << 25 << 25;
    QTest::newRow("30 words") << 30 << 30;
    QTest::newRow("every slot, the hundredth shown") << 100 << 100;
}

void tst_Phrase::shownSlots()
{
    QFETCH(int, filled);
    QFETCH(int, shown);
    Phrase phrase = cleared();
    for (int slot = 1; slot <= filled; ++slot)
        phrase.Put(slot, "A", "2", slot);
    QCOMPARE(phrase.ShownSlots(), shown);
}

void tst_Phrase::text_data()
{
    QTest::addColumn<QStringList>("slotWords");
    QTest::addColumn<QString>("text");
    QTest::newRow("two words") << QStringList{"CALL", "NOW"} << "CALL NOW";
    QTest::newRow("word ending in a blank is trimmed")
        << QStringList{"CALL ", " NOW"} << "CALL NOW";
    QTest::newRow("empty and blank slots add nothing")
        << QStringList{"CALL", "", "  ", "NOW"} << "CALL NOW";
    QTest::newRow("start-up's two spaces") << QStringList{"  "} << "";
}

void tst_Phrase::text()
{
    QFETCH(QStringList, slotWords);
    QFETCH(QString, text);
    Phrase phrase;
    for (qsizetype i = 0; i < slotWords.size(); ++i)
        phrase.Put(int(i) + 1, slotWords[i].toStdString(), "2", int(i) + 1);
    QCOMPARE(QString::fromStdString(phrase.Text()), text);
}

void tst_Phrase::coveredPositions_data()
{
    QTest::addColumn<QStringList>("chosen"); // "word:digits@position", one a slot
    QTest::addColumn<QString>("covered");    // '*' where the field shows a used digit
    // Over 1-800-3569377, as the field holds it once a word has crossed its last dash.
    QTest::newRow("no words") << QStringList{} << ".............";
    QTest::newRow("one word") << QStringList{"FLOWERS:3569377@7"} << "......*******";
    QTest::newRow("two words, the gap free")
        << QStringList{"TOO:800@3", "LOW:569@8"} << "..***..***...";
    QTest::newRow("start-up's two spaces cover nothing") << QStringList{"  :@0"} << ".............";
    QTest::newRow("a word running past the end is cut there")
        << QStringList{"SPEW:7739@12"} << "...........**";
}

void tst_Phrase::coveredPositions()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, covered);
    Phrase phrase = cleared();
    int slot = 1;
    for (const QString &each : chosen) {
        const QStringList parts = each.split(QRegularExpression(QStringLiteral("[:@]")));
        phrase.Put(slot++, parts[0].toStdString(), parts[1].toStdString(), parts[2].toInt());
    }
    QString shown;
    for (bool used : phrase.CoveredPositions(std::size_t(covered.size())))
        shown += used ? u'*' : u'.';
    QCOMPARE(shown, covered);
}

void tst_Phrase::wordsFree_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QStringList>("chosen"); // "digits@position"
    QTest::addColumn<bool>("free");
    QTest::newRow("two words side by side")
        << QByteArray("2255669") << QStringList{"2255@1", "669@5"} << true;
    QTest::newRow("a digit already covered")
        << QByteArray("2255\x95\x95\x95") << QStringList{"669@5"} << false;
    QTest::newRow("two words over one digit")
        << QByteArray("2255669") << QStringList{"2255@1", "5669@4"} << false;
    QTest::newRow("digits that are not there")
        << QByteArray("2255669") << QStringList{"669@4"} << false;
    QTest::newRow("a word past the end") << QByteArray("2255") << QStringList{"669@9"} << false;
    QTest::newRow("no word at all") << QByteArray("2255") << QStringList{} << false;
}

void tst_Phrase::wordsFree()
{
    QFETCH(QByteArray, number);
    QFETCH(QStringList, chosen);
    QFETCH(bool, free);
    std::vector<PhraseSlot> words;
    for (const QString &each : chosen) {
        const QStringList parts = each.split(u'@');
        words.push_back({"W", parts[0].toStdString(), parts[1].toInt()});
    }
    QCOMPARE(WordsFree(number.toStdString(), words), free);
}

void tst_Phrase::matchingAffixes_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("listed");
    // The table: -ING 464 (suffix), RE- 73 (prefix), - 1 (both).
    QTest::newRow("suffix right after the word")
        << QByteArray("2255464") << 1 << 4 << QStringList{"-ING"};
    QTest::newRow("prefix right before the word")
        << QByteArray("732255") << 3 << 4 << QStringList{"RE-"};
    QTest::newRow("prefix digits earlier, not touching")
        << QByteArray("7392255") << 4 << 4 << QStringList{};
    QTest::newRow("suffix digits later, not touching")
        << QByteArray("22559464") << 1 << 4 << QStringList{};
    QTest::newRow("lone hyphen, on both sides")
        << QByteArray("122551") << 2 << 4 << QStringList{"-", "-"};
    QTest::newRow("covered digits do not count")
        << QByteArray("2255\x95\x95\x95") << 1 << 4 << QStringList{};
}

void tst_Phrase::matchingAffixes()
{
    QFETCH(QByteArray, number);
    QFETCH(int, position);
    QFETCH(int, length);
    QFETCH(QStringList, listed);
    const AffixTable table = {{SuffixKind, "-ING", "464"},
                              {PrefixKind, "RE-", "73"},
                              {SuffixKind, "-", "1"},
                              {PrefixKind, "-", "1"}};
    QStringList found;
    for (const AffixEntry &entry :
         MatchingAffixes(table, number.toStdString(), position, std::size_t(length)))
        found += QString::fromStdString(entry.Affix);
    QCOMPARE(found, listed);
}

void tst_Phrase::joinAffix_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("position");
    QTest::newRow("suffix") << int(SuffixKind) << "CALL-ING"
                            << "2255464" << 3;
    QTest::newRow("prefix moves the start left") << int(PrefixKind) << "RE-CALL"
                                                 << "732255" << 1;
}

void tst_Phrase::joinAffix()
{
    QFETCH(int, kind);
    QFETCH(QString, word);
    QFETCH(QString, digits);
    QFETCH(int, position);
    const AffixEntry affix = kind == SuffixKind ? AffixEntry{SuffixKind, "-ING", "464"}
                                                : AffixEntry{PrefixKind, "RE-", "73"};
    const AffixCombination joined = JoinAffix(affix, "CALL", "2255 ", 3);
    QCOMPARE(QString::fromStdString(joined.word), word);
    QCOMPARE(QString::fromStdString(joined.digits), digits);
    QCOMPARE(joined.position, position);
}

QTEST_APPLESS_MAIN(tst_Phrase)
#include "tst_Phrase.moc"
