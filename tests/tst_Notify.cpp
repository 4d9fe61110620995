#include "ui/Notify.h"

#include "platform/Dialogs.h"
#include "platform/Settings.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <limits>
#include <memory>
#include <optional>

using Platform::SettingsStore;

namespace {

constexpr int Never = std::numeric_limits<std::int32_t>::max();

std::optional<std::int32_t> storedCount()
{
    return SettingsStore(SettingsStore::Mode::OpenExisting)
        .readInteger(SettingsStore::NotifyCount.name);
}

void store(const QVariant &value)
{
    SettingsStore settings(SettingsStore::Mode::Create);
    // The main window's values are written before the countdown, so the key exists.
    settings.writeString(SettingsStore::Dictionary.name, QStringLiteral("d.txt"));
    if (value.typeId() == QMetaType::Int)
        settings.writeInteger(SettingsStore::NotifyCount.name, value.toInt());
    else if (value.isValid())
        settings.writeString(SettingsStore::NotifyCount.name, value.toString());
}

} // namespace

class tst_Notify : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

public slots:
    void openMail(const QUrl &url) { m_urls << url; }

private slots:
    void init();
    void cleanup();

    void countdownFromFreshSettings();
    void countdown_data();
    void countdown();
    void okChoice_data();
    void okChoice();
    void closeBoxWritesNothing();
    void escapeDoesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_shown = 0;
    QList<QUrl> m_urls;
};

void tst_Notify::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsStore::setFileForTesting(m_dir->filePath(QStringLiteral("settings.ini")));
    m_shown = 0;
    m_urls.clear();
    Platform::setModalHandler([this](QDialog *) {
        ++m_shown;
        return int(QDialog::Rejected);
    });
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openMail");
}

void tst_Notify::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    Platform::setModalHandler({});
    SettingsStore::setFileForTesting(QString());
    m_dir.reset();
}

void tst_Notify::countdownFromFreshSettings()
{
    TNotifyForm form;
    for (int close = 1; close <= 5; ++close) {
        form.ShowNotifyForm();
        QCOMPARE(storedCount(), std::optional<std::int32_t>(6 - close));
        QCOMPARE(m_shown, 0);
    }
    form.ShowNotifyForm();
    QCOMPARE(m_shown, 1);
    // Closed without OK: the question comes again next time.
    QCOMPARE(storedCount(), std::optional<std::int32_t>(1));
    form.ShowNotifyForm();
    QCOMPARE(m_shown, 2);
}

void tst_Notify::countdown_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QVariant>("after");

    QTest::newRow("nothing stored") << QVariant() << false << QVariant(5);
    QTest::newRow("2 counts down") << QVariant(2) << false << QVariant(1);
    QTest::newRow("largest value") << QVariant(Never) << false << QVariant(Never - 1);
    QTest::newRow("1 shows") << QVariant(1) << true << QVariant(1);
    QTest::newRow("0 shows") << QVariant(0) << true << QVariant(0);
    QTest::newRow("negative shows") << QVariant(-7) << true << QVariant(-7);
    QTest::newRow("smallest value shows")
        << QVariant(std::numeric_limits<std::int32_t>::min()) << true
        << QVariant(std::numeric_limits<std::int32_t>::min());
    QTest::newRow("written as text restarts")
        << QVariant(QStringLiteral("three")) << false << QVariant(5);
}

void tst_Notify::countdown()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, shown);
    QFETCH(QVariant, after);

    store(stored);
    TNotifyForm form;
    form.ShowNotifyForm();
    QCOMPARE(m_shown, shown ? 1 : 0);
    QCOMPARE(storedCount(), std::optional<std::int32_t>(after.toInt()));
    QVERIFY(m_urls.isEmpty());
}

void tst_Notify::okChoice_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("mails");

    QTest::newRow("notify me") << "NotifyRadioButton" << Never << true;
    QTest::newRow("remind me later") << "RemindRadioButton" << 5 << false;
    QTest::newRow("do not show again") << "DoNotShowRadioButton" << Never << false;
}

void tst_Notify::okChoice()
{
    QFETCH(QString, choice);
    QFETCH(int, count);
    QFETCH(bool, mails);

    // Opened from the menu in the middle of a countdown.
    store(3);
    TNotifyForm form;
    form.show();
    form.findChild<QRadioButton *>(choice)->click();
    form.findChild<QPushButton *>(QStringLiteral("Ok"))->click();

    QCOMPARE(storedCount(), std::optional<std::int32_t>(count));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
    QCOMPARE(m_urls.size(), mails ? 1 : 0);
    if (mails) {
        const QUrl url = m_urls.constFirst();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QVERIFY2(url.path().contains(QLatin1Char('@')), qPrintable(url.toString()));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Please notify me about updates to Numra 1.1"));
        QCOMPARE(url.toString(),
                 QStringLiteral("mailto:" NUMRA_TEST_SUPPORT_EMAIL
                                "?subject=Please notify me about updates to Numra 1.1"));
    }

    // The choice stays for the next showing.
    form.show();
    QVERIFY(form.findChild<QRadioButton *>(choice)->isChecked());
}

void tst_Notify::closeBoxWritesNothing()
{
    store(1);
    TNotifyForm form;
    form.show();
    form.findChild<QRadioButton *>(QStringLiteral("DoNotShowRadioButton"))->click();
    QVERIFY(form.close());

    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(storedCount(), std::optional<std::int32_t>(1));
    QVERIFY(m_urls.isEmpty());
}

void tst_Notify::escapeDoesNothing()
{
    store(1);
    TNotifyForm form;
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(form.findChild<QRadioButton *>(QStringLiteral("RemindRadioButton")),
                    Qt::Key_Escape);

    QVERIFY(form.isVisible());
    QCOMPARE(storedCount(), std::optional<std::int32_t>(1));
}

QTEST_MAIN(tst_Notify)
#include "tst_Notify.moc"
