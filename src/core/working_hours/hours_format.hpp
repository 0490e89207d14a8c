#pragma once

// What the tray says outside the working hours: "Off until 09:00", or "Off until Mon 09:00" when
// the hours start again on another day.

#include <optional>
#include <string>

#include "core/stats.hpp"
#include "core/time.hpp"
#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

// The next start of the hours, in the pieces its text is made of.
struct OffUntil {
    Instant at;            // the next start
    bool otherDay = false;  // on another local day than `now`
    std::string weekday;   // "Mon" to "Sun", of the local day of `at`
    std::string time;      // "09:00": the local wall-clock time of `at`, 24-hour
    bool operator==(const OffUntil&) const = default;
};

// Nothing when breaks may come at `now` (the hours are off, or `now` is inside them) or when the
// hours never start again (no day has a range).
std::optional<OffUntil> offUntil(const WorkingHours& hours, Instant now, const Calendar& calendar);

}  // namespace tarnwick

namespace tarnwick::format {

std::string offUntilText(const OffUntil& pieces);  // "Off until 09:00", "Off until Mon 09:00"
// "18:00" for an instant on the local day of `now`, "Mon 18:00" for one on another day.
std::string dayAndTime(Instant at, Instant now, const Calendar& calendar);

}  // namespace tarnwick::format
