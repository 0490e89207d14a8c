#include "core/working_hours/hours_format.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include <date/tz.h>

namespace tarnwick {

namespace {

constexpr std::array<std::string_view, 7> weekdayNames{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// Minutes after local midnight that the clock shows at `instant`.
int localMinuteOfDay(Instant instant, const Calendar& calendar) {
    const date::sys_seconds whole{std::chrono::seconds{std::int64_t(std::floor(epochSeconds(instant)))}};
    const auto local = calendar.zone() ? calendar.zone()->to_local(whole)
                                       : date::local_seconds{whole.time_since_epoch()};
    const auto sinceMidnight = local - date::floor<date::days>(local);
    return int(std::chrono::duration_cast<std::chrono::minutes>(sinceMidnight).count());
}

OffUntil pieces(Instant at, Instant now, const Calendar& calendar) {
    const auto day = calendar.localDay(at);
    const int minute = localMinuteOfDay(at, calendar);
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", minute / 60 % 100, minute % 60);
    return OffUntil{at, day != calendar.localDay(now), std::string(weekdayNames[std::size_t(Calendar::weekdayIndex(day))]),
                    time};
}

}  // namespace

std::optional<OffUntil> offUntil(const WorkingHours& hours, Instant now, const Calendar& calendar) {
    if (isWorkingTime(hours, now, calendar)) return std::nullopt;
    const auto start = nextStart(hours, now, calendar);
    if (!start) return std::nullopt;
    return pieces(*start, now, calendar);
}

}  // namespace tarnwick

namespace tarnwick::format {

namespace {

std::string dayAndTime(const OffUntil& pieces) {
    return pieces.otherDay ? pieces.weekday + ' ' + pieces.time : pieces.time;
}

}  // namespace

std::string offUntilText(const OffUntil& pieces) { return "Off until " + dayAndTime(pieces); }

std::string dayAndTime(Instant at, Instant now, const Calendar& calendar) {
    return dayAndTime(pieces(at, now, calendar));
}

}  // namespace tarnwick::format
