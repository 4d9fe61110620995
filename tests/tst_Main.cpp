#include "tests/MainFixture.h"

#include "platform/Desktop.h"
#include "toolkit/DictionaryMaker.h"
#include "toolkit/TextCodec.h"
#include "toolkit/Translations.h"
#include "ui/Notify.h"

#include <QAccessible>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextTable>

namespace {

const QByteArray Dictionary = "2255,CALL,N\n669,NOW,N\n2,A,N\n5,J,N\n2255,Call,A\n";

} // namespace

class tst_Main : public QObject
{
    Q_OBJECT

private slots:
    void firstRunAsksForDictionaryBeforeShowing();
    void savesEverySettingAtClose_data();
    void savesEverySettingAtClose();
    void settingsRestoreAtNextStart();
    void missingOrUnreadableValue_data();
    void missingOrUnreadableValue();
    void sizeBelowMinimumIsRaised();
    void panesKeepTheirLeastHeight_data();
    void panesKeepTheirLeastHeight();
    void windowOffScreenIsBroughtBack();
    void openCancelled_data();
    void openCancelled();
    void noDictionaryStoredIsNoFile();
    void openOfFileThatCannotBeOpened();
    void openRebuildsAndConverts();
    void columnWidthsMirrorOnlyWhenReady();
    void columnWidthsMirrorAfterStartUp();
    void helpContents();
    void helpOfOpenMenu_data();
    void helpOfOpenMenu();
    void helpReadableInEveryPalette_data();
    void helpReadableInEveryPalette();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void captionsAsGiven();
    void everyTextReachesScreenReader();
    void dictionaryGivenOnCommandLine_data();
    void dictionaryGivenOnCommandLine();
    void firstRunOffersLanguageDictionary_data();
    void firstRunOffersLanguageDictionary();
};

void tst_Main::firstRunAsksForDictionaryBeforeShowing()
{
    MainFixture f;
    f.dialogAnswer = f.writeDictionary(Dictionary);
    bool visibleWhenAsked = true;
    Platform::OpenFileRequest asked;
    Platform::setOpenFileHandler([&](const Platform::OpenFileRequest &request) {
        f.dialogs.append(request.title);
        asked = request;
        visibleWhenAsked = f.windows && f.windows->MainForm && f.main().isVisible();
        return f.dialogAnswer;
    });
    TMainForm &main = f.start(false);
    QCOMPARE(f.dialogs, QStringList{"Open Dictionary"});
    QCOMPARE(asked.filter, QStringLiteral("Text Documents (*.txt)"));
    QVERIFY(asked.proposedFile.endsWith(QStringLiteral("Numra Dictionary.txt")));
    QVERIFY(!visibleWhenAsked);
    QCOMPARE(main.pos(), QPoint(357, 55));
    QCOMPARE(main.size(), QSize(483, 496));
    QCOMPARE(main.windowTitle(), "Numra " + *f.dialogAnswer);
    QVERIFY(f.warnings.isEmpty());
    QVERIFY(!f.ui().ConvertBtn->isEnabled());
    QVERIFY(!f.ui().CopyBtn->isEnabled());
    QVERIFY(f.ui().AnyPointBtn->isChecked());
    QCOMPARE(MainFixture::heading(f.ui().PossibleGrid, 0), QStringLiteral("Candidate Word"));
    QCOMPARE(MainFixture::heading(f.ui().SelectedGrid, 0), QStringLiteral("Selected Word"));
}

void tst_Main::savesEverySettingAtClose_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::addColumn<bool>("helpOpen");
    QTest::newRow("File, Exit") << true << false;
    QTest::newRow("close box") << false << false;
    QTest::newRow("File, Exit with the help window open") << true << true;
}

void tst_Main::savesEverySettingAtClose()
{
    QFETCH(bool, throughMenu);
    QFETCH(bool, helpOpen);
    MainFixture f;
    f.dialogAnswer = f.writeDictionary(Dictionary);
    f.start();
    if (helpOpen) {
        Platform::setHelpHandler({});
        f.ui().Contents1->trigger();
    }
    if (throughMenu)
        f.ui().Exit1->trigger();
    else
        f.main().close();
    // No window is left to keep the program running.
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
    const QStringList names = {"Dictionary",
                               "Form Top",
                               "Form Left",
                               "Form Width",
                               "Form Height",
                               "Selected Panel Height",
                               "Word Width",
                               "Number Width",
                               "Lookup Top",
                               "Lookup Left",
                               "Affix Top",
                               "Affix Left",
                               "Affix Width",
                               "Affix Word Width",
                               "Affix Number Width",
                               "Suggest Top",
                               "Suggest Left",
                               "Suggest Width",
                               "Suggest Height",
                               "Suggest Phrase Width",
                               "Suggest Vanity Width",
                               "Suggest Area Code Words",
                               "Suggest Offensive Words",
                               "Rank Top",
                               "Rank Left",
                               "Rank Width",
                               "Rank Height",
                               "Rank Number Width",
                               "Rank Vanity Width",
                               "Rank Phrase Width",
                               "NotifyCount"};
    QSettings stored(f.path(QStringLiteral("Numra.conf")), QSettings::IniFormat);
    QStringList keys = stored.allKeys();
    QCOMPARE(keys.size(), names.size());
    for (const QString &name : names)
        QVERIFY2(keys.contains(name), qPrintable(name));
    QCOMPARE(f.setting("Dictionary").toString(), *f.dialogAnswer);
    QCOMPARE(f.setting("NotifyCount").toInt(), 5);
    QCOMPARE(f.setting("Word Width").toInt(), 151);
}

void tst_Main::settingsRestoreAtNextStart()
{
    MainFixture f;
    const QString dictionary = f.writeDictionary(Dictionary);
    f.writeSettings(dictionary, {{"Form Top", 80},
                                 {"Form Left", 90},
                                 {"Form Width", 600},
                                 {"Form Height", 560},
                                 {"Word Width", 120},
                                 {"Number Width", 140}});
    TMainForm &main = f.start(false);
    QVERIFY(f.dialogs.isEmpty());
    QCOMPARE(main.pos(), QPoint(90, 80));
    QCOMPARE(main.size(), QSize(600, 560));
    QCOMPARE(f.ui().PossibleGrid->colWidth(0), 120);
    QCOMPARE(f.ui().SelectedGrid->colWidth(0), 120);
    QCOMPARE(main.windowTitle(), "Numra " + dictionary);
    main.close();
    QCOMPARE(f.setting("Form Top").toInt(), 80);
    QCOMPARE(f.setting("Word Width").toInt(), 120);
}

void tst_Main::missingOrUnreadableValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("dictionaryExists");
    QTest::addColumn<int>("dialogsShown");
    QTest::addColumn<bool>("topApplied");
    QTest::newRow("Form Left missing, cancel keeps the readable dictionary")
        << "Form Left" << QVariant() << true << 1 << true;
    QTest::newRow("Form Left missing and dictionary gone: asked twice")
        << "Form Left" << QVariant() << false << 2 << true;
    QTest::newRow("Form Top not a number") << "Form Top" << QVariant("abc") << true << 1 << false;
    QTest::newRow("Form Width beyond 32 bits")
        << "Form Width" << QVariant("4294967296") << true << 1 << true;
    QTest::newRow("Number Width with trailing text")
        << "Number Width" << QVariant("12px") << true << 1 << true;
}

void tst_Main::missingOrUnreadableValue()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(bool, dictionaryExists);
    QFETCH(int, dialogsShown);
    QFETCH(bool, topApplied);
    MainFixture f;
    const QString dictionary =
        dictionaryExists ? f.writeDictionary(Dictionary) : f.path("gone.txt");
    f.writeSettings(dictionary, {{"Form Top", 77}});
    {
        QSettings s(f.path(QStringLiteral("Numra.conf")), QSettings::IniFormat);
        if (value.isValid())
            s.setValue(name, value);
        else
            s.remove(name);
    }
    TMainForm &main = f.start(false);
    QCOMPARE(f.dialogs.size(), dialogsShown);
    QCOMPARE(main.y() == 77, topApplied);
    QCOMPARE(main.DictionaryPath(),
             dictionaryExists ? dictionary : QStringLiteral("No Dictionary Open"));
}

void tst_Main::sizeBelowMinimumIsRaised()
{
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary), {{"Form Width", 100}, {"Form Height", 50}});
    TMainForm &main = f.start(false);
    QCOMPARE(main.size(), QSize(483, 496));
}

void tst_Main::panesKeepTheirLeastHeight_data()
{
    QTest::addColumn<int>("squeezed"); // the pane dragged towards nothing
    QTest::newRow("candidate list") << 0;
    QTest::newRow("phrase list") << 1;
}

void tst_Main::panesKeepTheirLeastHeight()
{
    QFETCH(int, squeezed);
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary));
    TMainForm &main = f.start();
    auto *splitter = main.findChild<QSplitter *>(QStringLiteral("Splitter"));
    const int whole = splitter->sizes().at(0) + splitter->sizes().at(1);
    splitter->setSizes(squeezed == 0 ? QList<int>{0, whole} : QList<int>{whole, 0});
    QCOMPARE(splitter->sizes().at(squeezed), 58);
}

void tst_Main::windowOffScreenIsBroughtBack()
{
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary), {{"Form Top", -90000}, {"Form Left", 90000}});
    TMainForm &main = f.start(false);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.intersects(QRect(main.pos(), main.size())));
}

void tst_Main::openCancelled_data()
{
    QTest::addColumn<bool>("dictionaryStillThere");
    QTest::newRow("dictionary still readable: kept") << true;
    QTest::newRow("dictionary gone: forgotten") << false;
}

void tst_Main::openCancelled()
{
    QFETCH(bool, dictionaryStillThere);
    MainFixture f;
    const QString dictionary = f.writeDictionary(Dictionary);
    f.writeSettings(dictionary);
    TMainForm &main = f.start();
    const QString caption = main.windowTitle();
    if (!dictionaryStillThere)
        QFile::remove(dictionary);
    f.dialogAnswer.reset();
    f.ui().Open1->trigger();
    QCOMPARE(f.dialogs.size(), 1);
    QVERIFY(f.warnings.isEmpty());
    QCOMPARE(main.windowTitle(), caption);
    QCOMPARE(main.DictionaryPath(),
             dictionaryStillThere ? dictionary : QStringLiteral("No Dictionary Open"));
    main.close();
    QCOMPARE(f.setting("Dictionary").toString(),
             dictionaryStillThere ? dictionary : QStringLiteral("No Dictionary Open"));
}

// The name the settings keep while no dictionary is open must not open a file of that name.
void tst_Main::noDictionaryStoredIsNoFile()
{
    MainFixture f;
    const QString named = f.path(QStringLiteral("No Dictionary Open"));
    QFile::copy(f.writeDictionary(Dictionary), named);
    const QString before = QDir::currentPath();
    QDir::setCurrent(f.path(QString()));
    f.writeSettings(QStringLiteral("No Dictionary Open"));
    f.dialogAnswer.reset();
    TMainForm &main = f.start(false);
    QDir::setCurrent(before);
    QCOMPARE(f.dialogs.size(), 1);
    QCOMPARE(main.windowTitle(), QStringLiteral("Numra No Dictionary Open"));
    main.close();
    QCOMPARE(f.setting("Dictionary").toString(), QStringLiteral("No Dictionary Open"));
}

void tst_Main::openOfFileThatCannotBeOpened()
{
    MainFixture f;
    const QString dictionary = f.writeDictionary(Dictionary);
    f.writeSettings(dictionary);
    TMainForm &main = f.start();
    f.dialogAnswer = f.path(QStringLiteral("typed name.txt"));
    f.ui().Open1->trigger();
    QCOMPARE(f.warnings, QStringList{"Can Not Open " + *f.dialogAnswer + " in Open1Click"});
    QCOMPARE(main.DictionaryPath(), dictionary);
    f.convert(QStringLiteral("669"));
    QCOMPARE(f.ui().PossibleGrid->cell(0, 0), QStringLiteral("NOW"));
}

void tst_Main::openRebuildsAndConverts()
{
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary));
    TMainForm &main = f.start();
    f.convert(QStringLiteral("669"));
    QCOMPARE(main.AffixTable().size(), std::size_t(0));
    f.dialogAnswer = f.writeDictionary("669,MOW,N\n464,-ING,N\n", QStringLiteral("other.txt"));
    f.ui().Open1->trigger();
    QCOMPARE(main.windowTitle(), "Numra " + *f.dialogAnswer);
    QCOMPARE(main.AffixTable().size(), std::size_t(1));
    QCOMPARE(MainFixture::column(f.ui().PossibleGrid, 0), QStringList{"MOW"});
}

void tst_Main::columnWidthsMirrorOnlyWhenReady()
{
    // During start-up (here, in the dialog a missing value brings up) nothing is mirrored.
    MainFixture f;
    std::optional<int> phraseWidthDuringStartUp;
    Platform::setOpenFileHandler([&](const Platform::OpenFileRequest &) {
        Grid *possible = nullptr;
        Grid *selected = nullptr;
        for (QWidget *widget : QApplication::allWidgets()) {
            if (widget->objectName() == QLatin1String("PossibleGrid"))
                possible = qobject_cast<Grid *>(widget);
            else if (widget->objectName() == QLatin1String("SelectedGrid"))
                selected = qobject_cast<Grid *>(widget);
        }
        possible->setColWidth(0, 123);
        phraseWidthDuringStartUp = selected->colWidth(0);
        return std::optional<QString>(f.path(QStringLiteral("d.txt")));
    });
    QSettings(f.path(QStringLiteral("Numra.conf")), QSettings::IniFormat)
        .setValue(QStringLiteral("Dictionary"), f.writeDictionary(Dictionary));
    f.start(false);
    QCOMPARE(phraseWidthDuringStartUp, std::optional<int>(151));
    f.controls.reset();
    f.windows.reset();
}

void tst_Main::captionsAsGiven()
{
    // The window system adds the application's display name to every caption that does not end
    // with it, once one is set: none may be.
    SetUpApplication();
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);
}

void tst_Main::everyTextReachesScreenReader()
{
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary));
    f.start();
    QList<QWidget *> windows{&f.main()};
    for (QObject *child : f.main().children()) {
        if (auto *window = qobject_cast<QDialog *>(child))
            windows.append(window);
    }
    QCOMPARE(windows.size(), 8);
    for (QWidget *window : windows) {
        window->show();
        for (QLabel *label : window->findChildren<QLabel *>()) {
            QString shown = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
            // A label that names its field marks the field's Alt key, which is not read out.
            if (label->buddy())
                shown.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            if (!label->isVisible() || shown.trimmed().isEmpty())
                continue;
            QAccessibleInterface *read = QAccessible::queryAccessibleInterface(label);
            const QString heard =
                read->text(QAccessible::Name) + ' ' + read->text(QAccessible::Description);
            QVERIFY2(heard.contains(shown.simplified()) ||
                         heard.simplified().contains(shown.simplified()),
                     qPrintable(window->objectName() + '/' + label->objectName() + ": \"" + shown +
                                "\" heard as \"" + heard + '"'));
        }
        for (Grid *grid : window->findChildren<Grid *>()) {
            QAccessibleTableInterface *table =
                QAccessible::queryAccessibleInterface(grid)->tableInterface();
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                QVERIFY2(!table->columnDescription(column).isEmpty(),
                         qPrintable(window->objectName() + '/' + grid->objectName()));
        }
        if (window != &f.main())
            window->hide();
    }
}

void tst_Main::dictionaryGivenOnCommandLine_data()
{
    QTest::addColumn<bool>("settingsIncomplete");
    QTest::addColumn<bool>("givenExists");
    QTest::newRow("first run") << false << true;
    QTest::newRow("a value missing") << true << true;
    QTest::newRow("the file missing: said, then asked") << false << false;
}

void tst_Main::dictionaryGivenOnCommandLine()
{
    QFETCH(bool, settingsIncomplete);
    QFETCH(bool, givenExists);
    MainFixture f;
    if (settingsIncomplete)
        QSettings(f.path(QStringLiteral("Numra.conf")), QSettings::IniFormat)
            .setValue(QStringLiteral("Dictionary"), QStringLiteral("/nowhere.txt"));
    const QString given =
        givenExists ? f.writeDictionary("73,RE-,N\n2255,CALL,N\n") : f.path("missing.txt");
    QStringList told; // warnings and dialogs, in order
    Platform::setWarningHandler([&](const QString &text) { told.append(text); });
    Platform::setOpenFileHandler([&](const Platform::OpenFileRequest &request) {
        told.append(request.title);
        return std::optional<QString>();
    });
    f.windows = std::make_unique<NumraWindows>(given);
    if (!givenExists) {
        QCOMPARE(told, (QStringList{"Can Not Open " + given, "Open Dictionary"}));
        return;
    }
    QVERIFY(told.isEmpty());
    QCOMPARE(f.windows->MainForm->windowTitle(), "Numra " + given);
    QCOMPARE(f.windows->MainForm->AffixTable().size(), std::size_t(1));
}

void tst_Main::columnWidthsMirrorAfterStartUp()
{
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary), {{"Word Width", 130}});
    TMainForm &main = f.start();
    QVERIFY(main.GridsReady());
    f.windows->window.IdleCount = 50;
    f.ui().PossibleGrid->setColWidth(0, 170);
    QCOMPARE(f.ui().SelectedGrid->colWidth(0), 170);
    QCOMPARE(f.windows->window.IdleCount, 0);
    f.ui().SelectedGrid->setColWidth(0, 110);
    QCOMPARE(f.ui().PossibleGrid->colWidth(0), 110);
}

void tst_Main::helpContents()
{
    // As the program does before it makes its windows.
    SetUpApplication();
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary));
    f.start();
    QString shown;
    int context = -1;
    Platform::setHelpHandler([&](const QString &file, int c) {
        shown = file;
        context = c;
    });
    f.ui().Contents1->trigger();
    QVERIFY(shown.endsWith(QStringLiteral("Numra.hlp")));
    QVERIFY(QFile::exists(shown));
    QCOMPARE(context, 0);
    f.ui().Edit->setFocus();
    QTest::keyClick(f.ui().Edit, Qt::Key_F1);
    QCOMPARE(context, int(Platform::MainWindowHelp));
}

void tst_Main::helpOfOpenMenu_data()
{
    QTest::addColumn<QString>("menu"); // open while the number field has the focus
    QTest::addColumn<int>("context");
    QTest::newRow("no menu open") << QString() << int(Platform::MainWindowHelp);
    QTest::newRow("File menu open") << "File1" << int(Platform::FileMenuHelp);
    QTest::newRow("Help menu open") << "Help1" << int(Platform::HelpMenuHelp);
    QTest::newRow("Phrases menu open") << "Phrases1" << int(Platform::PhrasesMenuHelp);
}

void tst_Main::helpOfOpenMenu()
{
    QFETCH(QString, menu);
    QFETCH(int, context);
    MainFixture f;
    f.writeSettings(f.writeDictionary(Dictionary));
    f.start();
    QList<int> shown;
    Platform::setHelpHandler([&](const QString &, int c) { shown.append(c); });
    QApplication::setActiveWindow(&f.main());
    f.ui().Edit->setFocus();
    QWidget *target = f.ui().Edit;
    if (!menu.isEmpty()) {
        auto *open = f.main().findChild<QMenu *>(menu);
        open->popup(f.main().mapToGlobal(QPoint(0, 0)));
        QCOMPARE(QApplication::activePopupWidget(), open);
        target = open;
    }
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(shown, QList<int>{context});
    if (auto *open = qobject_cast<QMenu *>(target))
        open->close();
    // A menu shows no item of the window's help shortcut.
    for (QMenu *each : f.main().findChildren<QMenu *>())
        for (QAction *item : each->actions())
            QVERIFY2(!item->text().isEmpty() || item->isSeparator(),
                     qPrintable(each->objectName()));
}

namespace {

QPalette darkPalette()
{
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Base, 0x202020},
                                       {QPalette::Text, 0xffffff},
                                       {QPalette::Button, 0x404040},
                                       {QPalette::ButtonText, 0xffffff},
                                       {QPalette::Link, 0x8ab4f8}})
        dark.setColor(role, QColor::fromRgb(QRgb(colour)));
    return dark;
}

} // namespace

void tst_Main::helpReadableInEveryPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light palette") << QPalette(Qt::white);
    QTest::newRow("dark palette") << darkPalette();
}

// Every piece of text of the help stands out from what it is drawn on.
void tst_Main::helpReadableInEveryPalette()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    Platform::setHelpHandler({});
    Platform::showHelp(TextCodec::dataFilePath(QStringLiteral("Numra.hlp")));
    QTextBrowser *browser = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !browser)
            browser = window->findChild<QTextBrowser *>();
    QVERIFY(browser);
    const QTextDocument *help = browser->document();
    int cells = 0;
    for (QTextBlock block = help->begin(); block.isValid(); block = block.next()) {
        const QTextCursor at(block);
        QColor ground = palette.color(QPalette::Base);
        if (const QTextTable *table = at.currentTable()) {
            ++cells;
            if (const QBrush cell = table->cellAt(at).format().background();
                cell.style() != Qt::NoBrush)
                ground = cell.color();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat look = it.fragment().charFormat();
            const QColor ink = look.foreground().style() != Qt::NoBrush
                                   ? look.foreground().color()
                                   : palette.color(QPalette::Text);
            QVERIFY2(qAbs(ink.lightness() - ground.lightness()) >= 100,
                     qPrintable(it.fragment().text() + ": " + ink.name() + " on " + ground.name()));
        }
    }
    QVERIFY(cells > 0);
    Platform::closeHelp();
    QApplication::setPalette(before);
}

void tst_Main::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << "--help"
                            << "--dictionary <FILE>";
    QTest::newRow("--version") << "--version"
                               << "Numra 1.11";
}

// As from a terminal with no window system at all: the answer needs none.
void tst_Main::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, answer);
    QProcess numra;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    numra.setProcessEnvironment(environment);
    numra.start(QCoreApplication::applicationDirPath() + QStringLiteral("/Numra"), {option});
    QVERIFY(numra.waitForFinished(60000));
    QCOMPARE(numra.exitStatus(), QProcess::NormalExit);
    QCOMPARE(numra.exitCode(), 0);
    QVERIFY2(QString::fromLocal8Bit(numra.readAllStandardOutput()).contains(answer),
             qPrintable(numra.readAllStandardError()));
}

void tst_Main::firstRunOffersLanguageDictionary_data()
{
    QTest::addColumn<QString>("maker"); // what the stand-in for make-dictionary does
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("fileDialogs");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QString>("warning");

    const QString writes = "open(sys.argv[sys.argv.index('--output') + 1], 'w')"
                           ".write('2255,CALL,N\\n')";
    const QString fails = "sys.exit('make-dictionary: error: cannot read word list "
                          "(Debian package wngerman)')";
    QTest::newRow("made and opened") << writes << 0 << 1 << 0 << true << "";
    QTest::newRow("a file chosen instead") << writes << 1 << 1 << 1 << false << "";
    QTest::newRow("the box closed") << writes << -1 << 1 << 1 << false << "";
    QTest::newRow("word list missing: said, then a file")
        << fails << 0 << 1 << 1 << false << "(Debian package wngerman)";
    QTest::newRow("no maker installed: a file at once") << QString() << 0 << 0 << 1 << false << "";
}

void tst_Main::firstRunOffersLanguageDictionary()
{
    QFETCH(QString, maker);
    QFETCH(int, choice);
    QFETCH(int, asked);
    QFETCH(int, fileDialogs);
    QFETCH(bool, made);
    QFETCH(QString, warning);
    MainFixture f;
    // The dictionary is made into the user's data folder: the test's own.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", f.path(QStringLiteral("data")).toUtf8());
    const QString script = f.path(QStringLiteral("make-dictionary"));
    if (!maker.isEmpty())
        f.writeDictionary(("import sys\n" + maker + "\n").toUtf8(),
                          QStringLiteral("make-dictionary"));
    DictionaryMaker::setMakerForTesting(script);
    QVERIFY(Translations::install(*QCoreApplication::instance(), QStringLiteral("de")));
    int questions = 0;
    Platform::setChoiceHandler([&](const QString &, const QStringList &) {
        ++questions;
        return choice;
    });
    f.dialogAnswer = f.writeDictionary(Dictionary);

    TMainForm &main = f.start(false);
    const QString dictionary = main.DictionaryPath();
    const QString madePath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                             "/Numra Dictionary de.txt";
    Translations::install(*QCoreApplication::instance(), QString());
    DictionaryMaker::setMakerForTesting(QString());
    Platform::setChoiceHandler({});
    qputenv("XDG_DATA_HOME", dataHome);

    QCOMPARE(questions, asked);
    QCOMPARE(f.dialogs.size(), fileDialogs);
    QVERIFY(madePath.startsWith(f.path(QStringLiteral("data/"))));
    QCOMPARE(dictionary, made ? madePath : *f.dialogAnswer);
    QCOMPARE(QFile::exists(madePath), made);
    QVERIFY(!QFile::exists(madePath + QStringLiteral(".part")));
    QCOMPARE(f.warnings.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QVERIFY2(f.warnings.front().endsWith(warning), qPrintable(f.warnings.front()));
}

QTEST_MAIN(tst_Main)
#include "tst_Main.moc"
