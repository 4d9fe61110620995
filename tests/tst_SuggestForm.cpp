#include "MainFixture.h"

#include "Desktop.h"
#include "Suggest.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>

#include <functional>

namespace {

// Complete phrases for 2255669: CALL NOW, BAL J NOW and A A J J NOW, in that order of cost.
const QByteArray Dictionary = "2255,CALL,N\n"
                              "669,NOW,N\n"
                              "225,BAL,N\n"
                              "5,J,N\n"
                              "2,A,N\n"
                              "96,YO,N\n";

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
    TSuggestForm *form() const { return f->windows->SuggestForm.get(); }
    Grid *grid() const { return control<Grid>(form(), "SuggestGrid"); }
    QPushButton *button(const char *name) const { return control<QPushButton>(form(), name); }
    QString status() const { return control<QLabel>(form(), "StatusText")->text(); }
    QAction *menuItem() const { return f->main().findChild<QAction *>(QStringLiteral("Suggest1")); }

private slots:
    void init()
    {
        f = new MainFixture;
        f->writeSettings(f->writeDictionary(Dictionary));
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
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<QString>("vanity");
        QTest::addColumn<QString>("statusStart");
        QTest::newRow("best first, with the vanity form")
            << "2255669" << QStringList{"CALL NOW", "BAL J NOW", "A A J J NOW"} << "CALLNOW"
            << "3 complete phrases, best 3 shown in ";
        QTest::newRow("a word crosses a dash")
            << "225-5669" << QStringList{"CALL NOW", "BAL J NOW", "A A J J NOW"} << "CALLNOW"
            << "3 complete phrases, best 3 shown in ";
        QTest::newRow("one phrase") << "669" << QStringList{"NOW"} << "NOW"
                                    << "1 complete phrase, shown in ";
        QTest::newRow("a digit no word covers") << "22557" << QStringList{} << ""
                                                << "No word covers the digit at position 5";
        QTest::newRow("words that only overlap")
            << "6696" << QStringList{} << ""
            << "No phrase reaches past the digit at position 4";
        QTest::newRow("no free digit") << "abc" << QStringList{} << ""
                                       << "No free digit to cover";
    }
    void lists()
    {
        QFETCH(QString, number);
        QFETCH(QStringList, phrases);
        QFETCH(QString, vanity);
        QFETCH(QString, statusStart);
        QAbstractItemModelTester tester(grid()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(form()->Suggest(number));
        QCOMPARE(MainFixture::column(grid(), 0), phrases);
        QCOMPARE(grid()->cell(1, 1), vanity);
        QVERIFY2(status().startsWith(statusStart), qPrintable(status()));
        // What a screen reader hears: a label without a name of its own is named by its text.
        QCOMPARE(status(),
                 QAccessible::queryAccessibleInterface(form()->findChild<QLabel *>("StatusText"))
                     ->text(QAccessible::Name));
        QCOMPARE(button("UseBtn")->isEnabled(), !phrases.isEmpty());
        QCOMPARE(grid()->cell(0, 0), QStringLiteral("Phrase"));
        QCOMPARE(grid()->cell(1, 0), QStringLiteral("Vanity Number"));
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
            const QPoint at = MainFixture::rowPoint(g, 1);
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
        f->onModal = [&](QDialog *dialog) {
            dialog->show();
            if (!QTest::qWaitForWindowExposed(dialog))
                qWarning("suggestions not exposed");
            offered = MainFixture::column(grid(), 0);
            grid()->setFocus();
            use(form());
            return dialog->result();
        };
        QVERIFY(menuItem()->isEnabled());
        menuItem()->trigger();
        QCOMPARE(offered.value(0), best);
        QVERIFY(!form()->isVisible());
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
        QVERIFY(form()->Suggest(QStringLiteral("2255669")));
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        QCOMPARE(form()->focusWidget(), grid());
        QTest::keyClick(grid(), Qt::Key_Tab);
        QCOMPARE(form()->focusWidget(), button("UseBtn"));
        QTest::keyClick(button("UseBtn"), Qt::Key_Tab);
        QCOMPARE(form()->focusWidget(), button("CancelBtn"));
        QCOMPARE(Platform::helpContext(form()), int(Platform::SuggestHelp));
        form()->reject();
    }

    void settingsReadBack()
    {
        const QList<std::pair<QString, QVariant>> stored = {
            {"Suggest Top", 70},     {"Suggest Left", 90},          {"Suggest Width", 420},
            {"Suggest Height", 300}, {"Suggest Phrase Width", 150}, {"Suggest Vanity Width", 120}};
        f->windows.reset();
        f->writeSettings(f->path(QStringLiteral("d.txt")), stored);
        f->start(false);
        QCOMPARE(form()->pos(), QPoint(90, 70));
        QCOMPARE(form()->size(), QSize(420, 300));
        QCOMPARE(form()->phraseColumnWidth(), 150);
        // The last column stretches to the grid's width.
        QVERIFY(form()->vanityColumnWidth() >= 120);
        form()->move(100, 80);
        f->main().close();
        QCOMPARE(f->setting(QStringLiteral("Suggest Top")).toInt(), 80);
        QCOMPARE(f->setting(QStringLiteral("Suggest Left")).toInt(), 100);
        QCOMPARE(f->setting(QStringLiteral("Suggest Width")).toInt(), 420);
        QCOMPARE(f->setting(QStringLiteral("Suggest Height")).toInt(), 300);
        QCOMPARE(f->setting(QStringLiteral("Suggest Phrase Width")).toInt(), 150);
        QCOMPARE(f->setting(QStringLiteral("Suggest Vanity Width")).toInt(),
                 form()->vanityColumnWidth());
    }
};

QTEST_MAIN(tst_SuggestForm)
#include "tst_SuggestForm.moc"
