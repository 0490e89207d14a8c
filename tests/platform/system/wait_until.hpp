#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace tarnwick::test {

// Runs the event loop until `condition` holds or `timeoutMs` passes; returns whether it holds.
template <class Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

// Runs the event loop for `ms`, so that anything still queued gets its chance to happen.
inline void settle(int ms) {
    waitUntil([] { return false; }, ms);
}

}  // namespace tarnwick::test
