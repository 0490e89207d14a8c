#pragma once

// The working-hours schedule: ranges of local wall-clock time per weekday, outside which no break
// comes. The functions here answer, for an instant, whether it is inside the hours and when they
// next start or end; the caller pauses the scheduler until that edge.

#include <array>
#include <optional>
#include <vector>

#include "core/stats.hpp"
#include "core/time.hpp"

namespace tarnwick {

// Minutes of a local day: 0 (00:00) to 1439 (23:59).
inline constexpr int minutesPerDay = 24 * 60;

// [start, end) in local wall-clock minutes. An end before the start crosses midnight: 22:00–02:00
// ends at 02:00 the next day, and belongs to the day it starts on. An end equal to the start is
// not a range; the functions below ignore it, as they ignore minutes outside 0..1439.
struct MinuteRange {
    int start = 0;  // minutes after local midnight
    int end = 0;
    bool crossesMidnight() const { return end < start; }
    bool operator==(const MinuteRange&) const = default;
};

// Whether a range can be kept: both ends within 0..1439 and different.
bool isValid(const MinuteRange& range);

struct WorkingHours {
    bool enabled = false;  // off: breaks come at any time
    // Monday (0) to Sunday (6), as Calendar::weekdayIndex counts. A day without ranges is off.
    std::array<std::vector<MinuteRange>, 7> days;
    bool operator==(const WorkingHours&) const = default;
};

// The schedule a user gets on switching working hours on for the first time: on, Monday to Friday
// 09:00–18:00.
WorkingHours defaultWorkingHours();

// The schedule once switched on: the same ranges, enabled; the default schedule when there are
// none yet, so that the switch never leaves the user with no hours at all.
WorkingHours switchedOn(const WorkingHours& hours);

// Whether the weekday (0 Monday .. 6 Sunday) has a valid range starting on it.
bool hasRangesOn(const WorkingHours& hours, int weekdayIndex);

// Whether breaks may come at `instant`: always when the hours are off, else when it is inside one
// of the ranges (a range's start is inside, its end is not).
bool isWorkingTime(const WorkingHours& hours, Instant instant, const Calendar& calendar);

struct HoursEdge {
    Instant at;
    bool starts = false;  // true: the hours start here; false: they end here
    bool operator==(const HoursEdge&) const = default;
};

// The first moment strictly after `after` at which the hours start or end. Ranges that touch or
// overlap are one stretch of working time, with no edge between them. Local times follow the
// Calendar's zone: a time the clock skips happens at the first moment after the jump; a time the
// clock passes twice happens the first time. Nothing when the hours are off, when no day has a
// range, or when the ranges leave no moment of the week out.
std::optional<HoursEdge> nextEdge(const WorkingHours& hours, Instant after, const Calendar& calendar);

// The next start, or end, of the hours strictly after `after`, found as nextEdge finds edges.
std::optional<Instant> nextStart(const WorkingHours& hours, Instant after, const Calendar& calendar);
std::optional<Instant> nextEnd(const WorkingHours& hours, Instant after, const Calendar& calendar);

}  // namespace tarnwick
