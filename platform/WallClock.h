#pragma once

#include <QDateTime>

namespace mirevo {

// The calendar time of the user's system: what "today" and "this week" are counted from. It
// may jump, backwards too, when the user or the system sets the clock.
class WallClock
{
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;
};

// The system's local time.
class SystemWallClock final : public WallClock
{
public:
    QDateTime now() const override;
};

} // namespace mirevo
