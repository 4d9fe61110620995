#include "tests/MainFixture.h"

#include "toolkit/Look.h"
#include "toolkit/Translations.h"
#include "ui/DictionaryWarning.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

namespace {

const QByteArray Dictionary = "2255,CALL,N\n669,NOW,N\n";

// The texts that share one set of Alt keys: a window's own controls with its menu bar's titles,
// or the commands of one menu.
QList<QStringList> acceleratorGroups(QWidget *window)
{
    // The secondary windows are the main window's children, with keys of their own.
    const auto own = [window](const QWidget *widget) { return widget->window() == window; };
    QStringList texts;
    QList<QStringList> groups;
    for (auto *button : window->findChildren<QAbstractButton *>())
        if (own(button))
            texts << button->text();
    for (auto *label : window->findChildren<QLabel *>())
        if (own(label) && label->buddy())
            texts << label->text();
    for (auto *box : window->findChildren<QGroupBox *>())
        if (own(box))
            texts << box->title();
    for (auto *bar : window->findChildren<QMenuBar *>())
        for (QAction *menu : bar->actions())
            texts << menu->text();
    for (auto *menu : window->findChildren<QMenu *>()) {
        if (!menu->parentWidget() || !own(menu->parentWidget()))
            continue;
        QStringList commands;
        for (QAction *action : menu->actions())
            commands << action->text();
        groups << commands;
    }
    groups.prepend(texts);
    return groups;
}

int neededWidth(QAbstractButton *button)
{
    return qobject_cast<QPushButton *>(button) ? Look::pushButtonContentWidth(button)
                                               : button->sizeHint().width();
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyLanguageCompiledIn();
    void choose_data();
    void choose();
    void englishAsTheProgramWritesIt();
    void everyLanguage_data();
    void everyLanguage();
    void systemLanguageChosen();

private:
    QList<QWidget *> startWindows(MainFixture &f);
};

void tst_Translations::cleanup()
{
    Translations::install(*QCoreApplication::instance(), QString());
}

// The main window and every window it made, shown so that they are laid out.
QList<QWidget *> tst_Translations::startWindows(MainFixture &f)
{
    f.writeSettings(f.writeDictionary(Dictionary));
    TMainForm &main = f.start();
    QList<QWidget *> windows{&main};
    for (QDialog *dialog : main.findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        dialog->show();
        windows << dialog;
    }
    QCoreApplication::processEvents();
    return windows;
}

void tst_Translations::everyLanguageCompiledIn()
{
    QCOMPARE(Translations::available(),
             (QStringList{"de", "el", "es", "fr", "it", "pl", "ru", "uk"}));
}

void tst_Translations::choose_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("userLanguages");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("German system") << QString() << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("C locale") << QString() << QStringList{"C"} << "";
    QTest::newRow("English before German") << QString() << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("first language untranslated, second translated")
        << QString() << QStringList{"pt-BR", "uk-UA", "ru-RU"} << "uk";
    QTest::newRow("no language of the user translated")
        << QString() << QStringList{"ja-JP", "zh-CN"} << "";
    QTest::newRow("request overrides the system") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("request with a region") << "el_GR" << QStringList{"C"} << "el";
    QTest::newRow("request in capitals") << "PL" << QStringList{"C"} << "pl";
    QTest::newRow("request for English under a German system")
        << "en" << QStringList{"de-DE"} << "";
    QTest::newRow("request for an untranslated language") << "ja" << QStringList{"de-DE"} << "";
}

void tst_Translations::choose()
{
    QFETCH(QString, requested);
    QFETCH(QStringList, userLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(requested, userLanguages, Translations::available()), chosen);
}

// Without a translation the texts are the program's own, to the letter.
void tst_Translations::englishAsTheProgramWritesIt()
{
    MainFixture f;
    startWindows(f);
    MainControls &ui = f.ui();
    const QStringList shown{ui.ConvertBtn->text(),
                            ui.ClearBtn->text(),
                            ui.CopyBtn->text(),
                            ui.LookupBtn->text(),
                            ui.AnyPointBtn->text(),
                            ui.Open1->text(),
                            MainFixture::heading(ui.PossibleGrid, 0)};
    QCOMPARE(shown, (QStringList{"Convert", "Clear", "Copy", "Lookup", "Any Point ", "&Open",
                                 "Candidate Word"}));
    showDictionaryWarning(nullptr, Numra::DictionaryError::CouldNotOpen, Numra::DictionaryFile(),
                          "ConvertBtnClick");
    QCOMPARE(f.warnings, QStringList{"Can Not Open No Dictionary Open in ConvertBtnClick"});
}

// Run by ctest under LANG=de_DE.UTF-8 and under LANG=C, each saying what it expects: the system's
// language reaches the windows as the program starts them.
void tst_Translations::systemLanguageChosen()
{
    if (!qEnvironmentVariableIsSet("NUMRA_EXPECTED_LANGUAGE"))
        QSKIP("run by ctest with a locale of its own");
    const QString expected = qEnvironmentVariable("NUMRA_EXPECTED_LANGUAGE");
    QCOMPARE(Translations::setUp(*QCoreApplication::instance(), QString()), expected);
    MainFixture f;
    startWindows(f);
    QCOMPARE(f.ui().ConvertBtn->text() == QLatin1String("Convert"), expected.isEmpty());
    showDictionaryWarning(nullptr, Numra::DictionaryError::CouldNotOpen, Numra::DictionaryFile(),
                          "ConvertBtnClick");
    const QString english = QStringLiteral("Can Not Open No Dictionary Open in ConvertBtnClick");
    QCOMPARE(f.warnings.front() == english, expected.isEmpty());
}

void tst_Translations::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString &language : Translations::available())
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Translations::everyLanguage()
{
    QFETCH(QString, language);
    QVERIFY(Translations::install(*QCoreApplication::instance(), language));
    MainFixture f;
    const QList<QWidget *> windows = startWindows(f);

    if (!language.isEmpty()) {
        QVERIFY(f.ui().ConvertBtn->text() != QLatin1String("Convert"));
        QVERIFY(MainFixture::heading(f.ui().PossibleGrid, 0) != QLatin1String("Candidate Word"));
        showDictionaryWarning(nullptr, Numra::DictionaryError::ReadError,
                              Numra::DictionaryFile("/d.txt"), "ConvertBtnClick");
        QCOMPARE(f.warnings.size(), 1);
        QVERIFY2(!f.warnings.front().startsWith(QLatin1String("Error Reading")),
                 qPrintable(f.warnings.front()));
    }

    for (QWidget *window : windows) {
        const QString name = window->objectName();
        for (const QStringList &group : acceleratorGroups(window)) {
            QHash<QKeySequence, QString> taken;
            for (const QString &text : group) {
                const QKeySequence key = QKeySequence::mnemonic(text);
                if (key.isEmpty())
                    continue;
                QVERIFY2(
                    !taken.contains(key),
                    qPrintable(QStringLiteral("%1: %2 and %3").arg(name, taken.value(key), text)));
                taken.insert(key, text);
            }
        }
        // A control narrower than its text cuts it; labels that wrap or elide on purpose do not.
        for (auto *button : window->findChildren<QAbstractButton *>()) {
            if (button->window() == window && button->isVisibleTo(window) &&
                !button->text().isEmpty())
                QVERIFY2(neededWidth(button) <= button->width(),
                         qPrintable(QStringLiteral("%1: %2 (%3 of %4)")
                                        .arg(name, button->text())
                                        .arg(neededWidth(button))
                                        .arg(button->width())));
        }
        for (auto *label : window->findChildren<QLabel *>()) {
            if (label->window() == window && label->isVisibleTo(window) && !label->wordWrap() &&
                !label->text().isEmpty() && label->toolTip() != label->text())
                QVERIFY2(label->sizeHint().width() <= label->width(),
                         qPrintable(QStringLiteral("%1: %2 (%3 of %4)")
                                        .arg(name, label->text())
                                        .arg(label->sizeHint().width())
                                        .arg(label->width())));
        }
    }
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
