#include <gtest/gtest.h>

#include <time.h>

#include <cmath>

#include "platform/proc/system_clock.hpp"

namespace tarnwick {
namespace {

TEST(SystemClock, ReadsWallTimeAndTheTwoKernelClocksInSeconds) {
    SystemClock clock;
    EXPECT_LT(std::abs(epochSeconds(clock.now()) - double(::time(nullptr))), 2.0);

    timespec mono{}, boot{};
    clock_gettime(CLOCK_MONOTONIC, &mono);
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double monotonic = clock.monotonicSeconds(), booted = clock.bootSeconds();
    EXPECT_NEAR(monotonic, double(mono.tv_sec) + mono.tv_nsec / 1e9, 1.0);
    EXPECT_NEAR(booted, double(boot.tv_sec) + boot.tv_nsec / 1e9, 1.0);
    // The boot clock runs on through sleep, so it is never behind the monotonic clock.
    EXPECT_GE(clock.bootSeconds(), clock.monotonicSeconds() - 1e-3);
    EXPECT_GT(clock.monotonicSeconds(), monotonic - 1e-9);
}

}  // namespace
}  // namespace tarnwick
