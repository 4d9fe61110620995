#include "ui/ListModels.h"
#include "ui/LookUp.h"

#include "core/DictionaryFile.h"
#include "core/NumraGlobal.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

using Platform::SettingsStore;

namespace {

// Nine lines; the last has no line break.
const char *const Dictionary = "2255,CALL,N\n"
                               "2255,call,A\n"
                               "7323,READ,N\n"
                               "0,0,N\n"
                               "not a record\n"
                               "73230,Re-ad,N\n"
                               "9255,WALK (v.),N\n"
                               "2255,Call,N\n"
                               "669,NOW,N";
constexpr int DictionaryLines = 9;

// One lookup window over a dictionary of the test's own, as the main window would own it.
struct LookupWindow
{
    explicit LookupWindow(const QString &path) : file(path.toStdString()), form(file)
    {
        form.show();
    }

    template <typename T> T *control(const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit *word() { return control<QLineEdit>("WordToConvert"); }
    Grid *grid() { return control<Grid>("ConvertedGrid"); }
    QPushButton *button(const char *name) { return control<QPushButton>(name); }
    QString status() { return control<QStatusBar>("StatusBar1")->currentMessage(); }

    // As the user does it: typing marks the field modified.
    void type(const QString &text)
    {
        word()->setFocus();
        QTest::keyClicks(word(), text);
    }
    void lookUp(const QString &text)
    {
        type(text);
        button("ConvertBtn")->click();
    }
    QStringList rows()
    {
        QStringList texts;
        for (int row = 0; row < grid()->rowCount(); ++row)
            texts << grid()->cell(0, row);
        while (!texts.isEmpty() && texts.constLast().isEmpty())
            texts.removeLast();
        return texts;
    }
    void clickRow(int row)
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 0));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    Numra::DictionaryFile file;
    TLookupForm form;
    // Every refill of the results must keep the model's signals consistent.
    QAbstractItemModelTester modelTester{grid()->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest};
};

} // namespace

class tst_LookUp : public QObject
{
    Q_OBJECT

public:
    // No real clipboard or screen, whoever starts the test.
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void init();
    void cleanup();

    void lookup_data();
    void lookup();
    void manyNumbersAllListed();
    void copyNeedsAChosenRow_data();
    void copyNeedsAChosenRow();
    void copiesNumberAndWordAsTyped();
    void enterInFieldConverts();
    void enteringFieldAgainClearsResults_data();
    void enteringFieldAgainClearsResults();
    void clearEmptiesEverything();
    void handlersResetIdleCount_data();
    void handlersResetIdleCount();
    void position_data();
    void position();
    void openFailureKeepsResults();
    void readFailure();

private:
    std::unique_ptr<LookupWindow> window(const char *contents = Dictionary);

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_warnings;
};

void tst_LookUp::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsStore::setFileForTesting(m_dir->filePath(QStringLiteral("settings.ini")));
    m_warnings.clear();
    Platform::setWarningHandler([this](const QString &text) { m_warnings << text; });
    Platform::setModalHandler([](QDialog *) -> int {
        qFatal("a lookup shows no window of its own");
        return 0;
    });
}

void tst_LookUp::cleanup()
{
    Platform::setWarningHandler({});
    Platform::setModalHandler({});
    SettingsStore::setFileForTesting(QString());
    m_dir.reset();
}

std::unique_ptr<LookupWindow> tst_LookUp::window(const char *contents)
{
    const QString path = m_dir->filePath(QStringLiteral("dictionary.txt"));
    std::ofstream(path.toStdString(), std::ios::binary) << contents;
    return std::make_unique<LookupWindow>(path);
}

void tst_LookUp::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("copyEnabled");

    const QStringList call{QStringLiteral("2255")};
    const QStringList none{QStringLiteral("No Numeric Equivalent")};
    QTest::newRow("typed in capitals") << "CALL" << call << true;
    QTest::newRow("apostrophe") << "ca'll" << call << true;
    QTest::newRow("hyphen") << "cal-l" << call << true;
    QTest::newRow("space") << "ca ll" << call << true;
    QTest::newRow("digit") << "c4all" << call << true;
    QTest::newRow("parenthesised part") << "call (phone)" << call << true;
    QTest::newRow("record with a parenthesised note") << "walk" << QStringList{"9255"} << true;
    QTest::newRow("two numbers in dictionary order")
        << "read" << QStringList{"7323", "73230"} << false;
    QTest::newRow("nothing found") << "zebra" << none << false;
    QTest::newRow("no letters matches a letterless word") << "42" << QStringList{"0"} << true;
    QTest::newRow("last line examined") << "now" << QStringList{"669"} << true;
}

void tst_LookUp::lookup()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    QFETCH(bool, copyEnabled);

    auto w = window();
    QVERIFY(!w->button("ConvertBtn")->isEnabled());
    w->type(typed);
    QVERIFY(w->button("ConvertBtn")->isEnabled());
    w->button("ConvertBtn")->click();

    QCOMPARE(w->rows(), rows);
    QCOMPARE(w->grid()->rowCount(), 20);
    QCOMPARE(w->button("CopyBtn")->isEnabled(), copyEnabled);
    QVERIFY(m_warnings.isEmpty());

    const qsizetype matches = rows == QStringList{"No Numeric Equivalent"} ? 0 : rows.size();
    const QString status = w->status();
    QVERIFY2(
        status.startsWith(
            QStringLiteral(" %1 Matches out of %2 words in ").arg(matches).arg(DictionaryLines)),
        qPrintable(status));
    QVERIFY2(status.endsWith(QStringLiteral(" secs")), qPrintable(status));
    // What a screen reader reads of the status bar is its text.
    QCOMPARE(QAccessible::queryAccessibleInterface(w->control<QStatusBar>("StatusBar1"))
                 ->text(QAccessible::Name),
             status);
}

void tst_LookUp::manyNumbersAllListed()
{
    std::string contents;
    QStringList numbers;
    for (int i = 0; i < 30; ++i) {
        numbers << QString::number(6260 + i * 7);
        contents += numbers.constLast().toStdString() + ",many,N\n";
        contents += "1111,other,N\n";
    }
    auto w = window(contents.c_str());
    w->lookUp(QStringLiteral("Many"));

    QCOMPARE(w->rows(), numbers);
    QVERIFY(w->grid()->rowCount() >= 30);
    QVERIFY(!w->button("CopyBtn")->isEnabled());
    QVERIFY2(w->status().startsWith(QStringLiteral(" 30 Matches out of 60 words in ")),
             qPrintable(w->status()));

    // A shorter result afterwards goes back to the usual size.
    w->word()->clear();
    w->lookUp(QStringLiteral("other"));
    QCOMPARE(w->rows(), QStringList{"1111"});
    QCOMPARE(w->grid()->rowCount(), 20);
}

void tst_LookUp::copyNeedsAChosenRow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("copyEnabled");

    QTest::newRow("first of two numbers") << "read" << 0 << true;
    QTest::newRow("second of two numbers") << "read" << 1 << true;
    QTest::newRow("empty row below two numbers") << "read" << 5 << false;
    QTest::newRow("no numeric equivalent") << "zebra" << 0 << false;
    QTest::newRow("empty row below one number") << "call" << 3 << false;
}

void tst_LookUp::copyNeedsAChosenRow()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(bool, copyEnabled);

    auto w = window();
    w->lookUp(typed);
    w->clickRow(row);
    QCOMPARE(w->button("CopyBtn")->isEnabled(), copyEnabled);
}

void tst_LookUp::copiesNumberAndWordAsTyped()
{
    auto w = window();
    w->lookUp(QStringLiteral("Call"));
    QVERIFY(w->button("CopyBtn")->isEnabled());
    w->button("CopyBtn")->click();
    QCOMPARE(Platform::clipboardText(), QStringLiteral("2255, Call"));

    // The second of two numbers, chosen from the keyboard, and the word kept untrimmed.
    w->word()->clear();
    w->lookUp(QStringLiteral(" rEad "));
    w->grid()->setFocus();
    QTest::keyClick(w->grid(), Qt::Key_Down);
    QVERIFY(w->button("CopyBtn")->isEnabled());
    w->button("CopyBtn")->click();
    QCOMPARE(Platform::clipboardText(), QStringLiteral("73230,  rEad "));

    // Space on the row that is already current counts as choosing it.
    w->word()->clear();
    w->lookUp(QStringLiteral("read"));
    QVERIFY(!w->button("CopyBtn")->isEnabled());
    w->grid()->setFocus();
    QTest::keyClick(w->grid(), Qt::Key_Space);
    QVERIFY(w->button("CopyBtn")->isEnabled());
    w->button("CopyBtn")->click();
    QCOMPARE(Platform::clipboardText(), QStringLiteral("7323, read"));
}

void tst_LookUp::enterInFieldConverts()
{
    auto w = window();
    w->type(QStringLiteral("now"));
    QTest::keyClick(w->word(), Qt::Key_Return);
    QCOMPARE(w->rows(), QStringList{"669"});
}

void tst_LookUp::enteringFieldAgainClearsResults_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("clicked into") << Qt::MouseFocusReason << true;
    QTest::newRow("tabbed into") << Qt::TabFocusReason << true;
    QTest::newRow("window active again") << Qt::ActiveWindowFocusReason << false;
}

void tst_LookUp::enteringFieldAgainClearsResults()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(bool, cleared);

    auto w = window();
    w->lookUp(QStringLiteral("call"));
    w->button("ConvertBtn")->setFocus();
    QFocusEvent focusIn(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(w->word(), &focusIn);

    QCOMPARE(w->rows().isEmpty(), cleared);
    QCOMPARE(w->button("CopyBtn")->isEnabled(), !cleared);
    QVERIFY(w->button("ConvertBtn")->isEnabled());
}

void tst_LookUp::clearEmptiesEverything()
{
    auto w = window();
    w->lookUp(QStringLiteral("call"));
    w->button("ClearBtn")->click();

    QCOMPARE(w->word()->text(), QString());
    QVERIFY(w->rows().isEmpty());
    QVERIFY(!w->button("ConvertBtn")->isEnabled());
    QVERIFY(!w->button("CopyBtn")->isEnabled());

    // The program emptied the field, not the user: entering it changes nothing.
    static_cast<LookupResultModel *>(w->grid()->gridModel())->setNumbers({"kept"}, false, 20);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w->word(), &focusIn);
    QCOMPARE(w->rows(), QStringList{"kept"});

    // Spaces alone are no word to convert.
    w->type(QStringLiteral("   "));
    QVERIFY(!w->button("ConvertBtn")->isEnabled());
    w->type(QStringLiteral("a"));
    QVERIFY(w->button("ConvertBtn")->isEnabled());
}

void tst_LookUp::handlersResetIdleCount_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Convert") << "ConvertBtn";
    QTest::newRow("Clear") << "ClearBtn";
    QTest::newRow("Copy") << "CopyBtn";
    QTest::newRow("Cancel") << "CancelLookUpBtn";
}

void tst_LookUp::handlersResetIdleCount()
{
    QFETCH(QString, button);
    auto w = window();
    w->lookUp(QStringLiteral("call"));
    QSignalSpy acted(&w->form, &TLookupForm::userActed);
    w->button(button.toLatin1().constData())->click();
    QVERIFY(!acted.isEmpty());

    w->form.show();
    acted.clear();
    w->type(QStringLiteral("x"));
    QCOMPARE(acted.count(), 1);
}

void tst_LookUp::position_data()
{
    QTest::addColumn<QVariant>("top");
    QTest::addColumn<QVariant>("left");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("both restored") << QVariant(300) << QVariant(200) << QPoint(200, 300);
    QTest::newRow("no lookup values") << QVariant() << QVariant() << QPoint(159, 423);
    QTest::newRow("top missing: left not read") << QVariant() << QVariant(200) << QPoint(159, 423);
    QTest::newRow("top only") << QVariant(300) << QVariant() << QPoint(159, 300);
    QTest::newRow("top written as text")
        << QVariant(QStringLiteral("high")) << QVariant(200) << QPoint(159, 423);
    QTest::newRow("left written as text")
        << QVariant(300) << QVariant(QStringLiteral("far")) << QPoint(159, 300);
}

void tst_LookUp::position()
{
    QFETCH(QVariant, top);
    QFETCH(QVariant, left);
    QFETCH(QPoint, position);
    {
        SettingsStore settings(SettingsStore::Mode::Create);
        settings.writeString(SettingsStore::Dictionary.name, QStringLiteral("d.txt"));
        const std::pair<QString, QVariant> values[] = {{SettingsStore::LookupTop.name, top},
                                                       {SettingsStore::LookupLeft.name, left}};
        for (const auto &[name, value] : values) {
            if (value.typeId() == QMetaType::Int)
                settings.writeInteger(name, value.toInt());
            else if (value.isValid())
                settings.writeString(name, value.toString());
        }
    }
    Numra::DictionaryFile file("d.txt");
    const TLookupForm form(file);
    QCOMPARE(form.pos(), position);
}

void tst_LookUp::openFailureKeepsResults()
{
    auto w = window();
    w->lookUp(QStringLiteral("read"));
    const QString status = w->status();

    const QString missing = m_dir->filePath(QStringLiteral("gone/Numra Dictionary.txt"));
    w->file.Bind(missing.toStdString());
    w->button("ConvertBtn")->click();

    QCOMPARE(m_warnings, QStringList{"Can Not Open " + missing + " in ConvertBtnClick"});
    QCOMPARE(w->rows(), (QStringList{"7323", "73230"}));
    QCOMPARE(w->status(), status);
}

void tst_LookUp::readFailure()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a file that opens but cannot be read");
#endif
    auto w = window();
    w->lookUp(QStringLiteral("read"));
    w->clickRow(1);
    QVERIFY(w->button("CopyBtn")->isEnabled());
    const QString status = w->status();

    // Opens, but its first read fails: nothing at address 0 is mapped.
    w->file.Bind("/proc/self/mem");
    w->button("ConvertBtn")->click();

    QCOMPARE(m_warnings, QStringList{"Error Reading Dictionary /proc/self/mem"});
    QVERIFY(w->rows().isEmpty());
    QVERIFY(w->button("CopyBtn")->isEnabled());
    QCOMPARE(w->status(), status);
}

QTEST_MAIN(tst_LookUp)
#include "tst_LookUp.moc"
