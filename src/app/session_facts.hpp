#pragma once

// Which source serves each feature that depends on the desktop session, so the settings window
// can say what works where.

#include <QString>

namespace tarnwick {

enum class FullscreenSource {
    x11Windows,        // the window manager's view of X11 windows (EWMH)
    x11WindowsAndKWin, // the same, and KWin's scripting interface for native Wayland windows
    x11WindowsAndSway, // the same, and sway's IPC for native Wayland windows
};

enum class HotKeySource {
    xGrab,          // a key grab on the X server: fires while an X11 window has the focus
    desktopPortal,  // the desktop portal's global shortcuts: fires whatever is in front
};

struct SessionFacts {
    bool wayland = false;
    QString idleSource;  // the idle source's name, such as "X screen saver extension"
    FullscreenSource fullscreen = FullscreenSource::x11Windows;
    HotKeySource hotKey = HotKeySource::xGrab;
    QString idleInhibitors;  // the inhibitor sources that answer, such as "logind", or "none"
    bool operator==(const SessionFacts&) const = default;
};

}  // namespace tarnwick
