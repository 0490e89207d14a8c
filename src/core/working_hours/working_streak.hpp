#pragma once

// The streak as it reads with working hours: days the hours leave out do not end it.

#include <cstdint>
#include <vector>

#include "core/stats.hpp"
#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

// StatsCalculator::streak with one difference when the hours are on: a day without breaks on which
// no range starts (a weekend, say) is passed over instead of ending the streak. It does not count
// either. A day off on which breaks were recorded is judged like any other day. With the hours
// off, this is StatsCalculator::streak.
std::int64_t workingStreak(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar,
                           const WorkingHours& hours);

}  // namespace tarnwick
