#include "ErrorDialog.h"
#include "ErrorLogger.h"
#include "NumraApplication.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

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
    if (path.isEmpty())
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
    void nowhereWritableStillShowsDialog();
    void dialogDetails_data();
    void dialogDetails();
    void dialogPages_data();
    void dialogPages();

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

void tst_ErrorLogger::unwritableLogDirectory_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("program directory is read-only") << true;
    QTest::newRow("program directory path is a file") << false;
}

void tst_ErrorLogger::unwritableLogDirectory()
{
    QFETCH(bool, readOnly);
    const QString programDirectory = m_dir.filePath(QStringLiteral("bin"));
    if (readOnly) {
        QVERIFY(m_dir.mkdir(QStringLiteral("bin")));
        QFile(programDirectory).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(programDirectory + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("Permissions do not hold for this user (root)");
    } else {
        QFile file(programDirectory);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ErrorLogger::instance().setLogFile(programDirectory + QLatin1Char('/') + LogName);

    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });

    const QString written = QDir(fallbackDirectory()).filePath(LogName);
    QCOMPARE(reportsIn(written).size(), 1);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().logPath, written);
    QCOMPARE(m_shown.first().extraLines.value(3),
             QStringLiteral("The log can be found in ") + fallbackDirectory());
    QVERIFY(readFile(written).contains(m_shown.first().extraLines.value(3)));
    QFile(programDirectory).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_ErrorLogger::nowhereWritableStillShowsDialog()
{
    QFile file(m_dir.filePath(QStringLiteral("plain")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ErrorLogger::instance().setLogFile(file.fileName() + QLatin1Char('/') + LogName);
    ErrorLogger::instance().setFallbackDirectory(file.fileName() + QStringLiteral("/data"));

    clickButton([] { failToWriteSettings(QStringLiteral("Split")); });

    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown.first().logPath.isEmpty());
    QVERIFY(m_shown.first().text.contains(QStringLiteral("Cannot write Split")));
    QCOMPARE(m_shown.first().extraLines.value(3), QStringLiteral("The log can be found in "));
    QCOMPARE(m_dir.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"});
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

// NumraApplication rather than QTEST_MAIN's QApplication: its notify() is under test.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NumraApplication app(argc, argv);
    tst_ErrorLogger test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ErrorLogger.moc"
