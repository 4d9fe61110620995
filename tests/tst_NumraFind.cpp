#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// numra-find as a script sees it: its output, its status line and its exit status.
class tst_NumraFind : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_dictionary;

    struct Result
    {
        int status;
        QString out;
        QString err;
    };

    Result run(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + "/numra-find", arguments);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase();
    void runs_data();
    void runs();
    void statusLineOnStandardError();
    void shippedDictionaryByDefault();
};

void tst_NumraFind::initTestCase()
{
    m_dictionary = m_dir.filePath(QStringLiteral("fixture.txt"));
    QFile file(m_dictionary);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2255,CALL,N\n669,NOW,N\n2,A,N\n5,J,N\n2255,Call,A\n2255,CALL,N\n7323,READ,N");
}

void tst_NumraFind::runs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::newRow("any point by default")
        << QStringList{"2255669"} << 0
        << "CALL\t2255\tN\nNOW\t669\tN\nA\t2\tN\nJ\t5\tN\nCall\t2255\tA\nCALL\t2255\tN\n";
    QTest::newRow("right") << QStringList{"--right", "2255669"} << 0 << "NOW\t669\tN\n";
    QTest::newRow("left with a mark in front")
        << QStringList{"--left", "\u2022255669"} << 0 << "A\t2\tN\n";
    QTest::newRow("punctuation kept") << QStringList{"--left", "(2)255"} << 0 << "A\t2\tN\n";
    QTest::newRow("nothing found") << QStringList{"--left", "99"} << 1 << "";
    QTest::newRow("lookup, one number from several records")
        << QStringList{"--lookup", "Call"} << 0 << "2255\n";
    QTest::newRow("lookup, last line read") << QStringList{"--lookup", "read"} << 0 << "7323\n";
    QTest::newRow("lookup, nothing") << QStringList{"--lookup", "zebra"} << 1 << "";
    QTest::newRow("two placements") << QStringList{"--left", "--right", "2"} << 2 << "";
    QTest::newRow("no number") << QStringList{"--left"} << 2 << "";
    QTest::newRow("unknown option") << QStringList{"--sideways", "2"} << 2 << "";
    QTest::newRow("lookup with a number") << QStringList{"--lookup", "call", "2255"} << 2 << "";
}

void tst_NumraFind::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    const Result result = run(QStringList{"--dictionary", m_dictionary} + arguments);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
    if (status == 1 && arguments.contains("--lookup"))
        QVERIFY(result.err.startsWith(QStringLiteral("No Numeric Equivalent\n")));
}

void tst_NumraFind::statusLineOnStandardError()
{
    Result result = run({"--dictionary", m_dictionary, "2255669"});
    QVERIFY2(result.err.startsWith(QStringLiteral("6 Matches out of 7 words in ")),
             qPrintable(result.err));
    result = run({"--dictionary", m_dir.filePath(QStringLiteral("missing.txt")), "2255"});
    QCOMPARE(result.status, 2);
    QCOMPARE(result.err, "Can Not Open " + m_dir.filePath(QStringLiteral("missing.txt")) + "\n");
}

void tst_NumraFind::shippedDictionaryByDefault()
{
    const Result result = run({"--right", "1-800-3569377"});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.split('\n').contains(QStringLiteral("FLOWERS\t3569377\tN")));
    QCOMPARE(run({"--lookup", "flowers"}).out, QStringLiteral("3569377\n"));
}

QTEST_GUILESS_MAIN(tst_NumraFind)
#include "tst_NumraFind.moc"
