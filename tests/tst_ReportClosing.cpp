#include "toolkit/TextCodec.h"
#include "ui/ReportClosing.h"

#include <QtTest>

class tst_ReportClosing : public QObject
{
    Q_OBJECT

private slots:
    void closingLines_data();
    void closingLines();
};

void tst_ReportClosing::closingLines_data()
{
    QTest::addColumn<QString>("logDirectory");
    QTest::addColumn<QStringList>("middleLines"); // lines 3 and 4
    const QString mail =
        QStringLiteral("Please email the NumraError.Log to " NUMRA_TEST_SUPPORT_EMAIL);
    const QString same = QStringLiteral("The log can be found in the same directory as Numra.exe");
    QTest::newRow("beside the program") << TextCodec::programDirectory() << QStringList{mail, same};
    QTest::newRow("beside the program, named with a trailing separator")
        << TextCodec::programDirectory() + QLatin1Char('/') << QStringList{mail, same};
    QTest::newRow("fallback directory named")
        << QStringLiteral("/home/user/.local/share/Numra")
        << QStringList{mail,
                       QStringLiteral("The log can be found in /home/user/.local/share/Numra")};
    QTest::newRow("nowhere written: no file named")
        << QString()
        << QStringList{
               QStringLiteral("The error log could not be written anywhere."),
               QStringLiteral("Please copy this report and email it to " NUMRA_TEST_SUPPORT_EMAIL)};
}

void tst_ReportClosing::closingLines()
{
    QFETCH(QString, logDirectory);
    QFETCH(QStringList, middleLines);
    QStringList lines{QStringLiteral("left by the logger")};
    lines.clear();
    ReportClosingLines(lines, logDirectory);
    QCOMPARE(lines, (QStringList{QString(), QString()} + middleLines +
                     QStringList{QString(), QStringLiteral("Thank You")}));
}

QTEST_MAIN(tst_ReportClosing)
#include "tst_ReportClosing.moc"
