#pragma once

// Whether the desktop session is a Wayland one, from the variables the session sets.

#include <QString>

namespace tarnwick {

// XDG_SESSION_TYPE is "wayland", or WAYLAND_DISPLAY is set (some session starters leave the type
// unset or write "tty").
bool isWaylandSession(const QString& sessionType, const QString& waylandDisplay);

// The same, read from this process's environment.
bool isWaylandSession();

}  // namespace tarnwick
