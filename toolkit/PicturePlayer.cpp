#include "toolkit/PicturePlayer.h"

#include <QImageReader>
#include <QPainter>

namespace {

// A frame delay of 0 hundredths plays as 10.
constexpr int DefaultDelay = 100;

} // namespace

PicturePlayer::PicturePlayer(QWidget *parent) : QWidget(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PicturePlayer::advance);
}

bool PicturePlayer::load(const QString &fileName)
{
    stop();
    m_frames.clear();
    m_current = 0;

    QImageReader reader(fileName);
    // Qt 6.4's GIF reader composes each frame on the whole canvas with the previous frame's
    // disposal applied, and reports the delay of the frame just read in milliseconds
    // (hundredths × 10). It already turns a delay of 0 or 1 hundredths into 100 ms; the
    // check below keeps the rule for readers that report 0 as 0. Its loopCount() is the
    // looping block's count, -1 for a count of 0 (without end) and 0 when the picture has
    // no looping block.
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        const int delay = reader.nextImageDelay();
        m_frames.append({image, delay > 0 ? delay : DefaultDelay});
    }
    m_loopCount = reader.loopCount();

    updateGeometry();
    update();
    return !m_frames.isEmpty();
}

void PicturePlayer::start()
{
    stop();
    m_current = 0;
    m_loopsDone = 0;
    update();
    if (m_frames.isEmpty())
        return;
    m_playing = true;
    m_timer.start(currentDelay());
}

void PicturePlayer::stop()
{
    m_timer.stop();
    m_playing = false;
}

int PicturePlayer::currentDelay() const
{
    return m_frames.isEmpty() ? 0 : m_frames.at(m_current).delay;
}

void PicturePlayer::advance()
{
    if (!m_playing)
        return;
    if (m_current + 1 < frameCount()) {
        ++m_current;
    } else if (m_loopCount < 0 || m_loopsDone < m_loopCount) {
        ++m_loopsDone;
        m_current = 0;
    } else {
        // The last pass ends on its last frame, which stays shown.
        stop();
        return;
    }
    update();
    m_timer.start(currentDelay());
}

QSize PicturePlayer::sizeHint() const
{
    return m_frames.isEmpty() ? QSize() : m_frames.constFirst().image.size();
}

void PicturePlayer::paintEvent(QPaintEvent *)
{
    if (m_frames.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_frames.at(m_current).image);
}
