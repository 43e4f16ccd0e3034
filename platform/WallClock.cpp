#include "WallClock.h"

namespace mirevo {

QDateTime SystemWallClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace mirevo
