// The settings reader: a file it accepts, written and read again, gives the same settings.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "app/settings_bounds.hpp"
#include "core/settings.hpp"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Settings first;
    try {
        first = nlohmann::json::parse(data, data + size).get<Settings>();
    } catch (const nlohmann::json::exception&) {
        return 0;  // unreadable: defaults, which is the loader's business
    }
    const std::string text = nlohmann::json(first).dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    const Settings second = nlohmann::json::parse(text).get<Settings>();
    if (!(second == first)) std::abort();
    if (nlohmann::json(second).dump() != nlohmann::json(first).dump()) std::abort();
    // The bounds the scheduler relies on hold for whatever was read.
    if (first.microEveryMinutes < 1 || first.longEveryMinutes < 1 || first.longMinutes < 1 ||
        first.naturalBreakMinutes < 1 || first.microSeconds < 5 || first.headsUpSeconds < 0 ||
        first.blinkEveryMinutes < 0 || first.postureEveryMinutes < 0) {
        std::abort();
    }
    // What the model keeps from a file: nothing beyond what the settings window offers, values
    // within it untouched, and a second pass lowers nothing.
    Settings bounded = first;
    const auto lowered = lowerToOffered(bounded);
    for (const OfferedBound& bound : offeredBounds()) {
        const std::int64_t before = first.*bound.member, after = bounded.*bound.member;
        if (after > bound.largest || (before <= bound.largest && after != before)) std::abort();
        if (before > bound.largest && after != bound.largest) std::abort();
    }
    if (bounded.microSeconds < 5 || bounded.microEveryMinutes < 1 || bounded.longMinutes < 1) std::abort();
    Settings again = bounded;
    if (!lowerToOffered(again).empty() || !(again == bounded)) std::abort();
    if (lowered.empty() != (bounded == first)) std::abort();
    return 0;
}
