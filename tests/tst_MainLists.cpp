#include "tests/MainFixture.h"

#include "platform/Desktop.h"
#include "tests/ReaderSpy.h"
#include "toolkit/PicturePlayer.h"
#include "ui/AffixUnit.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <functional>
#include <memory>

namespace {

const QByteArray Dictionary = "2255,CALL,N\n"
                              "669,NOW,N\n"
                              "225,BAL,N\n"
                              "2,A,N\n"
                              "5,J,N\n"
                              "555,KKK,N\n"
                              "2255,Call,A\n"
                              "9255,WALK,N\n"
                              "464,-ING,N\n"
                              "73,RE-,N\n"
                              "33,-ED,N\n"
                              "1,-,N\n"
                              "no comma\n"
                              "5";

const QChar Mark(0x2022);

} // namespace

using Action = std::function<void(MainFixture &)>;
Q_DECLARE_METATYPE(Action)

class tst_MainLists : public QObject
{
    Q_OBJECT

private:
    MainFixture *f = nullptr;

private slots:
    void init();
    void cleanup();

    void conversionListsCandidates();
    void statusLineOfEmptyNumber();
    void missingDictionaryWarns();
    void placementButtonsRerun();
    void convertButtonRule_data();
    void convertButtonRule();
    void hundredCharacterWarning();
    void undoIsAnEdit_data();
    void undoIsAnEdit();
    void enterInNumberFieldConverts();
    void phraseInBothOrders_data();
    void phraseInBothOrders();
    void phraseAfterAnEditKeepsItsMarks();
    void repeatedDigitsCoverByPlacement_data();
    void repeatedDigitsCoverByPlacement();
    void copyWaitsForEveryDigit();
    void giveBackRestoresDigits();
    void releaseDecidesTheRow();
    void releaseAfterScrollDoesNothing();
    void thirtyWordsRowCount();
    void clearKeepsTypedNumber();
    void enteringFieldRestoresTypedNumber();
    void onlyTheUserEnteringEndsPhrase_data();
    void onlyTheUserEnteringEndsPhrase();
    void suffixJoined_data();
    void suffixJoined();
    void wordsOfOtherEncodings_data();
    void wordsOfOtherEncodings();
    void moreThan4999Matches();
    void releaseOnEmptyPhraseRow();
    void copyTrimsWordEndingInBlank();
    void prefixMovesStartLeft();
    void prefixAfterSuffix();
    void hyphenAtBothEndsAppliedAsListed();
    void correctionCancelledChangesNothing();
    void coveredAffixNotListed();
    void hundredWordsCopiedWhole();
    void keyboardOnly();
    void tabLeavesEveryList_data();
    void tabLeavesEveryList();
    void placementGroupByKeyboard_data();
    void placementGroupByKeyboard();
    void enterOnPlacementButtonConverts();
    void enterOnFocusedButtonClicksIt();
    void copyKeyInList();
    void screenReaderHearsTexts();
    void screenReaderHearsOnlyTheFocus_data();
    void screenReaderHearsOnlyTheFocus();
    void longWordCutAtItsEnd();
    void idleCountReset_data();
    void idleCountReset();
    void pointerTiming();
    void userActionDuringPointer();
};

void tst_MainLists::init()
{
    f = new MainFixture;
    f->writeSettings(f->writeDictionary(Dictionary));
    f->start();
}

void tst_MainLists::cleanup()
{
    delete f;
    f = nullptr;
}

void tst_MainLists::conversionListsCandidates()
{
    f->convert(QStringLiteral("2255669"));
    Grid *grid = f->ui().PossibleGrid;
    QCOMPARE(MainFixture::column(grid, 0), (QStringList{"CALL", "NOW", "BAL", "A", "J", "Call"}));
    QCOMPARE(MainFixture::column(grid, 1), (QStringList{"2255", "669", "225", "2", "5", "2255"}));
    QVERIFY(MainFixture::italic(grid, 0, 5));
    QVERIFY(!MainFixture::italic(grid, 0, 0));
    QCOMPARE(grid->rowCount(), 24);
    QVERIFY(f->main().statusText().startsWith(QStringLiteral(" 6 Matches out of 14 words in ")));
    QVERIFY(f->main().statusText().endsWith(QStringLiteral(" secs")));
    // An italic row rewritten by a plain candidate loses its italics, and a screen reader is
    // told which rows are names.
    f->convert(QStringLiteral("2255"));
    QCOMPARE(grid->cell(0, 4), QStringLiteral("Call"));
    QVERIFY(MainFixture::italic(grid, 0, 4));
    const QModelIndex name = grid->model()->index(4, 0);
    QCOMPARE(name.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("name"));
    f->convert(QStringLiteral("2255669555"));
    QCOMPARE(grid->cell(0, 4), QStringLiteral("J"));
    QVERIFY(!MainFixture::italic(grid, 0, 4));
    QVERIFY(!grid->model()->index(4, 0).data(Qt::AccessibleDescriptionRole).isValid());
}

void tst_MainLists::statusLineOfEmptyNumber()
{
    f->ui().LeftBtn->click();
    QVERIFY(f->main().statusText().startsWith(QStringLiteral(" 0 Matches out of 14 words in ")));
    QCOMPARE(f->ui().PossibleGrid->rowCount(), 24);
}

void tst_MainLists::missingDictionaryWarns()
{
    QFile::remove(f->path(QStringLiteral("d.txt")));
    f->convert(QStringLiteral("2255"));
    QCOMPARE(f->warnings,
             QStringList{"Can Not Open " + f->main().DictionaryPath() + " in ConvertBtnClick"});
    QCOMPARE(f->ui().PossibleGrid->cell(0, 0), QString());
    QCOMPARE(f->main().statusText(), QString());
}

void tst_MainLists::placementButtonsRerun()
{
    f->convert(QStringLiteral("2552"));
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), (QStringList{"A", "J"}));
    f->ui().RightBtn->click();
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), QStringList{"A"});
    // The checked one again starts nothing: the list is not refilled.
    QSignalSpy refilled(f->ui().PossibleGrid->model(), &QAbstractItemModel::modelReset);
    f->ui().RightBtn->click();
    QCOMPARE(refilled.count(), 0);
}

void tst_MainLists::convertButtonRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("letters only") << "CALL" << false;
    QTest::newRow("letters then a digit") << "CALL1" << true;
    QTest::newRow("punctuation") << "(-) " << false;
    QTest::newRow("one digit") << "0" << true;
}

void tst_MainLists::convertButtonRule()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    f->type(typed);
    QCOMPARE(f->ui().ConvertBtn->isEnabled(), enabled);
}

void tst_MainLists::hundredCharacterWarning()
{
    f->type(QString(99, QLatin1Char('1')));
    QVERIFY(f->warnings.isEmpty());
    f->type(QStringLiteral("2"));
    QCOMPARE(f->warnings, QStringList{"Entry Can Not Exceed 100 Characters"});
    f->type(QStringLiteral("3"));
    QCOMPARE(f->warnings.size(), 1);
    QCOMPARE(f->ui().Edit->text().size(), 100);
}

void tst_MainLists::undoIsAnEdit_data()
{
    QTest::addColumn<bool>("clearedFirst"); // the program wrote the text the undo returns to
    QTest::addColumn<Action>("undo");
    const Action ctrlZ = [](MainFixture &m) {
        QTest::keySequence(m.ui().Edit, QKeySequence::Undo);
    };
    QTest::newRow("Ctrl+Z back to the empty field") << false << ctrlZ;
    QTest::newRow("Ctrl+Z back to the field Clear emptied") << true << ctrlZ;
    QTest::newRow("Undo of the field's menu")
        << false << Action([](MainFixture &m) { m.ui().Edit->undo(); });
}

void tst_MainLists::undoIsAnEdit()
{
    QFETCH(bool, clearedFirst);
    QFETCH(Action, undo);
    if (clearedFirst)
        f->ui().ClearBtn->click();
    f->type(QStringLiteral("2255669"));
    QTest::mouseClick(f->ui().ConvertBtn, Qt::LeftButton);
    QVERIFY(!f->main().statusText().isEmpty());
    undo(*f);
    QCOMPARE(f->ui().Edit->text(), QString());
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), QStringList());
    QCOMPARE(f->main().statusText(), QString());
    QVERIFY(!f->ui().ConvertBtn->isEnabled());
}

void tst_MainLists::enterInNumberFieldConverts()
{
    f->type(QStringLiteral("669"));
    QTest::keyClick(f->ui().Edit, Qt::Key_Return);
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), QStringList{"NOW"});
}

void tst_MainLists::phraseInBothOrders_data()
{
    QTest::addColumn<bool>("callFirst");
    QTest::newRow("CALL then NOW") << true;
    QTest::newRow("NOW then CALL") << false;
}

void tst_MainLists::phraseInBothOrders()
{
    QFETCH(bool, callFirst);
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose(callFirst ? "CALL" : "NOW", callFirst ? "2255" : "669"));
    QVERIFY(!f->ui().CopyBtn->isEnabled());
    QVERIFY(f->choose(callFirst ? "NOW" : "CALL", callFirst ? "669" : "2255"));
    QCOMPARE(f->ui().Edit->text(), QString(7, Mark));
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), (QStringList{"CALL", "NOW"}));
    QVERIFY(f->ui().CopyBtn->isEnabled());
    QVERIFY(!f->ui().ConvertBtn->isEnabled());
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), QStringLiteral("2255669, CALL NOW"));
    // Said in the status line, which a screen reader reads as its name.
    auto *status = f->main().statusBar()->findChild<QLabel *>();
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name),
             QStringLiteral("Copied: 2255669, CALL NOW"));
}

void tst_MainLists::phraseAfterAnEditKeepsItsMarks()
{
    // An edit ends the phrase but leaves the marks it wrote; a new phrase starts from the field
    // as it then stands, marks, edit and all.
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("CALL", "2255"));
    QTest::keyClick(f->ui().Edit, Qt::Key_End);
    QTest::keyClicks(f->ui().Edit, QStringLiteral("9"));
    QTest::mouseClick(f->ui().ConvertBtn, Qt::LeftButton);
    QVERIFY(f->choose("NOW", "669"));
    const QString covered = QString(7, Mark) + QLatin1Char('9');
    QCOMPARE(f->ui().Edit->text(), covered);
    // Giving the word back uncovers its own digits only.
    f->clickRow(f->ui().SelectedGrid, 0);
    QCOMPARE(f->ui().Edit->text(), QString(4, Mark) + QStringLiteral("6699"));
}

void tst_MainLists::repeatedDigitsCoverByPlacement_data()
{
    QTest::addColumn<QString>("placement");
    QTest::addColumn<QString>("covered");
    QTest::newRow("any point: first") << "any" << QString(Mark) + "552";
    QTest::newRow("left: first") << "left" << QString(Mark) + "552";
    QTest::newRow("right: last") << "right" << QStringLiteral("255") + Mark;
}

void tst_MainLists::repeatedDigitsCoverByPlacement()
{
    QFETCH(QString, placement);
    QFETCH(QString, covered);
    QRadioButton *button = placement == "left"    ? f->ui().LeftBtn
                           : placement == "right" ? f->ui().RightBtn
                                                  : f->ui().AnyPointBtn;
    button->click();
    f->convert(QStringLiteral("2552"));
    QVERIFY(f->choose("A", "2"));
    QCOMPARE(f->ui().Edit->text(), covered);
    QCOMPARE(f->windows->state.SelectedPosition, covered.indexOf(Mark) + 1);
}

void tst_MainLists::copyWaitsForEveryDigit()
{
    f->convert(QStringLiteral("555-2255"));
    QVERIFY(f->choose("CALL", "2255"));
    QVERIFY(!f->ui().CopyBtn->isEnabled());
    QVERIFY(f->choose("KKK", "555"));
    QVERIFY(f->ui().CopyBtn->isEnabled());
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), QStringLiteral("555-2255, KKK CALL"));
}

void tst_MainLists::giveBackRestoresDigits()
{
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("NOW", "669"));
    QVERIFY(f->choose("A", "2"));
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), (QStringList{"A", "NOW"}));
    MainFixture::clickRow(f->ui().SelectedGrid, 0);
    QCOMPARE(f->ui().Edit->text(), QStringLiteral("2255") + QString(3, Mark));
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"NOW"});
    QCOMPARE(f->windows->state.SelectedPhrase.Slot(2).position, Numra::EmptySlot);
    QVERIFY(f->ui().ConvertBtn->isEnabled());
    QVERIFY(MainFixture::column(f->ui().PossibleGrid, 0).contains("CALL"));
    QVERIFY(f->ui().SelectedWordLabel->text().isEmpty());
}

void tst_MainLists::releaseDecidesTheRow()
{
    f->convert(QStringLiteral("2255669"));
    Grid *grid = f->ui().PossibleGrid;
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, MainFixture::rowPoint(grid, 0));
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, MainFixture::rowPoint(grid, 1));
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"NOW"});
}

void tst_MainLists::releaseAfterScrollDoesNothing()
{
    f->convert(QStringLiteral("2255669"));
    Grid *grid = f->ui().PossibleGrid;
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, MainFixture::rowPoint(grid, 0));
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 3);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, MainFixture::rowPoint(grid, 0));
    QVERIFY(f->ui().SelectedGrid->cell(0, 0).isEmpty());
}

void tst_MainLists::thirtyWordsRowCount()
{
    f->convert(QString(30, QLatin1Char('2')));
    for (int i = 0; i < 30; ++i)
        QVERIFY(f->choose("A", "2"));
    QCOMPARE(f->ui().SelectedGrid->rowCount(), 30);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0).size(), 30);
}

void tst_MainLists::clearKeepsTypedNumber()
{
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("NOW", "669"));
    QTest::mouseClick(f->ui().ClearBtn, Qt::LeftButton);
    QVERIFY(f->ui().Edit->text().isEmpty());
    QVERIFY(f->ui().SelectedGrid->cell(0, 0).isEmpty());
    QVERIFY(f->ui().PossibleGrid->cell(0, 0).isEmpty());
    QVERIFY(f->ui().AffixGrid->cell(0, 0).isEmpty());
    QVERIFY(f->main().statusText().isEmpty());
    QCOMPARE(f->main().TypedNumber(), QStringLiteral("2255669"));
    QVERIFY(!f->ui().ConvertBtn->isEnabled());
}

void tst_MainLists::enteringFieldRestoresTypedNumber()
{
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("CALL", "2255"));
    f->ui().Edit->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f->ui().Edit->text(), QStringLiteral("2255669"));
    QVERIFY(f->ui().SelectedGrid->cell(0, 0).isEmpty());
    QVERIFY(f->ui().PossibleGrid->cell(0, 0).isEmpty());
    QVERIFY(f->ui().SelectedWordLabel->text().isEmpty());
    QVERIFY(!f->ui().Edit->isModified());
}

void tst_MainLists::onlyTheUserEnteringEndsPhrase_data()
{
    QTest::addColumn<Action>("focusField");
    QTest::addColumn<bool>("ends");
    const auto focusIn = [](Qt::FocusReason reason) {
        return Action([reason](MainFixture &m) {
            QFocusEvent in(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(m.ui().Edit, &in);
        });
    };
    QTest::newRow("Tab into the field") << focusIn(Qt::TabFocusReason) << true;
    QTest::newRow("Shift+Tab into the field") << focusIn(Qt::BacktabFocusReason) << true;
    QTest::newRow("click into the field")
        << Action([](MainFixture &m) { QTest::mouseClick(m.ui().Edit, Qt::LeftButton); }) << true;
    QTest::newRow("a menu closing") << focusIn(Qt::PopupFocusReason) << false;
    QTest::newRow("a dialog closing") << focusIn(Qt::ActiveWindowFocusReason) << false;
    QTest::newRow("the menu bar left with Escape") << focusIn(Qt::MenuBarFocusReason) << false;
    QTest::newRow("the program moving the focus")
        << Action([](MainFixture &m) { m.ui().Edit->setFocus(); }) << false;
}

void tst_MainLists::onlyTheUserEnteringEndsPhrase()
{
    QFETCH(Action, focusField);
    QFETCH(bool, ends);
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("CALL", "2255"));
    QVERIFY(f->choose("NOW", "669"));
    QVERIFY(!f->ui().Edit->hasFocus());
    focusField(*f);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0),
             ends ? QStringList() : (QStringList{"CALL", "NOW"}));
    QCOMPARE(f->ui().Edit->text(), ends ? QStringLiteral("2255669") : QString(7, Mark));
    QCOMPARE(f->ui().CopyBtn->isEnabled(), !ends);
}

void tst_MainLists::suffixJoined_data()
{
    QTest::addColumn<QString>("corrected"); // what the user makes of "WALK-ING"
    QTest::newRow("unedited") << "WALK-ING";
    QTest::newRow("spelling corrected") << "WALKING";
}

void tst_MainLists::suffixJoined()
{
    QFETCH(QString, corrected);
    // The phrase, the affixes and the correction keep their models' rules through the join.
    const auto tester = [](Grid *grid) {
        return std::make_unique<QAbstractItemModelTester>(
            grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    };
    const auto phraseTester = tester(f->ui().SelectedGrid);
    const auto affixTester = tester(f->ui().AffixGrid);
    const auto combinationTester =
        tester(f->main().affixForm()->findChild<Grid *>(QStringLiteral("SelectedAffixGrid")));
    f->convert(QStringLiteral("9255464"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(f->ui().SelectedWordLabel->text(), QStringLiteral("WALK"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"-ING"});
    QCOMPARE(f->ui().AffixGrid->rowCount(), 16);
    f->onModal = [corrected](QDialog *dialog) {
        auto *form = qobject_cast<TAffixForm *>(dialog);
        if (!form || form->combinationWord() != "WALK-ING" ||
            form->combinationNumber() != "9255464")
            return int(QDialog::Rejected);
        form->setCombination(corrected, form->combinationNumber());
        form->findChild<QPushButton *>(QStringLiteral("AffixOkBtn"))->click();
        return int(QDialog::Accepted);
    };
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{corrected});
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 1), QStringList{"9255464"});
    QCOMPARE(f->ui().Edit->text(), QString(7, Mark));
    QCOMPARE(f->ui().SelectedWordLabel->text(), corrected);
    QVERIFY(f->ui().CopyBtn->isEnabled());
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), "9255464, " + corrected);
    // Giving the joined word back returns every digit it covered.
    MainFixture::clickRow(f->ui().SelectedGrid, 0);
    QCOMPARE(f->ui().Edit->text(), QStringLiteral("9255464"));
}

// Each word is read by its own line's rule, wherever it goes: the phrase, the affix join, the
// correction window and the clipboard.
void tst_MainLists::wordsOfOtherEncodings_data()
{
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("steps"); // a candidate "word=digits", or "+affix" confirmed
    QTest::addColumn<QString>("offered");   // the last combination the correction window showed
    QTest::addColumn<QString>("copied");
    QTest::newRow("a suffix joined to a Windows-1252 word")
        << QByteArray("5,j\xe9,N\n464,-ING,N\n6,na\xefve,N\n") << "54646"
        << QStringList{"j\u00e9=5", "+-ING", "na\u00efve=6"} << "j\u00e9-ING"
        << "54646, j\u00e9-ING na\u00efve";
    QTest::newRow("a Windows-1252 prefix before a corrected word")
        << QByteArray("73,R\xc9-,N\n5,j\xe9,N\n464,-ING,N\n") << "735464"
        << QStringList{"j\u00e9=5", "+-ING", "+R\u00c9-"} << "R\u00c9-j\u00e9-ING"
        << "735464, R\u00c9-j\u00e9-ING";
    QTest::newRow("a Windows-1252 line and a UTF-8 line")
        << QByteArray("5,j\xe9,N\n6,na\xc3\xafve,N\n") << "56"
        << QStringList{"j\u00e9=5", "na\u00efve=6"} << QString() << "56, j\u00e9 na\u00efve";
}

void tst_MainLists::wordsOfOtherEncodings()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QString, number);
    QFETCH(QStringList, steps);
    QFETCH(QString, offered);
    QFETCH(QString, copied);
    f->dialogAnswer = f->writeDictionary(dictionary + "\n", "encodings.txt");
    f->ui().Open1->trigger();
    f->convert(number);
    QString shown;
    f->onModal = [&shown](QDialog *dialog) {
        shown = qobject_cast<TAffixForm *>(dialog)->combinationWord();
        dialog->findChild<QPushButton *>(QStringLiteral("AffixOkBtn"))->click();
        return int(QDialog::Accepted);
    };
    for (const QString &step : steps) {
        if (step.startsWith('+')) {
            const int row = MainFixture::column(f->ui().AffixGrid, 0).indexOf(step.mid(1));
            QVERIFY2(row >= 0, qPrintable(step));
            MainFixture::clickRow(f->ui().AffixGrid, row);
        } else {
            QVERIFY2(f->choose(step.section('=', 0, 0), step.section('=', 1)), qPrintable(step));
        }
    }
    QCOMPARE(shown, offered);
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), copied);
    // What is copied is what the phrase shows.
    QCOMPARE(number + ", " + MainFixture::column(f->ui().SelectedGrid, 0).join(' '), copied);
}

void tst_MainLists::moreThan4999Matches()
{
    f->dialogAnswer = f->writeDictionary(QByteArray("2,A,N\n").repeated(6000), "many.txt");
    f->ui().Open1->trigger();
    f->convert(QStringLiteral("2"));
    QCOMPARE(f->ui().PossibleGrid->rowCount(), 6000);
    QCOMPARE(f->ui().PossibleGrid->cell(0, 5999), QStringLiteral("A"));
    QVERIFY(f->main().statusText().startsWith(" 6000 Matches out of 6000 words in "));
}

void tst_MainLists::releaseOnEmptyPhraseRow()
{
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("CALL", "2255"));
    const QString covered = f->ui().Edit->text();
    QVERIFY(!f->ui().SelectedWordLabel->text().isEmpty());
    QSignalSpy rerun(f->ui().PossibleGrid->model(), &QAbstractItemModel::modelReset);
    MainFixture::clickRow(f->ui().SelectedGrid, 4);
    QCOMPARE(f->ui().Edit->text(), covered);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"CALL"});
    QCOMPARE(f->ui().SelectedWordLabel->text(), QString());
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{});
    QCOMPARE(rerun.count(), 1);
}

void tst_MainLists::copyTrimsWordEndingInBlank()
{
    f->dialogAnswer = f->writeDictionary("2255,CALL,N\n669,NOW ,N\n", "blank.txt");
    f->ui().Open1->trigger();
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose("CALL", "2255"));
    QVERIFY(f->choose("NOW ", "669"));
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QCOMPARE(Platform::clipboardText(), QStringLiteral("2255669, CALL NOW"));
}

void tst_MainLists::prefixMovesStartLeft()
{
    f->convert(QStringLiteral("739255"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"RE-"});
    f->onModal = [](QDialog *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("AffixOkBtn"))->click();
        return int(QDialog::Accepted);
    };
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(f->windows->state.SelectedPosition, 1);
    QCOMPARE(f->windows->state.SelectedPhrase.Slot(1).position, 1);
    QCOMPARE(f->ui().SelectedGrid->cell(0, 0), QStringLiteral("RE-WALK"));
    QCOMPARE(f->ui().Edit->text(), QString(6, Mark));
}

void tst_MainLists::prefixAfterSuffix()
{
    f->convert(QStringLiteral("739255464"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), (QStringList{"-ING", "RE-"}));
    f->onModal = [](QDialog *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("AffixOkBtn"))->click();
        return int(QDialog::Accepted);
    };
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"RE-"});
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(f->ui().SelectedGrid->cell(0, 0), QStringLiteral("RE-WALK-ING"));
    QCOMPARE(f->ui().SelectedGrid->cell(1, 0), QStringLiteral("739255464"));
    QCOMPARE(f->ui().Edit->text(), QString(9, Mark));
}

// A lone hyphen is both a prefix and a suffix; offered before the word, it joins before it.
void tst_MainLists::hyphenAtBothEndsAppliedAsListed()
{
    f->convert(QStringLiteral("19255"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"-"});
    QString offered;
    f->onModal = [&](QDialog *dialog) {
        offered = qobject_cast<TAffixForm *>(dialog)->combinationWord();
        dialog->findChild<QPushButton *>(QStringLiteral("AffixOkBtn"))->click();
        return int(QDialog::Accepted);
    };
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(offered, QStringLiteral("-WALK"));
    QCOMPARE(f->ui().SelectedGrid->cell(1, 0), QStringLiteral("19255"));
    QCOMPARE(f->windows->state.SelectedPhrase.Slot(1).position, 1);
    QCOMPARE(f->ui().Edit->text(), QString(5, Mark));
}

void tst_MainLists::correctionCancelledChangesNothing()
{
    f->convert(QStringLiteral("9255464"));
    QVERIFY(f->choose("WALK", "9255"));
    const QString field = f->ui().Edit->text();
    int shown = 0;
    f->onModal = [&](QDialog *) {
        ++shown;
        return int(QDialog::Rejected);
    };
    MainFixture::clickRow(f->ui().AffixGrid, 0);
    QCOMPARE(shown, 1);
    QCOMPARE(f->ui().Edit->text(), field);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"WALK"});
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"-ING"});
    // An empty row of the affix list does nothing.
    MainFixture::clickRow(f->ui().AffixGrid, 5);
    QCOMPARE(shown, 1);
}

void tst_MainLists::coveredAffixNotListed()
{
    // -ING is a candidate too: once it covers 464, it is no longer offered beside WALK.
    f->convert(QStringLiteral("9255464"));
    QVERIFY(f->choose("-ING", "464"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{});
    // Nor is a suffix whose digits stand later in the number, not right after the word.
    f->convert(QStringLiteral("92550464"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{});
    // A word at the very start has no prefixes; the lone hyphen is offered after it.
    f->ui().Edit->setFocus(Qt::MouseFocusReason);
    f->convert(QStringLiteral("92551464"));
    QVERIFY(f->choose("WALK", "9255"));
    QCOMPARE(MainFixture::column(f->ui().AffixGrid, 0), QStringList{"-"});
}

void tst_MainLists::hundredWordsCopiedWhole()
{
    f->convert(QString(100, QLatin1Char('2')));
    f->warnings.clear();
    for (int i = 0; i < 100; ++i)
        QVERIFY(f->choose("A", "2"));
    QCOMPARE(f->ui().SelectedGrid->rowCount(), 100);
    QCOMPARE(f->ui().SelectedGrid->cell(0, 99), QStringLiteral("A"));
    QTest::mouseClick(f->ui().CopyBtn, Qt::LeftButton);
    QStringList words(100, QStringLiteral("A"));
    QCOMPARE(Platform::clipboardText(), QString(100, QLatin1Char('2')) + ", " + words.join(' '));
}

void tst_MainLists::keyboardOnly()
{
    f->type(QStringLiteral("2255669"));
    QTest::keyClick(f->ui().Edit, Qt::Key_Return);
    Grid *grid = f->ui().PossibleGrid;
    grid->setFocus();
    grid->setCurrentRecord(1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"NOW"});
    grid->setFocus();
    grid->setCurrentRecord(0);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), (QStringList{"CALL", "NOW"}));
    f->ui().SelectedGrid->setFocus();
    f->ui().SelectedGrid->setCurrentRecord(0);
    QTest::keyClick(f->ui().SelectedGrid, Qt::Key_Return);
    QCOMPARE(MainFixture::column(f->ui().SelectedGrid, 0), QStringList{"NOW"});
}

void tst_MainLists::tabLeavesEveryList_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("to");
    QTest::newRow("candidates, Tab") << "PossibleGrid" << false << "SelectedGrid";
    QTest::newRow("candidates, Shift+Tab") << "PossibleGrid" << true << "LookupBtn";
    QTest::newRow("phrase, Tab") << "SelectedGrid" << false << "AffixGrid";
    QTest::newRow("affixes, Tab") << "AffixGrid" << false << "Edit";
    QTest::newRow("affixes, Shift+Tab") << "AffixGrid" << true << "SelectedGrid";
}

void tst_MainLists::tabLeavesEveryList()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);
    f->convert(QStringLiteral("2255669"));
    QApplication::setActiveWindow(&f->main());
    QVERIFY(QTest::qWaitForWindowActive(&f->main()));
    auto *start = f->main().findChild<QWidget *>(from);
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void tst_MainLists::placementGroupByKeyboard_data()
{
    QTest::addColumn<QString>("checkedBefore");
    QTest::addColumn<QList<int>>("keys"); // after Tab from the number field
    QTest::addColumn<QString>("landsOn");
    QTest::addColumn<QStringList>("candidates");
    QTest::newRow("Tab lands on the checked Any Point")
        << "AnyPointBtn" << QList<int>() << "AnyPointBtn" << QStringList();
    QTest::newRow("Tab lands on Right, checked before")
        << "RightBtn" << QList<int>() << "RightBtn" << QStringList{"A"};
    QTest::newRow("Up checks Right and converts")
        << "AnyPointBtn" << QList<int>{Qt::Key_Up} << "RightBtn" << QStringList{"A"};
    QTest::newRow("Up twice checks Left")
        << "AnyPointBtn" << QList<int>{Qt::Key_Up, Qt::Key_Up} << "LeftBtn" << QStringList{"A"};
}

void tst_MainLists::placementGroupByKeyboard()
{
    QFETCH(QString, checkedBefore);
    QFETCH(QList<int>, keys);
    QFETCH(QString, landsOn);
    QFETCH(QStringList, candidates);
    f->type(QStringLiteral("2552"));
    f->main().findChild<QRadioButton *>(checkedBefore)->click();
    QApplication::setActiveWindow(&f->main());
    QVERIFY(QTest::qWaitForWindowActive(&f->main()));
    f->ui().Edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f->ui().Edit, Qt::Key_Tab);
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    auto *button = qobject_cast<QRadioButton *>(QApplication::focusWidget());
    QVERIFY(button);
    QCOMPARE(button->objectName(), landsOn);
    QVERIFY(button->isChecked());
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), candidates);
}

void tst_MainLists::enterOnPlacementButtonConverts()
{
    f->type(QStringLiteral("2255"));
    QApplication::setActiveWindow(&f->main());
    QVERIFY(f->ui().ConvertBtn->isDefault());
    f->ui().LeftBtn->setFocus();
    QTest::keyClick(f->ui().LeftBtn, Qt::Key_Return);
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0).size(), 5);
    QVERIFY(f->ui().AnyPointBtn->isChecked());
}

void tst_MainLists::enterOnFocusedButtonClicksIt()
{
    f->convert(QStringLiteral("669"));
    QApplication::setActiveWindow(&f->main());
    f->ui().ClearBtn->setFocus();
    QTest::keyClick(f->ui().ClearBtn, Qt::Key_Return);
    QCOMPARE(f->ui().Edit->text(), QString());
    QCOMPARE(MainFixture::column(f->ui().PossibleGrid, 0), QStringList());
}

void tst_MainLists::copyKeyInList()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    f->convert(QStringLiteral("2255669"));
    Grid *grid = f->ui().PossibleGrid;
    grid->setFocus();
    grid->setCurrentRecord(1);
    QTest::keySequence(grid, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("NOW\t669"));
    // An empty row copies nothing rather than emptying the clipboard.
    grid->setCurrentRecord(19);
    QTest::keySequence(grid, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("NOW\t669"));
}

void tst_MainLists::screenReaderHearsTexts()
{
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose(QStringLiteral("CALL"), QStringLiteral("2255")));
    const auto name = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    auto *status = f->main().statusBar()->findChild<QLabel *>();
    QVERIFY(f->main().statusText().startsWith(QStringLiteral(" 1 Matches")));
    QCOMPARE(name(status), f->main().statusText());
    QCOMPARE(name(f->ui().SelectedWordLabel), QStringLiteral("CALL"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f->ui().SelectedWordLabel)
                 ->text(QAccessible::Description),
             QStringLiteral("Selected word"));
    QAccessibleTableInterface *affixes =
        QAccessible::queryAccessibleInterface(f->ui().AffixGrid)->tableInterface();
    QVERIFY(affixes);
    QCOMPARE(affixes->columnDescription(0), QStringLiteral("Prefix or Suffix"));
    QCOMPARE(affixes->columnDescription(1), QStringLiteral("Represents"));
}

void tst_MainLists::screenReaderHearsOnlyTheFocus_data()
{
    QTest::addColumn<Action>("setup");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("heardLast"); // if it matters
    const Action converted = [](MainFixture &m) { m.convert(QStringLiteral("2255669")); };
    QTest::newRow("typing into the number field after a conversion")
        << converted << Action([](MainFixture &m) { m.type(QStringLiteral("1")); }) << QString();
    QTest::newRow("choosing a candidate with the mouse") << converted << Action([](MainFixture &m) {
        m.choose(QStringLiteral("CALL"), QStringLiteral("2255"));
    }) << QString();
    QTest::newRow("giving a word back") << converted << Action([](MainFixture &m) {
        m.choose(QStringLiteral("CALL"), QStringLiteral("2255"));
        MainFixture::clickRow(m.ui().SelectedGrid, 0);
    }) << QString();
    QTest::newRow("Tab into the candidates: the current cell after the list")
        << converted
        << Action([](MainFixture &m) { m.ui().PossibleGrid->setFocus(Qt::TabFocusReason); })
        << "CALL";
}

void tst_MainLists::screenReaderHearsOnlyTheFocus()
{
    QFETCH(Action, setup);
    QFETCH(Action, action);
    QFETCH(QString, heardLast);
    setup(*f);
    ReaderSpy reader;
    action(*f);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(reader.wrongFocus(), QStringList());
    if (!heardLast.isEmpty())
        QCOMPARE(reader.focus.value(reader.focus.size() - 1).name, heardLast);
    // A grid's current cell is focused while the grid is, and only then.
    for (Grid *grid : {f->ui().PossibleGrid, f->ui().SelectedGrid, f->ui().AffixGrid}) {
        QAccessibleInterface *current =
            QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(
                grid->currentIndex().row(), grid->currentIndex().column());
        QVERIFY(current);
        QVERIFY2(current->state().focused == grid->hasFocus(), qPrintable(grid->objectName()));
    }
}

void tst_MainLists::longWordCutAtItsEnd()
{
    const QString word = QStringLiteral("UNCONSTITUTIONALLY");
    f->dialogAnswer = f->writeDictionary("2255669,UNCONSTITUTIONALLY,N\n", QStringLiteral("l.txt"));
    f->ui().Open1->trigger();
    f->convert(QStringLiteral("2255669"));
    QVERIFY(f->choose(word, QStringLiteral("2255669")));
    QLabel *label = f->ui().SelectedWordLabel;
    QVERIFY(label->text() != word);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(word.startsWith(label->text().chopped(1)));
    QCOMPARE(label->toolTip(), word);
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), word);
}

void tst_MainLists::idleCountReset_data()
{
    QTest::addColumn<Action>("setup");
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("resets");
    const Action nothing = [](MainFixture &) {};
    const Action typed = [](MainFixture &m) { m.type(QStringLiteral("2255")); };
    const Action converted = [](MainFixture &m) { m.convert(QStringLiteral("2255")); };
    const Action covered = [](MainFixture &m) {
        m.convert(QStringLiteral("2255"));
        m.choose(QStringLiteral("CALL"), QStringLiteral("2255"));
    };
    const auto click = [](auto button) {
        return Action([button](MainFixture &m) { (m.ui().*button)->click(); });
    };
    const auto trigger = [](QAction *MainControls::*action) {
        return Action([action](MainFixture &m) { (m.ui().*action)->trigger(); });
    };
    const auto release = [](Grid *MainControls::*grid, int row) {
        return Action([grid, row](MainFixture &m) { MainFixture::clickRow(m.ui().*grid, row); });
    };
    QTest::newRow("Convert") << typed << click(&MainControls::ConvertBtn) << true;
    QTest::newRow("placement button") << typed << click(&MainControls::LeftBtn) << true;
    QTest::newRow("typing in the number field")
        << nothing << Action([](MainFixture &m) { QTest::keyClicks(m.ui().Edit, "5"); }) << true;
    QTest::newRow("entering the number field") << converted << Action([](MainFixture &m) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(m.ui().Edit, &in);
    }) << true;
    QTest::newRow("release on a candidate")
        << converted << release(&MainControls::PossibleGrid, 0) << true;
    QTest::newRow("release on the phrase")
        << covered << release(&MainControls::SelectedGrid, 0) << true;
    QTest::newRow("release on the affix list")
        << covered << release(&MainControls::AffixGrid, 0) << true;
    QTest::newRow("candidate column width")
        << nothing << Action([](MainFixture &m) { m.ui().PossibleGrid->setColWidth(0, 99); })
        << true;
    QTest::newRow("Clear") << converted << click(&MainControls::ClearBtn) << true;
    QTest::newRow("Copy") << covered << click(&MainControls::CopyBtn) << true;
    QTest::newRow("Lookup") << nothing << click(&MainControls::LookupBtn) << true;
    QTest::newRow("About") << nothing << trigger(&MainControls::About1) << true;
    QTest::newRow("Open, cancelled") << nothing << trigger(&MainControls::Open1) << true;
    QTest::newRow("Help, Contents") << nothing << trigger(&MainControls::Contents1) << false;
    QTest::newRow("Help, Notify") << nothing << trigger(&MainControls::Notify1) << false;
    QTest::newRow("Exit") << nothing << trigger(&MainControls::Exit1) << false;
    QTest::newRow("press on the candidates") << converted << Action([](MainFixture &m) {
        QTest::mousePress(m.ui().PossibleGrid->viewport(), Qt::LeftButton, {},
                          MainFixture::rowPoint(m.ui().PossibleGrid, 0));
    }) << false;
    QTest::newRow("candidates scrolled") << converted << Action([](MainFixture &m) {
        m.ui().PossibleGrid->verticalScrollBar()->setValue(3);
    }) << false;
    QTest::newRow("timer tick") << nothing << Action([](MainFixture &m) { m.tick(); }) << false;
}

void tst_MainLists::idleCountReset()
{
    QFETCH(Action, setup);
    QFETCH(Action, action);
    QFETCH(bool, resets);
    setup(*f);
    f->windows->window.IdleCount = 100;
    action(*f);
    QCOMPARE(f->windows->window.IdleCount == 0, resets);
}

void tst_MainLists::pointerTiming()
{
    TMainForm &main = f->main();
    WindowState &state = f->windows->window;
    main.seedRandom(1);
    state.ResetIdleCount();
    state.PointerTickCount = 0;
    auto visible = [&] {
        int count = 0;
        for (int i = 0; i < IdlePointers::Count; ++i)
            count += main.pointer(i)->isVisible();
        return count;
    };
    for (int tick = 1; tick < 120; ++tick)
        f->tick();
    QCOMPARE(visible(), 0);
    f->tick(); // tick 120
    QCOMPARE(visible(), 1);
    for (int tick = 121; tick <= 130; ++tick)
        f->tick();
    QCOMPARE(visible(), 1);
    f->tick(); // tick 131 = T + 11
    QCOMPARE(visible(), 0);
    for (int tick = 132; tick < 140; ++tick)
        f->tick();
    QCOMPARE(visible(), 0);
    f->tick(); // tick 140 = T + 20
    QCOMPARE(visible(), 1);
}

void tst_MainLists::userActionDuringPointer()
{
    TMainForm &main = f->main();
    WindowState &state = f->windows->window;
    state.ResetIdleCount();
    state.PointerTickCount = 0;
    auto visible = [&] {
        int count = 0;
        for (int i = 0; i < IdlePointers::Count; ++i)
            count += main.pointer(i)->isVisible();
        return count;
    };
    for (int tick = 1; tick <= 125; ++tick)
        f->tick();
    QCOMPARE(visible(), 1); // shown at tick 120
    f->type(QStringLiteral("1"));
    QCOMPARE(state.IdleCount, 0);
    // The pointer stays its eleven ticks (until tick 131); none follows for two minutes.
    for (int tick = 1; tick <= 119; ++tick) {
        f->tick();
        QCOMPARE(visible(), tick <= 5 ? 1 : 0);
    }
    f->tick();
    QCOMPARE(visible(), 1);
}

QTEST_MAIN(tst_MainLists)
#include "tst_MainLists.moc"
