#pragma once

// The break history record and the numbers shown from it: today, this week, the streak.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "core/time.hpp"
#include "core/vocabulary.hpp"

namespace date {
class time_zone;
}

namespace tarnwick {

struct BreakRecord {
    Instant date;
    BreakKind kind;
    Outcome outcome;
    bool operator==(const BreakRecord&) const = default;
};

// {"date": "2026-03-02T08:15:00Z", "kind": "micro", "outcome": "taken"}; the date keeps whole seconds.
void to_json(nlohmann::json& json, const BreakRecord& record);
// Throws nlohmann::json::exception on a missing key, a bad date or an unknown string.
void from_json(const nlohmann::json& json, BreakRecord& record);

// "2026-03-02T08:15:00Z": UTC, whole seconds (a fraction is dropped).
std::string formatDate(Instant instant);
// Reads the form above (an offset such as +01:00 in place of Z is accepted); throws
// nlohmann::json::exception on any other text.
Instant parseDate(std::string_view text);

// ISO 8601 weeks (Monday first) in one time zone. Day and week boundaries are local midnights,
// found by calendar-day arithmetic, never by multiples of 86,400 s.
class Calendar {
public:
    static Calendar current();                       // TZ when set, else /etc/localtime, else UTC
    static Calendar forZone(std::string_view iana);  // throws std::runtime_error on an unknown name

    std::string_view zoneName() const;
    const date::time_zone* zone() const { return m_zone; }  // null: UTC

    // Days since 1970-01-01 of the local date that contains the instant.
    std::int64_t localDay(Instant instant) const;
    // Start of a local date: its midnight, or the first moment of the day when midnight is skipped.
    Instant startOfLocalDay(std::int64_t localDay) const;
    // A local wall-clock time on a local date: the first moment when the clock passes it twice,
    // the next existing moment when the clock skips it.
    Instant at(std::int64_t localDay, int hour, int minute, int second = 0) const;

    Instant startOfDay(Instant instant) const { return startOfLocalDay(localDay(instant)); }
    Instant addDays(Instant dayStart, std::int64_t days) const;
    // 0 for Monday to 6 for Sunday.
    static int weekdayIndex(std::int64_t localDay);

private:
    explicit Calendar(const date::time_zone* zone) : m_zone(zone) {}
    const date::time_zone* m_zone;  // null: UTC without a time-zone database
};

struct DaySummary {
    Instant date;          // start of the day
    std::string label;     // "Mon" to "Sun"
    std::int64_t taken = 0, skipped = 0;
    bool operator==(const DaySummary&) const = default;
};

struct WeekSummary {
    Instant start;                // Monday 00:00
    std::vector<DaySummary> days;  // Monday to Sunday
    std::int64_t taken = 0, skipped = 0, held = 0, streak = 0;
    bool isEmpty() const { return taken == 0 && skipped == 0 && held == 0; }
    double takenRate() const { return taken + skipped == 0 ? 0.0 : double(taken) / double(taken + skipped); }
    bool operator==(const WeekSummary&) const = default;
};

struct TodayCounts {
    std::int64_t taken = 0, skipped = 0;
    bool operator==(const TodayCounts&) const = default;
};

struct StatsCalculator {
    static Calendar calendar();
    static Instant weekStart(Instant date, const Calendar& calendar);
    static WeekSummary week(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar);
    static TodayCounts today(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar);
    static std::int64_t skipsThisWeek(const std::vector<BreakRecord>& records, Instant now,
                                      const Calendar& calendar);
    static std::int64_t streak(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar);
};

}  // namespace tarnwick
