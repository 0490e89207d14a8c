#include "core/break_rules.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>

namespace tarnwick {

SkipState SkipPolicy::state(BreakEnforcement enforcement, double elapsed, std::int64_t skipsLeft) {
    if (enforcement == BreakEnforcement::hardcore) return skip::NotAllowed{};
    double delay = overBudgetDelay;
    if (skipsLeft >= 1) delay = enforcement == BreakEnforcement::casual ? 0.0 : balancedDelay;
    const double remaining = delay - elapsed;
    if (!(remaining > 0)) return skip::Available{};
    // Clamped so that a clock running backwards cannot overflow the conversion.
    return skip::Wait{std::int64_t(std::ceil(std::min(remaining, 1e15)))};
}

namespace {

struct Text {
    std::string_view title, subtitle;
};

constexpr std::array<Text, 4> microTexts{{
    {"Look into the distance", "Find something far away and let your eyes relax until the timer ends"},
    {"Soften your gaze", "Look out of a window or across the room, and blink slowly"},
    {"Let your eyes wander", "Rest them on the farthest thing you can see"},
    {"Time to look up", "Twenty seconds on something distant resets tired eyes"},
}};

constexpr std::array<Text, 3> longTexts{{
    {"Time to step away", "Stand up, stretch, and give your eyes a real rest"},
    {"Stretch it out", "Roll your shoulders, refill your water, look outside"},
    {"Take a proper break", "A short walk does more for your focus than another hour of staring"},
}};

// |value| mod count without overflowing on the most negative 64-bit value.
std::size_t magnitudeModulo(std::int64_t value, std::size_t count) {
    const std::uint64_t magnitude = value < 0 ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    return std::size_t(magnitude % count);
}

// Length of the white space or line break that starts `text` (UTF-8), or 0.
std::size_t leadingSpace(std::string_view text) {
    if (text.empty()) return 0;
    const auto c = static_cast<unsigned char>(text[0]);
    if (c == ' ' || (c >= 0x09 && c <= 0x0D)) return 1;
    auto is = [&](std::string_view seq) { return text.starts_with(seq) ? seq.size() : 0; };
    if (auto n = is("\xC2\x85") + is("\xC2\xA0") + is("\xE1\x9A\x80") + is("\xE2\x80\xA8") +
                 is("\xE2\x80\xA9") + is("\xE2\x80\xAF") + is("\xE2\x81\x9F") + is("\xE3\x80\x80")) {
        return n;
    }
    // U+2000 to U+200A
    if (text.size() >= 3 && c == 0xE2 && static_cast<unsigned char>(text[1]) == 0x80 &&
        static_cast<unsigned char>(text[2]) <= 0x8A) {
        return 3;
    }
    return 0;
}

// Length of the white space or line break that ends `text` (UTF-8), or 0.
std::size_t trailingSpace(std::string_view text) {
    for (std::size_t n = 1; n <= std::min<std::size_t>(3, text.size()); ++n) {
        if (leadingSpace(text.substr(text.size() - n)) == n) return n;
    }
    return 0;
}

// The text without leading and trailing white space and line breaks, Unicode's included.
std::string_view trimmed(std::string_view text) {
    while (auto n = leadingSpace(text)) text.remove_prefix(n);
    while (auto n = trailingSpace(text)) text.remove_suffix(n);
    return text;
}

}  // namespace

BreakCopy BreakCopy::pick(BreakKind kind, std::int64_t seed, const std::vector<std::string>& customMessages) {
    const std::span<const Text> texts =
        kind == BreakKind::micro ? std::span<const Text>(microTexts) : std::span<const Text>(longTexts);
    const Text& entry = texts[magnitudeModulo(seed, texts.size())];
    BreakCopy copy{std::string(entry.title), std::string(entry.subtitle)};
    if (kind == BreakKind::long_) return copy;

    std::vector<std::string_view> messages;
    for (const auto& message : customMessages) {
        if (auto text = trimmed(message); !text.empty()) messages.push_back(text);
    }
    if (messages.empty()) return copy;
    copy.subtitle = std::string(messages[magnitudeModulo(seed / 7, messages.size())]);
    return copy;
}

}  // namespace tarnwick
