#include "core/NumberLayout.h"

#include <QtTest>

using namespace Numra;

class tst_NumberLayout : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
};

void tst_NumberLayout::layout_data()
{
    QTest::addColumn<QByteArray>("number"); // as the number field holds it: \x95 a covered digit
    QTest::addColumn<int>("leadingFree");
    QTest::addColumn<int>("exchange");
    QTest::addColumn<QString>("leadingText");
    QTest::addColumn<QByteArray>("freeDigits");
    const auto row = [](const char *name, const char *number, int leadingFree, int exchange,
                        const QString &leadingText, const char *freeDigits) {
        QTest::newRow(name) << QByteArray(number) << leadingFree << exchange << leadingText
                            << QByteArray(freeDigits);
    };
    row("NANP with 1 and dashes", "1-800-356-9377", 4, 4, "1-800-", "18003569377");
    row("NANP in parentheses", "(800) 356-9377", 3, 3, "(800) ", "8003569377");
    row("NANP, 11 digits alone: grouped", "18003569377", 4, 4, "1-800-", "18003569377");
    row("NANP, 10 digits alone: grouped", "8003569377", 3, 3, "800-", "8003569377");
    row("+1 is NANP", "+1 800 356 9377", 4, 4, "+1 800 ", "18003569377");
    row("another country: three groups keep two", "+49 30 1234567", 4, -1, "+49 30 ",
        "49301234567");
    row("another country of ten digits", "+49 30 123456", 4, -1, "+49 30 ", "4930123456");
    row("four groups keep all but the last two", "+44 20 7946 0958", 4, -1, "+44 20 ",
        "442079460958");
    row("two groups keep the first", "225 5669", 3, -1, "225 ", "2255669");
    row("three groups without a country code keep the first", "0800 123 4567", 4, -1, "0800 ",
        "08001234567");
    row("a short number's prefix", "13 22 27", 2, -1, "13 ", "132227");
    row("ten digits whose area code would start with 1", "1300 354 448", 4, -1, "1300 ",
        "1300354448");
    row("ten digits whose area code would start with 0", "02 9876 5432", 2, -1, "02 ",
        "0298765432");
    row("one group keeps nothing", "2255669", 0, -1, "", "2255669");
    row("a covered digit breaks the runs and the exchange",
        "1-800-\x95"
        "56-9377",
        4, -1, "1-800-",
        "1800\x95"
        "569377");
    row("a covered digit in the leading part", "\x95-800-356-9377", 3, -1,
        QString::fromUtf8("\u2022-800-"), "8003569377");
    row("nothing but separators", "-()-", 0, -1, "", "");
}

void tst_NumberLayout::layout()
{
    QFETCH(QByteArray, number);
    QFETCH(int, leadingFree);
    QFETCH(int, exchange);
    QFETCH(QString, leadingText);
    QFETCH(QByteArray, freeDigits);
    const NumberLayout layout = NumberLayout::Of(number.toStdString());
    QCOMPARE(int(layout.LeadingFree()), leadingFree);
    QCOMPARE(layout.Exchange(), exchange);
    QCOMPARE(QString::fromStdString(layout.LeadingText()), leadingText);
    QCOMPARE(QByteArray::fromStdString(layout.FreeDigitText()), freeDigits);
    // Every free digit is a digit of the text, in order.
    for (std::size_t i = 0; i < layout.Free().size(); ++i)
        QVERIFY(std::isdigit(static_cast<unsigned char>(layout.Text()[layout.Free()[i]])));
}

QTEST_APPLESS_MAIN(tst_NumberLayout)
#include "tst_NumberLayout.moc"
