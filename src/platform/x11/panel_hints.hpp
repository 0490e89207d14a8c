#pragma once

// Window-manager hints for the program's floating panels on X11. Off X11 they do nothing.

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace tarnwick::x11 {

// Asks the window manager to add the named _NET_WM_STATE atoms ("_NET_WM_STATE_ABOVE", …) to a
// mapped window, as EWMH says: one client message to the root per pair of states.
void addWindowStates(std::uintptr_t window, std::initializer_list<const char*> states);

// Shows the window on every workspace (_NET_WM_DESKTOP 0xFFFFFFFF); set before it is mapped.
void showOnAllDesktops(std::uintptr_t window);

// Asks a compositing manager to blur what lies behind the whole window.
void blurBehind(std::uintptr_t window);

// The window manager's work area on the current workspace (_NET_WORKAREA): the desktop less the
// panels and docks that reserve an edge. Toolkits ignore it once there is more than one monitor.
struct WorkArea {
    int x, y, width, height;
};
std::optional<WorkArea> workArea();

}  // namespace tarnwick::x11
