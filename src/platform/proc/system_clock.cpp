#include "platform/proc/system_clock.hpp"

#include <time.h>

#include <chrono>

namespace tarnwick {

namespace {

double secondsOn(clockid_t clock) {
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0) return 0.0;
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

}  // namespace

Instant SystemClock::now() {
    return std::chrono::time_point_cast<Seconds>(std::chrono::system_clock::now());
}

double SystemClock::monotonicSeconds() { return secondsOn(CLOCK_MONOTONIC); }

double SystemClock::bootSeconds() { return secondsOn(CLOCK_BOOTTIME); }

}  // namespace tarnwick
