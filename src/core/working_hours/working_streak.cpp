#include "core/working_hours/working_streak.hpp"

namespace tarnwick {

std::int64_t workingStreak(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar,
                           const WorkingHours& hours) {
    if (!hours.enabled) return StatsCalculator::streak(records, now, calendar);

    struct Day {
        std::int64_t taken = 0, skipped = 0;
    };
    // Days back from today. Each day the streak counts takes at least one record, and at most six
    // days off lie between two days that count, so older days never matter.
    const auto today = calendar.localDay(now);
    const auto reach = (std::int64_t(records.size()) + 1) * 7;
    std::vector<Day> days;
    for (const auto& record : records) {
        if (record.outcome == Outcome::held) continue;
        const auto back = today - calendar.localDay(record.date);
        if (back < 0 || back > reach) continue;
        if (std::size_t(back) >= days.size()) days.resize(std::size_t(back) + 1);
        if (countsAsTaken(record.outcome)) ++days[std::size_t(back)].taken;
        else ++days[std::size_t(back)].skipped;
    }

    auto hasData = [&](std::size_t back) { return back < days.size() && days[back].taken + days[back].skipped > 0; };
    auto isDayOff = [&](std::size_t back) {
        return !hasRangesOn(hours, Calendar::weekdayIndex(today - std::int64_t(back)));
    };
    std::size_t back = hasData(0) ? 0 : 1;  // a day without breaks yet does not end the streak
    std::int64_t count = 0;
    for (; back < days.size(); ++back) {
        if (!hasData(back)) {
            if (isDayOff(back)) continue;
            break;
        }
        const auto& day = days[back];
        if (double(day.taken) / double(day.taken + day.skipped) < 0.8) break;
        ++count;
    }
    return count;
}

}  // namespace tarnwick
