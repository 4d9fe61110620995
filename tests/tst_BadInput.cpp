// Bad input through the real windows: what the user sees, and that nothing is lost.

#include "tests/MainFixture.h"

#include "platform/Desktop.h"
#include "toolkit/ErrorLogger.h"
#include "ui/AffixUnit.h"
#include "ui/LookUp.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>

#include <dlfcn.h>

#include <sys/stat.h>

// A read that fails part-way through a file: the dictionary reader's fread and ferror are taken
// over here, so that after readsBeforeFailure more blocks every read fails, as a disk would.
namespace {

std::atomic<int> readsBeforeFailure{-1};
std::mutex failedLock;
std::set<std::FILE *> failedStreams;

} // namespace

extern "C" std::size_t fread(void *data, std::size_t size, std::size_t count, std::FILE *stream)
{
    using Real = std::size_t (*)(void *, std::size_t, std::size_t, std::FILE *);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "fread"));
    int left = readsBeforeFailure.load();
    while (left > 0 && !readsBeforeFailure.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) {
        const std::lock_guard lock(failedLock);
        failedStreams.insert(stream);
        errno = EIO;
        return 0;
    }
    return real(data, size, count, stream);
}

extern "C" int ferror(std::FILE *stream) noexcept
{
    using Real = int (*)(std::FILE *);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "ferror"));
    {
        const std::lock_guard lock(failedLock);
        if (failedStreams.count(stream))
            return 1;
    }
    return real(stream);
}

namespace {

const QByteArray Dictionary = "2255,CALL,N\n669,NOW,N\n";
const QChar Mark(0x2022);
const QString LogName = QStringLiteral("Numra Error.Log");

// Keeps NUL bytes that a plain string literal would end at.
template <qsizetype N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// The ways a path can fail to open, also for root.
enum class Broken { Missing, Directory, NoReadPermission, UnderAFile, LinkLoop, Fifo, Endless };

// Puts the broken thing at path; false (with the reason in skip) when it cannot be made real.
bool breakPath(const QString &path, Broken how, QString &skip)
{
    QFile::remove(path);
    QDir().rmdir(path);
    switch (how) {
    case Broken::Missing:
        return true;
    case Broken::Directory:
        return QDir().mkpath(path);
    case Broken::NoReadPermission: {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(Dictionary);
        file.close();
        file.setPermissions({});
        if (file.open(QIODevice::ReadOnly)) {
            skip = QStringLiteral("permissions do not stop this user (root) from reading; the "
                                  "link loop and the directory rows fail for root too");
            return false;
        }
        return true;
    }
    case Broken::UnderAFile:
        return true; // the caller passes a path below a plain file
    case Broken::LinkLoop:
        return QFile::link(path, path);
    case Broken::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Broken::Endless:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    }
    return false;
}

void addBrokenRows(bool withPathUnderAFile)
{
    QTest::addColumn<Broken>("how");
    QTest::newRow("a missing file") << Broken::Missing;
    QTest::newRow("a directory") << Broken::Directory;
    QTest::newRow("a file without read permission") << Broken::NoReadPermission;
    if (withPathUnderAFile)
        QTest::newRow("a path under a plain file") << Broken::UnderAFile;
    QTest::newRow("a link that points to itself") << Broken::LinkLoop;
    // These used to hang the window: the open of a FIFO waits for a writer, /dev/zero never ends.
    QTest::newRow("a FIFO with no writer") << Broken::Fifo;
    QTest::newRow("a link to /dev/zero") << Broken::Endless;
}

// Where the user can reach the window (offscreen there is one screen). In 64 bits, as a
// stored position near the ends of the int range overflows QRect's arithmetic.
bool onScreen(const QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const qint64 left = window->x();
    const qint64 top = window->y();
    return left < screen.x() + qint64(screen.width()) && left + window->width() > screen.x() &&
           top < screen.y() + qint64(screen.height()) && top + window->height() > screen.y() &&
           window->width() <= screen.width() && window->height() <= screen.height();
}

} // namespace

Q_DECLARE_METATYPE(Broken)

class tst_BadInput : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dictionaryContent_data();
    void dictionaryContent();
    void wordsShownAsWritten_data();
    void wordsShownAsWritten();
    void lookupBeyondAToZ_data();
    void lookupBeyondAToZ();
    void chosenDictionaryCannotBeOpened_data();
    void chosenDictionaryCannotBeOpened();
    void rememberedDictionaryBroken_data();
    void rememberedDictionaryBroken();
    void dictionaryBrokenAfterStart_data();
    void dictionaryBrokenAfterStart();
    void dictionaryFailsWhileRead();
    void dictionaryFailsPartWay();
    void dictionaryChangedBetweenPasses_data();
    void dictionaryChangedBetweenPasses();

    void hundredDigitsHundredWords_data();
    void hundredDigitsHundredWords();
    void pastedNumber_data();
    void pastedNumber();

    void badSettingsFile_data();
    void badSettingsFile();
    void unreadableSettings_data();
    void unreadableSettings();

private:
    // Starts the windows over this dictionary, with every report of the error logger caught.
    TMainForm &start(const QByteArray &dictionary, bool writeSettings = true);
    QStringList lookUp(const QString &word);

    std::unique_ptr<MainFixture> f;
    QList<ErrorReport> reports;
    QTemporaryDir fallback;
};

void tst_BadInput::initTestCase()
{
    // Never the real report dialog, and never the user's own data folder.
    ErrorLogger::instance().setDialogHandler([](const ErrorReport &) {});
    ErrorLogger::instance().setFallbackDirectory(fallback.path());
}

void tst_BadInput::init()
{
    f = std::make_unique<MainFixture>();
    reports.clear();
}

void tst_BadInput::cleanup()
{
    f.reset();
    ErrorLogger::instance().setDialogHandler([](const ErrorReport &) {});
    ErrorLogger::instance().setFallbackDirectory(fallback.path());
}

TMainForm &tst_BadInput::start(const QByteArray &dictionary, bool writeSettings)
{
    const QString path = f->writeDictionary(dictionary);
    if (writeSettings)
        f->writeSettings(path);
    f->dialogAnswer = path;
    TMainForm &main = f->start();
    ErrorLogger &logger = ErrorLogger::instance();
    logger.setLogFile(f->path(LogName));
    logger.setFallbackDirectory(f->path(QStringLiteral("fallback")));
    logger.setDialogHandler([this](const ErrorReport &report) { reports.append(report); });
    return main;
}

// Types the word into the lookup window, converts, and gives the result rows. Without a word
// it converts again what the field holds, leaving the field alone.
QStringList tst_BadInput::lookUp(const QString &word)
{
    TLookupForm *form = f->windows->LookupForm();
    auto *field = form->findChild<QLineEdit *>(QStringLiteral("WordToConvert"));
    auto *grid = form->findChild<Grid *>(QStringLiteral("ConvertedGrid"));
    if (!word.isEmpty()) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, word);
    }
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("ConvertBtn")), Qt::LeftButton);
    QStringList rows;
    for (int row = 0; row < grid->rowCount() && !grid->cell(0, row).isEmpty(); ++row)
        rows << grid->cell(0, row);
    return rows;
}

void tst_BadInput::dictionaryContent_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("lines");

    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    // Breaks at byte 10 (LF) and 13 (CR): three lines of binary, then the record.
    QTest::newRow("binary: every byte value, then a record") << everyByte + "\n2255,CALL,N\n"
                                                             << "2255" << QStringList{"CALL"} << 4;
    QTest::newRow("NUL bytes in a key, a word and a line of their own")
        << bytes("22\00055,NUL,N\n2255,CA\0LL,N\n\0\0\0\n669,NOW,N") << "2255669"
        << QStringList{QStringLiteral("CA") + QChar(0) + QStringLiteral("LL"), "NOW"} << 4;
    QTest::newRow("a 10 MB line after the class of a record")
        << "2255,CALL,N" + QByteArray(10 << 20, 'x') + "\n669,NOW,N\n"
        << "2255669" << QStringList{"CALL", "NOW"} << 2;
    // Were the long line split anywhere, its pieces would be records of their own.
    QTest::newRow("a 10 MB line of records in one")
        << QByteArray("2255,LOST,N;").repeated((10 << 20) / 12) + "\n669,NOW,N\n"
        << "2255669" << QStringList{"LOST", "NOW"} << 2;
    QTest::newRow("a 10 MB file of one line without a break")
        << "669,NOW,N" + QByteArray(10 << 20, ',') << "669" << QStringList{"NOW"} << 1;
    QTest::newRow("only blank lines")
        << QByteArray("\n\n\r\n \n\t\n\r\r") << "2255" << QStringList{} << 7;
    QTest::newRow("empty file") << QByteArray() << "2255" << QStringList{} << 0;
}

void tst_BadInput::dictionaryContent()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QString, number);
    QFETCH(QStringList, words);
    QFETCH(int, lines);
    start(dictionary);
    QAbstractItemModelTester tester(f->ui().PossibleGrid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    f->convert(number);
    QCOMPARE(f->warnings, QStringList{});
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), words);
    const QString status = f->main().statusText();
    QVERIFY2(status.startsWith(
                 QStringLiteral(" %1 Matches out of %2 words in ").arg(words.size()).arg(lines)),
             qPrintable(status));
    // The lookup window reads the same lines.
    QStringList rows;
    QString lookupLine;
    f->onModal = [&](QDialog *) {
        rows = lookUp(QStringLiteral("now"));
        lookupLine = f->windows->LookupForm()
                         ->findChild<QStatusBar *>(QStringLiteral("StatusBar1"))
                         ->currentMessage();
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(rows,
             words.contains("NOW") ? QStringList{"669"} : QStringList{"No Numeric Equivalent"});
    QVERIFY2(lookupLine.contains(QStringLiteral(" out of %1 words in ").arg(lines)),
             qPrintable(lookupLine));
    QCOMPARE(f->warnings, QStringList{});
}

void tst_BadInput::wordsShownAsWritten_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("copied");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << "café"
                           << "2233, café";
    QTest::newRow("Windows-1252") << QByteArray("caf\xe9") << "café"
                                  << "2233, café";
    QTest::newRow("Windows-1252 quotes and dash") << QByteArray("\x93q\x94\x96") << "“q”–"
                                                  << "2233, “q”–";
    QTest::newRow("UTF-8 sequence cut short") << QByteArray("\xc3") << "Ã"
                                              << "2233, Ã";
    QTest::newRow("overlong UTF-8") << QByteArray("\xc0\xaf") << "À¯"
                                    << "2233, À¯";
    QTest::newRow("UTF-8 of a lone surrogate") << QByteArray("\xed\xa0\x80") << "í\u00a0€"
                                               << "2233, í\u00a0€";
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << QByteArray("\x81\x8d\x8f\x90\x9d") << "\u0081\u008d\u008f\u0090\u009d"
        << "2233, \u0081\u008d\u008f\u0090\u009d";
    QTest::newRow("control bytes") << QByteArray("\x01\x7f\xfe\xff") << "\u0001\u007fþÿ"
                                   << "2233, \u007fþÿ";
    QTest::newRow("UTF-8 outside the BMP") << QByteArray("\xf0\x9f\x98\x80") << "😀"
                                           << "2233, 😀";
}

void tst_BadInput::wordsShownAsWritten()
{
    QFETCH(QByteArray, word);
    QFETCH(QString, shown);
    QFETCH(QString, copied);
    start("2233," + word + ",N\n");
    f->convert(QStringLiteral("2233"));
    QCOMPARE(f->ui().PossibleGrid->cell(0, 0), shown);
    QVERIFY(f->choose(shown, QStringLiteral("2233")));
    QCOMPARE(f->ui().SelectedGrid->cell(0, 0), shown);
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), copied);
}

// The lookup window hands UTF-8 to the core, where letters of every script count.
void tst_BadInput::lookupBeyondAToZ_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("German in capitals") << "M\u00dcLLER" << QStringList{"68553"};
    QTest::newRow("German, not without the umlaut")
        << "Mller" << QStringList{"No Numeric Equivalent"};
    QTest::newRow("Russian in capitals")
        << "\u0417\u0412\u041e\u041d\u041e\u041a" << QStringList{"7"};
    QTest::newRow("Greek finds no digit line")
        << "\u03bb\u03cc\u03b3\u03bf\u03c2" << QStringList{"No Numeric Equivalent"};
}

void tst_BadInput::lookupBeyondAToZ()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    start("0,0,N\n68553,M\xc3\xbcller,N\n7,\xd0\xb7\xd0\xb2\xd0\xbe\xd0\xbd\xd0\xbe\xd0\xba,N\n");
    QStringList found;
    f->onModal = [&](QDialog *) {
        // keyClicks knows no key for a letter outside Latin-1; one event carries the text.
        auto *field = f->windows->LookupForm()->findChild<QLineEdit *>("WordToConvert");
        field->setFocus();
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, typed, Qt::NoModifier);
        found = lookUp(QString());
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(found, rows);
}

void tst_BadInput::chosenDictionaryCannotBeOpened_data()
{
    addBrokenRows(true);
}

void tst_BadInput::chosenDictionaryCannotBeOpened()
{
    QFETCH(Broken, how);
    TMainForm &main = start(Dictionary);
    const QString dictionary = main.DictionaryPath();
    const QString caption = main.windowTitle();
    const QString chosen = how == Broken::UnderAFile ? dictionary + QStringLiteral("/chosen.txt")
                                                     : f->path(QStringLiteral("chosen.txt"));
    QString skip;
    if (!breakPath(chosen, how, skip))
        QSKIP(qPrintable(skip));
    f->dialogAnswer = chosen;
    f->ui().Open1->trigger();
    QCOMPARE(f->warnings, QStringList{"Can Not Open " + chosen + " in Open1Click"});
    QCOMPARE(main.windowTitle(), caption);
    QCOMPARE(main.DictionaryPath(), dictionary);
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));
    main.close();
    QCOMPARE(f->setting(QStringLiteral("Dictionary")).toString(), dictionary);
    QCOMPARE(reports.size(), 0);
}

void tst_BadInput::rememberedDictionaryBroken_data()
{
    addBrokenRows(false);
}

// At start-up the affix table reads the remembered dictionary; when that cannot be opened the
// user is asked for another, before the window first appears.
void tst_BadInput::rememberedDictionaryBroken()
{
    QFETCH(Broken, how);
    const QString chosen = f->writeDictionary(Dictionary);
    const QString remembered = f->path(QStringLiteral("remembered.txt"));
    QString skip;
    if (!breakPath(remembered, how, skip))
        QSKIP(qPrintable(skip));
    f->writeSettings(remembered);
    f->dialogAnswer = chosen;
    TMainForm &main = f->start();
    QCOMPARE(f->dialogs, QStringList{"Open Dictionary"});
    QCOMPARE(main.DictionaryPath(), chosen);
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));
}

void tst_BadInput::dictionaryBrokenAfterStart_data()
{
    addBrokenRows(false);
}

void tst_BadInput::dictionaryBrokenAfterStart()
{
    QFETCH(Broken, how);
    TMainForm &main = start(Dictionary);
    const QString dictionary = main.DictionaryPath();
    QStringList before;
    QStringList after;
    f->onModal = [&](QDialog *) {
        (before.isEmpty() ? before : after) = lookUp(before.isEmpty() ? "call" : QString());
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(before, QStringList{"2255"});

    QString skip;
    if (!breakPath(dictionary, how, skip))
        QSKIP(qPrintable(skip));
    const QString warning = "Can Not Open " + dictionary + " in ConvertBtnClick";
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(f->warnings, QStringList{warning});
    QCOMPARE(f->ui().PossibleGrid->cell(0, 0), QString());
    QCOMPARE(main.statusText(), QString());
    // Convert again in the lookup window: the results it showed stay.
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(f->warnings, (QStringList{warning, warning}));
    QCOMPARE(after, QStringList{"2255"});

    // Nothing was forgotten: once the file is back, it is read again.
    breakPath(dictionary, Broken::Missing, skip);
    f->writeDictionary(Dictionary);
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));
    main.close();
    QCOMPARE(f->setting(QStringLiteral("Dictionary")).toString(), dictionary);
}

// The one way to make a read, not an open, fail: /proc/self/mem opens, and reading its first
// page (never mapped) fails.
void tst_BadInput::dictionaryFailsWhileRead()
{
    const QString failing = QStringLiteral("/proc/self/mem");
    QFile probe(failing);
    if (!probe.open(QIODevice::ReadOnly) || probe.read(1).size() == 1)
        QSKIP("no /proc/self/mem that fails to read");
    TMainForm &main = start(Dictionary);
    f->convert(QStringLiteral("2255669"));
    f->dialogAnswer = failing;
    f->ui().Open1->trigger();
    const QString warning = "Error Reading Dictionary " + failing;
    // One from the affix table's build, one from the conversion that follows it.
    QCOMPARE(f->warnings, (QStringList{warning, warning}));
    QCOMPARE(f->ui().PossibleGrid->cell(0, 0), QString());
    QCOMPARE(main.statusText(), QString());
    QCOMPARE(main.windowTitle(), "Numra " + failing);
    QStringList rows;
    f->onModal = [&](QDialog *) {
        rows = lookUp(QStringLiteral("call"));
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(f->warnings.size(), 3);
    QCOMPARE(f->warnings.last(), warning);
    QCOMPARE(rows, QStringList{});
}

// What was found before a read fails stays; the status line, which would count the whole file,
// is not written.
void tst_BadInput::dictionaryFailsPartWay()
{
    // The first block holds CALL, NOW and RE-; the ones after it, beyond the failing read, a
    // second number for CALL and the prefix SO-.
    QByteArray bytes = "2255,CALL,N\n669,NOW,N\n73,RE-,N\n";
    while (bytes.size() < 3 * 256 * 1024)
        bytes += "8,W,N\n";
    bytes += "2255,LATE,N\n22559,CALL,N\n76,SO-,N\n";
    TMainForm &main = start(bytes);
    const QString path = main.DictionaryPath();
    const QString warning = "Error Reading Dictionary " + path;

    readsBeforeFailure = 1;
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(f->warnings, QStringList{warning});
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));
    QCOMPARE(main.statusText(), QString());

    QStringList rows;
    f->onModal = [&](QDialog *) {
        readsBeforeFailure = 1;
        rows = lookUp(QStringLiteral("call"));
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(f->warnings.size(), 2);
    QCOMPARE(rows, QStringList{"2255"});

    readsBeforeFailure = 1;
    f->dialogAnswer = path;
    f->ui().Open1->trigger();
    readsBeforeFailure = -1;
    QCOMPARE(f->warnings.size(), 4); // the affix table's build, then the conversion after it
    QCOMPARE(main.AffixTable().size(), std::size_t(1));
    QCOMPARE(main.AffixTable().front().Affix, std::string("RE-"));
    const std::lock_guard lock(failedLock);
    failedStreams.clear();
}

void tst_BadInput::dictionaryChangedBetweenPasses_data()
{
    using Change = std::function<void(const QString &)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("lookedUp");
    QTest::newRow("truncated to nothing")
        << Change([](const QString &path) { QFile::resize(path, 0); }) << QStringList{} << 0
        << QStringList{"No Numeric Equivalent"};
    QTest::newRow("truncated inside a record")
        << Change([](const QString &path) { QFile::resize(path, 17); }) << QStringList{"CALL"} << 2
        << QStringList{"2255"};
    QTest::newRow("grown") << Change([](const QString &path) {
        QFile file(path);
        file.open(QIODevice::Append);
        file.write("2255669,CALLNOW,N\n7777,Call,N\n");
    }) << QStringList{"CALL", "NOW", "CALLNOW"}
                           << 4 << QStringList{"2255", "7777"};
    QTest::newRow("replaced by rename") << Change([](const QString &path) {
        QFile file(path + QStringLiteral(".new"));
        file.open(QIODevice::WriteOnly);
        file.write("669,MOW,N\n2255,BALL,N\n");
        file.close();
        std::rename(QFile::encodeName(file.fileName()), QFile::encodeName(path));
    }) << QStringList{"MOW", "BALL"} << 2
                                        << QStringList{"No Numeric Equivalent"};
}

void tst_BadInput::dictionaryChangedBetweenPasses()
{
    using Change = std::function<void(const QString &)>;
    QFETCH(Change, change);
    QFETCH(QStringList, words);
    QFETCH(int, lines);
    QFETCH(QStringList, lookedUp);
    TMainForm &main = start(Dictionary);
    const QString dictionary = main.DictionaryPath();

    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));
    change(dictionary);
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), words);
    QVERIFY(main.statusText().startsWith(
        QStringLiteral(" %1 Matches out of %2 words in ").arg(words.size()).arg(lines)));

    // Again, while the lookup window is open.
    f->writeDictionary(Dictionary);
    QStringList before;
    QStringList after;
    f->onModal = [&](QDialog *) {
        before = lookUp(QStringLiteral("call"));
        change(dictionary);
        after = lookUp(QStringLiteral("call"));
        return int(QDialog::Rejected);
    };
    QTest::mouseClick(f->ui().LookupBtn, Qt::LeftButton);
    QCOMPARE(before, QStringList{"2255"});
    QCOMPARE(after, lookedUp);
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), words);
    QCOMPARE(f->warnings, QStringList{});
}

void tst_BadInput::hundredDigitsHundredWords_data()
{
    QTest::addColumn<QString>("placement");
    QTest::newRow("Left: from the left end") << "left";
    QTest::newRow("Right: from the right end") << "right";
    QTest::newRow("Any Point: in scattered order") << "any";
}

void tst_BadInput::hundredDigitsHundredWords()
{
    QFETCH(QString, placement);
    const QString letters = QStringLiteral("ADGJMPTW"); // one word for each of 2 to 9
    QByteArray dictionary;
    for (int digit = 2; digit <= 9; ++digit)
        dictionary += QByteArray::number(digit) + ',' + letters[digit - 2].toLatin1() + ",N\n";
    start(dictionary);
    QString number;
    QStringList phrase;
    for (int i = 0; number.size() < 100; ++i) {
        const int digit = 2 + (i * 5 + i / 8) % 8;
        number += QString::number(digit);
        phrase += letters[digit - 2];
    }
    (placement == "left"    ? f->ui().LeftBtn
     : placement == "right" ? f->ui().RightBtn
                            : f->ui().AnyPointBtn)
        ->click();
    f->convert(number);
    Grid *candidates = f->ui().PossibleGrid;
    for (int pick = 0; pick < 100; ++pick) {
        const int listed = MainFixture::column(candidates, 0).size();
        QVERIFY2(listed > 0, qPrintable(QStringLiteral("nothing to choose at pick %1").arg(pick)));
        MainFixture::clickRow(candidates, pick * 3 % listed);
        QCOMPARE(f->ui().Edit->text().count(Mark), pick + 1);
    }
    QCOMPARE(f->ui().Edit->text(), QString(100, Mark));
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), phrase);
    QVERIFY(f->ui().CopyBtn->isEnabled());
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), number + ", " + phrase.join(QLatin1Char(' ')));
}

void tst_BadInput::pastedNumber_data()
{
    QTest::addColumn<QString>("pasted"); // the field keeps its first 100 characters
    QTest::addColumn<bool>("convertible");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("warned");
    const QStringList both{"CALL", "NOW"};
    QTest::newRow("a tab between the digit groups")
        << "2255\t669" << true << both << "2255\t669, CALL NOW" << false;
    QTest::newRow("tabs around the number")
        << "\t2255669\t" << true << both << "2255669, CALL NOW" << false;
    QTest::newRow("Unicode letters around and between")
        << "Ωμέγα 2255-669 ☎" << true << both << "Ωμέγα 2255-669 ☎, CALL NOW" << false;
    QTest::newRow("a character outside the BMP between the groups")
        << "2255😀669" << true << both << "2255😀669, CALL NOW" << false;
    QTest::newRow("digits of other scripts are no digits")
        << "٢٢٥٥ ２２５５ ²²⁵⁵" << false << QStringList{} << QString() << false;
    QTest::newRow("a NUL between the digit groups")
        << QStringLiteral("2255") + QChar(0) + "669" << true << both
        << QStringLiteral("2255") + QChar(0) + "669, CALL NOW" << false;
    QTest::newRow("a line break") << "2255\n669" << true << both << "2255\n669, CALL NOW" << false;
    QTest::newRow("101 characters: cut to 100")
        << "2255669" + QString(94, QLatin1Char('x')) << true << both
        << "2255669" + QString(93, QLatin1Char('x')) + ", CALL NOW" << true;
    QTest::newRow("100 marks") << QString(100, Mark) << false << QStringList{} << QString() << true;
}

void tst_BadInput::pastedNumber()
{
    QFETCH(QString, pasted);
    QFETCH(bool, convertible);
    QFETCH(QStringList, words);
    QFETCH(QString, copied);
    QFETCH(bool, warned);
    start(Dictionary);
    Platform::setClipboardText(pasted);
    f->ui().Edit->setFocus();
    QTest::keyClick(f->ui().Edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f->ui().Edit->text(), pasted.left(100));
    QCOMPARE(f->ui().ConvertBtn->isEnabled(), convertible);
    QCOMPARE(f->warnings.contains("Entry Can Not Exceed 100 Characters"), warned);
    // What cannot be converted still runs through a change of placement.
    QTest::mouseClick(convertible ? static_cast<QAbstractButton *>(f->ui().ConvertBtn)
                                  : f->ui().LeftBtn,
                      Qt::LeftButton);
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), words);
    for (const QString &word : words)
        QVERIFY(f->choose(word, word == "CALL" ? "2255" : "669"));
    QCOMPARE(f->ui().CopyBtn->isEnabled(), !copied.isEmpty());
    if (copied.isEmpty())
        return;
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), copied);
}

namespace {

QByteArray ini(const QList<std::pair<QString, QString>> &values)
{
    QByteArray text = "[General]\n";
    for (const auto &[name, value] : values)
        text += QString(name).replace(QLatin1Char(' '), QLatin1String("%20")).toUtf8() + '=' +
                value.toUtf8() + '\n';
    return text;
}

const QStringList &IntegerSettings = Platform::SettingsStore::IntegerNames;

// Every value there: those of the correction window set to affix, all others to integer.
QByteArray allSettingsAre(const QString &integer, const QString &affix)
{
    QList<std::pair<QString, QString>> values{{"Dictionary", "d.txt"}};
    for (const QString &name : IntegerSettings)
        values.append({name, name.startsWith(QLatin1String("Affix")) ? affix : integer});
    return ini(values);
}

} // namespace

void tst_BadInput::badSettingsFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<bool>("design"); // the windows keep their design places

    QByteArray noise(4096, '\0');
    QRandomGenerator random(1);
    for (char &b : noise)
        b = char(random.bounded(256));
    QTest::newRow("binary garbage") << noise << 1 << true;
    QTest::newRow("text garbage")
        << QByteArray("[General\n==\n=\"\n\\\n[]=[]\n%General=1\n@Invalid()\n;\n\"Form Top\"=1\n")
        << 1 << true;
    QTest::newRow("every value of the wrong type") << ini({{"Dictionary", "a, b"},
                                                           {"Form Top", "abc"},
                                                           {"Form Left", "1.5"},
                                                           {"Form Width", "@Size(600 500)"},
                                                           {"Form Height", "@Rect(0 0 1 1)"},
                                                           {"Selected Panel Height", "true"},
                                                           {"Word Width", "@ByteArray(151)"},
                                                           {"Number Width", ""},
                                                           {"Lookup Top", "@Point(1 2)"},
                                                           {"Lookup Left", "0x10"},
                                                           {"Affix Top", "1e3"},
                                                           {"Affix Left", "twelve"},
                                                           {"Affix Width", "@Invalid()"},
                                                           {"Affix Word Width", "-"},
                                                           {"Affix Number Width", "\"\""},
                                                           {"NotifyCount", "five"}})
                                                   << 1 << true;
    QTest::newRow("huge geometry") << allSettingsAre("2147483647", "100") << 0 << false;
    QTest::newRow("huge geometry of the correction window")
        << allSettingsAre("100", "2147483647") << 0 << false;
    QTest::newRow("the least geometry")
        << allSettingsAre("-2147483648", "-2147483648") << 0 << false;
    QTest::newRow("negative geometry") << allSettingsAre("-500", "-500") << 0 << false;
    // The top is applied before the missing left stops the reading.
    QTest::newRow("a huge top and nothing after it")
        << ini({{"Dictionary", "d.txt"}, {"Form Top", "2147483647"}}) << 1 << false;
}

void tst_BadInput::badSettingsFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, dialogs);
    QFETCH(bool, design);
    {
        QFile file(f->path(QStringLiteral("Numra.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents.replace("d.txt", f->path(QStringLiteral("d.txt")).toUtf8()));
    }
    TMainForm &main = start(Dictionary, false);
    QCOMPARE(f->dialogs.size(), dialogs);
    QCOMPARE(f->warnings, QStringList{});
    if (design) {
        QCOMPARE(main.pos(), QPoint(357, 55));
        QCOMPARE(main.size(), QSize(483, 496));
        QCOMPARE(f->windows->LookupForm()->pos(), QPoint(159, 423));
    }
    QVERIFY2(onScreen(&main), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                             .arg(main.x())
                                             .arg(main.y())
                                             .arg(main.width())
                                             .arg(main.height())));
    QVERIFY(main.width() >= 483 && main.height() >= 496);
    QVERIFY(f->ui().SelectedPanel->height() > 0 && f->ui().PossiblePanel->height() > 0);
    QVERIFY(f->ui().PossibleGrid->colWidth(0) > 0 && f->ui().PossibleGrid->colWidth(1) > 0);
    QVERIFY(onScreen(f->windows->LookupForm()));
    QVERIFY(onScreen(f->windows->AffixForm()));
    f->convert(QStringLiteral("2255669"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"CALL", "NOW"}));

    // At exit every value is written whole, and the next start takes them without a question.
    main.close();
    QCOMPARE(reports.size(), 0);
    QCOMPARE(f->setting(QStringLiteral("Dictionary")).toString(), main.DictionaryPath());
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    for (const QString &name : IntegerSettings)
        QVERIFY2(integer.match(f->setting(name).toString()).hasMatch(), qPrintable(name));
    const QPoint saved(f->setting(QStringLiteral("Form Left")).toInt(),
                       f->setting(QStringLiteral("Form Top")).toInt());
    f->dialogs.clear();
    f->windows.reset();
    f->start(false);
    QCOMPARE(f->dialogs, QStringList{});
    QCOMPARE(f->main().pos(), saved);
}

void tst_BadInput::unreadableSettings_data()
{
    QTest::addColumn<Broken>("how");
    QTest::addColumn<bool>("writeFails");
    QTest::newRow("a directory in place of the file") << Broken::Directory << true;
    QTest::newRow("a file without read permission") << Broken::NoReadPermission << false;
    // The new file is put in place of the link.
    QTest::newRow("a link that points to itself") << Broken::LinkLoop << false;
}

// Read as if there were no settings at all: the design places and the question for a
// dictionary, without a word about the settings.
void tst_BadInput::unreadableSettings()
{
    QFETCH(Broken, how);
    QFETCH(bool, writeFails);
    const QString settings = f->path(QStringLiteral("Numra.conf"));
    QString skip;
    if (!breakPath(settings, how, skip))
        QSKIP(qPrintable(skip));
    TMainForm &main = start(Dictionary, false);
    QCOMPARE(f->dialogs, QStringList{"Open Dictionary"});
    QCOMPARE(f->warnings, QStringList{});
    QCOMPARE(main.pos(), QPoint(357, 55));
    main.close();
    QVERIFY(!main.isVisible());
    QCOMPARE(reports.size(), writeFails ? 1 : 0);
    if (writeFails)
        QVERIFY(reports.first().text.contains("Could not write the settings to " + settings));
    else
        QCOMPARE(f->setting(QStringLiteral("Dictionary")).toString(), main.DictionaryPath());
}

QTEST_MAIN(tst_BadInput)
#include "tst_BadInput.moc"
