#pragma once

// Helpers shared by the system tests: waiting on the event loop and capturing console output.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

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
inline void settle(int ms) { waitUntil([] { return false; }, ms); }

// Everything written to the given descriptors (and by children started meanwhile) while `action` runs.
inline std::string outputDuring(std::initializer_list<int> fds, const std::function<void()>& action) {
    std::fflush(stdout);
    std::fflush(stderr);
    char path[] = "/tmp/tarnwick-output-XXXXXX";
    const int capture = mkstemp(path);
    std::vector<int> saved;
    for (int fd : fds) {
        saved.push_back(dup(fd));
        dup2(capture, fd);
    }
    action();
    std::fflush(stdout);
    std::fflush(stderr);
    auto original = saved.begin();
    for (int fd : fds) {
        dup2(*original, fd);
        close(*original++);
    }
    close(capture);
    std::ifstream file(path);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    unlink(path);
    return text;
}

}  // namespace tarnwick::test
