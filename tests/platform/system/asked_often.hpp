#pragma once

// Asks a probe as a tick would, only faster, for a while: whether it ever answered yes, and the
// longest any one question took.

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>

namespace tarnwick {

struct AskedOften {
    bool ever = false;
    qint64 longestMs = 0;
};

template <typename Ask>
AskedOften askOften(Ask ask, int forMs = 2000, int everyMs = 20) {
    AskedOften result;
    QElapsedTimer clock, call;
    for (clock.start(); clock.elapsed() < forMs; QTest::qWait(everyMs)) {
        call.start();
        result.ever = ask() || result.ever;
        result.longestMs = std::max(result.longestMs, call.elapsed());
    }
    return result;
}

}  // namespace tarnwick
