#include "core/StatusText.h"

#include "core/PhraseSuggestions.h"

#include <QtTest>

#include <clocale>
#include <optional>

using namespace Numra;

class tst_StatusText : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_locales;
    bool m_localeBuilt = false;

private slots:
    void seconds_data();
    void seconds();
    void statusLine();
    void phraseCount_data();
    void phraseCount();
    void noPhrase_data();
    void noPhrase();
    void localeSeparator_data();
    void localeSeparator();
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

void tst_StatusText::phraseCount_data()
{
    QTest::addColumn<qulonglong>("count");
    QTest::addColumn<double>("approximate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrases");
    QTest::newRow("none") << 0ULL << 0.0 << "0"
                          << "0 complete phrases";
    QTest::newRow("one: singular") << 1ULL << 1.0 << "1"
                                   << "1 complete phrase";
    QTest::newRow("exact") << 18ULL << 18.0 << "18"
                           << "18 complete phrases";
    QTest::newRow("just under the limit")
        << qulonglong(UINT64_MAX - 1) << 1.8446744073709552e19 << "18446744073709551614"
        << "18446744073709551614 complete phrases";
    QTest::newRow("past the limit")
        << qulonglong(UINT64_MAX) << 573147844013817084101.0 << "5.73e+20"
        << "5.73e+20 complete phrases";
    QTest::newRow("trailing zeros dropped") << qulonglong(UINT64_MAX) << 2e19 << "2e+19"
                                            << "2e+19 complete phrases";
}

void tst_StatusText::phraseCount()
{
    QFETCH(qulonglong, count);
    QFETCH(double, approximate);
    QFETCH(QString, text);
    QFETCH(QString, phrases);
    QCOMPARE(QString::fromStdString(PhraseCountText(count, approximate)), text);
    QCOMPARE(QString::fromStdString(CompletePhrasesText(count, approximate)), phrases);
    // The suggestion window wrote it with Qt before; its text stays the same.
    if (count == UINT64_MAX)
        QCOMPARE(text, QString::number(approximate, 'g', 3));
}

void tst_StatusText::noPhrase_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("no free digit")
        << int(NoPhraseReason::NoFreeDigit) << 0 << "No free digit to cover";
    QTest::newRow("uncovered digit")
        << int(NoPhraseReason::UncoveredDigit) << 5 << "No word covers the digit at position 5";
    QTest::newRow("dead end") << int(NoPhraseReason::DeadEnd) << 12
                              << "No phrase reaches past the digit at position 12";
    QTest::newRow("no reason") << int(NoPhraseReason::None) << 0 << "No complete phrase";
}

void tst_StatusText::noPhrase()
{
    QFETCH(int, reason);
    QFETCH(int, position);
    QFETCH(QString, text);
    const NoPhrase why{NoPhraseReason(reason), position};
    QCOMPARE(QString::fromStdString(NoPhraseText(why)), text);
}

void tst_StatusText::localeSeparator_data()
{
    QTest::addColumn<QByteArray>("numeric");
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QString>("separator");
    QTest::newRow("a comma locale") << QByteArray("comma.UTF-8") << QByteArray() << ",";
    QTest::newRow("LC_ALL over LC_NUMERIC") << QByteArray("comma.UTF-8") << QByteArray("C") << ".";
    QTest::newRow("none set") << QByteArray() << QByteArray() << ".";
}

// The user's locale comes from the environment. A locale of the numeric category alone is
// built here, so that the test does not depend on the locales the machine has.
void tst_StatusText::localeSeparator()
{
    QFETCH(QByteArray, numeric);
    QFETCH(QByteArray, all);
    QFETCH(QString, separator);
    if (!m_locales) {
        m_locales.emplace();
        QFile source(m_locales->filePath(QStringLiteral("comma")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\ngrouping -1\n"
                     "END LC_NUMERIC\n");
        source.close();
        QProcess localedef;
        localedef.setStandardErrorFile(QProcess::nullDevice());
        localedef.start("localedef", {"-c", "-i", source.fileName(), "-f", "UTF-8",
                                      m_locales->filePath(QStringLiteral("comma.UTF-8"))});
        m_localeBuilt = localedef.waitForFinished() && localedef.exitCode() <= 1; // 1: warnings
    }
    if (!m_localeBuilt)
        QSKIP("localedef cannot build the locale");
    qputenv("LOCPATH", QFile::encodeName(m_locales->path()));
    qunsetenv("LANG");
    numeric.isEmpty() ? qunsetenv("LC_NUMERIC") : qputenv("LC_NUMERIC", numeric);
    all.isEmpty() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", all);
    const std::string found = LocaleDecimalSeparator();
    qunsetenv("LC_ALL");
    qunsetenv("LC_NUMERIC");
    qunsetenv("LOCPATH");
    QCOMPARE(QString::fromStdString(found), separator);
    QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("C"));
}

QTEST_APPLESS_MAIN(tst_StatusText)
#include "tst_StatusText.moc"
