#include "toolkit/IdlePointers.h"

#include "toolkit/PicturePlayer.h"

#include <QTimer>

#include <chrono>

namespace {

struct PointerPlace
{
    const char *name;
    int left;
    int top;
    const char *picture;
};

// Each pointer overlaps the edge of its button, and the button is drawn over it.
constexpr std::array<PointerPlace, IdlePointers::Count> PointerPlaces = {{
    {"ConvertWormLeft", 4, 108, "worm-left"},
    {"ConvertWormTop", 40, 84, "worm-upper"},
    {"ConvertWormRight", 90, 108, "worm-right"},
    {"ClearWormLeft", 4, 144, "worm-left"},
    {"ClearWormRight", 90, 142, "worm-right"},
    {"CopyWormLeft", 4, 176, "worm-left"},
    {"CopyWormRight", 90, 180, "worm-right"},
    {"LookupWormLeft", 4, 212, "worm-left"},
    {"LookupWormBottom", 48, 226, "worm-lower"},
    {"LookupWormRight", 90, 212, "worm-right"},
}};

constexpr int IdleTicksBeforePointer = 120;
constexpr int PointerVisibleTicks = 10;
constexpr int TicksBetweenPointers = 20;

} // namespace

IdlePointers::IdlePointers(QWidget *window, QWidget *panel, const std::array<QWidget *, 4> &buttons,
                           WindowState &state)
    : m_state(state),
      m_random(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()))
{
    for (int i = 0; i < Count; ++i) {
        const PointerPlace &place = PointerPlaces[i];
        auto *pointer = new PicturePlayer(panel);
        pointer->setObjectName(QLatin1String(place.name));
        pointer->load(QStringLiteral(":/pictures/%1.gif").arg(QLatin1String(place.picture)));
        pointer->setGeometry(place.left, place.top, 33, 33);
        pointer->setAttribute(Qt::WA_TransparentForMouseEvents);
        pointer->setEnabled(false);
        pointer->hide();
        pointer->stackUnder(buttons.front());
        m_pointers[i] = pointer;
    }
    for (QWidget *button : buttons)
        button->raise();
    auto *timer = new QTimer(window);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    QObject::connect(timer, &QTimer::timeout, window, [this] { Timer1Timer(); });
    timer->start();
}

void IdlePointers::Timer1Timer()
{
    WindowState &state = m_state;
    ++state.IdleCount;
    ++state.PointerTickCount;
    if (state.PointerTickCount > PointerVisibleTicks) {
        for (PicturePlayer *pointer : m_pointers) {
            pointer->hide();
            pointer->stop();
        }
    }
    if (state.IdleCount >= IdleTicksBeforePointer &&
        state.PointerTickCount >= TicksBetweenPointers) {
        std::uniform_int_distribution<int> draw(0, Count - 1);
        PicturePlayer *pointer = m_pointers[draw(m_random)];
        state.PointerTickCount = 0;
        pointer->show();
        pointer->start();
    }
}
