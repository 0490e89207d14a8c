#pragma once

// Durations as the user reads them. Each rounds up to whole seconds and shows no less than zero.

#include <cstdint>
#include <string>

namespace tarnwick::format {

std::string countdown(double seconds);      // "05:07": minutes at least two digits, never hours
std::string clock(double seconds);          // "5:07"
std::string shortDuration(double seconds);  // "59s" below a minute, else whole minutes rounded up: "2m"

// The number and unit of shortDuration, for texts that write the unit their own way.
struct ShortDuration {
    std::int64_t value;
    bool minutes;  // else seconds
};
ShortDuration shortDurationParts(double seconds);

}  // namespace tarnwick::format
