// The history reader: every record it accepts survives a write and a read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/stats.hpp"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<BreakRecord> records;
    nlohmann::json read;
    try {
        read = nlohmann::json::parse(data, data + size);
        if (!read.is_array()) return 0;
        records = read.get<std::vector<BreakRecord>>();
    } catch (const nlohmann::json::exception&) {
        return 0;
    }
    const nlohmann::json written = records;
    const auto back = nlohmann::json::parse(written.dump(2)).get<std::vector<BreakRecord>>();
    if (back != records) std::abort();
    for (std::size_t i = 0; i < records.size(); ++i) {
        // A date written in UTC is written back as it was read.
        const auto& text = read[i].at("date").get_ref<const std::string&>();
        if (text.size() == 20 && written[i].at("date") != text) std::abort();
        if (formatDate(parseDate(written[i].at("date").get<std::string>())) != written[i].at("date")) std::abort();
    }
    return 0;
}
