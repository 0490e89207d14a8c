#pragma once

// Reads the window manager's view of the desktop (EWMH properties on Qt's xcb connection) and
// answers whether the front application is full screen.

#include <optional>

#include "platform/x11/fullscreen.hpp"

namespace tarnwick {

class X11Windows {
public:
    // The state of the desktop right now; absent when the application does not run on X11.
    // Windows that vanish while being read are left out; unreadable fields stay empty.
    std::optional<WindowSnapshot> snapshot() const;

    // False when it cannot tell (no X11, no window manager, no active window).
    bool frontAppIsFullscreen() const;
};

}  // namespace tarnwick
