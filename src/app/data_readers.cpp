#include "app/data_readers.hpp"

#include <new>

#include <nlohmann/json.hpp>

namespace tarnwick {

namespace {

using nlohmann::json;

// Thrown from the parser's callback to stop it at once.
struct Stop {
    std::string fault;
};

std::string tooDeepFault(int depth) { return "nested more than " + std::to_string(depth) + " levels deep"; }

// The parser's own message without its "[json.exception...] " prefix.
std::string describe(const json::exception& error) {
    std::string text = error.what();
    if (const auto end = text.find("] "); text.rfind("[json.exception.", 0) == 0 && end != std::string::npos) {
        text.erase(0, end + 2);
    }
    return text;
}

const std::string outOfMemory = "too large for the memory available";

// Runs `parse` and answers why it failed, or nothing when it did not.
template <class Parse>
std::string faultOf(Parse&& parse) {
    try {
        parse();
    } catch (const Stop& stop) {
        return stop.fault;
    } catch (const json::exception& error) {
        return describe(error);
    } catch (const std::bad_alloc&) {
        return outOfMemory;
    }
    return {};
}

}  // namespace

std::string tooLargeFault(std::size_t limitBytes) {
    return "larger than " + std::to_string(limitBytes >> 20) + " MB";
}

SettingsRead readSettings(std::string_view bytes, const ReadLimits& limits) {
    SettingsRead result;
    if (bytes.size() > limits.settingsBytes) {
        result.fault = tooLargeFault(limits.settingsBytes);
        return result;
    }
    const json::parser_callback_t limitDepth = [&](int depth, json::parse_event_t event, json&) {
        if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start) &&
            depth >= limits.depth) {
            throw Stop{tooDeepFault(limits.depth)};
        }
        return true;
    };
    result.fault = faultOf([&] { result.settings = json::parse(bytes.begin(), bytes.end(), limitDepth).get<Settings>(); });
    if (!result.fault.empty()) result.settings.reset();
    return result;
}

HistoryRead readHistory(std::string_view bytes, const ReadLimits& limits) {
    HistoryRead result;
    if (bytes.size() > limits.historyBytes) {
        result.fault = tooLargeFault(limits.historyBytes);
        return result;
    }
    // Each element of the list is turned into a record as soon as it is parsed, then dropped from the
    // parser's tree, so that memory holds the records and one element at a time.
    const json::parser_callback_t takeRecords = [&](int depth, json::parse_event_t event, json& parsed) {
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start:
            if (depth == 0 && event == json::parse_event_t::object_start) throw Stop{"not a list of records"};
            if (depth >= limits.depth) throw Stop{tooDeepFault(limits.depth)};
            return true;
        case json::parse_event_t::key:
            return true;
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end:
        case json::parse_event_t::value:
            if (depth == 0 && event == json::parse_event_t::value) throw Stop{"not a list of records"};
            if (depth != 1) return true;
            if (event == json::parse_event_t::object_end) {
                try {
                    result.records.push_back(parsed.get<BreakRecord>());
                    return false;
                } catch (const json::exception&) {
                }
            }
            ++result.unreadableRecords;
            return false;
        }
        return true;
    };
    // What is left once the records are taken is an empty list.
    result.fault = faultOf([&] {
        const json rest = json::parse(bytes.begin(), bytes.end(), takeRecords);
        static_cast<void>(rest);
    });
    if (result.fault == outOfMemory) {
        result.records = {};  // gives the memory back
        result.unreadableRecords = 0;
        return result;
    }
    if (result.fault.empty() && result.unreadableRecords > 0) {
        result.fault = std::to_string(result.unreadableRecords) +
                       (result.unreadableRecords == 1 ? " element is not a record" : " elements are not records");
    }
    return result;
}

}  // namespace tarnwick
