#pragma once

// sway's layout as the program's X11 windows need it, over its IPC socket ($SWAYSOCK). swaybar
// and other layer-shell panels are Wayland surfaces: XWayland reports neither a work area nor
// struts for them, but sway sizes each visible workspace to the part of its output they leave.
// And sway puts every floating XWayland window in the middle of its output when it maps and when
// it changes size: only sway itself can put it back where it belongs.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace tarnwick {

// The IPC's message types these requests send.
inline constexpr quint32 swayRunCommand = 0;
inline constexpr quint32 swayGetWorkspaces = 1;

// One request to sway at `socketPath` ($SWAYSOCK when empty) and its reply's payload; absent
// without an answer within `budgetMs`.
std::optional<QByteArray> swayRequest(quint32 type, const QByteArray& payload, int budgetMs, QString socketPath = {});
// From RUN_COMMAND's JSON: whether there were commands and each of them succeeded.
bool swayCommandsSucceeded(const QByteArray& reply);

// From GET_WORKSPACES' JSON: the rectangles of the visible workspaces, one an output, in sway's
// layout pixels (XWayland's root pixels). Absent when the text is not such a list.
std::optional<std::vector<QRect>> swayVisibleWorkspaceAreas(const QByteArray& workspacesJson);

// Each request waits up to `budgetMs` for sway at `socketPath` ($SWAYSOCK when empty) to answer.
// The visible workspaces' areas; absent without a sway that answers in time.
std::optional<std::vector<QRect>> swayWorkspaceAreas(int budgetMs = 200, QString socketPath = {});
// Gives the floating X11 window `window` the frame `frame`, in layout pixels: its size, then its
// top left corner; whether sway did. (sway can leave a mapped window's size as it was when the
// window asks for a new one.)
bool swayPlaceWindow(quint64 window, QRect frame, int budgetMs = 200, QString socketPath = {});

// The command for that, "[id=N] resize set width W px height H px; [id=N] move absolute position X Y".
QByteArray swayPlaceCommand(quint64 window, QRect frame);

}  // namespace tarnwick
