#include "app/working_hours_file.hpp"

#include <array>
#include <new>

#include <nlohmann/json.hpp>

#include "app/data_readers.hpp"

namespace tarnwick {

namespace {

using nlohmann::json;

constexpr std::array<const char*, 7> dayKeys{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// Why the file cannot be read.
struct Bad {
    std::string fault;
};

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

WorkingHours decode(const json& root) {
    if (!root.is_object()) throw Bad{"not an object"};
    WorkingHours hours;
    if (const auto it = root.find("enabled"); it != root.end() && !it->is_null()) {
        if (!it->is_boolean()) throw Bad{"\"enabled\" is not true or false"};
        hours.enabled = it->get<bool>();
    }
    const auto days = root.find("days");
    if (days == root.end() || days->is_null()) return hours;
    if (!days->is_object()) throw Bad{"\"days\" is not an object"};
    for (const auto& item : days->items()) {
        const std::string& key = item.key();
        const json& ranges = item.value();
        std::size_t index = 0;
        while (index < dayKeys.size() && key != dayKeys[index]) ++index;
        if (index == dayKeys.size()) throw Bad{"unknown day " + inQuotes(key)};
        if (ranges.is_null()) continue;
        if (!ranges.is_array()) throw Bad{inQuotes(key) + " is not a list of ranges"};
        int number = 0;
        for (const auto& pair : ranges) {
            ++number;
            const std::string where = inQuotes(key) + " range " + std::to_string(number);
            if (!pair.is_array() || pair.size() != 2 || !pair[0].is_string() || !pair[1].is_string()) {
                throw Bad{where + " is not a pair of times"};
            }
            MinuteRange range;
            for (int end = 0; end < 2; ++end) {
                const auto& text = pair[std::size_t(end)].get_ref<const std::string&>();
                const auto minutes = parseTimeOfDay(text);
                if (!minutes) throw Bad{where + ": " + inQuotes(text) + " is not a time of day (HH:MM)"};
                (end == 0 ? range.start : range.end) = *minutes;
            }
            if (range.start == range.end) throw Bad{where + " ends where it starts"};
            hours.days[index].push_back(range);
        }
    }
    return hours;
}

}  // namespace

std::string timeOfDayText(int minutes) {
    if (minutes < 0 || minutes >= minutesPerDay) return {};
    const int hour = minutes / 60, minute = minutes % 60;
    return {char('0' + hour / 10), char('0' + hour % 10), ':', char('0' + minute / 10), char('0' + minute % 10)};
}

std::optional<int> parseTimeOfDay(std::string_view text) {
    auto digit = [&](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4)) return std::nullopt;
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    if (hour > 23 || minute > 59) return std::nullopt;
    return hour * 60 + minute;
}

WorkingHoursRead readWorkingHours(std::string_view bytes, std::size_t limitBytes, int depthLimit) {
    WorkingHoursRead result;
    if (bytes.size() > limitBytes) {
        result.fault = tooLargeFault(limitBytes);
        return result;
    }
    try {
        const json::parser_callback_t limitDepth = [&](int depth, json::parse_event_t event, json&) {
            if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start) &&
                depth >= depthLimit) {
                throw Bad{"nested more than " + std::to_string(depthLimit) + " levels deep"};
            }
            return true;
        };
        result.hours = decode(json::parse(bytes.begin(), bytes.end(), limitDepth));
    } catch (const Bad& bad) {
        result.fault = bad.fault;
    } catch (const json::exception& error) {
        // The parser's own message without its "[json.exception...] " prefix.
        std::string text = error.what();
        if (const auto end = text.find("] "); text.rfind("[json.exception.", 0) == 0 && end != std::string::npos) {
            text.erase(0, end + 2);
        }
        result.fault = text;
    } catch (const std::bad_alloc&) {
        result.fault = "too large for the memory available";
    }
    if (!result.fault.empty()) result.hours.reset();
    return result;
}

json workingHoursJson(const WorkingHours& hours) {
    json days = json::object();
    for (std::size_t index = 0; index < dayKeys.size(); ++index) {
        json ranges = json::array();
        for (const auto& range : hours.days[index]) {
            if (isValid(range)) ranges.push_back(json::array({timeOfDayText(range.start), timeOfDayText(range.end)}));
        }
        days[dayKeys[index]] = std::move(ranges);
    }
    return json{{"days", std::move(days)}, {"enabled", hours.enabled}};
}

}  // namespace tarnwick
