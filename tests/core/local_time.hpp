#pragma once

// Instants for tests, written as the wall clock of a zone shows them.

#include <cstdint>

#include <date/date.h>

#include "core/stats.hpp"

namespace tarnwick::testing_time {

inline const Calendar& berlin() {
    static const Calendar calendar = Calendar::forZone("Europe/Berlin");
    return calendar;
}

inline const Calendar& newYork() {
    static const Calendar calendar = Calendar::forZone("America/New_York");
    return calendar;
}

// Days since 1970-01-01 of a date.
inline std::int64_t dayNumber(int y, unsigned m, unsigned d) {
    return date::sys_days{date::year{y} / m / d}.time_since_epoch().count();
}

// A wall-clock time in the calendar's zone, the first moment the clock shows it.
inline Instant local(const Calendar& calendar, int y, unsigned m, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return calendar.at(dayNumber(y, m, d), h, mi, s);
}

// A Berlin wall-clock time.
inline Instant local(int y, unsigned m, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return local(berlin(), y, m, d, h, mi, s);
}

}  // namespace tarnwick::testing_time
