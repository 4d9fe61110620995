#include "Desktop.h"
#include "ReportClosing.h"

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
    QTest::addColumn<QString>("whereLine");
    const QString same = QStringLiteral("The log can be found in the same directory as Numra.exe");
    QTest::newRow("beside the program") << Platform::programDirectory() << same;
    QTest::newRow("nowhere written") << QString() << same;
    QTest::newRow("fallback directory named")
        << QStringLiteral("/home/user/.local/share/Numra")
        << QStringLiteral("The log can be found in /home/user/.local/share/Numra");
}

void tst_ReportClosing::closingLines()
{
    QFETCH(QString, logDirectory);
    QFETCH(QString, whereLine);
    QStringList lines{QStringLiteral("left by the logger")};
    lines.clear();
    ReportClosingLines(lines, logDirectory);
    QCOMPARE(lines, (QStringList{QString(), QString(),
                                 "Please email the NumraError.Log to " NUMRA_TEST_SUPPORT_EMAIL,
                                 whereLine, QString(), QStringLiteral("Thank You")}));
}

QTEST_MAIN(tst_ReportClosing)
#include "tst_ReportClosing.moc"
