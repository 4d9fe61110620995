#include "toolkit/PicturePlayer.h"

#include <QImageReader>
#include <QtTest>

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(NUMRA_TEST_DATA "/") + QLatin1String(name);
}

// The frames a player shows from start() until it stops, at most `limit` of them.
QList<int> playedFrames(PicturePlayer &player, int limit = 100)
{
    QList<int> frames;
    player.start();
    while (player.isPlaying() && frames.size() < limit) {
        frames.append(player.currentFrame());
        player.advance();
    }
    return frames;
}

} // namespace

class tst_PicturePlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void delays_data();
    void delays();
    void loopRule_data();
    void loopRule();
    void loopBlockCountZeroRepeatsWithoutEnd();
    void startPlaysFromFirstFrame_data();
    void startPlaysFromFirstFrame();
    void stopHoldsTheFrame();
    void paintsCurrentFrameUnscaled();
    void unreadableFile_data();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
};

void tst_PicturePlayer::init()
{
    QVERIFY2(QFile::exists(dataFile("player-delays.gif")), "test pictures missing");
}

void tst_PicturePlayer::delays_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<QSize>("size");
    QTest::newRow("delays 0, 20, 7 hundredths: 0 plays as 10")
        << dataFile("player-delays.gif") << QList<int>{100, 200, 70} << QSize(4, 4);
    QTest::newRow("delays 5, 5 hundredths")
        << dataFile("player-noloop.gif") << QList<int>{50, 50} << QSize(4, 4);
}

void tst_PicturePlayer::delays()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, delays);
    QFETCH(QSize, size);
    PicturePlayer player;
    QVERIFY(player.load(file));
    QCOMPARE(player.frameCount(), delays.size());
    QCOMPARE(player.sizeHint(), size);
    QList<int> played;
    player.start();
    for (int i = 0; i < player.frameCount(); ++i) {
        QCOMPARE(player.currentFrame(), i);
        played.append(player.currentDelay());
        player.advance();
    }
    QCOMPARE(played, delays);
}

void tst_PicturePlayer::loopRule_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("loopCount");
    QTest::addColumn<QList<int>>("frames");
    QTest::newRow("looping block count 2: three passes, then stop on the last frame")
        << dataFile("player-delays.gif") << 2 << QList<int>{0, 1, 2, 0, 1, 2, 0, 1, 2};
    QTest::newRow("no looping block: one pass, then stop on the last frame")
        << dataFile("player-noloop.gif") << 0 << QList<int>{0, 1};
}

void tst_PicturePlayer::loopRule()
{
    QFETCH(QString, file);
    QFETCH(int, loopCount);
    QFETCH(QList<int>, frames);
    PicturePlayer player;
    QVERIFY(player.load(file));
    QCOMPARE(player.loopCount(), loopCount);
    QCOMPARE(playedFrames(player), frames);
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.currentFrame(), frames.constLast());
    player.advance();
    QCOMPARE(player.currentFrame(), frames.constLast());
}

void tst_PicturePlayer::loopBlockCountZeroRepeatsWithoutEnd()
{
    // The same picture with its looping block's count set to 0.
    QFile source(dataFile("player-delays.gif"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    const qsizetype block = bytes.indexOf("NETSCAPE2.0\x03\x01");
    QVERIFY(block > 0);
    bytes[block + 13] = 0;
    bytes[block + 14] = 0;
    QFile endless(m_dir.filePath(QStringLiteral("endless.gif")));
    QVERIFY(endless.open(QIODevice::WriteOnly));
    endless.write(bytes);
    endless.close();

    PicturePlayer player;
    QVERIFY(player.load(endless.fileName()));
    QCOMPARE(player.loopCount(), -1);
    QCOMPARE(playedFrames(player, 300).size(), 300);
    QVERIFY(player.isPlaying());
}

void tst_PicturePlayer::startPlaysFromFirstFrame_data()
{
    QTest::addColumn<int>("ticks");
    QTest::newRow("in the middle of the first pass") << 2;
    QTest::newRow("in a later pass") << 4;
    QTest::newRow("after the last pass stopped") << 20;
}

void tst_PicturePlayer::startPlaysFromFirstFrame()
{
    QFETCH(int, ticks);
    PicturePlayer player;
    QVERIFY(player.load(dataFile("player-delays.gif")));
    player.start();
    for (int i = 0; i < ticks; ++i)
        player.advance();
    player.start();
    QVERIFY(player.isPlaying());
    QCOMPARE(player.currentFrame(), 0);
    QCOMPARE(player.currentDelay(), 100);
    // A restart counts the passes afresh.
    QCOMPARE(playedFrames(player).size(), 9);
}

void tst_PicturePlayer::stopHoldsTheFrame()
{
    PicturePlayer player;
    QVERIFY(player.load(dataFile("player-delays.gif")));
    player.start();
    player.advance();
    player.stop();
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.currentFrame(), 1);
    player.advance();
    QCOMPARE(player.currentFrame(), 1);
}

void tst_PicturePlayer::paintsCurrentFrameUnscaled()
{
    const QString file = dataFile("player-delays.gif");
    PicturePlayer player;
    QVERIFY(player.load(file));
    player.resize(8, 8);
    player.start();
    QImageReader reader(file);
    for (int frame = 0; frame < player.frameCount(); ++frame) {
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        QImage shown(8, 8, QImage::Format_ARGB32);
        shown.fill(Qt::transparent);
        player.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(shown.copy(0, 0, 4, 4), expected);
        QCOMPARE(shown.pixel(5, 5), qRgba(0, 0, 0, 0));
        player.advance();
    }
}

void tst_PicturePlayer::unreadableFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing file") << dataFile("no-such-picture.gif");
    QTest::newRow("not a picture") << QStringLiteral(NUMRA_SOURCE_DIR "/CMakeLists.txt");
}

void tst_PicturePlayer::unreadableFile()
{
    QFETCH(QString, file);
    PicturePlayer player;
    QVERIFY(player.load(dataFile("player-delays.gif")));
    QVERIFY(!player.load(file));
    QCOMPARE(player.frameCount(), 0);
    player.start();
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.currentDelay(), 0);
}

QTEST_MAIN(tst_PicturePlayer)
#include "tst_PicturePlayer.moc"
