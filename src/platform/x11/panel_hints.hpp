#pragma once

// Window-manager hints for the program's floating panels on X11. Off X11 they do nothing.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace tarnwick::x11 {

// Asks the window manager to add the named _NET_WM_STATE atoms ("_NET_WM_STATE_ABOVE", …) to a
// mapped window, as EWMH says: one client message to the root per pair of states.
void addWindowStates(std::uintptr_t window, std::initializer_list<const char*> states);

// Shows the window on every workspace (_NET_WM_DESKTOP 0xFFFFFFFF); set before it is mapped.
void showOnAllDesktops(std::uintptr_t window);

// Asks a compositing manager to blur what lies behind the whole window.
void blurBehind(std::uintptr_t window);

// Whether the window manager leaves a floating window where the program puts it. The one of
// wlroots compositors ("wlroots wm", sway's) centres each on its output when it maps, and again
// whenever it changes size; a window that bypasses it keeps its place. True off X11.
bool windowManagerKeepsPlaces();

// The window manager's work area on the current workspace (_NET_WORKAREA): the desktop less the
// panels and docks that reserve an edge. Toolkits ignore it once there is more than one monitor.
struct WorkArea {
    int x, y, width, height;
};
std::optional<WorkArea> workArea();

// An edge a dock or panel reserves (_NET_WM_STRUT_PARTIAL): how far it reaches in from each edge of
// the root window, and along which stretch of that edge, in pixels of the root window. A window
// with only the older _NET_WM_STRUT reserves the whole length of each edge.
struct Strut {
    int left = 0, right = 0, top = 0, bottom = 0;
    int leftStartY = 0, leftEndY = 0, rightStartY = 0, rightEndY = 0;
    int topStartX = 0, topEndX = 0, bottomStartX = 0, bottomEndX = 0;
    bool operator==(const Strut&) const = default;
};

// The size of the root window, which the struts count from.
struct RootSize {
    int width, height;
};
std::optional<RootSize> rootSize();

// The struts of the windows the window manager lists (_NET_CLIENT_LIST); nullopt when there is no X
// connection or the window manager keeps no such list, so the struts cannot be known.
std::optional<std::vector<Strut>> struts();

}  // namespace tarnwick::x11
