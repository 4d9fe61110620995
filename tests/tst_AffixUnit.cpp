#include "ui/AffixUnit.h"

#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "toolkit/Grid.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Platform::SettingsStore;

namespace {

using Values = QList<std::pair<QString, QVariant>>;

struct Placement
{
    QPoint position;
    int width;
    int wordWidth;
    int numberWidth;
};

const Placement Design{{330, 240}, 435, 175, 135};

Grid *gridOf(TAffixForm &form)
{
    return form.findChild<Grid *>(QStringLiteral("SelectedAffixGrid"));
}

QPushButton *buttonOf(TAffixForm &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

QModelIndex cellIndex(TAffixForm &form, int column)
{
    // The combination's one row, under the heading.
    return gridOf(form)->model()->index(0, column);
}

QLineEdit *wordEditor(TAffixForm &form)
{
    return qobject_cast<QLineEdit *>(gridOf(form)->indexWidget(cellIndex(form, 0)));
}

} // namespace

Q_DECLARE_METATYPE(Placement)

class tst_AffixUnit : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void init();
    void cleanup();

    void rememberedValues_data();
    void rememberedValues();
    void layoutAndHeading();
    void onlyTheWordIsEditable();
    void readerHearsTheCorrection_data();
    void readerHearsTheCorrection();
    void confirm_data();
    void confirm();
    void withdraw_data();
    void withdraw();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_AffixUnit::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsStore::setFileForTesting(m_dir->filePath(QStringLiteral("settings.ini")));
    Platform::setModalHandler([](QDialog *) -> int {
        qFatal("the correction window shows no window of its own");
        return 0;
    });
}

void tst_AffixUnit::cleanup()
{
    Platform::setModalHandler({});
    SettingsStore::setFileForTesting(QString());
    m_dir.reset();
}

void tst_AffixUnit::rememberedValues_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<Placement>("expected");

    const Values all{{SettingsStore::AffixTop.name, 300},
                     {SettingsStore::AffixLeft.name, 200},
                     {SettingsStore::AffixWidth.name, 520},
                     {SettingsStore::AffixWordWidth.name, 190},
                     {SettingsStore::AffixNumberWidth.name, 150}};
    auto without = [&all](int index, const QVariant &replacement = {}) {
        Values values = all;
        values[index].second = replacement;
        return values;
    };

    QTest::newRow("all five") << all << Placement{{200, 300}, 520, 190, 150};
    QTest::newRow("none") << Values{} << Design;
    QTest::newRow("top missing") << without(0) << Design;
    QTest::newRow("left missing") << without(1) << Placement{{330, 300}, 435, 175, 135};
    QTest::newRow("width written as text")
        << without(2, QStringLiteral("wide")) << Placement{{200, 300}, 435, 175, 135};
    QTest::newRow("word width missing") << without(3) << Placement{{200, 300}, 520, 175, 135};
    QTest::newRow("number width missing") << without(4) << Placement{{200, 300}, 520, 190, 135};
    QTest::newRow("width below the minimum")
        << without(2, 300) << Placement{{200, 300}, 435, 190, 150};
}

void tst_AffixUnit::rememberedValues()
{
    QFETCH(Values, values);
    QFETCH(Placement, expected);
    {
        SettingsStore settings(SettingsStore::Mode::Create);
        settings.writeString(SettingsStore::Dictionary.name, QStringLiteral("d.txt"));
        for (const auto &[name, value] : values) {
            if (value.typeId() == QMetaType::Int)
                settings.writeInteger(name, value.toInt());
            else if (value.isValid())
                settings.writeString(name, value.toString());
        }
    }
    const TAffixForm form;
    QCOMPARE(form.pos(), expected.position);
    QCOMPARE(form.width(), expected.width);
    QCOMPARE(form.wordColumnWidth(), expected.wordWidth);
    QCOMPARE(form.numberColumnWidth(), expected.numberWidth);
}

void tst_AffixUnit::layoutAndHeading()
{
    TAffixForm form;
    QCOMPARE(form.minimumHeight(), 134);
    QCOMPARE(form.maximumHeight(), 134);
    QCOMPARE(form.minimumWidth(), 435);
    QVERIFY(form.maximumWidth() > 435);

    Grid *grid = gridOf(form);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), "Candidate Word");
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), "Represents");

    form.setCombination(QStringLiteral("walk-ing"), QStringLiteral("9255464"));
    QCOMPARE(form.combinationWord(), QStringLiteral("walk-ing"));
    QCOMPARE(form.combinationNumber(), QStringLiteral("9255464"));
    QVERIFY(cellIndex(form, 0).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!cellIndex(form, 1).data(Qt::FontRole).value<QFont>().bold());
}

void tst_AffixUnit::onlyTheWordIsEditable()
{
    TAffixForm form;
    form.setCombination(QStringLiteral("re-walk"), QStringLiteral("739255"));
    form.show();

    // Shown with the word's editor open, ready for the correction.
    QLineEdit *editor = wordEditor(form);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("re-walk"));

    Grid *grid = gridOf(form);
    QVERIFY(grid->model()->flags(cellIndex(form, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(grid->model()->flags(cellIndex(form, 1)) & Qt::ItemIsEditable));
    grid->setCurrentIndex(cellIndex(form, 1));
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    grid->edit(cellIndex(form, 1));
    QVERIFY(!grid->indexWidget(cellIndex(form, 1)));
    QVERIFY(!grid->model()->setData(cellIndex(form, 1), QStringLiteral("0"), Qt::EditRole));
    QCOMPARE(form.combinationNumber(), QStringLiteral("739255"));
}

void tst_AffixUnit::readerHearsTheCorrection_data()
{
    QTest::addColumn<bool>("reopened");
    QTest::newRow("the editor open at the showing") << false;
    QTest::newRow("the editor opened again after Escape") << true;
}

// The editor is a text field named by its column, and the caution's two lines are one sentence.
void tst_AffixUnit::readerHearsTheCorrection()
{
    QFETCH(bool, reopened);
    TAffixForm form;
    form.setCombination(QStringLiteral("walk-ing"), QStringLiteral("9255464"));
    form.show();
    if (reopened) {
        QTest::keyClick(wordEditor(form), Qt::Key_Escape);
        QVERIFY(!wordEditor(form));
        gridOf(form)->edit(cellIndex(form, 0));
    }
    QLineEdit *editor = wordEditor(form);
    QVERIFY(editor);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(editor);
    QCOMPARE(heard->role(), QAccessible::EditableText);
    QCOMPARE(heard->text(QAccessible::Name), QStringLiteral("Candidate Word"));
    QCOMPARE(heard->text(QAccessible::Value), QStringLiteral("walk-ing"));
    const QString caution = QStringLiteral(
        "If you correct spelling, make sure it remains consistant with the numeric translation");
    QCOMPARE(heard->text(QAccessible::Description), caution);
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Description), caution);
    // Found in the table too, within the cell it edits.
    QAccessibleInterface *cell =
        QAccessible::queryAccessibleInterface(gridOf(form))->tableInterface()->cellAt(0, 0);
    QCOMPARE(cell->childCount(), 1);
    QCOMPARE(cell->child(0)->object(), editor);
}

void tst_AffixUnit::confirm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enterCommits");
    QTest::addColumn<QString>("word");

    QTest::newRow("Enter commits, second Enter confirms") << "walking" << true << "walking";
    QTest::newRow("OK pressed with the editor still open") << "walkin" << false << "walkin";
    QTest::newRow("unchanged") << QString() << true << "walk-ing";
}

void tst_AffixUnit::confirm()
{
    QFETCH(QString, typed);
    QFETCH(bool, enterCommits);
    QFETCH(QString, word);

    TAffixForm form;
    QAbstractItemModelTester tester(gridOf(form)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy confirmed(&form, &TAffixForm::affixConfirmed);
    form.setCombination(QStringLiteral("walk-ing"), QStringLiteral("9255464"));
    form.show();
    QLineEdit *editor = wordEditor(form);
    QVERIFY(editor);
    if (!typed.isEmpty()) {
        editor->selectAll();
        QTest::keyClicks(editor, typed);
    }

    if (enterCommits) {
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(confirmed.isEmpty());
        QVERIFY(form.isVisible());
        QCOMPARE(form.combinationWord(), word);
        QTest::keyClick(gridOf(form), Qt::Key_Return);
    } else {
        buttonOf(form, "AffixOkBtn")->click();
    }

    QCOMPARE(confirmed.size(), 1);
    QCOMPARE(confirmed.at(0).at(0).toString(), word);
    QCOMPARE(confirmed.at(0).at(1).toString(), QStringLiteral("9255464"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
}

void tst_AffixUnit::withdraw_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "cancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape twice") << "escape";
}

void tst_AffixUnit::withdraw()
{
    QFETCH(QString, how);

    TAffixForm form;
    QSignalSpy confirmed(&form, &TAffixForm::affixConfirmed);
    form.setCombination(QStringLiteral("re-walk"), QStringLiteral("739255"));
    form.show();
    QTest::keyClicks(wordEditor(form), QStringLiteral("x"));

    if (how == QLatin1String("cancel")) {
        buttonOf(form, "AffixCancelBtn")->click();
    } else if (how == QLatin1String("close")) {
        form.close();
    } else {
        // The first Escape only abandons the edit.
        QTest::keyClick(wordEditor(form), Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QTest::keyClick(gridOf(form), Qt::Key_Escape);
    }

    QVERIFY(confirmed.isEmpty());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());

    // The next showing offers the next combination for editing at once.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("edit")));
    form.setCombination(QStringLiteral("walk-ing"), QStringLiteral("9255464"));
    form.show();
    QVERIFY(wordEditor(form));
    QCOMPARE(wordEditor(form)->text(), QStringLiteral("walk-ing"));
}

QTEST_MAIN(tst_AffixUnit)
#include "tst_AffixUnit.moc"
