#include "platform/sway/sway_focus.hpp"

#include <utility>

#include "platform/sway/sway_layout.hpp"

namespace tarnwick {

QByteArray swayTakeBackCommand(const std::vector<quint64>& fullscreen, quint64 focus) {
    if (focus == 0) return {};
    QByteArray command;
    for (const quint64 window : fullscreen) {
        if (window != 0) command += "[id=" + QByteArray::number(window) + "] fullscreen enable; ";
    }
    return command + "[id=" + QByteArray::number(focus) + "] focus";
}

bool swayTakeBack(const std::vector<quint64>& fullscreen, quint64 focus, int budgetMs, QString socketPath) {
    const QByteArray command = swayTakeBackCommand(fullscreen, focus);
    if (command.isEmpty()) return false;
    const auto reply = swayRequest(swayRunCommand, command, budgetMs, std::move(socketPath));
    return reply && swayCommandsSucceeded(*reply);
}

}  // namespace tarnwick
