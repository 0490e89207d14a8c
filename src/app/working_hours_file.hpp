#pragma once

// schedule.json, the working hours, beside settings.json in the data folder. Read from the bytes of
// the file and written as JSON, without Qt; Persistence does the file work, as for the settings.
//
//   {
//     "days": {
//       "fri": [["09:00", "18:00"]],
//       "mon": [["09:00", "12:30"], ["13:30", "18:00"]],
//       "sat": [],
//       "sun": [["22:00", "02:00"]],
//       ...
//     },
//     "enabled": true
//   }
//
// Days are "mon" to "sun"; each holds its ranges as [start, end] pairs of local 24-hour times,
// "HH:MM" with two digits each. A range whose end is before its start crosses midnight and belongs
// to the day it starts on. Midnight is "00:00", at either end.
//
// Reading: "enabled" and "days" may be absent or null (off; no ranges), as may a day (no ranges).
// The file cannot be read, and is set aside, when it is not a JSON object, when "enabled" is not a
// boolean, "days" not an object, a day not "mon" to "sun" or not a list, a range not a list of two
// strings, a time not "HH:MM" from "00:00" to "23:59", or a range ends where it starts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

struct WorkingHoursRead {
    std::optional<WorkingHours> hours;  // empty when the file cannot be read
    std::string fault;                  // why not, when it cannot
};

// The schedule is a few hundred bytes; nothing a user enters comes near these.
inline constexpr std::size_t scheduleBytesLimit = std::size_t(1) << 20;
inline constexpr int scheduleDepthLimit = 32;

WorkingHoursRead readWorkingHours(std::string_view bytes, std::size_t limitBytes = scheduleBytesLimit,
                                  int depthLimit = scheduleDepthLimit);

// The form above, with all seven days. Ranges that are not valid (see isValid) are left out, as
// the schedule ignores them and the reader would refuse them.
nlohmann::json workingHoursJson(const WorkingHours& hours);

// "09:05" for 545 minutes; empty outside 0..1439.
std::string timeOfDayText(int minutes);
// 545 for "09:05"; nothing unless the text is exactly "HH:MM" from "00:00" to "23:59".
std::optional<int> parseTimeOfDay(std::string_view text);

}  // namespace tarnwick
