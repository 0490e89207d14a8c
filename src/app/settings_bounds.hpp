#pragma once

// The largest duration or interval the settings window offers for each field. A file can hold
// more (edited by hand, or damaged); the model lowers such a value to the largest offered when it
// takes settings from the file, so that no break can be made to last for years. The core's
// reader keeps only its lower bounds.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/settings.hpp"

namespace tarnwick {

struct OfferedBound {
    const char* field;                    // the key in settings.json
    std::int64_t Settings::*member;
    std::int64_t largest;                 // in the field's unit, minutes or seconds
};

// One entry for every duration and interval of the settings.
std::span<const OfferedBound> offeredBounds();

struct LoweredValue {
    std::string field;
    std::int64_t was = 0, now = 0;
    bool operator==(const LoweredValue&) const = default;
};

// Lowers every value beyond its bound to the bound; answers what it lowered, in field order.
std::vector<LoweredValue> lowerToOffered(Settings& settings);

}  // namespace tarnwick
