#include "core/stats.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include <date/tz.h>
#include <nlohmann/json.hpp>

namespace tarnwick {

namespace {

constexpr double secondsPerDay = 86400;
// Instants are clamped into about ±3,000 years around 1970 before calendar work, so that no
// conversion to an integer can overflow.
constexpr double calendarLimit = 1e11;

double clampedEpoch(Instant instant) {
    const double s = epochSeconds(instant);
    if (std::isnan(s)) return 0;
    return std::clamp(s, -calendarLimit, calendarLimit);
}

date::sys_seconds wholeSeconds(double epoch) {
    return date::sys_seconds{std::chrono::seconds{std::int64_t(std::floor(epoch))}};
}

[[noreturn]] void badDate(std::string_view text) {
    throw nlohmann::json::other_error::create(
        501, std::string("not a date of the form 2026-03-02T08:15:00Z: \"").append(text).append("\""), nullptr);
}

// Local day numbers of many instants; the zone's current offset period is cached, so a run of
// nearby dates costs one lookup.
class DayIndexer {
public:
    explicit DayIndexer(const Calendar& calendar) : m_calendar(calendar) {}

    std::int64_t operator()(Instant instant) {
        const double s = clampedEpoch(instant);
        const date::time_zone* zone = m_calendar.zone();
        if (!zone) return std::int64_t(std::floor(s / secondsPerDay));
        const auto whole = wholeSeconds(s);
        if (!m_cached || whole < m_info.begin || whole >= m_info.end) {
            m_info = zone->get_info(whole);
            m_cached = true;
        }
        return std::int64_t(std::floor((s + double(m_info.offset.count())) / secondsPerDay));
    }

private:
    const Calendar& m_calendar;
    date::sys_info m_info{};
    bool m_cached = false;
};

constexpr std::array<std::string_view, 7> dayLabels{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

}  // namespace

// --- Dates --------------------------------------------------------------------------------

namespace {

// The dates four year digits can write: 0000-01-01T00:00:00Z to 9999-12-31T23:59:59Z.
constexpr double firstWritable = -62'167'219'200, lastWritable = 253'402'300'799;

}  // namespace

std::string formatDate(Instant instant) {
    double s = epochSeconds(instant);
    if (std::isnan(s)) s = 0;
    return date::format("%Y-%m-%dT%H:%M:%SZ", wholeSeconds(std::clamp(s, firstWritable, lastWritable)));
}

Instant parseDate(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SS followed by Z or an offset ±HH:MM.
    auto digits = [&](std::size_t at, std::size_t count) -> int {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9') badDate(text);
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    auto expect = [&](std::size_t at, char c) {
        if (at >= text.size() || text[at] != c) badDate(text);
    };
    const int year = digits(0, 4);
    expect(4, '-');
    const int month = digits(5, 2);
    expect(7, '-');
    const int day = digits(8, 2);
    expect(10, 'T');
    const int hour = digits(11, 2);
    expect(13, ':');
    const int minute = digits(14, 2);
    expect(16, ':');
    const int second = digits(17, 2);

    int offsetSeconds = 0;
    if (text.size() == 20 && text[19] == 'Z') {
        // UTC
    } else if (text.size() == 25 && (text[19] == '+' || text[19] == '-')) {
        expect(22, ':');
        const int offsetHours = digits(20, 2), offsetMinutes = digits(23, 2);
        if (offsetHours > 23 || offsetMinutes > 59) badDate(text);
        offsetSeconds = (offsetHours * 3600 + offsetMinutes * 60) * (text[19] == '-' ? -1 : 1);
    } else {
        badDate(text);
    }

    const date::year_month_day ymd{date::year{year}, date::month{unsigned(month)}, date::day{unsigned(day)}};
    if (!ymd.ok() || hour > 23 || minute > 59 || second > 59) badDate(text);
    const auto local = date::sys_days{ymd} + std::chrono::hours{hour} + std::chrono::minutes{minute} +
                       std::chrono::seconds{second};
    const auto utc = local - std::chrono::seconds{offsetSeconds};
    // An offset can move a date past either end of what can be written back as it was read.
    const double epoch = double(utc.time_since_epoch().count());
    if (epoch < firstWritable || epoch > lastWritable) badDate(text);
    return Instant{Seconds{epoch}};
}

void to_json(nlohmann::json& json, const BreakRecord& record) {
    json = nlohmann::json{
        {"date", formatDate(record.date)},
        {"kind", rawValue(record.kind)},
        {"outcome", rawValue(record.outcome)},
    };
}

void from_json(const nlohmann::json& json, BreakRecord& record) {
    const auto& dateText = json.at("date").get_ref<const std::string&>();
    const auto& kindText = json.at("kind").get_ref<const std::string&>();
    const auto& outcomeText = json.at("outcome").get_ref<const std::string&>();
    const auto kind = fromRawValue<BreakKind>(kindText);
    if (!kind) throw nlohmann::json::other_error::create(501, "unknown break kind \"" + kindText + "\"", &json);
    const auto outcome = fromRawValue<Outcome>(outcomeText);
    if (!outcome) throw nlohmann::json::other_error::create(501, "unknown outcome \"" + outcomeText + "\"", &json);
    record = BreakRecord{parseDate(dateText), *kind, *outcome};
}

// --- Calendar -----------------------------------------------------------------------------

Calendar Calendar::current() {
    if (const char* tz = std::getenv("TZ")) {
        std::string_view name = tz;
        if (name.starts_with(':')) name.remove_prefix(1);
        if (auto at = name.find("zoneinfo/"); at != std::string_view::npos) name.remove_prefix(at + 9);
        if (name.empty()) name = "UTC";
        try {
            return Calendar(date::locate_zone(name));
        } catch (const std::exception&) {
            // Not a zone name the database knows (a POSIX rule, say): use the system's zone.
        }
    }
    try {
        return Calendar(date::current_zone());
    } catch (const std::exception&) {
    }
    try {
        return Calendar(date::locate_zone("UTC"));
    } catch (const std::exception&) {
    }
    return Calendar(nullptr);
}

Calendar Calendar::forZone(std::string_view iana) { return Calendar(date::locate_zone(iana)); }

std::string_view Calendar::zoneName() const { return m_zone ? m_zone->name() : std::string_view("UTC"); }

std::int64_t Calendar::localDay(Instant instant) const { return DayIndexer(*this)(instant); }

Instant Calendar::startOfLocalDay(std::int64_t localDay) const { return at(localDay, 0, 0, 0); }

Instant Calendar::at(std::int64_t localDay, int hour, int minute, int second) const {
    // Same clamp as for instants: about ±3,000 years.
    localDay = std::clamp<std::int64_t>(localDay, -1'200'000, 1'200'000);
    const auto local = date::local_days{date::days{localDay}} + std::chrono::hours{hour} +
                       std::chrono::minutes{minute} + std::chrono::seconds{second};
    const auto utc = m_zone ? m_zone->to_sys(local, date::choose::earliest)
                            : date::sys_seconds{local.time_since_epoch()};
    return Instant{Seconds{double(utc.time_since_epoch().count())}};
}

Instant Calendar::addDays(Instant dayStart, std::int64_t days) const {
    return startOfLocalDay(localDay(dayStart) + days);
}

int Calendar::weekdayIndex(std::int64_t localDay) {
    // 1970-01-01 was a Thursday.
    return int(((localDay + 3) % 7 + 7) % 7);
}

// --- Statistics ---------------------------------------------------------------------------

Calendar StatsCalculator::calendar() { return Calendar::current(); }

Instant StatsCalculator::weekStart(Instant date, const Calendar& calendar) {
    const auto day = calendar.localDay(date);
    return calendar.startOfLocalDay(day - Calendar::weekdayIndex(day));
}

WeekSummary StatsCalculator::week(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar) {
    const auto today = calendar.localDay(now);
    const auto monday = today - Calendar::weekdayIndex(today);

    WeekSummary summary;
    summary.start = calendar.startOfLocalDay(monday);
    summary.days.reserve(7);
    for (std::int64_t i = 0; i < 7; ++i) {
        summary.days.push_back(DaySummary{calendar.startOfLocalDay(monday + i), std::string(dayLabels[i]), 0, 0});
    }

    DayIndexer dayOf(calendar);
    for (const auto& record : records) {
        const auto index = dayOf(record.date) - monday;
        if (index < 0 || index >= 7) continue;
        auto& day = summary.days[std::size_t(index)];
        if (countsAsTaken(record.outcome)) {
            ++day.taken;
            ++summary.taken;
        } else if (record.outcome == Outcome::skipped) {
            ++day.skipped;
            ++summary.skipped;
        } else {
            ++summary.held;
        }
    }
    summary.streak = streak(records, now, calendar);
    return summary;
}

TodayCounts StatsCalculator::today(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar) {
    const Instant start = calendar.startOfDay(now);
    TodayCounts counts;
    for (const auto& record : records) {
        if (record.date < start || record.date > now) continue;
        if (countsAsTaken(record.outcome)) ++counts.taken;
        else if (record.outcome == Outcome::skipped) ++counts.skipped;
    }
    return counts;
}

std::int64_t StatsCalculator::skipsThisWeek(const std::vector<BreakRecord>& records, Instant now,
                                            const Calendar& calendar) {
    const Instant start = weekStart(now, calendar);
    return std::count_if(records.begin(), records.end(), [&](const BreakRecord& record) {
        return record.outcome == Outcome::skipped && record.date >= start;
    });
}

std::int64_t StatsCalculator::streak(const std::vector<BreakRecord>& records, Instant now, const Calendar& calendar) {
    struct Day {
        std::int64_t taken = 0, skipped = 0;
    };
    // Days back from today. A streak cannot be longer than there are records, so older days
    // never matter.
    const auto today = calendar.localDay(now);
    const auto reach = std::int64_t(records.size()) + 1;
    std::vector<Day> days;
    DayIndexer dayOf(calendar);
    for (const auto& record : records) {
        if (record.outcome == Outcome::held) continue;
        const auto back = today - dayOf(record.date);
        if (back < 0 || back > reach) continue;
        if (std::size_t(back) >= days.size()) days.resize(std::size_t(back) + 1);
        if (countsAsTaken(record.outcome)) ++days[std::size_t(back)].taken;
        else ++days[std::size_t(back)].skipped;
    }

    auto hasData = [&](std::size_t back) { return back < days.size() && days[back].taken + days[back].skipped > 0; };
    std::size_t back = hasData(0) ? 0 : 1;  // a day without breaks yet does not end the streak
    std::int64_t count = 0;
    while (hasData(back)) {
        const auto& day = days[back];
        if (double(day.taken) / double(day.taken + day.skipped) < 0.8) break;
        ++count;
        ++back;
    }
    return count;
}

}  // namespace tarnwick
