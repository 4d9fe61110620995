#pragma once

namespace Platform {

// Shows the hourglass while a pass reads the dictionary; restore() puts the previous cursor
// back early, before a message, and the destructor does it otherwise.
class HourglassCursor
{
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;

    void restore();

private:
    bool m_active = true;
};

} // namespace Platform
