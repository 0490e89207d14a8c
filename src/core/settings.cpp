#include "core/settings.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

namespace tarnwick {

bool Settings::timingDiffers(const Settings& other) const {
    return microEnabled != other.microEnabled || microEveryMinutes != other.microEveryMinutes ||
           longEnabled != other.longEnabled || longEveryMinutes != other.longEveryMinutes ||
           blinkEveryMinutes != other.blinkEveryMinutes || postureEveryMinutes != other.postureEveryMinutes;
}

std::string_view id(BreakEnforcement enforcement) { return rawValue(enforcement); }
std::string_view id(BreakBackground background) { return rawValue(background); }
std::string_view id(Preset preset) { return rawValue(preset); }

std::string_view name(Preset preset) {
    switch (preset) {
        case Preset::classic: return "20-20-20";
        case Preset::focus: return "Deep focus";
        case Preset::gentle: return "Gentle";
    }
    return {};
}

std::string_view summary(Preset preset) {
    switch (preset) {
        case Preset::classic: return "Look away 20 s every 20 min. Long break every hour.";
        case Preset::focus: return "Look away 20 s every 30 min. Long break after 90 min.";
        case Preset::gentle: return "Blink nudges only, plus a long break every 2 hours.";
    }
    return {};
}

std::string_view tag(Preset preset) {
    switch (preset) {
        case Preset::classic: return "Recommended";
        case Preset::focus: return "Coding";
        case Preset::gentle: return "Light";
    }
    return {};
}

void apply(Preset preset, Settings& s) {
    switch (preset) {
        case Preset::classic:
            s.microEnabled = true;
            s.microEveryMinutes = 20;
            s.microSeconds = 20;
            s.longEnabled = true;
            s.longEveryMinutes = 60;
            s.longMinutes = 5;
            s.blinkEveryMinutes = 8;
            break;
        case Preset::focus:
            s.microEnabled = true;
            s.microEveryMinutes = 30;
            s.microSeconds = 20;
            s.longEnabled = true;
            s.longEveryMinutes = 90;
            s.longMinutes = 5;
            s.blinkEveryMinutes = 10;
            break;
        case Preset::gentle:
            s.microEnabled = false;
            s.longEnabled = true;
            s.longEveryMinutes = 120;
            s.longMinutes = 5;
            s.blinkEveryMinutes = 8;
            break;
    }
}

bool matches(Preset preset, const Settings& settings) {
    Settings copy = settings;
    apply(preset, copy);
    return copy == settings;
}

void to_json(nlohmann::json& json, const Settings& s) {
    json = nlohmann::json{
        {"microEnabled", s.microEnabled},
        {"microEveryMinutes", s.microEveryMinutes},
        {"microSeconds", s.microSeconds},
        {"longEnabled", s.longEnabled},
        {"longEveryMinutes", s.longEveryMinutes},
        {"longMinutes", s.longMinutes},
        {"blinkEveryMinutes", s.blinkEveryMinutes},
        {"postureEveryMinutes", s.postureEveryMinutes},
        {"headsUpSeconds", s.headsUpSeconds},
        {"holdDuringCalls", s.holdDuringCalls},
        {"holdDuringFullscreen", s.holdDuringFullscreen},
        {"holdWhileTyping", s.holdWhileTyping},
        {"naturalBreakMinutes", s.naturalBreakMinutes},
        {"enforcement", rawValue(s.enforcement)},
        {"skipsPerWeek", s.skipsPerWeek},
        {"breakBackground", rawValue(s.breakBackground)},
        {"customMessages", s.customMessages},
        {"soundOnStart", s.soundOnStart},
        {"soundOnEnd", s.soundOnEnd},
        {"soundName", s.soundName},
        {"menuBarCountdown", s.menuBarCountdown},
        {"launchAtLogin", s.launchAtLogin},
        {"onboarded", s.onboarded},
    };
}

namespace {

using nlohmann::json;

[[noreturn]] void wrongType(const json& value, std::string_view key, std::string_view expected) {
    throw json::type_error::create(
        302, std::string("settings key \"").append(key).append("\" must be ").append(expected), &value);
}

// The value under `key`, or nullptr when it is absent or null.
const json* member(const json& object, std::string_view key) {
    auto it = object.find(key);
    if (it == object.end() || it->is_null()) return nullptr;
    return &*it;
}

void read(const json& object, std::string_view key, bool& field) {
    if (const json* v = member(object, key)) {
        if (!v->is_boolean()) wrongType(*v, key, "a boolean");
        field = v->get<bool>();
    }
}

void read(const json& object, std::string_view key, std::int64_t& field) {
    const json* v = member(object, key);
    if (!v) return;
    if (v->is_number_integer() && !v->is_number_unsigned()) {
        field = v->get<std::int64_t>();
        return;
    }
    if (v->is_number_unsigned()) {
        auto u = v->get<std::uint64_t>();
        if (u > std::uint64_t(std::numeric_limits<std::int64_t>::max())) wrongType(*v, key, "a 64-bit integer");
        field = std::int64_t(u);
        return;
    }
    if (v->is_number_float()) {
        // A number written with a fraction part still reads when it is a whole number in range.
        double d = v->get<double>();
        if (std::isfinite(d) && std::trunc(d) == d && d >= -9223372036854775808.0 && d < 9223372036854775808.0) {
            field = std::int64_t(d);
            return;
        }
    }
    wrongType(*v, key, "an integer");
}

void read(const json& object, std::string_view key, std::string& field) {
    if (const json* v = member(object, key)) {
        if (!v->is_string()) wrongType(*v, key, "a string");
        field = v->get<std::string>();
    }
}

void read(const json& object, std::string_view key, std::vector<std::string>& field) {
    const json* v = member(object, key);
    if (!v) return;
    if (!v->is_array()) wrongType(*v, key, "an array of strings");
    std::vector<std::string> values;
    values.reserve(v->size());
    for (const json& element : *v) {
        if (!element.is_string()) wrongType(element, key, "an array of strings");
        values.push_back(element.get<std::string>());
    }
    field = std::move(values);
}

// Enumerations read leniently: anything unreadable keeps the default.
template <class E>
void readLenient(const json& object, std::string_view key, E& field) {
    const json* v = member(object, key);
    if (!v || !v->is_string()) return;
    if (auto value = fromRawValue<E>(v->get_ref<const std::string&>())) field = *value;
}

void raise(std::int64_t& field, std::int64_t bound) { field = std::max(field, bound); }

}  // namespace

void from_json(const nlohmann::json& json, Settings& settings) {
    if (!json.is_object()) {
        throw nlohmann::json::type_error::create(302, "settings must be a JSON object", &json);
    }
    Settings s;
    read(json, "microEnabled", s.microEnabled);
    read(json, "microEveryMinutes", s.microEveryMinutes);
    read(json, "microSeconds", s.microSeconds);
    read(json, "longEnabled", s.longEnabled);
    read(json, "longEveryMinutes", s.longEveryMinutes);
    read(json, "longMinutes", s.longMinutes);
    read(json, "blinkEveryMinutes", s.blinkEveryMinutes);
    read(json, "postureEveryMinutes", s.postureEveryMinutes);
    read(json, "headsUpSeconds", s.headsUpSeconds);
    read(json, "holdDuringCalls", s.holdDuringCalls);
    read(json, "holdDuringFullscreen", s.holdDuringFullscreen);
    read(json, "holdWhileTyping", s.holdWhileTyping);
    read(json, "naturalBreakMinutes", s.naturalBreakMinutes);
    readLenient(json, "enforcement", s.enforcement);
    read(json, "skipsPerWeek", s.skipsPerWeek);
    readLenient(json, "breakBackground", s.breakBackground);
    read(json, "customMessages", s.customMessages);
    read(json, "soundOnStart", s.soundOnStart);
    read(json, "soundOnEnd", s.soundOnEnd);
    read(json, "soundName", s.soundName);
    read(json, "menuBarCountdown", s.menuBarCountdown);
    read(json, "launchAtLogin", s.launchAtLogin);
    read(json, "onboarded", s.onboarded);

    raise(s.microEveryMinutes, 1);
    raise(s.longEveryMinutes, 1);
    raise(s.longMinutes, 1);
    raise(s.naturalBreakMinutes, 1);
    raise(s.microSeconds, 5);
    raise(s.blinkEveryMinutes, 0);
    raise(s.postureEveryMinutes, 0);
    raise(s.headsUpSeconds, 0);
    raise(s.skipsPerWeek, 0);
    settings = std::move(s);
}

}  // namespace tarnwick
