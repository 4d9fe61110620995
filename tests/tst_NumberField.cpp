#include "toolkit/NumberField.h"

#include "core/Phrase.h"

#include <QLineEdit>
#include <QTest>

class tst_NumberField : public QObject
{
    Q_OBJECT

private slots:
    void phraseFollowsSeparatorsTakenOut_data();
    void phraseFollowsSeparatorsTakenOut();
};

void tst_NumberField::phraseFollowsSeparatorsTakenOut_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("digits"); // of a word already in the phrase
    QTest::addColumn<int>("position");   // its place in before
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("moved"); // its place in after
    QTest::addColumn<QString>("covered");

    const QString mark(QChar(0x2022));
    QTest::newRow("nothing taken out")
        << "555-1234"
        << "1234" << 5 << "555-1234" << 5 << "555-" + mark.repeated(4);
    QTest::newRow("the dash before the word")
        << "1-800-356-9377"
        << "9377" << 11 << "1-800-3569377" << 10 << "1-800-356" + mark.repeated(4);
    QTest::newRow("parenthesis and space")
        << "(800) 356-9377"
        << "9377" << 11 << "800356-9377" << 8 << "800356-" + mark.repeated(4);
    QTest::newRow("the dash after the word") << "22-55"
                                             << "22" << 1 << "2255" << 1 << mark.repeated(2) + "55";
}

void tst_NumberField::phraseFollowsSeparatorsTakenOut()
{
    QFETCH(QString, before);
    QFETCH(QString, digits);
    QFETCH(int, position);
    QFETCH(QString, after);
    QFETCH(int, moved);
    QFETCH(QString, covered);

    QLineEdit edit(before);
    NumberField field(&edit);
    field.startPhrase();
    Numra::Phrase phrase;
    phrase.MarkUncleared();
    phrase.Clear();
    phrase.Choose("WORD", digits.toStdString(), position);
    phrase.Rearrange();
    field.movePhrase(phrase, before, after);

    QCOMPARE(phrase.Slot(1).position, moved);
    QCOMPARE(field.phraseNumberLength(), after.size());
    QCOMPARE(field.coveredText(phrase), covered);
}

QTEST_MAIN(tst_NumberField)
#include "tst_NumberField.moc"
