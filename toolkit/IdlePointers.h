#pragma once

#include <QObject>

#include <array>
#include <cstdint>
#include <random>

class PicturePlayer;
class QWidget;

// What only the windows keep: timer ticks since the user last did something and since a pointer
// last showed.
struct WindowState
{
    std::int32_t IdleCount = 0;
    std::int32_t PointerTickCount = 0;

    void ResetIdleCount() { IdleCount = 0; }
};

// The animated pointers beside the main window's buttons that show a user who has done nothing
// for a while where to go on: one at a time, drawn at random, for a few ticks.
class IdlePointers
{
public:
    static constexpr int Count = 10;

    // Each is placed on panel under the buttons, which overlap it; the window's timer ("Timer1",
    // a child of the window) ticks every second.
    IdlePointers(QWidget *window, QWidget *panel, const std::array<QWidget *, 4> &buttons,
                 WindowState &state);

    PicturePlayer *pointer(int index) const { return m_pointers[index]; }
    void seedRandom(unsigned seed) { m_random.seed(seed); }

private:
    // One tick of the window's timer.
    void Timer1Timer();

    WindowState &m_state;
    std::array<PicturePlayer *, Count> m_pointers{};
    std::mt19937 m_random;
};
