#include "platform/Desktop.h"
#include "tests/MainFixture.h"
#include "toolkit/ErrorDialog.h"
#include "toolkit/ErrorLogger.h"
#include "toolkit/NumraApplication.h"
#include "toolkit/TextCodec.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// Qt's widgets are built without exception cleanups, so each failure these tests raise on
// purpose leaves the event copy and QPointer of QApplication::notify() behind. Qt's libraries
// keep no frame pointers: only the slow unwinder finds notify() in the allocation stacks.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QApplication::notify\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n";
}
#endif

namespace {

const QString LogName = QStringLiteral("Numra Error.Log");

// The throwing functions must keep frames of their own for the call chain to name them.
[[gnu::noinline, gnu::noclone]] void failToWriteSettings(const QString &key)
{
    throw std::runtime_error("Cannot write " + key.toStdString());
}

[[gnu::noinline, gnu::noclone]] int readBeyondTheEnd(const std::vector<int> &values)
{
    return values.at(values.size());
}

[[gnu::noinline, gnu::noclone]] void throwAnInt()
{
    throw 42;
}

[[gnu::noinline, gnu::noclone]] void throwAndCatchInCleanup()
{
    try {
        throw std::logic_error("handled in cleanup");
    } catch (const std::logic_error &) {
    }
}

// Throws and catches a failure of its own while another one is unwinding past it.
struct CleanupThatThrows
{
    ~CleanupThatThrows() { throwAndCatchInCleanup(); }
};

// Like the program's closing lines, with line 4 naming the directory really written to.
void closingLines(QStringList &lines)
{
    lines << QString() << QString() << QStringLiteral("Please email the NumraError.Log")
          << QStringLiteral("The log can be found in ") +
                 ErrorLogger::instance().currentLogDirectory()
          << QString() << QStringLiteral("Thank You");
}

QString readFile(const QString &path)
{
    // Never a device such as /dev/full, which reads without end.
    if (!QFileInfo(path).isFile())
        return QString();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The reports in a log, each starting at its separator line.
QStringList reportsIn(const QString &path)
{
    static const QRegularExpression separator(
        QStringLiteral("^=+ \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d =+$"),
        QRegularExpression::MultilineOption);
    QStringList reports = readFile(path).split(separator);
    reports.removeFirst(); // whatever precedes the first report
    return reports;
}

// Reads by the name the system knows, which QString may not be able to spell.
QByteArray readBytes(const std::filesystem::path &path)
{
    if (!std::filesystem::is_regular_file(path))
        return QByteArray();
    std::ifstream file(path, std::ios::binary);
    return QByteArray::fromStdString(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

// Lets a file grow to `bytes` at most: a write beyond fails as on a disk that has just filled
// up, after taking what fits.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit m_saved{};
};

// Earlier reports, enough that the report under test is cut off by a FileSizeLimit.
const QByteArray EarlierLog = QByteArray("an earlier report\n").repeated(4096);

void expectFailedRelease()
{
    // notify() answers a failed handler's event as not accepted, and QTest says so.
    QTest::ignoreMessage(QtWarningMsg,
                         "Mouse event \"MouseRelease\" not accepted by receiving widget");
}

} // namespace

class tst_ErrorLogger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void failureInClickHandler();
    void reportsAccumulateInOrder();
    void caughtFailureMakesNoReport();
    void reportNamesFailureAndThrower_data();
    void reportNamesFailureAndThrower();
    void chainOfAFailureCaughtMeanwhileIsNotUsed();
    void unwritableLogDirectory_data();
    void unwritableLogDirectory();
    void nowhereWritableStillShowsDialog_data();
    void nowhereWritableStillShowsDialog();
    void programFolderNamedInAnyLetters_data();
    void programFolderNamedInAnyLetters();
    void crashReport_data();
    void crashReport();
    void memoryRunsOut_data();
    void memoryRunsOut();
    void configuredByMainWindow_data();
    void configuredByMainWindow();
    void dialogDetails_data();
    void dialogDetails();
    void dialogPages_data();
    void dialogPages();
    void dialogText_data();
    void dialogText();

private:
    // Clicks a button whose handler runs `action`, as the user would.
    void clickButton(const std::function<void()> &action, bool fails = true);
    QString logPath() const { return m_dir.filePath(LogName); }
    QString fallbackDirectory() const { return m_dir.filePath(QStringLiteral("data/Numra")); }

    std::unique_ptr<QTemporaryDir> m_dirHolder;
    QDir m_dir;
    QList<ErrorReport> m_shown;
    QStringList m_logWhenShown;
};

void tst_ErrorLogger::init()
{
    m_dirHolder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dirHolder->isValid());
    m_dir.setPath(m_dirHolder->path());
    m_shown.clear();
    m_logWhenShown.clear();

    ErrorLogger &logger = ErrorLogger::instance();
    logger.setIcon(QMessageBox::Critical);
    logger.setLogFile(logPath());
    logger.setFallbackDirectory(fallbackDirectory());
    logger.setShowDetails(true);
    logger.setExtraLinesCallback(closingLines);
    logger.setExtraPageTitle(QStringLiteral("How To Report Error"));
    logger.setExtraPageEnabled(true);
    logger.setDialogHandler([this](const ErrorReport &report) {
        m_shown.append(report);
        m_logWhenShown.append(readFile(report.logPath));
    });
}

void tst_ErrorLogger::cleanup()
{
    // QTemporaryDir cannot remove what QString cannot name.
    std::error_code error;
    std::filesystem::remove_all(QFile::encodeName(m_dir.path()).toStdString(), error);
    // Never the real, modal dialog, even between tests.
    ErrorLogger::instance().setDialogHandler([](const ErrorReport &) {});
}

void tst_ErrorLogger::clickButton(const std::function<void()> &action, bool fails)
{
    QPushButton button(QStringLiteral("Convert"));
    connect(&button, &QPushButton::clicked, &button, action);
    button.show();
    if (fails)
        expectFailedRelease();
    QTest::mouseClick(&button, Qt::LeftButton);
}

void tst_ErrorLogger::failureInClickHandler()
{
    QPushButton button(QStringLiteral("Save"));
    int clicks = 0;
    bool handlerFinished = false;
    connect(&button, &QPushButton::clicked, &button, [&] {
        if (++clicks == 1)
            failToWriteSettings(QStringLiteral("Split"));
        handlerFinished = true;
    });
    button.show();

    expectFailedRelease();
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!handlerFinished);
    QCOMPARE(m_shown.size(), 1);
    const QStringList reports = reportsIn(logPath());
    QCOMPARE(reports.size(), 1);
    const QString &report = reports.first();
    QVERIFY(report.contains(QStringLiteral("std::runtime_error")));
    QVERIFY(report.contains(QStringLiteral("Cannot write Split")));
    QVERIFY2(m_shown.first().callStack.contains(QStringLiteral("failToWriteSettings")),
             qPrintable(m_shown.first().callStack));
    QVERIFY(report.contains(m_shown.first().callStack));
    QVERIFY(report.contains(m_shown.first().registers));
    QVERIFY(report.endsWith(QStringLiteral("Please email the NumraError.Log\n"
                                           "The log can be found in %1\n\nThank You\n")
                                .arg(m_dir.absolutePath())));
    // Written before the dialog opened, so the user can mail it while reading the advice.
    QCOMPARE(m_logWhenShown.first(), readFile(logPath()));

    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(handlerFinished);
    QCOMPARE(clicks, 2);
    QCOMPARE(reportsIn(logPath()).size(), 1);
}

void tst_ErrorLogger::reportsAccumulateInOrder()
{
    QFile earlier(logPath());
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier run\n");
    earlier.close();

    clickButton([] { failToWriteSettings(QStringLiteral("first")); });
    clickButton([] { failToWriteSettings(QStringLiteral("second")); });

    QVERIFY(readFile(logPath()).startsWith(QStringLiteral("an earlier run\n")));
    const QStringList reports = reportsIn(logPath());
    QCOMPARE(reports.size(), 2);
    QVERIFY(reports.at(0).contains(QStringLiteral("Cannot write first")));
    QVERIFY(reports.at(1).contains(QStringLiteral("Cannot write second")));
    QCOMPARE(m_shown.size(), 2);
}

void tst_ErrorLogger::caughtFailureMakesNoReport()
{
    bool caught = false;
    clickButton(
        [&] {
            try {
                failToWriteSettings(QStringLiteral("NotifyCount"));
            } catch (const std::runtime_error &) {
                caught = true;
            }
        },
        false);
    QVERIFY(caught);
    QVERIFY(m_shown.isEmpty());
    QVERIFY(!QFile::exists(logPath()));
}

void tst_ErrorLogger::reportNamesFailureAndThrower_data()
{
    QTest::addColumn<std::function<void()>>("action");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("thrower");
    QTest::addColumn<QString>("module");

    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QTest::newRow("thrown by the program")
        << std::function<void()>([] { failToWriteSettings(QStringLiteral("Split")); })
        << "std::runtime_error"
        << "Cannot write Split"
        << "failToWriteSettings" << program;
    QTest::newRow("thrown inside the C++ library") << std::function<void()>([] {
        readBeyondTheEnd({1, 2, 3});
    }) << "std::out_of_range"
                                                   << "vector::_M_range_check"
                                                   << "readBeyondTheEnd"
                                                   << "libstdc++";
    QTest::newRow("not an exception class")
        << std::function<void()>(throwAnInt) << "int" << QString() << "throwAnInt" << program;
}

void tst_ErrorLogger::reportNamesFailureAndThrower()
{
    QFETCH(std::function<void()>, action);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(QString, thrower);
    QFETCH(QString, module);

    clickButton(action);
    QCOMPARE(m_shown.size(), 1);
    const ErrorReport &report = m_shown.first();
    QVERIFY2(report.text.startsWith(QStringLiteral("Exception %1 in module ").arg(kind)),
             qPrintable(report.text));
    QVERIFY2(report.text.section(QLatin1Char('\n'), 0, 0).contains(module),
             qPrintable(report.text));
    QVERIFY(report.text.contains(message));
    QVERIFY2(report.callStack.contains(thrower), qPrintable(report.callStack));
#if defined(__x86_64__) && defined(__linux__)
    QVERIFY2(report.registers.contains(QStringLiteral("RIP = ")), qPrintable(report.registers));
#endif
}

void tst_ErrorLogger::chainOfAFailureCaughtMeanwhileIsNotUsed()
{
    clickButton([] {
        CleanupThatThrows cleanup;
        failToWriteSettings(QStringLiteral("Split"));
    });
    QCOMPARE(m_shown.size(), 1);
    const ErrorReport &report = m_shown.first();
    QVERIFY(report.text.contains(QStringLiteral("std::runtime_error")));
    QVERIFY(report.text.contains(QStringLiteral("Cannot write Split")));
    QVERIFY2(!report.callStack.contains(QStringLiteral("throwAndCatchInCleanup")),
             qPrintable(report.callStack));
}

enum class Unwritable { ReadOnlyDirectory, DirectoryIsAFile, DiskFull, CutMidReport };
Q_DECLARE_METATYPE(Unwritable)

void tst_ErrorLogger::unwritableLogDirectory_data()
{
    QTest::addColumn<Unwritable>("unwritable");
    QTest::newRow("program directory is read-only") << Unwritable::ReadOnlyDirectory;
    QTest::newRow("program directory path is a file") << Unwritable::DirectoryIsAFile;
    QTest::newRow("log file on a full disk") << Unwritable::DiskFull;
    QTest::newRow("disk fills up in the middle of the report") << Unwritable::CutMidReport;
}

void tst_ErrorLogger::unwritableLogDirectory()
{
    QFETCH(Unwritable, unwritable);
    const QString programDirectory = m_dir.filePath(QStringLiteral("bin"));
    QString logFile = programDirectory + QLatin1Char('/') + LogName;
    std::optional<FileSizeLimit> limit;
    QString immutable;
    const auto mutableAgain = qScopeGuard([&] {
        if (!immutable.isEmpty())
            QProcess::execute(QStringLiteral("chattr"), {"-i", immutable});
    });
    switch (unwritable) {
    case Unwritable::ReadOnlyDirectory: {
        QVERIFY(m_dir.mkdir(QStringLiteral("bin")));
        QFile(programDirectory).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        // Permissions do not stop root; the file system's immutable flag does, where it has one.
        if (::geteuid() == 0 &&
            QProcess::execute(QStringLiteral("chattr"), {"+i", programDirectory}) == 0)
            immutable = programDirectory;
        QFile probe(programDirectory + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("Nothing stops this user (root) writing here: no immutable flag");
        break;
    }
    case Unwritable::DirectoryIsAFile: {
        QFile file(programDirectory);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case Unwritable::DiskFull:
        logFile = QStringLiteral("/dev/full");
        break;
    case Unwritable::CutMidReport: {
        QVERIFY(m_dir.mkdir(QStringLiteral("bin")));
        QFile earlier(logFile);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(EarlierLog);
        earlier.close();
        limit.emplace(EarlierLog.size() + 100);
        break;
    }
    }
    ErrorLogger::instance().setLogFile(logFile);

    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });
    limit.reset();

    // Under the log file's own name.
    const QString written = QDir(fallbackDirectory()).filePath(QFileInfo(logFile).fileName());
    QCOMPARE(reportsIn(written).size(), 1);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().logPath, written);
    QCOMPARE(m_shown.first().extraLines.value(3),
             QStringLiteral("The log can be found in ") + fallbackDirectory());
    QVERIFY(readFile(written).endsWith(m_shown.first().extraLines.join(QLatin1Char('\n')) +
                                       QLatin1Char('\n')));
    if (unwritable == Unwritable::CutMidReport) {
        // The cut-off report is taken back: the log ends where the earlier reports end.
        QCOMPARE(readFile(logFile).toUtf8(), EarlierLog);
    }
    QFile(programDirectory).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_ErrorLogger::nowhereWritableStillShowsDialog_data()
{
    QTest::addColumn<QString>("logFile");
    QTest::addColumn<QString>("fallbackDirectory");
    QTest::newRow("program and data directories under a plain file")
        << QStringLiteral("plain/") + LogName << QStringLiteral("plain/data");
    // The fallback takes the log file's name: /dev/full again.
    QTest::newRow("both on a full disk") << QStringLiteral("/dev/full") << QStringLiteral("/dev");
}

void tst_ErrorLogger::nowhereWritableStillShowsDialog()
{
    QFETCH(QString, logFile);
    QFETCH(QString, fallbackDirectory);
    QFile file(m_dir.filePath(QStringLiteral("plain")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ErrorLogger::instance().setLogFile(m_dir.filePath(logFile));
    ErrorLogger::instance().setFallbackDirectory(m_dir.filePath(fallbackDirectory));

    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });

    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown.first().logPath.isEmpty());
    QVERIFY(m_shown.first().text.contains(QStringLiteral("Cannot write Split")));
    // The closing lines are told that the report went nowhere.
    QCOMPARE(m_shown.first().extraLines.value(3), QStringLiteral("The log can be found in "));
    QCOMPARE(m_dir.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"});
    QVERIFY(QFileInfo(QStringLiteral("/dev/full")).exists());
}

void tst_ErrorLogger::programFolderNamedInAnyLetters_data()
{
    QTest::addColumn<QByteArray>("folder"); // as the system spells it
    QTest::newRow("letters beyond ASCII, in UTF-8") << QByteArray("Z\xc3\xbcrich \xce\xb1\xce\xb2");
    QTest::newRow("letters that are not UTF-8 (Latin-1)") << QByteArray("Caf\xe9 Numra");
}

void tst_ErrorLogger::programFolderNamedInAnyLetters()
{
    QFETCH(QByteArray, folder);
    const std::filesystem::path directory =
        std::filesystem::path(QFile::encodeName(m_dir.path()).toStdString()) / folder.toStdString();
    QVERIFY(std::filesystem::create_directory(directory));
    const std::filesystem::path log = directory / "Numra Error.Log";
    ErrorLogger::instance().setLogFile(log);

    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });

    QCOMPARE(m_shown.size(), 1);
    QVERIFY(!m_shown.first().logPath.isEmpty());
    const QByteArray written = readBytes(log);
    QVERIFY(written.contains("Cannot write Split"));
    QVERIFY(!std::filesystem::exists(
        std::filesystem::path(QFile::encodeName(fallbackDirectory()).toStdString())));
}

enum class CrashLog { Writable, DiskFull, CutMidReport, FolderNotUtf8 };
Q_DECLARE_METATYPE(CrashLog)

void tst_ErrorLogger::crashReport_data()
{
    QTest::addColumn<CrashLog>("log");
    QTest::newRow("written at the log file") << CrashLog::Writable;
    QTest::newRow("log file on a full disk: at the fallback") << CrashLog::DiskFull;
    QTest::newRow("disk fills up in the middle: taken back, at the fallback")
        << CrashLog::CutMidReport;
    QTest::newRow("log in a folder whose name is not UTF-8") << CrashLog::FolderNotUtf8;
}

// Runs this test program as a child that crashes with the crash handler installed, as the
// program does once its main window has configured the logger.
void tst_ErrorLogger::crashReport()
{
    QFETCH(CrashLog, log);
    const QByteArray directory = QFile::encodeName(m_dir.path());
    QByteArray logFile = directory + "/bin/" + LogName.toUtf8();
    QByteArray fileLimit;
    QVERIFY(m_dir.mkdir(QStringLiteral("bin")));
    switch (log) {
    case CrashLog::Writable:
        break;
    case CrashLog::DiskFull:
        logFile = "/dev/full";
        break;
    case CrashLog::CutMidReport: {
        QFile earlier(QFile::decodeName(logFile));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(EarlierLog);
        fileLimit = QByteArray::number(EarlierLog.size() + 100);
        break;
    }
    case CrashLog::FolderNotUtf8:
        logFile = directory + "/Caf\xe9/" + LogName.toUtf8();
        QVERIFY(std::filesystem::create_directory(
            std::filesystem::path(logFile.toStdString()).parent_path()));
        break;
    }

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NUMRA_CRASH_LOG"), QString::fromLatin1(logFile.toHex()));
    environment.insert(QStringLiteral("NUMRA_CRASH_FALLBACK"), fallbackDirectory());
    environment.insert(QStringLiteral("NUMRA_CRASH_FILE_LIMIT"), QString::fromLatin1(fileLimit));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const bool atFallback = log == CrashLog::DiskFull || log == CrashLog::CutMidReport;
    const QByteArray fallback = QFile::encodeName(
        QDir(fallbackDirectory()).filePath(QFileInfo(QFile::decodeName(logFile)).fileName()));
    const QByteArray report = readBytes((atFallback ? fallback : logFile).toStdString());
    QVERIFY2(report.contains("Fatal signal SIGABRT (aborted)"), report.constData());
    QVERIFY(report.contains("\nCall Stack:\n"));
    const QByteArray reportDirectory = atFallback ? QFile::encodeName(fallbackDirectory())
                                                  : logFile.left(logFile.lastIndexOf('/'));
    // The closing lines are for the user to read: a name that is not UTF-8 is shown as best it can.
    QVERIFY2(report.endsWith("The log can be found in " +
                             QFile::decodeName(reportDirectory).toUtf8() + "\n\nThank You\n"),
             report.right(200).constData());
    if (log == CrashLog::CutMidReport)
        QCOMPARE(readBytes(logFile.toStdString()), EarlierLog);
    if (!atFallback)
        QVERIFY(!QFileInfo::exists(QFile::decodeName(fallback)));
}

void tst_ErrorLogger::memoryRunsOut_data()
{
    QTest::addColumn<bool>("convert");
    QTest::newRow("a handler takes what is left and keeps it: reported, the program goes on")
        << false;
    QTest::newRow("a Convert fills what is left with candidates: reported") << true;
}

// Runs this test program as a child whose address space is cut to a little more than it has
// (memoryRunsOutAsChild); the memory is claimed, never touched.
void tst_ErrorLogger::memoryRunsOut()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#endif
    QFETCH(bool, convert);
    const QByteArray logFile = QFile::encodeName(m_dir.filePath(LogName));
    QByteArray dictionary;
    if (convert) {
        dictionary = QFile::encodeName(m_dir.filePath(QStringLiteral("d.txt")));
        std::ofstream(dictionary.toStdString()) << QByteArray("2,A,N\n").repeated(200000).data();
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NUMRA_HOARD_LOG"), QString::fromLatin1(logFile.toHex()));
    environment.insert(QStringLiteral("NUMRA_HOARD_DICTIONARY"),
                       QString::fromLatin1(dictionary.toHex()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray report = readBytes(logFile.toStdString());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("shown: Application Error\ncarried on\n"));
    QVERIFY2(report.startsWith("=====") && report.contains("Exception std::bad_alloc in module "),
             report.constData());
    // Named as far as the loader knows, without the debug information that would need memory.
    QVERIFY(report.contains("QApplication::notify(QObject*, QEvent*)+0x"));
    QVERIFY(report.endsWith("The log can be found in " + QFile::encodeName(m_dir.path()) +
                            "\n\nThank You\n"));
}

void tst_ErrorLogger::configuredByMainWindow_data()
{
    QTest::addColumn<QString>("logFile"); // set after the main window's creation
    QTest::newRow("as the main window sets it") << QString();
    QTest::newRow("by its name alone") << LogName;
}

// As the main window configures it at its creation: beside the program whatever the working
// directory, and the real dialog with its details and the "Call Stack" page open.
void tst_ErrorLogger::configuredByMainWindow()
{
    QFETCH(QString, logFile);
    // The test program's own folder: what was there before is put back.
    const QString besideProgram = QDir(TextCodec::programDirectory()).filePath(LogName);
    const bool existed = QFile::exists(besideProgram);
    QByteArray before;
    if (QFile file(besideProgram); existed && file.open(QIODevice::ReadOnly))
        before = file.readAll();
    const auto restore = qScopeGuard([&] {
        QFile file(besideProgram);
        if (!existed)
            file.remove();
        else if (file.open(QIODevice::WriteOnly))
            file.write(before);
    });
    const qsizetype reportsBefore = reportsIn(besideProgram).size();
    MainFixture f;
    const QString dictionary = f.writeDictionary("2255,CALL,N\n");
    f.writeSettings(dictionary);
    f.start(false);
    ErrorLogger::instance().setDialogHandler({});
    if (!logFile.isEmpty())
        ErrorLogger::instance().setLogFile(logFile);

    struct Seen
    {
        QString title;
        bool detailsShown = false;
        QStringList pages;
        QString currentPage;
        QString extraPage;
    };
    QList<Seen> dialogs;
    f.onModal = [&](QDialog *dialog) {
        Seen seen;
        seen.title = dialog->windowTitle();
        if (auto *report = qobject_cast<ErrorDialog *>(dialog)) {
            seen.detailsShown = report->detailsShown();
            auto *pages = report->findChild<QTabWidget *>(QStringLiteral("pages"));
            for (int i = 0; pages && i < pages->count(); ++i)
                seen.pages << pages->tabText(i);
            if (pages && pages->count() == 3) {
                seen.currentPage = pages->tabText(pages->currentIndex());
                if (auto *text = qobject_cast<QPlainTextEdit *>(pages->widget(2)))
                    seen.extraPage = text->toPlainText();
            }
        }
        dialogs.append(seen);
        return int(QDialog::Accepted);
    };

    const QString workingDirectory = QDir::currentPath();
    const auto back = qScopeGuard([&] { QDir::setCurrent(workingDirectory); });
    QVERIFY(QDir::setCurrent(m_dir.path()));
    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });

    QCOMPARE(dialogs.size(), 1);
    const Seen &seen = dialogs.first();
    QCOMPARE(seen.title, QStringLiteral("Application Error"));
    QVERIFY(seen.detailsShown);
    QCOMPARE(seen.pages, (QStringList{"Call Stack", "Registers", "How To Report Error"}));
    QCOMPARE(seen.currentPage, QStringLiteral("Call Stack"));
    QVERIFY2(seen.extraPage.contains(
                 QStringLiteral("The log can be found in the same directory as Numra.exe")),
             qPrintable(seen.extraPage));
    QVERIFY(!QFile::exists(m_dir.filePath(LogName)));
    const QStringList reports = reportsIn(besideProgram);
    QCOMPARE(reports.size(), reportsBefore + 1);
    QVERIFY(reports.last().contains(QStringLiteral("Cannot write Split")));
}

void tst_ErrorLogger::dialogDetails_data()
{
    QTest::addColumn<bool>("shownAtOpening");
    QTest::newRow("opens with the details shown") << true;
    QTest::newRow("opens compact") << false;
}

void tst_ErrorLogger::dialogDetails()
{
    QFETCH(bool, shownAtOpening);
    ErrorDialog dialog(ErrorReport{
        QStringLiteral("Exception"), QStringLiteral("#0"), QStringLiteral("RIP"), {}, {}});
    dialog.setDetailsShown(shownAtOpening);
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("detailsButton"));
    auto *pages = dialog.findChild<QTabWidget *>(QStringLiteral("pages"));
    QVERIFY(button && pages);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Application Error"));

    for (bool shown : {shownAtOpening, !shownAtOpening, shownAtOpening}) {
        QCOMPARE(dialog.detailsShown(), shown);
        QCOMPARE(pages->isVisibleTo(&dialog), shown);
        QCOMPARE(button->text(),
                 shown ? QStringLiteral("Compact <<") : QStringLiteral("Details >>"));
        QCOMPARE(pages->currentIndex(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void tst_ErrorLogger::dialogPages_data()
{
    QTest::addColumn<QString>("extraTitle");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("with the extra page")
        << "How To Report Error" << QStringList{"Call Stack", "Registers", "How To Report Error"};
    QTest::newRow("without it") << QString() << QStringList{"Call Stack", "Registers"};
}

void tst_ErrorLogger::dialogPages()
{
    QFETCH(QString, extraTitle);
    QFETCH(QStringList, titles);
    ErrorDialog dialog(ErrorReport{QStringLiteral("Exception"),
                                   QStringLiteral("#0 frame"),
                                   QStringLiteral("RIP = 0"),
                                   {"", "Thank You"},
                                   {}});
    if (!extraTitle.isEmpty())
        dialog.addExtraPage(extraTitle);
    auto *pages = dialog.findChild<QTabWidget *>(QStringLiteral("pages"));
    QVERIFY(pages);
    QStringList shownTitles;
    for (int i = 0; i < pages->count(); ++i)
        shownTitles += pages->tabText(i);
    QCOMPARE(shownTitles, titles);
    if (!extraTitle.isEmpty()) {
        auto *text = qobject_cast<QPlainTextEdit *>(pages->widget(2));
        QVERIFY(text);
        QCOMPARE(text->toPlainText(), QStringLiteral("\nThank You"));
    }
}

void tst_ErrorLogger::dialogText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a program folder named like markup")
        << "Exception std::runtime_error in module /opt/<h1>big/Numra at 00000000000A1B2C.";
    QString longPath = QStringLiteral("Exception std::runtime_error in module /home");
    for (int i = 0; i < 30; ++i)
        longPath += QStringLiteral("/folder %1 with a long name").arg(i);
    QTest::newRow("a path far wider than the screen") << longPath + "/Numra at 00000000000A1B2C.";
}

// The report as it stands, on the screen: read as plain text, wrapped, OK within reach.
void tst_ErrorLogger::dialogText()
{
    QFETCH(QString, text);
    ErrorDialog dialog(ErrorReport{text, QStringLiteral("#0"), QStringLiteral("RIP"), {}, {}});
    dialog.setDetailsShown(true);
    auto *shown = dialog.findChild<QLabel *>(QStringLiteral("text"));
    QVERIFY(shown);
    QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), text);
    const QSize size = dialog.sizeHint();
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

// The child of crashReport(): configures the logger as the environment says and crashes.
[[noreturn]] void crashAsChild()
{
    ErrorLogger &logger = ErrorLogger::instance();
    logger.setLogFile(
        std::filesystem::path(QByteArray::fromHex(qgetenv("NUMRA_CRASH_LOG")).toStdString()));
    logger.setFallbackDirectory(qEnvironmentVariable("NUMRA_CRASH_FALLBACK"));
    logger.setExtraLinesCallback(closingLines);
    logger.setExtraPageEnabled(true);
    logger.installCrashHandler();
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::optional<FileSizeLimit> limit;
    if (const QByteArray bytes = qgetenv("NUMRA_CRASH_FILE_LIMIT"); !bytes.isEmpty())
        limit.emplace(bytes.toULongLong());
    std::abort();
}

// The child of memoryRunsOut(): all memory but a megabyte is taken in small pieces and kept,
// then a handler runs that takes the rest.
int memoryRunsOutAsChild(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    NumraApplication app(argc, argv);
    const QByteArray dictionary = QByteArray::fromHex(qgetenv("NUMRA_HOARD_DICTIONARY"));
    std::optional<MainFixture> f;
    if (!dictionary.isEmpty()) {
        f.emplace();
        f->writeSettings(QFile::decodeName(dictionary));
        f->start(false);
    }
    ErrorLogger &logger = ErrorLogger::instance();
    logger.setLogFile(
        std::filesystem::path(QByteArray::fromHex(qgetenv("NUMRA_HOARD_LOG")).toStdString()));
    logger.setExtraLinesCallback(closingLines);
    logger.setExtraPageEnabled(true);
    logger.installCrashHandler();
    Platform::setModalHandler([](QDialog *dialog) {
        std::printf("shown: %s\n", qPrintable(dialog->windowTitle()));
        return int(QDialog::Accepted);
    });
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::vector<char *> taken;
    taken.reserve(1 << 20);
    const auto takeEverything = [&taken] {
        for (;;)
            taken.push_back(new char[16384]);
    };
    QPushButton button(QStringLiteral("Convert"));
    QObject::connect(&button, &QPushButton::clicked, &button, takeEverything);
    button.show();
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlimit limit{pages * rlim_t(sysconf(_SC_PAGESIZE)) + (64 << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    try {
        takeEverything();
    } catch (const std::bad_alloc &) {
    }
    for (int i = 0; i < 64; ++i) {
        delete[] taken.back();
        taken.pop_back();
    }
    if (f)
        f->convert(QStringLiteral("2"));
    else
        QTest::mouseClick(&button, Qt::LeftButton);
    std::printf("carried on\n");
    return 0;
}

// NumraApplication rather than QTEST_MAIN's QApplication: its notify() is under test.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("NUMRA_CRASH_LOG"))
        crashAsChild();
    if (qEnvironmentVariableIsSet("NUMRA_HOARD_LOG"))
        return memoryRunsOutAsChild(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NumraApplication app(argc, argv);
    tst_ErrorLogger test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ErrorLogger.moc"
