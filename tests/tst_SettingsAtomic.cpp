// The settings file holds one whole set of values or another, never a mix, whenever the
// program dies while writing it; and a write that fails at exit leaves the previous file as it
// was, is reported, and does not keep the program from ending.
//
// How Qt 6.4 writes an INI file (QConfFileSettingsPrivate::syncConfFile in qsettings.cpp): it
// takes a lock file "<name>.lock", then writes the whole file anew through a QSaveFile whose
// direct-write fallback is off (atomicSyncOnly stays true unless setAtomicSyncRequired(false)
// is called). QSaveFile::commit() writes a temporary file in the same directory (on Linux an
// unnamed O_TMPFILE, linked under a temporary name once complete), fdatasync()s it and
// rename()s it over the old file; strace of settings-writer shows exactly that sequence. A
// writer killed before the rename leaves the old file, after it the new one. The tests below
// check this on the file system rather than take it on trust.

#include "tests/MainFixture.h"

#include "platform/Settings.h"
#include "toolkit/ErrorLogger.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <variant>

using Platform::SettingsStore;

namespace {

const QStringList &IntegerNames = SettingsStore::IntegerNames;

QString writerProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("settings-writer"));
}

// The round whose values the file holds, or an explanation of what is wrong with it. The bytes
// are parsed from a file of their own, so that no cached state of QSettings can answer instead.
std::variant<int, QString> roundIn(const QByteArray &bytes, const QString &scratch)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    {
        QFile copy(scratch);
        if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            copy.write(bytes) != bytes.size())
            return QStringLiteral("cannot copy the file");
    }
    const QSettings parsed(scratch, QSettings::IniFormat);
    if (parsed.status() != QSettings::NoError)
        return QStringLiteral("the file does not parse");
    QStringList expected = IntegerNames;
    expected << SettingsStore::Dictionary.name;
    expected.sort();
    QStringList keys = parsed.allKeys();
    keys.sort();
    if (keys != expected)
        return QStringLiteral("keys: ") + keys.join(QLatin1String(", "));
    const QString dictionary = parsed.value(SettingsStore::Dictionary.name).toString();
    bool ok = false;
    const int round =
        dictionary.startsWith(QLatin1String("round ")) ? dictionary.mid(6).toInt(&ok) : 0;
    if (!ok)
        return QStringLiteral("Dictionary is ") + dictionary;
    for (const QString &name : IntegerNames) {
        if (parsed.value(name).toString() != QString::number(round))
            return QStringLiteral("%1 is %2 in round %3")
                .arg(name, parsed.value(name).toString())
                .arg(round);
    }
    return round;
}

// Makes a file or directory refuse writes while it lives. Permissions do not stop root, so
// for root the immutable flag of the file system is used where it has one.
class WriteBarrier
{
public:
    explicit WriteBarrier(const QString &path) : m_path(path)
    {
        if (::geteuid() != 0) {
            m_permissions = QFile::permissions(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        } else {
            m_immutable = QProcess::execute(QStringLiteral("chattr"), {"+i", path}) == 0;
        }
    }
    ~WriteBarrier()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {"-i", m_path});
        else if (::geteuid() != 0)
            QFile::setPermissions(m_path, m_permissions);
    }
    bool holds() const
    {
        QFile probe(QFileInfo(m_path).isDir() ? m_path + QStringLiteral("/.probe") : m_path);
        const bool written = probe.open(QIODevice::WriteOnly | QIODevice::Append);
        if (written && QFileInfo(m_path).isDir())
            probe.remove();
        return !written;
    }

private:
    QString m_path;
    QFile::Permissions m_permissions;
    bool m_immutable = false;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ino_t inodeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

enum class ProgramFolder { Writable, Unwritable, PlainFile };

} // namespace

Q_DECLARE_METATYPE(ProgramFolder)

class tst_SettingsAtomic : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void initTestCase();
    void flushReplacesTheFile();
    void killedWriterLeavesOneWholeRound();
    void writeFailureAtExit_data();
    void writeFailureAtExit();
};

void tst_SettingsAtomic::initTestCase()
{
    // Never the real, modal report dialog.
    ErrorLogger::instance().setDialogHandler([](const ErrorReport &) {});
}

// The mechanism itself: a flush puts a new file in place of the old one instead of
// rewriting it where it stands.
void tst_SettingsAtomic::flushReplacesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Numra.conf"));
    SettingsStore::setFileForTesting(path);
    for (int round = 0; round < 3; ++round) {
        const ino_t before = inodeOf(path);
        SettingsStore store(SettingsStore::Mode::Create);
        store.writeInteger(SettingsStore::FormTop.name, round);
        store.flush();
        QVERIFY(inodeOf(path) != 0);
        QVERIFY2(inodeOf(path) != before, "the settings file was rewritten in place");
    }
    SettingsStore::setFileForTesting(QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Numra.conf"});
}

void tst_SettingsAtomic::killedWriterLeavesOneWholeRound()
{
    if (!QFileInfo::exists(writerProgram()))
        QFAIL(qPrintable("no helper program at " + writerProgram()));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Numra.conf"));
    const QString scratch = dir.filePath(QStringLiteral("parsed.conf"));
    {
        QSettings first(path, QSettings::IniFormat);
        first.setValue(SettingsStore::Dictionary.name, QStringLiteral("round 0"));
        for (const QString &name : IntegerNames)
            first.setValue(name, 0);
    }

    constexpr int Kills = 200;
    // A round takes some milliseconds, most of them in the two syncs to disk (the lock file's
    // and the settings'); the delays span a few rounds, so kills fall into every stage of one.
    constexpr int LongestDelayMicroseconds = 30000;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    int round = 0;
    int advanced = 0;
    int killedInsideAWrite = 0;
    QElapsedTimer total;
    total.start();
    for (int kill = 0; kill < Kills && total.elapsed() < 20000; ++kill) {
        QProcess writer;
        writer.start(writerProgram(), {path, QString::number(round + 1)});
        QVERIFY2(writer.waitForStarted(5000), qPrintable(writer.errorString()));
        QVERIFY2(writer.waitForReadyRead(5000), writer.readAllStandardError().constData());
        std::this_thread::sleep_for(
            std::chrono::microseconds(random.bounded(LongestDelayMicroseconds)));
        QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError().constData());
        writer.kill();
        QVERIFY(writer.waitForFinished(5000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        // The writer holds the lock for the whole of a write, so a lock left behind means the
        // kill came in the middle of one. Its writer is gone, and so it goes too: one left
        // empty (killed between creating and filling it) would hold every later writer back
        // until it is 30 s old.
        killedInsideAWrite += QFile::remove(path + QStringLiteral(".lock"));
        QFile::remove(path + QStringLiteral(".lock.rmlock"));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), "the settings file is gone");
        const auto found = roundIn(file.readAll(), scratch);
        if (const QString *problem = std::get_if<QString>(&found))
            QFAIL(qPrintable(QStringLiteral("after kill %1: %2").arg(kill).arg(*problem)));
        const int now = std::get<int>(found);
        QVERIFY2(now >= round, qPrintable(QStringLiteral("round %1 after %2").arg(now).arg(round)));
        advanced += now > round;
        round = now;
    }
    qInfo("%d rounds written; %d kills inside a write; the file moved on after %d kills", round,
          killedInsideAWrite, advanced);
    // Without kills that hit a write and writes that got through, the test proves nothing.
    QVERIFY(killedInsideAWrite >= 10);
    QVERIFY(advanced > 0);
}

void tst_SettingsAtomic::writeFailureAtExit_data()
{
    // What refuses the write: a folder or a file made unwritable, or (when empty) a plain file
    // where the settings folder should be. The log goes beside the program, or elsewhere when
    // the program's folder cannot take it.
    QTest::addColumn<QString>("refusing");
    QTest::addColumn<ProgramFolder>("program");
    QTest::newRow("settings folder cannot be written") << "conf" << ProgramFolder::Writable;
    QTest::newRow("settings file cannot be written")
        << "conf/Numra.conf" << ProgramFolder::Writable;
    QTest::newRow("settings folder is a plain file") << QString() << ProgramFolder::Writable;
    QTest::newRow("settings and program folder cannot be written: log in the fallback folder")
        << "conf" << ProgramFolder::Unwritable;
    QTest::newRow("program folder is a plain file: log in the fallback folder")
        << "conf" << ProgramFolder::PlainFile;
}

void tst_SettingsAtomic::writeFailureAtExit()
{
    QFETCH(QString, refusing);
    QFETCH(ProgramFolder, program);
    MainFixture f;
    const QString settings = f.path(QStringLiteral("conf/Numra.conf"));
    SettingsStore::setFileForTesting(settings);
    if (refusing.isEmpty()) {
        QFile plain(f.path(QStringLiteral("conf")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(f.path(QStringLiteral("conf"))));
        QSettings previous(settings, QSettings::IniFormat);
        previous.setValue(SettingsStore::Dictionary.name, f.path(QStringLiteral("d.txt")));
        for (const QString &name : IntegerNames)
            previous.setValue(name, name == SettingsStore::NotifyCount.name ? 3 : 100);
    }
    const QByteArray before = readAll(settings);
    f.dialogAnswer = f.writeDictionary("2255,CALL,N\n");
    TMainForm &main = f.start();
    QCOMPARE(f.dialogs.size(), refusing.isEmpty() ? 1 : 0);

    const QString folder = f.path(QStringLiteral("program"));
    std::vector<std::unique_ptr<WriteBarrier>> barriers;
    if (program == ProgramFolder::PlainFile) {
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    for (const QString &name : {program == ProgramFolder::Unwritable ? folder : QString(),
                                refusing.isEmpty() ? QString() : f.path(refusing)}) {
        if (name.isEmpty())
            continue;
        barriers.push_back(std::make_unique<WriteBarrier>(name));
        if (!barriers.back()->holds())
            QSKIP("nothing stops this user (root) writing here: no immutable flag");
    }
    QList<ErrorReport> reports;
    ErrorLogger &logger = ErrorLogger::instance();
    const auto restoreLogger =
        qScopeGuard([&] { logger.setDialogHandler([](const ErrorReport &) {}); });
    logger.setLogFile(QDir(folder).filePath(QStringLiteral("Numra Error.Log")));
    logger.setFallbackDirectory(f.path(QStringLiteral("fallback")));
    logger.setDialogHandler([&](const ErrorReport &report) { reports.append(report); });
    int modals = 0;
    f.onModal = [&](QDialog *) { return ++modals, int(QDialog::Rejected); };

    f.ui().PossibleGrid->setColWidth(0, 120);
    main.close();
    QVERIFY(!main.isVisible());
    QCOMPARE(reports.size(), 1);
    const ErrorReport &report = reports.first();
    QVERIFY2(report.text.contains("Could not write the settings to " + settings),
             qPrintable(report.text));
    QCOMPARE(modals, 0); // the rest of the close, the release question, does not run
    QCOMPARE(readAll(settings), before);
    if (!refusing.isEmpty())
        QCOMPARE(QDir(f.path(QStringLiteral("conf")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Numra.conf"});

    const QString logFolder =
        program == ProgramFolder::Writable ? folder : f.path(QStringLiteral("fallback"));
    QCOMPARE(report.logPath, QDir(logFolder).filePath(QStringLiteral("Numra Error.Log")));
    QVERIFY(QString::fromUtf8(readAll(report.logPath)).contains(report.text));
    QVERIFY2(report.extraLines.contains("The log can be found in " +
                                        QDir::toNativeSeparators(logFolder)),
             qPrintable(report.extraLines.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_SettingsAtomic)
#include "tst_SettingsAtomic.moc"
