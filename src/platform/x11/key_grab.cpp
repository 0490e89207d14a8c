#include "platform/x11/key_grab.hpp"

#include <algorithm>

namespace tarnwick::keygrab {

std::uint16_t modifierMaskFor(const std::vector<std::uint8_t>& map, int perModifier,
                              const std::vector<std::uint8_t>& keycodes) {
    if (perModifier <= 0) return 0;
    const std::size_t width = static_cast<std::size_t>(perModifier);
    for (std::size_t row = 0; row < 8 && (row + 1) * width <= map.size(); ++row) {
        for (std::size_t i = row * width; i < (row + 1) * width; ++i) {
            if (map[i] != 0 && std::find(keycodes.begin(), keycodes.end(), map[i]) != keycodes.end()) {
                return static_cast<std::uint16_t>(1u << row);
            }
        }
    }
    return 0;
}

std::vector<std::uint16_t> lockVariants(std::uint16_t modifiers, std::uint16_t numLockMask) {
    std::vector<std::uint16_t> variants;
    for (const std::uint16_t extra : {std::uint16_t(0), lockMask, numLockMask, std::uint16_t(lockMask | numLockMask)}) {
        const auto state = static_cast<std::uint16_t>(modifiers | extra);
        if (std::find(variants.begin(), variants.end(), state) == variants.end()) variants.push_back(state);
    }
    return variants;
}

bool stateMatches(std::uint16_t state, std::uint16_t modifiers, std::uint16_t numLockMask) {
    const auto ignored = static_cast<std::uint16_t>(lockMask | numLockMask);
    return (state & allModifiers & ~ignored) == (modifiers & allModifiers & ~ignored);
}

bool RepeatFilter::press(std::uint32_t timeMs) {
    const bool repeatWhileHeld = m_held && timeMs - m_lastPress < stuckAfterMs;
    const bool repeatAfterRelease = !m_held && m_released && timeMs == m_lastRelease;
    m_held = true;
    m_lastPress = timeMs;
    return !repeatWhileHeld && !repeatAfterRelease;
}

void RepeatFilter::release(std::uint32_t timeMs) {
    m_held = false;
    m_released = true;
    m_lastRelease = timeMs;
}

}  // namespace tarnwick::keygrab
