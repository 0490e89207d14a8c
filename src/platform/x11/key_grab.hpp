#pragma once

// The display-free rules of the global hot key: which modifier states to grab, whether a key
// event's state is the hot key's, and which presses are auto-repeat.

#include <cstdint>
#include <vector>

namespace tarnwick::keygrab {

// X core modifier bits.
inline constexpr std::uint16_t shiftMask = 1u << 0;
inline constexpr std::uint16_t lockMask = 1u << 1;  // CapsLock
inline constexpr std::uint16_t controlMask = 1u << 2;
inline constexpr std::uint16_t mod1Mask = 1u << 3;  // Alt on nearly every keyboard map
inline constexpr std::uint16_t allModifiers = 0xff;

// The modifier bit (1 << row) of the first of the eight modifier rows that holds one of
// `keycodes`; 0 when none does. `map` is the server's modifier map, row after row, each row
// `perModifier` keycodes long, 0 for an empty slot.
std::uint16_t modifierMaskFor(const std::vector<std::uint8_t>& map, int perModifier,
                              const std::vector<std::uint8_t>& keycodes);

// The modifier states to grab so the hot key works with CapsLock and NumLock on or off:
// modifiers alone, with Lock, with NumLock, with both. Without NumLock (mask 0) two states;
// never a state twice.
std::vector<std::uint16_t> lockVariants(std::uint16_t modifiers, std::uint16_t numLockMask);

// Whether a key event's state is exactly the hot key's modifiers, ignoring the lock modifiers
// and the pointer buttons.
bool stateMatches(std::uint16_t state, std::uint16_t modifiers, std::uint16_t numLockMask);

// Turns a stream of key presses and releases of one key into one action per physical press.
// Auto-repeat comes either as presses without releases, or as a release and a press with the
// same server time. A key held for longer than `stuckAfterMs` without a repeat counts as
// pressed anew, so a lost release cannot silence the key for good.
class RepeatFilter {
public:
    static constexpr std::uint32_t stuckAfterMs = 1000;
    // True when this press should run the action. Times are X server milliseconds (they wrap).
    bool press(std::uint32_t timeMs);
    void release(std::uint32_t timeMs);

private:
    bool m_held = false;
    bool m_released = false;
    std::uint32_t m_lastPress = 0;
    std::uint32_t m_lastRelease = 0;
};

}  // namespace tarnwick::keygrab
