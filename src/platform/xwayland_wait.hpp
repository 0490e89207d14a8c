#pragma once

// A Wayland session whose X server is not up yet: GNOME starts XWayland on demand, so a program
// started early at login may find no DISPLAY. The compositor listens on the X socket itself before
// XWayland runs, and a connection there starts it.

#include <QString>

#include <chrono>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace tarnwick {

// An entry of the X socket folder (/tmp/.X11-unix).
struct XSocketEntry {
    QString name;     // "X0", "X1", ...
    uid_t owner = 0;  // the socket's owner
    qint64 modifiedMs = 0;
    bool isSocket = false;
};

// The display this user's compositor serves: a socket named X<n> that the user owns (a system
// X server's, and other users', are root's or theirs). The newest when there are several.
std::optional<QString> xwaylandDisplayFrom(const std::vector<XSocketEntry>& entries, uid_t user);

// The entries of `folder`, as the rule above reads them.
std::vector<XSocketEntry> readXSocketFolder(const QString& folder = QStringLiteral("/tmp/.X11-unix"));

// Whether a Wayland compositor's socket is where WAYLAND_DISPLAY names it (a name is taken in
// `runtimeFolder`, a path as it is): only then is XWayland worth waiting for.
bool waylandSocketExists(const QString& waylandDisplay, const QString& runtimeFolder);

// The cookie file Mutter gives XWayland ($XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*), the newest this
// user owns in `runtimeFolder`; absent when there is none.
std::optional<QString> xwaylandAuthorityIn(const QString& runtimeFolder, uid_t user);

// Waits up to `limit` for this user's X display to answer, and returns it (":1"); absent when none
// did in time. Without XAUTHORITY, the compositor's cookie file found in `runtimeFolder` is set as
// XAUTHORITY first. `answers` asks a display (injected for tests).
std::optional<QString> waitForXWayland(std::chrono::milliseconds limit, bool (*answers)(const QString&),
                                       const QString& folder = QStringLiteral("/tmp/.X11-unix"),
                                       const QString& runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR"));

}  // namespace tarnwick
