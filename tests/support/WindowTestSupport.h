#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace mirevo::test {

// Runs queued calls (window closes) and deferred deletions until nothing is left.
inline void settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace mirevo::test
