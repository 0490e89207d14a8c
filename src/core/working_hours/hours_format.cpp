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

}  // namespace

std::optional<OffUntil> offUntil(const WorkingHours& hours, Instant now, const Calendar& calendar) {
    if (isWorkingTime(hours, now, calendar)) return std::nullopt;
    const auto start = nextStart(hours, now, calendar);
    if (!start) return std::nullopt;
    const auto day = calendar.localDay(*start);
    const int minute = localMinuteOfDay(*start, calendar);
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", minute / 60 % 100, minute % 60);
    return OffUntil{*start, day != calendar.localDay(now), std::string(weekdayNames[std::size_t(Calendar::weekdayIndex(day))]),
                    time};
}

}  // namespace tarnwick

namespace tarnwick::format {

std::string offUntilText(const OffUntil& pieces) {
    std::string text = "Off until ";
    if (pieces.otherDay) text.append(pieces.weekday).append(" ");
    return text.append(pieces.time);
}

}  // namespace tarnwick::format
