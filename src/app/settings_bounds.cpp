#include "app/settings_bounds.hpp"

#include <array>

namespace tarnwick {

namespace {

// The last choice of each picker in the settings window.
constexpr std::array<OfferedBound, 8> bounds{{
    {"microEveryMinutes", &Settings::microEveryMinutes, 60},
    {"microSeconds", &Settings::microSeconds, 60},
    {"longEveryMinutes", &Settings::longEveryMinutes, 120},
    {"longMinutes", &Settings::longMinutes, 15},
    {"blinkEveryMinutes", &Settings::blinkEveryMinutes, 20},
    {"postureEveryMinutes", &Settings::postureEveryMinutes, 60},
    {"headsUpSeconds", &Settings::headsUpSeconds, 60},
    {"naturalBreakMinutes", &Settings::naturalBreakMinutes, 10},
}};

}  // namespace

std::span<const OfferedBound> offeredBounds() { return bounds; }

std::vector<LoweredValue> lowerToOffered(Settings& settings) {
    std::vector<LoweredValue> lowered;
    for (const OfferedBound& bound : bounds) {
        std::int64_t& value = settings.*bound.member;
        if (value <= bound.largest) continue;
        lowered.push_back({bound.field, value, bound.largest});
        value = bound.largest;
    }
    return lowered;
}

}  // namespace tarnwick
