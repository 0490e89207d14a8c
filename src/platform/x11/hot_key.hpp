#pragma once

// One system-wide keyboard shortcut: a passive key grab on the root window, taken again on the
// keys that carry the keysym whenever the keyboard's map changes. The action runs later on the
// main thread, once per press, also while another application has the focus.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/x11/key_grab.hpp"

namespace tarnwick {

class HotKey {
public:
    static constexpr std::uint32_t defaultKeysym = 0x62;  // the B key (keysym "b")
    static constexpr std::uint16_t defaultModifiers = keygrab::controlMask | keygrab::mod1Mask;  // Ctrl+Alt

    // Grabs `keysym` with exactly `modifiers` (X modifier bits), whatever the state of CapsLock
    // and NumLock. There is one action for the whole process: a new HotKey replaces the action
    // of any earlier one. A combination another program holds is left alone, silently.
    HotKey(std::uint32_t keysym, std::uint16_t modifiers, std::function<void()> action);
    // Releases the grabs; once the last HotKey is gone no action runs any more, not even for a
    // press already seen.
    ~HotKey();
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

    // Whether the server accepted at least one of the grabs.
    bool registered() const { return !m_grabs.empty(); }

    // Grabs the keys that carry the keysym in the server's map now, releasing the grabs of keys
    // that no longer do.
    void followMap();

private:
    void releaseGrabs();
    struct Grab {
        std::uint8_t keycode;
        std::uint16_t state;
    };
    std::uint32_t m_keysym;
    std::uint16_t m_modifiers;
    std::vector<Grab> m_grabs;  // the grabs this object holds a share of
};

}  // namespace tarnwick
