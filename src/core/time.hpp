#pragma once

#include <chrono>
#include <cstdint>

namespace tarnwick {

// Durations and instants are double seconds, so no settings value can overflow them.
using Seconds = std::chrono::duration<double>;
using Instant = std::chrono::time_point<std::chrono::system_clock, Seconds>;

// Whole minutes from settings as seconds, in floating point.
inline Seconds minutes(std::int64_t count) { return Seconds{double(count) * 60.0}; }

// Seconds since 1970-01-01 00:00 UTC.
inline double epochSeconds(Instant instant) { return instant.time_since_epoch().count(); }

inline Instant instantAt(double epochSecondsValue) { return Instant{Seconds{epochSecondsValue}}; }

}  // namespace tarnwick
