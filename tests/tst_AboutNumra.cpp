#include "ui/AboutNumra.h"

#include "core/NumraGlobal.h"
#include "toolkit/PicturePlayer.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

class tst_AboutNumra : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

public slots:
    void openUrl(const QUrl &url) { m_urls << url; }

private slots:
    void init();
    void cleanup();

    void texts();
    void links_data();
    void links();
    void linksInThePalettesLinkColour_data();
    void linksInThePalettesLinkColour();
    void animationPlaysWhileShown();
    void okCloses();

private:
    QList<QUrl> m_urls;
};

namespace {

enum class Activation { Click, Return, Space };

QLabel *label(TAboutForm &form, const QString &name)
{
    return form.findChild<QLabel *>(name);
}

} // namespace

void tst_AboutNumra::init()
{
    m_urls.clear();
    for (const char *scheme : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
}

void tst_AboutNumra::cleanup()
{
    for (const char *scheme : {"mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void tst_AboutNumra::texts()
{
    TAboutForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("About Numra"));
    QCOMPARE(label(form, QStringLiteral("StaticText1"))->text(), QStringLiteral("Numra"));
    QCOMPARE(label(form, QStringLiteral("StaticText2"))->text(), QStringLiteral("Version 1.11"));
    QVERIFY(label(form, QStringLiteral("EmailLabel"))->text().contains(QLatin1Char('@')));
    // A screen reader reads the address itself, and what the link does as its description.
    for (const char *name : {"EmailLabel", "HomePageLabel"}) {
        QLabel *link = label(form, QLatin1String(name));
        QVERIFY(!link->accessibleDescription().isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Name),
                 link->text());
    }
}

void tst_AboutNumra::links_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("activation");
    QTest::addColumn<QString>("labelText"); // what the label is made to show, if anything

    for (const auto &[name, how] :
         {std::pair{"click", Activation::Click}, std::pair{"Return", Activation::Return},
          std::pair{"Space", Activation::Space}}) {
        QTest::addRow("e-mail, %s", name) << "EmailLabel" << int(how) << QString();
        QTest::addRow("home page, %s", name) << "HomePageLabel" << int(how) << QString();
    }
    QTest::newRow("e-mail keeps its address whatever the label shows")
        << "EmailLabel" << int(Activation::Click) << "someone@else.example";
    QTest::newRow("home page opens the text shown")
        << "HomePageLabel" << int(Activation::Click) << "https://mirror.example/numra/";
}

void tst_AboutNumra::links()
{
    QFETCH(QString, link);
    QFETCH(int, activation);
    QFETCH(QString, labelText);

    TAboutForm form;
    QSignalSpy acted(&form, &TAboutForm::userActed);
    form.show();
    QLabel *target = label(form, link);
    if (!labelText.isEmpty())
        target->setText(labelText);

    switch (Activation(activation)) {
    case Activation::Click:
        QTest::mouseClick(target, Qt::LeftButton);
        break;
    case Activation::Return:
        QVERIFY(target->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(target, Qt::Key_Return);
        break;
    case Activation::Space:
        QTest::keyClick(target, Qt::Key_Space);
        break;
    }

    QCOMPARE(acted.count(), 1);
    // The addresses as the build configured them, written out in full.
    const QString expected =
        link == QLatin1String("EmailLabel")
            ? QStringLiteral("mailto:" NUMRA_TEST_SUPPORT_EMAIL "?subject=Numra")
            : (labelText.isEmpty() ? QStringLiteral(NUMRA_TEST_HOMEPAGE) : labelText);
    QCOMPARE(m_urls.size(), 1);
    QCOMPARE(m_urls.constFirst().toString(), expected);
    QVERIFY(form.isVisible());
}

void tst_AboutNumra::linksInThePalettesLinkColour_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("link");
    QTest::newRow("light palette") << QColor(Qt::white) << QColor(0x00, 0x00, 0xee);
    QTest::newRow("dark palette") << QColor(0x20, 0x20, 0x20) << QColor(0x8a, 0xb4, 0xf8);
}

// What is drawn: the strokes of each link's text are in the palette's link colour.
void tst_AboutNumra::linksInThePalettesLinkColour()
{
    QFETCH(QColor, window);
    QFETCH(QColor, link);
    const QPalette before = QApplication::palette();
    QPalette colours = before;
    colours.setColor(QPalette::Window, window);
    colours.setColor(QPalette::Link, link);
    QApplication::setPalette(colours);
    {
        TAboutForm form;
        form.show();
        for (const char *name : {"EmailLabel", "HomePageLabel"}) {
            const QImage drawn = label(form, QLatin1String(name))->grab().toImage();
            int strokes = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    strokes += drawn.pixelColor(x, y) == link;
            QVERIFY2(strokes > 10, name);
        }
    }
    QApplication::setPalette(before);
}

void tst_AboutNumra::animationPlaysWhileShown()
{
    TAboutForm form;
    auto *player = form.findChild<PicturePlayer *>(QStringLiteral("Image1"));
    QVERIFY(player);
    QVERIFY(player->frameCount() > 1);
    QVERIFY(!player->isPlaying());

    form.show();
    QVERIFY(player->isPlaying());
    player->advance();
    player->advance();
    QCOMPARE(player->currentFrame(), 2);

    form.hide();
    QVERIFY(!player->isPlaying());

    // Each showing plays from the first frame.
    form.show();
    QVERIFY(player->isPlaying());
    QCOMPARE(player->currentFrame(), 0);
    form.close();
    QVERIFY(!player->isPlaying());
}

void tst_AboutNumra::okCloses()
{
    TAboutForm form;
    form.show();
    form.findChild<QPushButton *>(QStringLiteral("Ok"))->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_AboutNumra)
#include "tst_AboutNumra.moc"
