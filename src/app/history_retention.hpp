#pragma once

// Which records the history file keeps: those of the last 400 days. A clock that is wrong (set
// years ahead, or years behind and then put right) must never cost records, so the 400 days are
// counted on the history itself, not from the clock alone.

#include <vector>

#include "core/stats.hpp"

namespace tarnwick {

struct HistoryRetention {
    static constexpr double keepSeconds = 400.0 * 86400.0;
    // A stretch longer than this between two records (the computer was off, or the clock was set)
    // counts for nothing: it may be a clock that jumped.
    static constexpr double longestCountedGapSeconds = 30.0 * 86400.0;

    // The records to write, in their order. The count starts at the newest record that is not
    // later than `now` (a record later than `now` is never dropped) and goes back through the
    // records' dates, leaving out gaps longer than `longestCountedGapSeconds`; a record whose count
    // reaches more than 400 days is dropped, one at exactly 400 days stays. So a record is dropped
    // only when it is more than 400 days older than `now` and than a record that is not in the
    // future, and without a jump of the clock in between.
    static std::vector<BreakRecord> kept(const std::vector<BreakRecord>& history, Instant now);
};

}  // namespace tarnwick
