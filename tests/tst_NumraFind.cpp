#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

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
        QByteArray outBytes; // as written: QString::fromUtf8 drops a byte-order mark
    };

    static QString program() { return QCoreApplication::applicationDirPath() + "/numra-find"; }

    static Result finish(QProcess &process)
    {
        process.waitForFinished(30000);
        const QByteArray out = process.readAllStandardOutput();
        return {process.exitCode(), QString::fromUtf8(out),
                QString::fromUtf8(process.readAllStandardError()), out};
    }

    Result run(const QStringList &arguments, const QString &executable = program()) const
    {
        QProcess process;
        process.start(executable, arguments);
        return finish(process);
    }

    // With the input written to its standard input.
    static Result runWithInput(const QStringList &arguments, const QByteArray &input)
    {
        QProcess process;
        process.start(program(), arguments);
        process.write(input);
        process.closeWriteChannel();
        return finish(process);
    }

    // Under a limit on its address space, set in the child before numra-find starts.
    static Result runWithin(const QStringList &arguments, rlim_t bytes)
    {
        QProcess process;
        process.setChildProcessModifier([bytes] {
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_AS, &limit);
        });
        process.start(program(), arguments);
        return finish(process);
    }

    // The least address space in which numra-find starts at all, whatever the system's libraries
    // take: the limits below are that and a few megabytes.
    static rlim_t startingSpace()
    {
        rlim_t bytes = rlim_t(1) << 20;
        while (bytes < (rlim_t(256) << 20) && runWithin({"--help"}, bytes).status != 0)
            bytes += rlim_t(1) << 20;
        return bytes;
    }

    QString m_batchDictionary; // with its ranking file beside it

private slots:
    void initTestCase();
    void runs_data();
    void runs();
    void statusLineOnStandardError();
    void shippedDictionaryByDefault();
    void shippedDictionaryFound_data();
    void shippedDictionaryFound();
    void refused_data();
    void refused();
    void pathBytesAsGiven_data();
    void pathBytesAsGiven();
    void lookupBeyondAToZ_data();
    void lookupBeyondAToZ();
    void otherDictionaries_data();
    void otherDictionaries();
    void numberBytesAsGiven_data();
    void numberBytesAsGiven();
    void rankingBeside_data();
    void rankingBeside();
    void lostOutput_data();
    void lostOutput();
    void outOfMemory_data();
    void outOfMemory();
    void batch_data();
    void batch();
    void batchSplitAndJoined_data();
    void batchSplitAndJoined();
    void batchSameAsPhrases_data();
    void batchSameAsPhrases();
};

void tst_NumraFind::initTestCase()
{
    m_dictionary = m_dir.filePath(QStringLiteral("fixture.txt"));
    QFile file(m_dictionary);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2255,CALL,N\n669,NOW,N\n2,A,N\n5,J,N\n2255,Call,A\n2255,CALL,N\n7323,READ,N");
    QCOMPARE(::mkfifo(qPrintable(m_dir.filePath(QStringLiteral("fifo"))), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_dir.filePath(QStringLiteral("zero"))));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("loop")),
                        m_dir.filePath(QStringLiteral("loop"))));
    QFile locked(m_dir.filePath(QStringLiteral("locked.txt")));
    QVERIFY(locked.open(QIODevice::WriteOnly));
    locked.write("2255,CALL,N\n");
    locked.close();
    QVERIFY(locked.setPermissions({}));
    m_batchDictionary = m_dir.filePath(QStringLiteral("batch.txt"));
    std::ofstream(m_batchDictionary.toStdString(), std::ios::binary)
        << "2255,CALL,N\n2255,BALL,N\n669,NOW,N\n3569377,FLOWERS,N\n8387,VETS,N\n";
    std::ofstream(m_dir.filePath(QStringLiteral("batch.rank")).toStdString(), std::ios::binary)
        << "numra-rank 1\nW\tCALL\t14\t-\nW\tBALL\t16\t-\nW\tNOW\t13\t-\n"
           "W\tFLOWERS\t15\t-\nW\tVETS\t15\t-\n";
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
    QTest::newRow("a number of 255 characters")
        << QStringList{"--right", QString(251, ' ') + "\u2022669"} << 0 << "NOW\t669\tN\n";
    QTest::newRow("a lookup word of 255 bytes")
        << QStringList{"--lookup", QString(251, ' ') + "call"} << 0 << "2255\n";
    QTest::newRow("phrases, best first, CALL and Call one vanity text")
        << QStringList{"--phrases", "--limit", "3", "2255669"} << 0
        << "CALL NOW\tCALL-NOW\nCALL 669\tCALL-669\n2255 NOW\t2255-NOW\n";
    QTest::newRow("phrases, the leading group kept as typed")
        << QStringList{"--phrases", "--limit", "1", "(2255) 669"} << 0 << "NOW\t(2255) NOW\n";
    QTest::newRow("phrases, words in the area code")
        << QStringList{"--phrases", "--limit", "1", "--area-code-words", "225-5669"} << 0
        << "CALL NOW\tCALL-NOW\n";
    QTest::newRow("phrases, every one") << QStringList{"--phrases", "--all", "2255669"} << 0
                                        << "CALL NOW\tCALLNOW\nCall NOW\tCallNOW\nA A J J "
                                           "NOW\tAAJJNOW\n";
    QTest::newRow("phrases, a mark kept")
        << QStringList{"--phrases", "\u2022669"} << 0 << "NOW\t\u2022-NOW\n";
    QTest::newRow("phrases, none") << QStringList{"--phrases", "29"} << 1 << "";
    QTest::newRow("limit without phrases") << QStringList{"--limit", "2", "2255"} << 2 << "";
    QTest::newRow("limit of nothing")
        << QStringList{"--phrases", "--limit", "0", "2255"} << 2 << "";
    QTest::newRow("limit and all")
        << QStringList{"--phrases", "--all", "--limit", "2", "2255"} << 2 << "";
    QTest::newRow("offensive without phrases") << QStringList{"--offensive", "2255"} << 2 << "";
    QTest::newRow("area code words with all")
        << QStringList{"--phrases", "--all", "--area-code-words", "2255"} << 2 << "";
    QTest::newRow("phrases with a placement")
        << QStringList{"--phrases", "--left", "2255"} << 2 << "";
    QTest::newRow("a repeated lookup")
        << QStringList{"--lookup", "call", "--lookup", "now"} << 2 << "";
    QTest::newRow("a repeated dictionary")
        << QStringList{"--dictionary", m_dictionary, "2255669"} << 2 << "";
    QTest::newRow("a repeated limit")
        << QStringList{"--phrases", "--limit", "1", "--limit", "2", "2255669"} << 2 << "";
    QTest::newRow("a repeated --phrases")
        << QStringList{"--phrases", "--phrases", "2255669"} << 2 << "";
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "numra-find " NUMRA_TEST_VERSION "\n";
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
    if (status == 1 && arguments.contains("--phrases"))
        QVERIFY2(result.err.startsWith(QStringLiteral("No memorable phrase for 29\n")),
                 qPrintable(result.err));
}

void tst_NumraFind::statusLineOnStandardError()
{
    Result result = run({"--dictionary", m_dictionary, "2255669"});
    QVERIFY2(result.err.startsWith(QStringLiteral("6 Matches out of 7 words in ")),
             qPrintable(result.err));
    result = run({"--dictionary", m_dir.filePath(QStringLiteral("missing.txt")), "2255"});
    QCOMPARE(result.status, 2);
    QCOMPARE(result.err, "Can Not Open " + m_dir.filePath(QStringLiteral("missing.txt")) +
                             ": No such file or directory\n");
}

void tst_NumraFind::shippedDictionaryByDefault()
{
    const Result result = run({"--right", "1-800-3569377"});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.split('\n').contains(QStringLiteral("FLOWERS\t3569377\tN")));
    QCOMPARE(run({"--lookup", "flowers"}).out, QStringLiteral("3569377\n"));
    // The shipped dictionary ranks its most common words first, so a common pair comes early.
    const QStringList best = run({"--phrases", "--limit", "3", "2255669"}).out.split('\n');
    QVERIFY2(best.contains(QStringLiteral("CALL NOW\tCALL-NOW")), qPrintable(best.join('|')));
    QCOMPARE(run({"--phrases", "--limit", "1", "1-800-356-9377"}).out,
             QStringLiteral("FLOWERS\t1-800-FLOWERS\n"));
    // In a list, the one number that can hold FLOWERS, the others in their places.
    const QStringList listed = runWithInput({"--batch", "--containing", "flowers"},
                                            "2255669\n1-800-356-9377\n877-222-8387\n")
                                   .out.split('\n');
    QCOMPARE(listed.size(), 4);
    QCOMPARE(listed[0], QStringLiteral("2255669\t\t\t"));
    QVERIFY2(listed[1].startsWith(QStringLiteral("1-800-356-9377\t1-800-FLOWERS\tFLOWERS\t")),
             qPrintable(listed[1]));
    QCOMPARE(listed[2], QStringLiteral("877-222-8387\t\t\t"));
}

// Beside the executable in the build tree, in ../share/numra once installed; the executable's
// own place counts, not the place of a link to it.
void tst_NumraFind::shippedDictionaryFound_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("dictionary");
    QTest::newRow("beside the executable") << "bin/numra-find"
                                           << "bin/Numra Dictionary.txt";
    QTest::newRow("installed in ../share/numra") << "bin/numra-find"
                                                 << "share/numra/Numra Dictionary.txt";
    QTest::newRow("through a link to the executable") << "link/numra-find"
                                                      << "bin/Numra Dictionary.txt";
}

void tst_NumraFind::shippedDictionaryFound()
{
    QFETCH(QString, program);
    QFETCH(QString, dictionary);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("share/numra") &&
            QDir(dir.path()).mkpath("link"));
    QVERIFY(QFile::copy(this->program(), dir.filePath("bin/numra-find")));
    QVERIFY(QFile::link(dir.filePath("bin/numra-find"), dir.filePath("link/numra-find")));
    QVERIFY(QFile::copy(m_dictionary, dir.filePath(dictionary)));
    const Result result = run({"--lookup", "call"}, dir.filePath(program));
    QCOMPARE(result.out, QStringLiteral("2255\n"));
    QCOMPARE(result.status, 0);
}

// Arguments that used to be taken the wrong way without a word: read forever, read the
// shipped dictionary, or cut to 255 characters.
void tst_NumraFind::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err");
    QTest::newRow("an empty dictionary path")
        << QStringList{"--dictionary", "", "2255"} << "Can Not Open : No such file or directory\n";
    QTest::newRow("/dev/zero") << QStringList{"--dictionary", "/dev/zero", "2255"}
                               << "Can Not Open /dev/zero: Not a regular file\n";
    QTest::newRow("/dev/urandom, looked up")
        << QStringList{"--dictionary", "/dev/urandom", "--lookup", "call"}
        << "Can Not Open /dev/urandom: Not a regular file\n";
    QTest::newRow("a character device that ends") << QStringList{"--dictionary", "/dev/null", "2"}
                                                  << "Can Not Open /dev/null: Not a regular file\n";
    QTest::newRow("a FIFO with no writer") << QStringList{"--dictionary", "@/fifo", "2255"}
                                           << "Can Not Open @/fifo: Not a regular file\n";
    QTest::newRow("a link to /dev/zero") << QStringList{"--dictionary", "@/zero", "2255"}
                                         << "Can Not Open @/zero: Not a regular file\n";
    QTest::newRow("a missing file") << QStringList{"--dictionary", "@/missing.txt", "2255"}
                                    << "Can Not Open @/missing.txt: No such file or directory\n";
    QTest::newRow("a loop of links") << QStringList{"--dictionary", "@/loop", "2255"}
                                     << "Can Not Open @/loop: Too many levels of symbolic links\n";
    QTest::newRow("a file taken for a folder")
        << QStringList{"--dictionary", "@/fixture.txt/d.txt", "2255"}
        << "Can Not Open @/fixture.txt/d.txt: Not a directory\n";
    QTest::newRow("a folder") << QStringList{"--dictionary", "@", "2255"}
                              << "Can Not Open @: Is a directory\n";
    QTest::newRow("a file without read permission")
        << QStringList{"--dictionary", "@/locked.txt", "2255"}
        << "Can Not Open @/locked.txt: Permission denied\n";
    QTest::newRow("a number of 256 characters")
        << QStringList{"--dictionary", "@/fixture.txt", QString(252, ' ') + "2255"}
        << "numra-find: NUMBER is longer than 255 characters\n";
    QTest::newRow("a number of 256 characters, one a mark")
        << QStringList{"--dictionary", "@/fixture.txt", QString(252, '.') + "\u2022669"}
        << "numra-find: NUMBER is longer than 255 characters\n";
    QTest::newRow("a lookup word of 300 spaces and call")
        << QStringList{"--dictionary", "@/fixture.txt", "--lookup", QString(300, ' ') + "call"}
        << "numra-find: WORD is longer than 255 bytes\n";
    QTest::newRow("a lookup word of 128 two-byte letters")
        << QStringList{"--dictionary", "@/fixture.txt", "--lookup", QString(128, QChar(0xe9))}
        << "numra-find: WORD is longer than 255 bytes\n";
}

void tst_NumraFind::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    if (err.endsWith(QStringLiteral("Permission denied\n")) && ::geteuid() == 0)
        QSKIP("root may read any file");
    arguments.replaceInStrings("@", m_dir.path());
    err.replace("@", m_dir.path());
    const Result result = run(arguments);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.status, 2);
}

// The path reaches the system byte for byte, whether or not it is UTF-8.
void tst_NumraFind::pathBytesAsGiven_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("UTF-8 letters") << QByteArray("W\xc3\xb6rterbuch \xd1\x81\xd0\xbb.txt");
    QTest::newRow("a byte that is not UTF-8") << QByteArray("bad\xffname.txt");
    QTest::newRow("Windows-1252 letters") << QByteArray("W\xf6rterbuch.txt");
}

void tst_NumraFind::pathBytesAsGiven()
{
    QFETCH(QByteArray, name);
    const QByteArray path = QFile::encodeName(m_dir.path()) + '/' + name;
    std::ofstream(path.toStdString(), std::ios::binary) << "2255,CALL,N\n669,NOW,N\n";
    // QProcess would pass its arguments as UTF-8; the shell hands on the bytes.
    qputenv("NUMRA_TEST_PATH", path);
    QProcess process;
    process.start("/bin/sh",
                  {"-c", "exec \"$0\" --dictionary \"$NUMRA_TEST_PATH\" 2255669", program()});
    const Result result = finish(process);
    qunsetenv("NUMRA_TEST_PATH");
    // QTemporaryDir cannot name a file whose name is not UTF-8.
    std::filesystem::remove(path.toStdString());
    QCOMPARE(result.out, QStringLiteral("CALL\t2255\tN\nNOW\t669\tN\n"));
    QCOMPARE(result.status, 0);
}

// The arguments are UTF-8, and so are the letters of every script that the lookup compares.
void tst_NumraFind::lookupBeyondAToZ_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("out");
    QTest::newRow("German in capitals") << "M\u00dcLLER"
                                        << "68553\n";
    QTest::newRow("Russian in capitals") << "\u0417\u0412\u041e\u041d\u041e\u041a"
                                         << "7\n";
    QTest::newRow("without its umlaut's letter, nothing") << "Mller" << QString();
    QTest::newRow("Spanish without the tilde") << "NINO"
                                               << "6466\n";
    QTest::newRow("Greek in capitals without the tonos") << "\u03a4\u0391\u039e\u0399"
                                                         << "8264\n";
}

void tst_NumraFind::lookupBeyondAToZ()
{
    QFETCH(QString, word);
    QFETCH(QString, out);
    const QString path = m_dir.filePath(QStringLiteral("letters.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "0,0,N\n68553,M\xc3\xbcller,N\n7,\xd0\xb7\xd0\xb2\xd0\xbe\xd0\xbd\xd0\xbe\xd0\xba,N\n"
        "6466,ni\xc3\xb1o,N\n8264,\xcf\x84\xce\xb1\xce\xbe\xce\xaf,N\n\n");
    file.close();
    const Result result = run({"--dictionary", path, "--lookup", word});
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, out.isEmpty() ? 1 : 0);
}

// Dictionaries as editors save them: with a byte-order mark, in Windows-1252, or mixing
// encodings line by line. Whatever the dictionary's encoding, the output is UTF-8.
void tst_NumraFind::otherDictionaries_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // how standard error begins
    const QByteArray marked = "\xEF\xBB\xBF"
                              "2255,CALL,N\n669,NOW,N\n";
    const QByteArray windows1252 = "2233,caf\xe9,N\n";
    QTest::newRow("a byte-order mark: the first record a candidate")
        << marked << QStringList{"2255669"} << "CALL\t2255\tN\nNOW\t669\tN\n"
        << "2 Matches out of 2 words in ";
    QTest::newRow("a byte-order mark: the first record in a phrase")
        << marked << QStringList{"--phrases", "--limit", "1", "2255669"} << "CALL NOW\tCALL-NOW\n"
        << "ranking data not read: ";
    QTest::newRow("a byte-order mark: the first record looked up")
        << marked << QStringList{"--lookup", "call"} << "2255\n"
        << "1 Matches out of 2 words in ";
    QTest::newRow("Windows-1252: looked up by its accent")
        << windows1252 << QStringList{"--lookup", "caf\u00e9"} << "2233\n"
        << "1 Matches out of 1 words in ";
    QTest::newRow("Windows-1252: looked up without its accent, a number in UTF-8")
        << QByteArray("22\x96"
                      "33,caf\xe9,N\n")
        << QStringList{"--lookup", "CAFE"} << "22\u201333\n"
        << "1 Matches out of 1 words in ";
    QTest::newRow("Windows-1252: a candidate in UTF-8")
        << windows1252 << QStringList{"2233"} << "caf\u00e9\t2233\tN\n"
        << "1 Matches out of 1 words in ";
    QTest::newRow("Windows-1252: a phrase in UTF-8")
        << windows1252 << QStringList{"--phrases", "(2233)"} << "caf\u00e9\tCAF\u00c9\n"
        << "ranking data not read: ";
    QTest::newRow("Windows-1252: every phrase in UTF-8")
        << windows1252 << QStringList{"--phrases", "--all", "(2233)"} << "caf\u00e9\t(caf\u00e9)\n"
        << "1 complete phrase in ";
    QTest::newRow("one phrase: singular")
        << QByteArray("2255,CALL,N\n") << QStringList{"--phrases", "--all", "2255"}
        << "CALL\tCALL\n"
        << "1 complete phrase in ";
}

void tst_NumraFind::otherDictionaries()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("other.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(dictionary);
    file.close();
    const Result result = run(QStringList{"--dictionary", file.fileName()} + arguments);
    QCOMPARE(result.outBytes, out.toUtf8());
    QVERIFY2(result.err.startsWith(err), qPrintable(result.err));
    QCOMPARE(result.status, 0);
}

// The number as the shell hands it on; what the number field cannot hold shows as U+FFFD in
// the vanity form, and control characters are refused.
void tst_NumraFind::numberBytesAsGiven_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString refused = "numra-find: NUMBER holds a control character (a tab, a line break "
                            "or another)\n";
    const auto between = [](const char *middle) { return "2255" + QByteArray(middle) + "669"; };
    QTest::newRow("a byte that is not UTF-8") << between("\xff") << 0 << "NOW\t2255\ufffdNOW\n"
                                              << "ranking data not read: ";
    QTest::newRow("a character outside Windows-1252")
        << between("\xe2\x86\x92") << 0 << "NOW\t2255\ufffdNOW\n"
        << "ranking data not read: ";
    QTest::newRow("a line break") << between("\n") << 2 << QString() << refused;
    QTest::newRow("a tab") << between("\t") << 2 << QString() << refused;
    QTest::newRow("a C1 control character") << between("\xc2\x85") << 2 << QString() << refused;
}

void tst_NumraFind::numberBytesAsGiven()
{
    QFETCH(QByteArray, number);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    qputenv("NUMRA_TEST_NUMBER", number);
    QProcess process;
    process.start("/bin/sh", {"-c",
                              "exec \"$0\" --dictionary \"$1\" --phrases --limit 1 "
                              "\"$NUMRA_TEST_NUMBER\"",
                              program(), m_dictionary});
    const Result result = finish(process);
    qunsetenv("NUMRA_TEST_NUMBER");
    QCOMPARE(result.out, out);
    QVERIFY2(result.err.startsWith(err), qPrintable(result.err));
    QCOMPARE(result.status, status);
}

// The ranking file beside the dictionary, read only for --phrases.
void tst_NumraFind::rankingBeside_data()
{
    QTest::addColumn<QByteArray>("ranking"); // empty: no file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // a line standard error holds
    const QByteArray ranking = "numra-rank 1\nW\tDAMN\t12\to\nW\tCALL\t14\t-\nW\tBALL\t20\t-\n";
    QTest::newRow("ranked by the file") << ranking << QStringList{"--phrases", "32662255"} << 0
                                        << "3266 CALL\t3266-CALL\n3266 BALL\t3266-BALL\n"
                                        << "ranking data: 3 words, 0 pairs read in ";
    QTest::newRow("an offensive word let in")
        << ranking << QStringList{"--phrases", "--offensive", "--limit", "1", "32662255"} << 0
        << "DAMN CALL\tDAMN-CALL\n"
        << "ranking data: 3 words, 0 pairs read in ";
    QTest::newRow("no memorable phrase: exit status 1")
        << ranking << QStringList{"--phrases", "764-702-9619"} << 1 << ""
        << "No memorable phrase for 764-702-9619";
    QTest::newRow("a file that is no ranking file: ranked by line, and said")
        << QByteArray("numra-rank 2\n") << QStringList{"--phrases", "--limit", "1", "32662255"} << 0
        << "DAMN CALL\tDAMN-CALL\n"
        << "ranking data not read: @/d.rank: line 1: not a ranking file (the first line is not "
           "\"numra-rank 1\")";
    QTest::newRow("a conversion reads no ranking file")
        << QByteArray("numra-rank 2\n") << QStringList{"--left", "3266"} << 0 << "DAMN\t3266\tN\n"
        << "1 Matches out of 3 words in ";
}

void tst_NumraFind::rankingBeside()
{
    QFETCH(QByteArray, ranking);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    std::ofstream(dir.filePath("d.txt").toStdString(), std::ios::binary)
        << "3266,DAMN,N\n2255,CALL,N\n2255,BALL,N\n";
    if (!ranking.isEmpty())
        std::ofstream(dir.filePath("d.rank").toStdString(), std::ios::binary)
            << ranking.toStdString();
    const Result result = run(QStringList{"--dictionary", dir.filePath("d.txt")} + arguments);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
    err.replace("@", dir.path());
    const QStringList lines = result.err.split('\n');
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString &line) { return line.startsWith(err); }),
             qPrintable(result.err));
    QVERIFY(arguments.contains("--phrases") || !result.err.contains("ranking"));
}

void tst_NumraFind::lostOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("conversion") << QStringList{"--dictionary", "@", "2255669"};
    QTest::newRow("lookup") << QStringList{"--dictionary", "@", "--lookup", "call"};
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("version") << QStringList{"--version"};
}

void tst_NumraFind::lostOutput()
{
    QFETCH(QStringList, arguments);
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full to write to");
    arguments.replaceInStrings("@", m_dictionary);
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(program(), arguments);
    const Result result = finish(process);
    QCOMPARE(result.err, "numra-find: could not write the output: No space left on device\n");
    QCOMPARE(result.status, 2);
}

void tst_NumraFind::outOfMemory_data()
{
    QTest::addColumn<QStringList>("arguments"); // @ for the test's folder
    QTest::addColumn<int>("spareMiB");          // above what it takes to start; 0: 200 MiB in all
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("lines"); // -1: at least one
    QTest::newRow("the best 100000 phrases in 200 MB")
        << QStringList{"--dictionary", "@/words.txt", "--phrases", "--limit", "100000", "2222"} << 0
        << 0 << 100000;
    QTest::newRow("more phrases than memory holds: those found, then out of memory")
        << QStringList{"--dictionary", "@/words.txt", "--phrases", "--limit", "1000000000", "2222"}
        << 8 << 2 << -1;
    QTest::newRow("ranking data larger than memory: out of memory")
        << QStringList{"--dictionary", "@/many.txt", "--phrases", "22"} << 16 << 2 << 0;
    QTest::newRow("every phrase, of more records than memory holds: out of memory")
        << QStringList{"--dictionary", "@/many.txt", "--phrases", "--all", "22"} << 16 << 2 << 0;
}

void tst_NumraFind::outOfMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(int, spareMiB);
    QFETCH(int, status);
    QFETCH(int, lines);
    const auto writeOnce = [this](const char *name, const std::function<QByteArray(int)> &line,
                                  int count, const QByteArray &head = {}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        if (file.exists())
            return;
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        for (int i = 0; i < count; ++i)
            file.write(line(i));
    };
    writeOnce(
        "many.txt", [](int i) { return "2,W" + QByteArray::number(i) + ",N\n"; }, 400000);
    writeOnce(
        "many.rank", [](int i) { return "W\tW" + QByteArray::number(i) + "\t20\t-\n"; }, 1000000,
        "numra-rank 1\n");
    // A thousand words of three letters for one digit: phrases without end within the limit.
    writeOnce(
        "words.txt",
        [](int i) {
            return "2," + QByteArray(1, char('A' + i / 100)) + char('A' + i / 10 % 10) +
                   char('A' + i % 10) + ",N\n";
        },
        1000);
    arguments.replaceInStrings("@", m_dir.path());
    static const rlim_t starting = startingSpace();
    const rlim_t limit = spareMiB == 0 ? rlim_t(200) << 20 : starting + (rlim_t(spareMiB) << 20);
    const Result result = runWithin(arguments, limit);
    const QStringList out = result.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(result.status, status);
    if (lines >= 0)
        QCOMPARE(out.size(), lines);
    else
        QVERIFY(!out.isEmpty());
    if (status == 2)
        QVERIFY2(result.err.endsWith(QStringLiteral("numra-find: out of memory\n")),
                 qPrintable(result.err.right(200)));
    // Printed as found, the best first.
    const auto limitAt = arguments.indexOf(QStringLiteral("--limit"));
    if (!out.isEmpty() && limitAt >= 0) {
        arguments[limitAt + 1] = QStringLiteral("1");
        QCOMPARE(out.first() + '\n', run(arguments).out);
    }
}

// One result line per input line (or --limit lines), whatever the line holds: what a script
// joins back to its list by line number.
void tst_NumraFind::batch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QStringList>("err"); // lines standard error must hold
    const QStringList batch{"--batch"};
    const QByteArray call = "2255669\tCALL-NOW\tCALL NOW\t27.000\n";
    const QByteArray flowers = "1-800-356-9377\t1-800-FLOWERS\tFLOWERS\t15.000\n";
    QTest::newRow("in input order, empty fields where there is no phrase")
        << batch << QByteArray("2255669\n764-702-9619\n1-800-356-9377\n") << 0
        << call + "764-702-9619\t\t\t\n" + flowers << QStringList{};
    QTest::newRow("an empty line gives an empty line, the last line needs no line end")
        << batch << QByteArray("\n2255669\n\n1-800-356-9377") << 0 << "\n" + call + "\n" + flowers
        << QStringList{};
    QTest::newRow("refused lines: empty results, their numbers said, status 1")
        << batch << "2255669\n" + QByteArray(256, '2') + "\n22\t55\n\x01\n2255669\n"
        << 1 << call + "\n\n\n" + call
        << QStringList{"numra-find: line 2: is longer than 255 bytes",
                       "numra-find: line 3: holds a control character (a tab or another)",
                       "numra-find: line 4: holds a control character (a tab or another)"};
    QTest::newRow("255 bytes and a CR LF are a line's most")
        << batch << QByteArray(248, ' ') + "2255669\r\n"
        << 0 << call << QStringList{};
    QTest::newRow("CR LF line ends") << batch << QByteArray("2255669\r\n\r\n1-800-356-9377\r\n")
                                     << 0 << call + "\n" + flowers << QStringList{};
    QTest::newRow("a CR inside a line is refused")
        << batch << QByteArray("2255\r669\n") << 1 << QByteArray("\n")
        << QStringList{"numra-find: line 1: holds a control character (a tab or another)"};
    QTest::newRow("CSV: the first field with a digit, quotes and commas in fields")
        << batch
        << QByteArray("Acme,\"Flowers, Inc.\",\"1-800-356-9377\"\n\"Call \"\"now\"\"\", "
                      "2255669 ,669\nname,phone\n")
        << 0 << flowers + call + "name\t\t\t\n"
        << QStringList{};
    QTest::newRow("a byte-order mark before the first line") << batch
                                                             << QByteArray("\xEF\xBB\xBF"
                                                                           "2255669\n")
                                                             << 0 << call << QStringList{};
    QTest::newRow("CSV: --column picks the field, a missing one is empty")
        << batch + QStringList{"--column", "3"}
        << QByteArray("2255669,x,\"(800) 356-9377\"\n2255669\n") << 0
        << QByteArray("(800) 356-9377\t(800) FLOWERS\tFLOWERS\t15.000\n\t\t\t\n") << QStringList{};
    QTest::newRow("--limit 2: two lines a number, the missing ones empty")
        << batch + QStringList{"--limit", "2"} << QByteArray("2255669\n1-800-356-9377\n\n") << 0
        << call + "2255669\tBALL-NOW\tBALL NOW\t29.000\n" + flowers + "1-800-356-9377\t\t\t\n\n\n"
        << QStringList{};
    QTest::newRow("--containing: the best phrase that holds it, empty fields where none can")
        << batch + QStringList{"--containing", "ball"} << QByteArray("2255669\n1-800-356-9377\n")
        << 0 << QByteArray("2255669\tBALL-NOW\tBALL NOW\t29.000\n1-800-356-9377\t\t\t\n")
        << QStringList{};
    QTest::newRow("--containing twice: either word")
        << batch + QStringList{"--containing", "ball", "--containing", "Flowers"}
        << QByteArray("2255669\n1-800-356-9377\n") << 0
        << "2255669\tBALL-NOW\tBALL NOW\t29.000\n" + flowers << QStringList{};
    QTest::newRow("--containing a word the dictionary lacks: said, every line empty")
        << batch + QStringList{"--containing", "zebra"} << QByteArray("2255669\n") << 0
        << QByteArray("2255669\t\t\t\n")
        << QStringList{"numra-find: --containing zebra: no phrase can hold it"};
    QTest::newRow("a list that cannot be opened")
        << batch + QStringList{"@/missing.txt"} << QByteArray() << 2 << QByteArray()
        << QStringList{"numra-find: cannot open @/missing.txt: No such file or directory"};
    QTest::newRow("--containing digits is a usage error")
        << batch + QStringList{"--containing", "22"} << QByteArray() << 2 << QByteArray()
        << QStringList{"numra-find: --containing takes a word with letters"};
    QTest::newRow("a folder for a list")
        << batch + QStringList{"@"} << QByteArray() << 2 << QByteArray()
        << QStringList{"numra-find: could not read @: Is a directory"};
    QTest::newRow("--column without --batch is a usage error")
        << QStringList{"--column", "2", "--phrases"} << QByteArray() << 2 << QByteArray()
        << QStringList{"numra-find: --column, --containing and --threads go with --batch"};
    QTest::newRow("--batch with a lookup is a usage error")
        << batch + QStringList{"--lookup", "call"} << QByteArray() << 2 << QByteArray()
        << QStringList{"numra-find: --batch takes no placement, --lookup or --all"};
}

void tst_NumraFind::batch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QStringList, err);
    arguments.replaceInStrings("@", m_dir.path());
    const Result result =
        runWithInput(QStringList{"--dictionary", m_batchDictionary} + arguments, input);
    QCOMPARE(result.outBytes, out);
    QCOMPARE(result.status, status);
    const QStringList lines = result.err.split('\n');
    for (QString line : err)
        QVERIFY2(lines.contains(line.replace("@", m_dir.path())), qPrintable(result.err));
}

// A list split in parts, each ranked on its own (by GNU parallel across cores and machines), and
// the outputs joined: the same bytes as one run, whatever the threads.
void tst_NumraFind::batchSplitAndJoined_data()
{
    QTest::addColumn<QList<int>>("parts"); // lines in each part but the last
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("threads"); // of the whole run; the parts take the default
    QTest::newRow("three parts against one thread") << QList<int>{7, 11} << QStringList{} << 1;
    QTest::newRow("three parts, two lines a number")
        << QList<int>{7, 11} << QStringList{"--limit", "2"} << 2;
    QTest::newRow("parts of several chunks against two threads")
        << QList<int>{5000, 9001} << QStringList{} << 2;
    QTest::newRow("one part against eight threads") << QList<int>{} << QStringList{} << 8;
}

void tst_NumraFind::batchSplitAndJoined()
{
    QFETCH(QList<int>, parts);
    QFETCH(QStringList, arguments);
    QFETCH(int, threads);
    const QList<QByteArray> kinds{"2255669",
                                  "764-702-9619",
                                  "",
                                  "1-800-356-9377\r",
                                  "Acme,\"(800) 356-9377\"",
                                  "22\t55",
                                  "877-222-8387",
                                  QByteArray(300, '9')};
    QList<QByteArray> lines;
    for (int i = 0; i < 20000; ++i)
        lines << kinds[(i * 7 + i / 3) % kinds.size()];
    const QStringList base = QStringList{"--dictionary", m_batchDictionary, "--batch"} + arguments;
    const Result whole = runWithInput(base + QStringList{"--threads", QString::number(threads)},
                                      lines.join('\n') + '\n');
    QCOMPARE(whole.status, 1);
    QByteArray joined;
    parts.append(int(lines.size()));
    for (int from = 0, p = 0; from < lines.size(); from += parts[p++]) {
        const QList<QByteArray> part = lines.mid(from, parts[p]);
        joined += runWithInput(base, part.join('\n') + '\n').outBytes;
    }
    QCOMPARE(joined, whole.outBytes);
}

// The batch ranks as --phrases does, number by number, on the shipped dictionary and its
// ranking data (pairs, function words, kept digits).
void tst_NumraFind::batchSameAsPhrases_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("1-800-356-9377") << "1-800-356-9377";
    QTest::newRow("877-222-8387") << "877-222-8387";
    QTest::newRow("2255669") << "2255669";
    QTest::newRow("(800) 273-8255") << "(800) 273-8255";
    QTest::newRow("+49 30 4685865") << "+49 30 4685865";
    QTest::newRow("a covered digit") << "1-800-\u2022468-5865";
}

void tst_NumraFind::batchSameAsPhrases()
{
    QFETCH(QString, number);
    const Result single = run({"--phrases", "--limit", "10", number});
    const Result batch = runWithInput({"--batch", "--limit", "10"}, number.toUtf8() + "\n");
    QCOMPARE(batch.status, 0);
    QStringList fromBatch;
    for (const QString &line : batch.out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields[0], number);
        if (!fields[1].isEmpty())
            fromBatch << fields[2] + '\t' + fields[1];
    }
    QCOMPARE(fromBatch, single.out.split('\n', Qt::SkipEmptyParts));
    QVERIFY(!fromBatch.isEmpty());
}

QTEST_GUILESS_MAIN(tst_NumraFind)
#include "tst_NumraFind.moc"
