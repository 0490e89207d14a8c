// The settings reader: a file it accepts, written and read again, gives the same settings.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <nlohmann/json.hpp>

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
    return 0;
}
