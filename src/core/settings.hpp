#pragma once

// The user's whole configuration, its presets and its JSON form.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "core/vocabulary.hpp"

namespace tarnwick {

struct Settings {
    bool microEnabled = true;
    std::int64_t microEveryMinutes = 20;
    std::int64_t microSeconds = 20;
    bool longEnabled = true;
    std::int64_t longEveryMinutes = 60;
    std::int64_t longMinutes = 5;
    std::int64_t blinkEveryMinutes = 8;   // 0 turns blink nudges off
    std::int64_t postureEveryMinutes = 0;  // 0 turns posture nudges off
    std::int64_t headsUpSeconds = 30;
    bool holdDuringCalls = true;
    bool holdDuringFullscreen = true;
    bool holdWhileTyping = true;
    std::int64_t naturalBreakMinutes = 5;
    BreakEnforcement enforcement = BreakEnforcement::balanced;
    std::int64_t skipsPerWeek = 5;
    BreakBackground breakBackground = BreakBackground::wallpaper;
    std::vector<std::string> customMessages;
    bool soundOnStart = true;
    bool soundOnEnd = true;
    std::string soundName = "Glass";
    bool menuBarCountdown = true;
    bool launchAtLogin = false;
    bool onboarded = false;

    bool operator==(const Settings&) const = default;

    // Whether the fields that decide the break timetable differ.
    bool timingDiffers(const Settings& other) const;
};

std::string_view id(BreakEnforcement enforcement);
std::string_view id(BreakBackground background);
std::string_view id(Preset preset);
std::string_view name(Preset preset);
std::string_view summary(Preset preset);
std::string_view tag(Preset preset);

// Writes the preset's values into `settings`, leaving every other field alone.
void apply(Preset preset, Settings& settings);
// Whether `settings` already follows the preset.
bool matches(Preset preset, const Settings& settings);

void to_json(nlohmann::json& json, const Settings& settings);
// Absent or null keys keep their defaults; a wrong type throws nlohmann::json::exception;
// unknown enforcement or background values fall back to the default; integers are raised
// to their lower bounds.
void from_json(const nlohmann::json& json, Settings& settings);

}  // namespace tarnwick
