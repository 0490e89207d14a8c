#include "core/working_hours/working_hours.hpp"

#include <algorithm>

namespace tarnwick {

namespace {

struct Stretch {
    Instant start, end;
};

// A range never lasts past the local day after the one it starts on, so two days back hold every
// range that can contain an instant.
constexpr std::int64_t daysBack = 2;
// Days ahead that are turned into instants. A schedule with any moment off has an edge within
// eight days of any instant; more than twice that is searched so that a stretch running to the
// end of the search is known to run for ever.
constexpr std::int64_t daysAhead = 16;

// The ranges that start on local days [first, last], as instants, in order of their starts.
// Ranges the clock skips entirely (02:00–02:30 on a spring-forward night) are left out.
std::vector<Stretch> rangesOn(const WorkingHours& hours, std::int64_t first, std::int64_t last,
                              const Calendar& calendar) {
    std::vector<Stretch> stretches;
    for (std::int64_t day = first; day <= last; ++day) {
        for (const auto& range : hours.days[std::size_t(Calendar::weekdayIndex(day))]) {
            if (!isValid(range)) continue;
            const Instant start = calendar.at(day, range.start / 60, range.start % 60);
            const Instant end = calendar.at(day + (range.crossesMidnight() ? 1 : 0), range.end / 60, range.end % 60);
            if (end > start) stretches.push_back({start, end});
        }
    }
    std::sort(stretches.begin(), stretches.end(), [](const Stretch& a, const Stretch& b) { return a.start < b.start; });
    return stretches;
}

// Ranges that touch or overlap, joined.
std::vector<Stretch> merged(std::vector<Stretch> stretches) {
    std::vector<Stretch> joined;
    for (const auto& s : stretches) {
        if (!joined.empty() && s.start <= joined.back().end) {
            joined.back().end = std::max(joined.back().end, s.end);
        } else {
            joined.push_back(s);
        }
    }
    return joined;
}

// The edges strictly after `after` that are known for certain: those before the first moment a
// range beyond the searched days could start (and so join a stretch that reaches it).
std::vector<HoursEdge> edgesAfter(const WorkingHours& hours, Instant after, const Calendar& calendar) {
    std::vector<HoursEdge> edges;
    if (!hours.enabled) return edges;
    const auto today = calendar.localDay(after);
    const Instant limit = calendar.startOfLocalDay(today + daysAhead + 1);
    for (const auto& s : merged(rangesOn(hours, today - daysBack, today + daysAhead, calendar))) {
        if (s.start > after && s.start < limit) edges.push_back({s.start, true});
        if (s.end > after && s.end < limit) edges.push_back({s.end, false});
    }
    return edges;
}

}  // namespace

bool isValid(const MinuteRange& range) {
    return range.start >= 0 && range.start < minutesPerDay && range.end >= 0 && range.end < minutesPerDay &&
           range.start != range.end;
}

WorkingHours defaultWorkingHours() {
    WorkingHours hours;
    hours.enabled = true;
    for (std::size_t day = 0; day < 5; ++day) hours.days[day] = {MinuteRange{9 * 60, 18 * 60}};
    return hours;
}

WorkingHours switchedOn(const WorkingHours& hours) {
    const bool none = std::all_of(hours.days.begin(), hours.days.end(), [](const auto& ranges) {
        return std::none_of(ranges.begin(), ranges.end(), [](const MinuteRange& r) { return isValid(r); });
    });
    if (none) return defaultWorkingHours();
    WorkingHours on = hours;
    on.enabled = true;
    return on;
}

bool hasRangesOn(const WorkingHours& hours, int weekdayIndex) {
    if (weekdayIndex < 0 || weekdayIndex > 6) return false;
    const auto& ranges = hours.days[std::size_t(weekdayIndex)];
    return std::any_of(ranges.begin(), ranges.end(), [](const MinuteRange& r) { return isValid(r); });
}

bool isWorkingTime(const WorkingHours& hours, Instant instant, const Calendar& calendar) {
    if (!hours.enabled) return true;
    const auto today = calendar.localDay(instant);
    const auto ranges = rangesOn(hours, today - daysBack, today, calendar);
    return std::any_of(ranges.begin(), ranges.end(),
                       [&](const Stretch& s) { return s.start <= instant && instant < s.end; });
}

std::optional<HoursEdge> nextEdge(const WorkingHours& hours, Instant after, const Calendar& calendar) {
    const auto edges = edgesAfter(hours, after, calendar);
    if (edges.empty()) return std::nullopt;
    return edges.front();
}

std::optional<Instant> nextStart(const WorkingHours& hours, Instant after, const Calendar& calendar) {
    for (const auto& edge : edgesAfter(hours, after, calendar)) {
        if (edge.starts) return edge.at;
    }
    return std::nullopt;
}

std::optional<Instant> nextEnd(const WorkingHours& hours, Instant after, const Calendar& calendar) {
    for (const auto& edge : edgesAfter(hours, after, calendar)) {
        if (!edge.starts) return edge.at;
    }
    return std::nullopt;
}

}  // namespace tarnwick
