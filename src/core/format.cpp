#include "core/format.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tarnwick::format {

namespace {

// Whole seconds, rounded up, never negative; non-finite input reads as zero.
std::int64_t wholeSeconds(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0) return 0;
    return std::int64_t(std::ceil(std::min(seconds, 1e15)));
}

std::string minutesAndSeconds(double seconds, const char* pattern) {
    const auto s = wholeSeconds(seconds);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, pattern, static_cast<long long>(s / 60), static_cast<long long>(s % 60));
    return buffer;
}

}  // namespace

std::string countdown(double seconds) { return minutesAndSeconds(seconds, "%02lld:%02lld"); }

std::string clock(double seconds) { return minutesAndSeconds(seconds, "%lld:%02lld"); }

ShortDuration shortDurationParts(double seconds) {
    const auto s = wholeSeconds(seconds);
    if (s < 60) return {s, false};
    return {(s + 59) / 60, true};
}

std::string shortDuration(double seconds) {
    const ShortDuration d = shortDurationParts(seconds);
    return std::to_string(d.value) + (d.minutes ? "m" : "s");
}

}  // namespace tarnwick::format
