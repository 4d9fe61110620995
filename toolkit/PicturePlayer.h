#pragma once

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

// The picture control: plays an animated GIF89a unscaled at its top-left corner, with the
// picture's own transparency, frame delays and looping block. Everything runs on the UI
// thread, so stop() has stopped the animation by the time it returns.
class PicturePlayer : public QWidget
{
    Q_OBJECT

public:
    explicit PicturePlayer(QWidget *parent = nullptr);

    // A file or a resource such as ":/pictures/worm-left.gif". Shows the first frame and
    // leaves the animation stopped; false (and no picture) when nothing could be decoded.
    bool load(const QString &fileName);

    void start();
    void stop();
    bool isPlaying() const { return m_playing; }

    int frameCount() const { return int(m_frames.size()); }
    int currentFrame() const { return m_current; }
    // How long the current frame stays, in milliseconds.
    int currentDelay() const;
    // Repeats after the first pass, as Qt counts them: -1 repeats without end, 0 plays once.
    int loopCount() const { return m_loopCount; }

    // One tick of the animation: the next frame, or the end of the last pass. Does nothing
    // while stopped. The timer calls it; tests call it instead of waiting.
    void advance();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Frame
    {
        QImage image;
        int delay; // ms
    };

    QList<Frame> m_frames;
    QTimer m_timer;
    int m_current = 0;
    int m_loopCount = 0;
    int m_loopsDone = 0;
    bool m_playing = false;
};
