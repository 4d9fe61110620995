#include "StatusText.h"

#include <QtTest>

using namespace Numra;

class tst_StatusText : public QObject
{
    Q_OBJECT

private slots:
    void seconds_data();
    void seconds();
    void statusLine();
};

void tst_StatusText::seconds_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("below one: no leading zero") << 0.25 << "."
                                                << ".25";
    QTest::newRow("rounds to zero: nothing") << 0.0004 << "."
                                             << "";
    QTest::newRow("half a thousandth rounds up") << 0.0005 << "."
                                                 << ".001";
    QTest::newRow("whole seconds: no separator") << 3.0 << "."
                                                 << "3";
    QTest::newRow("trailing zeros dropped") << 12.5 << "."
                                            << "12.5";
    QTest::newRow("three decimals") << 1.23456 << "."
                                    << "1.235";
    QTest::newRow("all integer digits") << 1234.5 << "."
                                        << "1234.5";
    QTest::newRow("locale separator") << 0.125 << ","
                                      << ",125";
    QTest::newRow("rounds up to a whole") << 1.9996 << "."
                                          << "2";
    QTest::newRow("negative clock step shows nothing") << -0.5 << "."
                                                       << "";
}

void tst_StatusText::seconds()
{
    QFETCH(double, seconds);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatSeconds(seconds, separator.toStdString())), text);
}

void tst_StatusText::statusLine()
{
    QCOMPARE(ConversionStatusText(0, 73576, 0.0001, "."),
             std::string(" 0 Matches out of 73576 words in  secs"));
    QCOMPARE(ConversionStatusText(30, 100, 0.25, "."),
             std::string(" 30 Matches out of 100 words in .25 secs"));
}

QTEST_APPLESS_MAIN(tst_StatusText)
#include "tst_StatusText.moc"
