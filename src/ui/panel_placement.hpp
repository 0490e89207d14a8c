#pragma once

// Where the program's floating panels go on a screen: the part of it the desktop's bars leave free,
// and each panel's place in that part. Pure functions of what Qt and the window manager report, so
// every desktop layout can be tried in a test.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

#include "platform/x11/panel_hints.hpp"

class QScreen;

namespace tarnwick {

// A screen as Qt reports it, in device-independent pixels. `ratio` is its device pixel ratio:
// what the window manager reports is in device pixels.
struct ScreenFrame {
    QRect geometry;
    QRect available;
    qreal ratio = 1;
};

// What the window manager says the desktop's bars take, in device pixels of the root window.
// Any part may be unknown (off X11, or a window manager that does not say).
struct DesktopBars {
    QRect root;
    std::optional<QRect> workArea;                  // _NET_WORKAREA: one rectangle for all screens
    std::optional<std::vector<x11::Strut>> struts;  // each dock's reserved edge
    // sway's visible workspaces, one an output: each the part its bars leave free, which XWayland
    // does not report.
    std::optional<std::vector<QRect>> workspaces = std::nullopt;
};

// The part of `screen` no bar covers. Under sway, the workspace on that screen. Otherwise a strut
// cuts only the screens its stretch of edge crosses, so a bar on one monitor leaves the others
// whole. The work area is one rectangle over every monitor: it is trusted only for an edge the
// struts do not account for (a bar drawn by the window manager itself), and for every edge when the
// struts are unknown. With nothing known, Qt's available area.
QRect freeArea(const ScreenFrame& screen, const DesktopBars& bars);

// The heads-up card: 432 × 156, centred, touching the top of the free area.
QRect headsUpFrame(QRect free);
// The blink or posture nudge: 240 × 150, centred, 24 pixels below the top of the free area.
QRect reminderFrame(QRect free);

// Which edge of a tray panel stays put while its height changes: the one next to the tray.
enum class PanelAnchor { top, bottom };

// Where the tray's panel (or its menu) of `size` goes inside `free`: centred on the icon, below an
// icon in the top half of the area and above one in the bottom half. When the tray does not say
// where its icon is (`icon` empty), the same against the pointer, which has just clicked it.
struct PanelPlace {
    QPoint at;
    PanelAnchor anchor;
};
PanelPlace placePanel(QSize size, QRect icon, QPoint pointer, QRect free);

// Where a tray click happened when the tray does not say where its icon is. A click on a tray icon
// is on a bar, outside the free area: the pointer there is the place. A pointer inside the free
// area is stale (XWayland's, while the pointer was over the Wayland shell's own bar): then the end
// of the bar where trays keep their icons, the right end of the top bar (or of the bottom one when
// only that is there). With no bar on `screen`, the pointer as it is.
QRect trayClickPlace(QPoint pointer, QRect screen, QRect free);

// What the window manager reports now, read from the X server, and from sway when it runs.
DesktopBars currentDesktopBars();
// The free area of a Qt screen on the desktop as it is now.
QRect freeArea(const QScreen& screen);

}  // namespace tarnwick
