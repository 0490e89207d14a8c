#pragma once

// A break's windows taken back under sway. sway ends a window's full screen when the focus moves to
// another window of its workspace, and only marks a window urgent when it asks for the focus
// itself, so a break would be left in a tile beside the window the user turned to. Over its IPC
// socket the program puts each break window back in full screen and focuses the main one, which
// also brings its workspace back.

#include <QByteArray>
#include <QString>

#include <vector>

namespace tarnwick {

// "[id=A] fullscreen enable; ...; [id=M] focus": X11 window ids, as sway's "id" criterion takes
// them. Empty when there is nothing to focus.
QByteArray swayTakeBackCommand(const std::vector<quint64>& fullscreen, quint64 focus);

// Runs that command, waiting up to `budgetMs` for sway at `socketPath` ($SWAYSOCK when empty);
// whether sway did all of it.
bool swayTakeBack(const std::vector<quint64>& fullscreen, quint64 focus, int budgetMs = 200, QString socketPath = {});

}  // namespace tarnwick
