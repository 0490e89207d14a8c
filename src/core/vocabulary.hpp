#pragma once

// The words every layer speaks about breaks, and their stored strings.

#include <array>
#include <optional>
#include <string_view>

namespace tarnwick {

enum class BreakKind { micro, long_ };
enum class BusyReason { call, fullscreen, typing };
enum class Outcome { taken, skipped, natural, held };
enum class BreakEnforcement { casual, balanced, hardcore };
enum class BreakBackground { wallpaper, gradient };
enum class Preset { classic, focus, gentle };

inline constexpr std::array allKinds{BreakKind::micro, BreakKind::long_};
inline constexpr std::array allBusyReasons{BusyReason::call, BusyReason::fullscreen, BusyReason::typing};
inline constexpr std::array allOutcomes{Outcome::taken, Outcome::skipped, Outcome::natural, Outcome::held};
inline constexpr std::array allEnforcements{BreakEnforcement::casual, BreakEnforcement::balanced,
                                            BreakEnforcement::hardcore};
inline constexpr std::array allBackgrounds{BreakBackground::wallpaper, BreakBackground::gradient};
inline constexpr std::array allPresets{Preset::classic, Preset::focus, Preset::gentle};

constexpr std::string_view rawValue(BreakKind kind) {
    return kind == BreakKind::micro ? "micro" : "long";
}

constexpr std::string_view rawValue(BusyReason reason) {
    switch (reason) {
        case BusyReason::call: return "call";
        case BusyReason::fullscreen: return "fullscreen";
        case BusyReason::typing: return "typing";
    }
    return {};
}

constexpr std::string_view rawValue(Outcome outcome) {
    switch (outcome) {
        case Outcome::taken: return "taken";
        case Outcome::skipped: return "skipped";
        case Outcome::natural: return "natural";
        case Outcome::held: return "held";
    }
    return {};
}

constexpr std::string_view rawValue(BreakEnforcement enforcement) {
    switch (enforcement) {
        case BreakEnforcement::casual: return "casual";
        case BreakEnforcement::balanced: return "balanced";
        case BreakEnforcement::hardcore: return "hardcore";
    }
    return {};
}

constexpr std::string_view rawValue(BreakBackground background) {
    return background == BreakBackground::wallpaper ? "wallpaper" : "gradient";
}

constexpr std::string_view rawValue(Preset preset) {
    switch (preset) {
        case Preset::classic: return "classic";
        case Preset::focus: return "focus";
        case Preset::gentle: return "gentle";
    }
    return {};
}

namespace detail {
template <class E> struct Cases;
template <> struct Cases<BreakKind> { static constexpr const auto& values = allKinds; };
template <> struct Cases<BusyReason> { static constexpr const auto& values = allBusyReasons; };
template <> struct Cases<Outcome> { static constexpr const auto& values = allOutcomes; };
template <> struct Cases<BreakEnforcement> { static constexpr const auto& values = allEnforcements; };
template <> struct Cases<BreakBackground> { static constexpr const auto& values = allBackgrounds; };
template <> struct Cases<Preset> { static constexpr const auto& values = allPresets; };
}  // namespace detail

// The case whose stored string is exactly `text` (case-sensitive), if any.
template <class E>
constexpr std::optional<E> fromRawValue(std::string_view text) {
    for (E value : detail::Cases<E>::values) {
        if (rawValue(value) == text) return value;
    }
    return std::nullopt;
}

// The sentence that states why a break is held.
constexpr std::string_view label(BusyReason reason) {
    switch (reason) {
        case BusyReason::call: return "You're on a call";
        case BusyReason::fullscreen: return "A full-screen app is open";
        case BusyReason::typing: return "You're typing";
    }
    return {};
}

// Taken and natural breaks both rested the eyes.
constexpr bool countsAsTaken(Outcome outcome) {
    return outcome == Outcome::taken || outcome == Outcome::natural;
}

}  // namespace tarnwick
