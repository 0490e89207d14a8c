#pragma once

// Whether the front application fills a screen, decided on a snapshot of the window manager's
// view (EWMH) so the rule can be tested without a display.

#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick {

// The _NET_WM_WINDOW_TYPE values this program tells apart.
enum class WindowType {
    normal, dialog, desktop, dock, toolbar, menu, utility, splash,
    dropdownMenu, popupMenu, tooltip, notification, combo, dnd,
};

// A window's outer size and its origin in root coordinates, in device pixels.
struct WindowGeometry {
    double x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowGeometry&) const = default;
};

struct ClientWindow {
    std::uint32_t id = 0;
    std::optional<std::int32_t> pid;  // _NET_WM_PID, absent when the window does not say
    std::vector<WindowType> types;    // recognised types, most preferred first; empty when unset
    bool hidden = false;              // _NET_WM_STATE_HIDDEN (minimised or on another desktop)
    std::optional<WindowGeometry> geometry;  // absent when it could not be read
    bool operator==(const ClientWindow&) const = default;
};

struct ScreenSize {
    double width = 0, height = 0;  // device pixels
    bool operator==(const ScreenSize&) const = default;
};

struct WindowSnapshot {
    std::optional<ClientWindow> active;  // _NET_ACTIVE_WINDOW, absent when none
    std::int32_t ownPid = 0;             // this program's process id
    std::vector<ClientWindow> clients;   // _NET_CLIENT_LIST in its order
    std::vector<ScreenSize> screens;
    bool operator==(const WindowSnapshot&) const = default;
};

// A window's size matches a screen when both sides differ by strictly less than this.
inline constexpr double fullscreenTolerance = 1.0;

// The type a window manager acts on: the first recognised entry, normal when there is none.
WindowType effectiveType(const ClientWindow& window);

// Whether a window may count as the front application's full-screen window: normal type,
// not hidden, geometry known.
bool countsForFullscreen(const ClientWindow& window);

bool matchesScreenSize(const WindowGeometry& geometry, const std::vector<ScreenSize>& screens);

// True when the owner of the active window (other than this program, and not the desktop) has a
// normal, visible window whose size matches some screen's size. Only sizes are compared: a window
// of one screen's size lying on another counts. Without a pid only the active window is judged.
bool frontAppIsFullscreen(const WindowSnapshot& snapshot);

}  // namespace tarnwick
