#include "tests/MainFixture.h"
#include "tests/ReaderSpy.h"

#include "platform/Desktop.h"
#include "ui/Suggest.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>

#include <functional>

namespace {

// CALL NOW for 2255669; FLOWERS (or FLOW ERS) across the dash of 1-800-356-9377; VETS after a
// kept exchange, UPS only in the area code; DAMN offensive. The digit entries take the kept
// leading digits in Use.
const QByteArray Dictionary = "2255,CALL,N\n"
                              "669,NOW,N\n"
                              "3569377,FLOWERS,N\n"
                              "3569,FLOW,N\n"
                              "377,ERS,N\n"
                              "8387,VETS,N\n"
                              "877,UPS,N\n"
                              "3266,DAMN,N\n"
                              "1,1,N\n"
                              "8,8,N\n"
                              "0,0,N\n";
// Tabs between the fields.
const QByteArray Ranking = "numra-rank 1\n"
                           "W\tCALL\t14\t-\n"
                           "W\tNOW\t13\t-\n"
                           "W\tFLOWERS\t15\t-\n"
                           "W\tFLOW\t14\t-\n"
                           "W\tERS\t20\t-\n"
                           "W\tVETS\t15\t-\n"
                           "W\tUPS\t12\t-\n"
                           "W\tDAMN\t12\to\n";

const QChar Mark(0x2022);

template <typename T> T *control(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

} // namespace

using Step = std::function<void(TSuggestForm *)>;
Q_DECLARE_METATYPE(Step)

class tst_SuggestForm : public QObject
{
    Q_OBJECT

private:
    MainFixture *f = nullptr;
    TSuggestForm *form() const { return f->windows->SuggestForm(); }
    Grid *grid() const { return control<Grid>(form(), "SuggestGrid"); }
    QPushButton *button(const char *name) const { return control<QPushButton>(form(), name); }
    QCheckBox *option(const char *name) const { return control<QCheckBox>(form(), name); }
    QString status() const { return control<QLabel>(form(), "StatusText")->text(); }
    QAction *menuItem() const { return f->main().findChild<QAction *>(QStringLiteral("Suggest1")); }

    // Types the number and opens the window from the menu, as the user does; inside runs while
    // it is shown, and closes it unless it closes it itself.
    void suggest(const QString &number, const Step &inside)
    {
        f->type(number);
        f->onModal = [&](QDialog *dialog) {
            dialog->show();
            // Active, so that its mnemonics reach it.
            QApplication::setActiveWindow(dialog);
            if (!QTest::qWaitForWindowActive(dialog))
                qWarning("suggestions not active");
            grid()->setFocus();
            inside(form());
            if (dialog->isVisible())
                dialog->reject();
            return dialog->result();
        };
        menuItem()->trigger();
    }

private slots:
    void init()
    {
        f = new MainFixture;
        f->writeSettings(f->writeDictionary(Dictionary));
        f->writeDictionary(Ranking, QStringLiteral("d.rank"));
        f->start();
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void lists_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("ranked"); // the ranking file lies beside the dictionary
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("vanity");
        QTest::addColumn<QString>("statusStart");
        QTest::newRow("a word across a dash, best first")
            << "1-800-356-9377" << true << "FLOWERS"
            << QStringList{"1-800-FLOWERS", "1-800-FLOW-ERS", "1-800-FLOW-377", "1-800-3569-ERS"}
            << "4 memorable phrases in ";
        QTest::newRow("a kept exchange") << "877-222-8387" << true << "222 VETS"
                                         << QStringList{"877-222-VETS"} << "1 memorable phrase in ";
        QTest::newRow("an offensive word left out")
            << "32662255" << true << "3266 CALL" << QStringList{"3266-CALL"}
            << "1 memorable phrase in ";
        QTest::newRow("without ranking data: by the dictionary's line")
            << "32662255" << false << "DAMN CALL"
            << QStringList{"DAMN-CALL", "3266-CALL", "DAMN-2255"} << "3 memorable phrases in ";
        QTest::newRow("nothing worth offering") << "764-702-9619" << true << "" << QStringList{}
                                                << "No memorable phrase for 764-702-9619";
    }
    void lists()
    {
        QFETCH(QString, number);
        QFETCH(bool, ranked);
        QFETCH(QString, phrase);
        QFETCH(QStringList, vanity);
        QFETCH(QString, statusStart);
        if (!ranked)
            QVERIFY(QFile::remove(f->path(QStringLiteral("d.rank"))));
        QAbstractItemModelTester tester(grid()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList phrases;
        QStringList shown;
        QString said;
        suggest(number, [&](TSuggestForm *) {
            phrases = MainFixture::column(grid(), 0);
            shown = MainFixture::column(grid(), 1);
            said = status();
            QCOMPARE(button("UseBtn")->isEnabled(), !vanity.isEmpty());
            QCOMPARE(button("CopyBtn")->isEnabled(), !vanity.isEmpty());
        });
        QCOMPARE(phrases.value(0), phrase);
        QCOMPARE(shown.mid(0, vanity.size()), vanity);
        if (vanity.isEmpty())
            QCOMPARE(shown, QStringList{});
        QVERIFY2(said.startsWith(statusStart), qPrintable(said));
        // What a screen reader hears: a label without a name of its own is named by its text.
        QCOMPARE(status(),
                 QAccessible::queryAccessibleInterface(form()->findChild<QLabel *>("StatusText"))
                     ->text(QAccessible::Name));
        QCOMPARE(MainFixture::heading(grid(), 0), QStringLiteral("Phrase"));
        QCOMPARE(MainFixture::heading(grid(), 1), QStringLiteral("Vanity Number"));
    }

    void optionsRerankAndAreRemembered_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Step>("toggle");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("setting");
        QTest::newRow("words in the area code, by Tab and Space")
            << "AreaCodeBox" << Step([](TSuggestForm *w) {
                   QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
                   QTest::keyClick(w->focusWidget(), Qt::Key_Space);
               })
            << "877-222-8387"
            << "877-222-VETS"
            << "UPS-222-VETS"
            << "Suggest Area Code Words";
        QTest::newRow("offensive words, by a click") << "OffensiveBox" << Step([](TSuggestForm *w) {
            QTest::mouseClick(control<QCheckBox>(w, "OffensiveBox"), Qt::LeftButton);
        }) << "32662255"
                                                     << "3266-CALL"
                                                     << "DAMN-CALL"
                                                     << "Suggest Offensive Words";
    }
    void optionsRerankAndAreRemembered()
    {
        QFETCH(QString, box);
        QFETCH(Step, toggle);
        QFETCH(QString, number);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, setting);
        QCheckBox *checked = option(qPrintable(box));
        QStringList firsts;
        suggest(number, [&](TSuggestForm *w) {
            firsts << grid()->cell(1, 0);
            toggle(w);
            firsts << grid()->cell(1, 0) << QString::number(checked->isChecked());
        });
        QCOMPARE(firsts, (QStringList{before, after, "1"}));
        f->main().close();
        QCOMPARE(f->setting(setting).toInt(), 1);

        f->windows.reset();
        f->start();
        QVERIFY(option(qPrintable(box))->isChecked());
        QString first;
        suggest(number, [&](TSuggestForm *) { first = grid()->cell(1, 0); });
        QCOMPARE(first, after);
    }

    void copy_data()
    {
        QTest::addColumn<Step>("copy");
        QTest::addColumn<QString>("copied");
        QTest::newRow("the first row, by the button")
            << Step([](TSuggestForm *w) { control<QPushButton>(w, "CopyBtn")->click(); })
            << "1-800-FLOWERS";
        // The keyboard alone: the arrow in the list, Tab past the two options, Enter.
        QTest::newRow("the row chosen with the arrows, by Enter on Copy")
            << Step([](TSuggestForm *w) {
                   QTest::keyClick(w->focusWidget(), Qt::Key_Down);
                   for (int i = 0; i < 3; ++i)
                       QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
                   QTest::keyClick(w->focusWidget(), Qt::Key_Return);
               })
            << "1-800-FLOW-ERS";
    }
    void copy()
    {
        QFETCH(Step, copy);
        QFETCH(QString, copied);
        Platform::setClipboardText(QStringLiteral("before"));
        QString said;
        bool open = false;
        suggest(QStringLiteral("1-800-356-9377"), [&](TSuggestForm *w) {
            copy(w);
            said = status();
            open = w->isVisible();
        });
        QCOMPARE(Platform::clipboardText(), copied);
        QCOMPARE(said, "Copied: " + copied);
        QVERIFY(open);
        // The number is left as it was.
        QCOMPARE(f->ui().Edit->text(), QStringLiteral("1-800-356-9377"));
    }

    void use_data()
    {
        QTest::addColumn<QString>("chosenFirst"); // a word chosen before the window opens
        QTest::addColumn<Step>("use");
        QTest::addColumn<QString>("lastWord");
        QTest::addColumn<QString>("best");
        const Step useButton = [](TSuggestForm *w) { control<QPushButton>(w, "UseBtn")->click(); };
        QTest::newRow("Use button") << "" << useButton << "NOW"
                                    << "CALL NOW";
        QTest::newRow("Enter on the row") << "" << Step([](TSuggestForm *w) {
            QTest::keyClick(control<Grid>(w, "SuggestGrid"), Qt::Key_Return);
        }) << "NOW"
                                          << "CALL NOW";
        QTest::newRow("double click on the row") << "" << Step([](TSuggestForm *w) {
            Grid *g = control<Grid>(w, "SuggestGrid");
            // A double click as the system delivers it: a click, then the second press as a double
            // click.
            const QPoint at = MainFixture::rowPoint(g, 0);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, at);
        }) << "NOW"
                                                 << "CALL NOW";
        QTest::newRow("completing NOW chosen first") << "NOW" << useButton << "CALL"
                                                     << "CALL";
    }
    void use()
    {
        QFETCH(QString, chosenFirst);
        QFETCH(Step, use);
        QFETCH(QString, lastWord);
        QFETCH(QString, best);
        f->type(QStringLiteral("2255669"));
        if (!chosenFirst.isEmpty()) {
            QTest::mouseClick(f->ui().ConvertBtn, Qt::LeftButton);
            QVERIFY(f->choose(chosenFirst, QStringLiteral("669")));
        }
        QStringList offered;
        suggest(QString(), [&](TSuggestForm *w) {
            offered = MainFixture::column(grid(), 0);
            use(w);
        });
        QCOMPARE(offered.value(0), best);
        QVERIFY(!form()->isVisible());
        QCOMPARE(form()->result(), int(QDialog::Accepted));
        QCOMPARE(f->ui().Edit->text(), QString(7, Mark));
        QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), (QStringList{"CALL", "NOW"}));
        QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 1), (QStringList{"2255", "669"}));
        QCOMPARE(f->ui().SelectedWordLabel->text(), lastWord);
        // The conversion ran over what is left, which is nothing.
        QVERIFY2(f->main().statusText().startsWith(QStringLiteral(" 0 Matches")),
                 qPrintable(f->main().statusText()));
        QVERIFY(!menuItem()->isEnabled());
        QVERIFY(f->ui().CopyBtn->isEnabled());
        QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
        QCOMPARE(Platform::clipboardText(), QStringLiteral("2255669, CALL NOW"));
    }

    void useAcrossSeparators_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("chosenFirst"); // word=digits, chosen before the window opens
        QTest::addColumn<QString>("rewritten");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("givenBack"); // the number once the last word is given back
        QTest::newRow("a word across a dash: the dash goes")
            << "1-800-356-9377"
            << "" << QString("\u2022-\u2022\u2022\u2022-").append(QString(7, Mark))
            << QStringList{"1", "8", "0", "0", "FLOWERS"}
            << QString("\u2022-\u2022\u2022\u2022-3569377");
        QTest::newRow("a word chosen first moves with the number")
            << "1-800-3-569-377"
            << "ERS=377"
            << QString("\u2022-\u2022\u2022\u2022-\u2022\u2022\u2022\u2022-\u2022\u2022\u2022")
            << QStringList{"1", "8", "0", "0", "FLOW", "ERS"}
            << QString("\u2022-\u2022\u2022\u2022-\u2022\u2022\u2022\u2022-377");
    }
    void useAcrossSeparators()
    {
        QFETCH(QString, number);
        QFETCH(QString, chosenFirst);
        QFETCH(QString, rewritten);
        QFETCH(QStringList, words);
        QFETCH(QString, givenBack);
        f->type(number);
        if (!chosenFirst.isEmpty()) {
            QTest::mouseClick(f->ui().ConvertBtn, Qt::LeftButton);
            const QStringList chosen = chosenFirst.split('=');
            QVERIFY(f->choose(chosen[0], chosen[1]));
        }
        suggest(QString(), [](TSuggestForm *w) { control<QPushButton>(w, "UseBtn")->click(); });
        QCOMPARE(form()->result(), int(QDialog::Accepted));
        QCOMPARE(f->ui().Edit->text(), rewritten);
        QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), words);
        QVERIFY(f->ui().CopyBtn->isEnabled());
        QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
        // Copy gives the number as it was typed.
        QCOMPARE(Platform::clipboardText(), number + ", " + words.join(' '));
        // Each word's digits went back where the rewritten number holds them.
        MainFixture::clickRow(f->ui().SelectedGrid, static_cast<int>(words.size()) - 1);
        QCOMPARE(f->ui().Edit->text(), givenBack);
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<Step>("cancel");
        QTest::newRow("Cancel button")
            << Step([](TSuggestForm *w) { control<QPushButton>(w, "CancelBtn")->click(); });
        QTest::newRow("Escape") << Step([](TSuggestForm *w) {
            QTest::keyClick(control<Grid>(w, "SuggestGrid"), Qt::Key_Escape);
        });
    }
    void cancelChangesNothing()
    {
        QFETCH(Step, cancel);
        f->convert(QStringLiteral("2255669"));
        QVERIFY(f->choose(QStringLiteral("NOW"), QStringLiteral("669")));
        const QString number = f->ui().Edit->text();
        f->onModal = [&](QDialog *dialog) {
            dialog->show();
            cancel(form());
            return dialog->result();
        };
        menuItem()->trigger();
        QVERIFY(!form()->isVisible());
        QCOMPARE(form()->result(), int(QDialog::Rejected));
        QCOMPARE(f->ui().Edit->text(), number);
        QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"NOW"});
        QVERIFY(!f->ui().CopyBtn->isEnabled());
    }

    void missingDictionaryWarns()
    {
        f->type(QStringLiteral("2255669"));
        QVERIFY(QFile::remove(f->path(QStringLiteral("d.txt"))));
        bool shown = false;
        f->onModal = [&](QDialog *) { return int(shown = true); };
        menuItem()->trigger();
        QCOMPARE(f->warnings, QStringList{"Can Not Open " + f->path(QStringLiteral("d.txt")) +
                                          " in Suggest1Click"});
        QVERIFY(!shown);
    }

    // Read once for a dictionary, the ranking data are read again when it is opened again.
    void rankingDataReadAgainOnOpen()
    {
        QVERIFY(QFile::remove(f->path(QStringLiteral("d.rank"))));
        const auto first = [&] {
            QTest::mouseClick(f->ui().ClearBtn, Qt::LeftButton);
            QString phrase;
            suggest(QStringLiteral("32662255"),
                    [&](TSuggestForm *) { phrase = MainFixture::column(grid(), 0).value(0); });
            return phrase;
        };
        QCOMPARE(first(), QStringLiteral("DAMN CALL"));
        f->writeDictionary(Ranking, QStringLiteral("d.rank"));
        QCOMPARE(first(), QStringLiteral("DAMN CALL"));
        f->dialogAnswer = f->path(QStringLiteral("d.txt"));
        f->ui().Open1->trigger();
        QCOMPARE(first(), QStringLiteral("3266 CALL"));
    }

    void menuNeedsAFreeDigit()
    {
        QVERIFY(!menuItem()->isEnabled());
        f->type(QStringLiteral("call 22"));
        QVERIFY(menuItem()->isEnabled());
        QTest::mouseClick(f->ui().ClearBtn, Qt::LeftButton);
        QVERIFY(!menuItem()->isEnabled());
    }

    void keyboardAndHelp()
    {
        QVERIFY(form()->Suggest(QStringLiteral("2255669"), nullptr));
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        QCOMPARE(form()->focusWidget(), grid());
        const QList<QWidget *> order = {option("AreaCodeBox"), option("OffensiveBox"),
                                        button("CopyBtn"),     button("UseBtn"),
                                        button("CancelBtn"),   grid()};
        ReaderSpy reader;
        for (QWidget *next : order) {
            QTest::keyClick(form()->focusWidget(), Qt::Key_Tab);
            QCOMPARE(form()->focusWidget(), next);
        }
        QCoreApplication::sendPostedEvents();
        // A screen reader hears each control by its name as it gets the focus.
        QCOMPARE(reader.wrongFocus(), QStringList());
        QStringList heard;
        for (const ReaderSpy::Focus &focus : reader.focus)
            heard.append(focus.name);
        for (const char *name : {"Words in the area code", "Allow offensive words", "Copy"})
            QVERIFY2(heard.contains(QLatin1String(name)), qPrintable(heard.join('|')));
        QCOMPARE(Platform::helpContext(form()), int(Platform::SuggestHelp));
        form()->reject();
    }

    void screenReaderTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("area code option") << "AreaCodeBox"
                                          << "Words in the area code"
                                          << "Alt+a";
        QTest::newRow("offensive option") << "OffensiveBox"
                                          << "Allow offensive words"
                                          << "Alt+o";
        QTest::newRow("Copy") << "CopyBtn"
                              << "Copy"
                              << "Alt+C";
    }
    void screenReaderTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        QWidget *widget = form()->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(heard->text(QAccessible::Name), name);
        QCOMPARE(heard->text(QAccessible::Accelerator), shortcut);
        // What it does, from its tool tip.
        QVERIFY(!heard->text(QAccessible::Description).isEmpty());
    }

    void settingsReadBack()
    {
        const QList<std::pair<QString, QVariant>> stored = {{"Suggest Top", 70},
                                                            {"Suggest Left", 90},
                                                            {"Suggest Width", 420},
                                                            {"Suggest Height", 300},
                                                            {"Suggest Phrase Width", 150},
                                                            {"Suggest Vanity Width", 120},
                                                            {"Suggest Area Code Words", 1},
                                                            {"Suggest Offensive Words", 0}};
        f->windows.reset();
        f->writeSettings(f->path(QStringLiteral("d.txt")), stored);
        f->start(false);
        QCOMPARE(form()->pos(), QPoint(90, 70));
        QCOMPARE(form()->size(), QSize(420, 300));
        QCOMPARE(form()->phraseColumnWidth(), 150);
        // The last column stretches to the grid's width.
        QVERIFY(form()->vanityColumnWidth() >= 120);
        QVERIFY(option("AreaCodeBox")->isChecked());
        QVERIFY(!option("OffensiveBox")->isChecked());
        form()->move(100, 80);
        option("AreaCodeBox")->setChecked(false);
        option("OffensiveBox")->setChecked(true);
        f->main().close();
        QCOMPARE(f->setting(QStringLiteral("Suggest Top")).toInt(), 80);
        QCOMPARE(f->setting(QStringLiteral("Suggest Left")).toInt(), 100);
        QCOMPARE(f->setting(QStringLiteral("Suggest Width")).toInt(), 420);
        QCOMPARE(f->setting(QStringLiteral("Suggest Height")).toInt(), 300);
        QCOMPARE(f->setting(QStringLiteral("Suggest Phrase Width")).toInt(), 150);
        QCOMPARE(f->setting(QStringLiteral("Suggest Vanity Width")).toInt(),
                 form()->vanityColumnWidth());
        QCOMPARE(f->setting(QStringLiteral("Suggest Area Code Words")).toInt(), 0);
        QCOMPARE(f->setting(QStringLiteral("Suggest Offensive Words")).toInt(), 1);
    }
};

QTEST_MAIN(tst_SuggestForm)
#include "tst_SuggestForm.moc"
