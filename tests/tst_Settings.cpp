#include "platform/Settings.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <limits>
#include <memory>

using Platform::SettingsStore;

namespace {

// Three values as a window reads them; a null QVariant is a value that is not stored.
const Platform::IntegerSetting *const Order[] = {
    &SettingsStore::AffixTop, &SettingsStore::AffixLeft, &SettingsStore::AffixWidth};

// A default that is not empty, so that reading it back is seen.
const Platform::StringSetting Named{QStringLiteral("Named"), QStringLiteral("fallback")};

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readInOrder_data();
    void readInOrder();
    void bySetting_data();
    void bySetting();
    void scriptsWriteEverySetting();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Settings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsStore::setFileForTesting(m_dir->filePath(QStringLiteral("settings.ini")));
}

void tst_Settings::cleanup()
{
    SettingsStore::setFileForTesting(QString());
    m_dir.reset();
}

void tst_Settings::readInOrder_data()
{
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QList<int>>("applied");
    QTest::addColumn<bool>("complete");

    QTest::newRow("all three") << QVariantList{10, -20, 30} << QList<int>{10, -20, 30} << true;
    QTest::newRow("the first missing: nothing read")
        << QVariantList{QVariant(), 20, 30} << QList<int>{} << false;
    QTest::newRow("the second missing: the third not read")
        << QVariantList{10, QVariant(), 30} << QList<int>{10} << false;
    QTest::newRow("the last written as text")
        << QVariantList{10, 20, QStringLiteral("wide")} << QList<int>{10, 20} << false;
    QTest::newRow("the ends of the 32-bit range brought within a window's reach")
        << QVariantList{std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0}
        << QList<int>{QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, 0} << true;
    QTest::newRow("the edges of the reach kept")
        << QVariantList{QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, 1}
        << QList<int>{QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, 1} << true;
}

void tst_Settings::readInOrder()
{
    QFETCH(QVariantList, stored);
    QFETCH(QList<int>, applied);
    QFETCH(bool, complete);
    {
        SettingsStore store(SettingsStore::Mode::Create);
        for (int i = 0; i < stored.size(); ++i) {
            if (stored[i].typeId() == QMetaType::Int)
                store.writeInteger(Order[i]->name, stored[i].toInt());
            else if (stored[i].isValid())
                store.writeString(Order[i]->name, stored[i].toString());
        }
        store.writeString(SettingsStore::Dictionary.name, QStringLiteral("d.txt"));
        store.flush();
    }
    const SettingsStore store(SettingsStore::Mode::OpenExisting);
    QVERIFY(store.isOpen());
    QList<std::pair<int, int>> calls;
    const auto record = [&calls](int step) {
        return [&calls, step](int v) { calls.append({step, v}); };
    };
    const bool read =
        store.readInOrder({{*Order[0], record(0)}, {*Order[1], record(1)}, {*Order[2], record(2)}});
    QCOMPARE(read, complete);
    QList<std::pair<int, int>> expected;
    for (int i = 0; i < applied.size(); ++i)
        expected.append({i, applied[i]});
    QCOMPARE(calls, expected);
}

void tst_Settings::bySetting_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("anyStore");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("number"); // null: read as missing

    QTest::newRow("written by setting, read by name and by setting")
        << true << true << QStringLiteral("kept") << QVariant(3);
    QTest::newRow("not stored: the text's default, no number")
        << false << true << QStringLiteral("fallback") << QVariant();
    QTest::newRow("no store at all: the same")
        << false << false << QStringLiteral("fallback") << QVariant();
}

void tst_Settings::bySetting()
{
    QFETCH(bool, write);
    QFETCH(bool, anyStore);
    QFETCH(QString, text);
    QFETCH(QVariant, number);
    if (anyStore) {
        SettingsStore store(SettingsStore::Mode::Create);
        if (write) {
            store.writeString(Named, text);
            store.writeInteger(SettingsStore::NotifyCount, number.toInt());
        } else {
            store.writeString(SettingsStore::Dictionary, QStringLiteral("d.txt"));
        }
        store.flush();
    }
    const SettingsStore store(SettingsStore::Mode::OpenExisting);
    QCOMPARE(store.isOpen(), anyStore);
    QCOMPARE(store.readString(Named), text);
    const std::optional<std::int32_t> read = store.readInteger(SettingsStore::NotifyCount);
    QCOMPARE(read.has_value(), number.isValid());
    if (number.isValid()) {
        QCOMPARE(*read, number.toInt());
        QCOMPARE(store.readString(Named.name), std::optional<QString>(text));
        QCOMPARE(store.readInteger(SettingsStore::NotifyCount.name),
                 std::optional<std::int32_t>(number.toInt()));
    }
}

// The scripts that run Numra unattended write its settings themselves; a setting they miss, or
// name differently, makes the window stop at start-up to ask for a dictionary.
void tst_Settings::scriptsWriteEverySetting()
{
    const QString file = m_dir->filePath(QStringLiteral("script.conf"));
    QProcess bash;
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"),
                                        QStringLiteral("source \"$0/scripts/lib.sh\" && "
                                                       "write_settings \"$1\" /d.txt"),
                                        QStringLiteral(NUMRA_SOURCE_DIR), file});
    QVERIFY(bash.waitForFinished());
    QCOMPARE(bash.exitCode(), 0);

    const QSettings written(file, QSettings::IniFormat);
    QStringList expected = SettingsStore::IntegerNames;
    expected << SettingsStore::Dictionary.name;
    QStringList keys = written.allKeys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    for (const QString &name : SettingsStore::IntegerNames) {
        bool number = false;
        written.value(name).toString().toInt(&number);
        QVERIFY2(number, qPrintable(name));
    }
}

QTEST_MAIN(tst_Settings)
#include "tst_Settings.moc"
