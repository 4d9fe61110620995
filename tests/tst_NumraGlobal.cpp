#include "core/NumraGlobal.h"

#include <QtTest>

using namespace Numra;

class tst_NumraGlobal : public QObject
{
    Q_OBJECT

private slots:
    void digitPositions_data();
    void digitPositions();
    void lastPos_data();
    void lastPos();
    void removeParenthesized_data();
    void removeParenthesized();
    void keepLetters_data();
    void keepLetters();
    void splitRecord_data();
    void splitRecord();
    void splitRecordCutsFields();
    void trim_data();
    void trim();
    void stateStartsAsDescribed();
};

void tst_NumraGlobal::digitPositions_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("empty") << QByteArray() << 0 << 0;
    QTest::newRow("no digits") << QByteArray("abc-()") << 0 << 0;
    QTest::newRow("(555) 123") << QByteArray("(555) 123") << 2 << 9;
    QTest::newRow("marks do not count") << QByteArray("\x95\x95"
                                                      "7\x95")
                                        << 3 << 3;
    QTest::newRow("single digit") << QByteArray("0") << 1 << 1;
}

void tst_NumraGlobal::digitPositions()
{
    QFETCH(QByteArray, text);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(FirstDigitPos(text.toStdString()), first);
    QCOMPARE(LastDigitPos(text.toStdString()), last);
}

void tst_NumraGlobal::lastPos_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("empty pattern") << QByteArray() << QByteArray("abc") << 0 << 0;
    QTest::newRow("pattern longer than text") << QByteArray("abcd") << QByteArray("abc") << 0 << 0;
    QTest::newRow("ab in abcab") << QByteArray("ab") << QByteArray("abcab") << 1 << 4;
    QTest::newRow("overlapping aa in aaa") << QByteArray("aa") << QByteArray("aaa") << 1 << 2;
    QTest::newRow("absent") << QByteArray("x") << QByteArray("abc") << 0 << 0;
    QTest::newRow("whole text") << QByteArray("2552") << QByteArray("2552") << 1 << 1;
}

void tst_NumraGlobal::lastPos()
{
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, text);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(FirstPos(pattern.toStdString(), text.toStdString()), first);
    QCOMPARE(LastPos(pattern.toStdString(), text.toStdString()), last);
}

void tst_NumraGlobal::removeParenthesized_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("one group") << QByteArray("ab(cd)ef") << QByteArray("abef");
    QTest::newRow("nested groups") << QByteArray("a(b(c)d)e") << QByteArray("ae");
    QTest::newRow("two groups stay") << QByteArray("a(b)c(d)e") << QByteArray("a(b)c(d)e");
    QTest::newRow("reversed brackets stay") << QByteArray("x)y(z") << QByteArray("x)y(z");
    QTest::newRow("unclosed outer") << QByteArray("a(b(c)") << QByteArray("a(b");
    QTest::newRow("whole text") << QByteArray("(x)") << QByteArray();
    QTest::newRow("spaces around stay") << QByteArray("cat (a,b) x") << QByteArray("cat  x");
}

void tst_NumraGlobal::removeParenthesized()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, output);
    QCOMPARE(QByteArray::fromStdString(RemoveParenthesized(source.toStdString())), output);
}

void tst_NumraGlobal::keepLetters_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("Won't-Go") << QByteArray("Won't-Go") << QByteArray("onto");
    QTest::newRow("digits and spaces") << QByteArray("a1 b2") << QByteArray("ab");
    QTest::newRow("accented bytes") << QByteArray("caf\xe9") << QByteArray("caf");
    QTest::newRow("cut at 255") << QByteArray(300, 'x') << QByteArray(255, 'x');
}

void tst_NumraGlobal::keepLetters()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, output);
    QCOMPARE(QByteArray::fromStdString(KeepLetters(source.toStdString())), output);
}

void tst_NumraGlobal::splitRecord_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("isRecord");
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("cls");
    QTest::newRow("plain") << QByteArray("228,cat,A") << true << QByteArray("228")
                           << QByteArray("cat") << QByteArray("A");
    QTest::newRow("text after the class")
        << QByteArray("228,cat,Alpha,extra") << true << QByteArray("228") << QByteArray("cat")
        << QByteArray("A");
    QTest::newRow("nothing after second comma")
        << QByteArray("228,cat,") << false << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("empty word") << QByteArray("228,,A") << false << QByteArray() << QByteArray()
                                << QByteArray();
    QTest::newRow("empty number") << QByteArray(",cat,A") << false << QByteArray() << QByteArray()
                                  << QByteArray();
    QTest::newRow("no comma") << QByteArray("228cat") << false << QByteArray() << QByteArray()
                              << QByteArray();
    QTest::newRow("no second comma")
        << QByteArray("228,cat") << false << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("empty line") << QByteArray() << false << QByteArray() << QByteArray()
                                << QByteArray();
    QTest::newRow("comma in one group ignored")
        << QByteArray("228,cat (a,b),A") << true << QByteArray("228") << QByteArray("cat ")
        << QByteArray("A");
    QTest::newRow("two groups kept") << QByteArray("228,cat (a) (b),A") << true << QByteArray("228")
                                     << QByteArray("cat (a) (b)") << QByteArray("A");
    QTest::newRow("comma in two groups counts")
        << QByteArray("228,cat (a,b) (c),A") << true << QByteArray("228") << QByteArray("cat (a")
        << QByteArray("b");
    QTest::newRow("spaces are kept") << QByteArray("228 , cat ,N") << true << QByteArray("228 ")
                                     << QByteArray(" cat ") << QByteArray("N");
    QTest::newRow("class is a space") << QByteArray("228,cat, ") << true << QByteArray("228")
                                      << QByteArray("cat") << QByteArray(" ");
    QTest::newRow("group swallows the fields")
        << QByteArray("(228,cat,A)") << false << QByteArray() << QByteArray() << QByteArray();
}

void tst_NumraGlobal::splitRecord()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, isRecord);
    QFETCH(QByteArray, number);
    QFETCH(QByteArray, word);
    QFETCH(QByteArray, cls);
    Record record;
    QCOMPARE(SplitRecord(line.toStdString(), record), isRecord);
    if (isRecord) {
        QCOMPARE(QByteArray::fromStdString(record.number), number);
        QCOMPARE(QByteArray::fromStdString(record.word), word);
        QCOMPARE(QByteArray::fromStdString(record.cls), cls);
    }
}

void tst_NumraGlobal::splitRecordCutsFields()
{
    std::string number, word, cls;
    QVERIFY(SplitRecord("12345,abcdef,N", number, word, cls, 3));
    QCOMPARE(number, std::string("123"));
    QCOMPARE(word, std::string("abc"));
    QCOMPARE(cls, std::string("N"));
}

void tst_NumraGlobal::trim_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("trimmed");
    QTest::newRow("two spaces") << QByteArray("  ") << QByteArray();
    QTest::newRow("controls and spaces") << QByteArray("\t CALL \r\n") << QByteArray("CALL");
    QTest::newRow("mark is not blank") << QByteArray(" \x95 ") << QByteArray("\x95");
    QTest::newRow("inner spaces stay") << QByteArray(" a b ") << QByteArray("a b");
}

void tst_NumraGlobal::trim()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, trimmed);
    QCOMPARE(QByteArray::fromStdString(std::string(Trim(text.toStdString()))), trimmed);
}

void tst_NumraGlobal::stateStartsAsDescribed()
{
    NumraState state;
    QVERIFY(state.SelectedWord.empty());
    for (int i = 1; i <= SlotCount; ++i)
        QCOMPARE(state.SelectedPhrase.Slot(i).position, 0);
}

QTEST_APPLESS_MAIN(tst_NumraGlobal)
#include "tst_NumraGlobal.moc"
