// The readers of settings.json and history.json as the program uses them, and the history's
// retention: they never throw, refuse what is beyond the size cap or the depth limit, agree with
// the strict reader on every file that reads whole, keep exactly the readable records of a list,
// and trim nothing that is not plainly old.
//
// An input that starts with 0xFF is a pattern: two bytes of a repeat count (little-endian), then
// "prefix NUL unit NUL suffix" (without the NULs, all of it is the unit), read as the prefix, the
// unit repeated, and the suffix; so small inputs make files of a few megabytes (a long history, a
// deep nest) and meet the size cap.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/data_readers.hpp"
#include "app/history_retention.hpp"

using namespace tarnwick;
using nlohmann::json;

namespace {

constexpr std::size_t largestPattern = std::size_t(6) << 20;

void check(bool holds) {
    if (!holds) std::abort();
}

// The deepest nesting of arrays and objects, strings skipped; exact for valid JSON.
int depthOf(std::string_view text) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

void checkSettings(std::string_view text, const ReadLimits& limits) {
    const SettingsRead read = readSettings(text, limits);
    check(read.settings.has_value() == read.fault.empty());
    if (text.size() > limits.settingsBytes || depthOf(text) > limits.depth) {
        check(!read.settings);
        return;
    }
    std::optional<Settings> strict;
    try {
        strict = json::parse(text).get<Settings>();
    } catch (const json::exception&) {
    }
    check(read.settings == strict);
}

HistoryRead checkHistory(std::string_view text, const ReadLimits& limits) {
    HistoryRead read = readHistory(text, limits);
    if (read.unreadableRecords > 0) check(!read.complete());
    if (text.size() > limits.historyBytes) {
        check(!read.complete() && read.records.empty());
        return read;
    }
    if (depthOf(text) > limits.depth) {
        check(!read.complete());
        return read;
    }
    // Within the limits, a valid list reads as the records among its elements, nothing else.
    json strict;
    try {
        strict = json::parse(text);
    } catch (const json::exception&) {
        check(!read.complete());
        return read;
    }
    if (!strict.is_array()) {
        check(!read.complete() && read.records.empty());
        return read;
    }
    std::vector<BreakRecord> readable;
    for (const auto& element : strict) {
        try {
            readable.push_back(element.get<BreakRecord>());
        } catch (const json::exception&) {
        }
    }
    check(read.records == readable);
    check(read.unreadableRecords == strict.size() - readable.size());
    check(read.complete() == (readable.size() == strict.size()));

    // What is written back reads whole and gives the same records.
    const std::string written = json(read.records).dump(2);
    const HistoryRead again = readHistory(written, limits);
    check(again.complete() || written.size() > limits.historyBytes);
    if (again.complete()) check(again.records == read.records);
    return read;
}

// Trimming keeps the records in their order, drops none of the last 400 days before `now` nor any
// later than `now`, and drops a record only where a record not later than `now` is more than 400
// days newer.
void checkRetention(const std::vector<BreakRecord>& history, Instant now) {
    const auto kept = HistoryRetention::kept(history, now);
    std::optional<Instant> newestPast;
    for (const auto& r : history) {
        if (r.date <= now && (!newestPast || r.date > *newestPast)) newestPast = r.date;
    }
    std::size_t k = 0;
    for (const auto& r : history) {
        if (k < kept.size() && kept[k] == r) {
            ++k;
            continue;
        }
        check(r.date < now - Seconds{HistoryRetention::keepSeconds});
        check(newestPast && (*newestPast - r.date).count() > HistoryRetention::keepSeconds);
    }
    check(k == kept.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text;
    if (size >= 3 && data[0] == 0xFF) {
        const std::size_t count = std::size_t(data[1]) | std::size_t(data[2]) << 8;
        std::string_view prefix, unit(reinterpret_cast<const char*>(data + 3), size - 3), suffix;
        if (const auto first = unit.find('\0'); first != std::string_view::npos) {
            prefix = unit.substr(0, first);
            unit.remove_prefix(first + 1);
            if (const auto second = unit.find('\0'); second != std::string_view::npos) {
                suffix = unit.substr(second + 1);
                unit = unit.substr(0, second);
            }
        }
        text = prefix;
        for (std::size_t i = 0; i < count && text.size() + unit.size() <= largestPattern; ++i) text += unit;
        text += suffix;
    } else {
        text.assign(reinterpret_cast<const char*>(data), size);
    }

    // The program's own limits, and limits just below and at the input's size.
    const ReadLimits limits;
    checkSettings(text, limits);
    const HistoryRead read = checkHistory(text, limits);
    ReadLimits tight;
    tight.historyBytes = tight.settingsBytes = text.size() > 0 ? text.size() - 1 : 0;
    tight.depth = 2;
    checkHistory(text, tight);
    checkSettings(text, tight);

    if (!read.records.empty()) {
        const Instant newest = read.records.back().date;
        for (double offset : {0.0, 86400.0 * 401, -86400.0 * 365 * 3}) checkRetention(read.records, newest + Seconds{offset});
    }
    return 0;
}
