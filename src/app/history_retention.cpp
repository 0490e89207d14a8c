#include "app/history_retention.hpp"

#include <algorithm>
#include <optional>

namespace tarnwick {

std::vector<BreakRecord> HistoryRetention::kept(const std::vector<BreakRecord>& history, Instant now) {
    // The dates not later than `now`, oldest first (the history is in that order unless the clock
    // was set back).
    std::vector<double> dates;
    dates.reserve(history.size());
    for (const auto& record : history) {
        if (record.date <= now) dates.push_back(epochSeconds(record.date));
    }
    if (!std::is_sorted(dates.begin(), dates.end())) std::sort(dates.begin(), dates.end());

    // From the newest back: a date's count is its distance from the newest, less the long gaps
    // between. The count only grows, so the first date past 400 days is where dropping begins.
    std::optional<double> newestDropped;
    double uncounted = 0;
    for (std::size_t i = dates.size(); i-- > 1;) {
        const double gap = dates[i] - dates[i - 1];
        if (gap > longestCountedGapSeconds) uncounted += gap;
        if ((dates.back() - dates[i - 1]) - uncounted > keepSeconds) {
            newestDropped = dates[i - 1];
            break;
        }
    }
    if (!newestDropped) return history;
    std::vector<BreakRecord> kept;
    kept.reserve(history.size());
    for (const auto& record : history) {
        if (epochSeconds(record.date) > *newestDropped) kept.push_back(record);
    }
    return kept;
}

}  // namespace tarnwick
