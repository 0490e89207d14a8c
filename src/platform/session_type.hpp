#pragma once

// Which kind of graphical session the program was started in.

#include <QString>

namespace tarnwick {

// A Wayland session: XDG_SESSION_TYPE says "wayland", or a Wayland display is named. The program
// itself may still run through XWayland in one.
bool isWaylandSession(const QString& sessionType, const QString& waylandDisplay);
// The same, from XDG_SESSION_TYPE and WAYLAND_DISPLAY of this process.
bool isWaylandSession();

}  // namespace tarnwick
