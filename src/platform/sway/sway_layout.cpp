#include "platform/sway/sway_layout.hpp"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <algorithm>
#include <utility>

#include "platform/sway/sway_fullscreen.hpp"

namespace tarnwick {

std::optional<QByteArray> swayRequest(quint32 type, const QByteArray& payload, int budgetMs, QString socketPath) {
    if (socketPath.isEmpty()) socketPath = qEnvironmentVariable("SWAYSOCK");
    if (socketPath.isEmpty()) return std::nullopt;
    const QDeadlineTimer deadline(budgetMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return std::nullopt;
    socket.write(swayIpcMessage(type, payload));
    QByteArray buffer;
    while (socket.waitForReadyRead(int(deadline.remainingTime()))) {
        buffer.append(socket.readAll());
        bool bad = false;
        while (auto reply = takeSwayIpcReply(buffer, &bad)) {
            if (reply->type == type) return reply->payload;
        }
        if (bad) return std::nullopt;
    }
    return std::nullopt;
}

bool swayCommandsSucceeded(const QByteArray& reply) {
    const QJsonArray results = QJsonDocument::fromJson(reply).array();
    return !results.isEmpty() && std::all_of(results.begin(), results.end(), [](const QJsonValue& result) {
        return result.toObject().value(QLatin1String("success")).toBool();
    });
}

std::optional<std::vector<QRect>> swayVisibleWorkspaceAreas(const QByteArray& workspacesJson) {
    const QJsonDocument document = QJsonDocument::fromJson(workspacesJson);
    if (!document.isArray()) return std::nullopt;
    std::vector<QRect> areas;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject workspace = value.toObject();
        if (!workspace.value(QLatin1String("visible")).toBool()) continue;
        const QJsonObject rect = workspace.value(QLatin1String("rect")).toObject();
        const QRect area(rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
                         rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt());
        if (!area.isEmpty()) areas.push_back(area);
    }
    return areas;
}

std::optional<std::vector<QRect>> swayWorkspaceAreas(int budgetMs, QString socketPath) {
    const auto reply = swayRequest(swayGetWorkspaces, {}, budgetMs, std::move(socketPath));
    return reply ? swayVisibleWorkspaceAreas(*reply) : std::nullopt;
}

QByteArray swayPlaceCommand(quint64 window, QRect frame) {
    // "id" matches an XWayland window by its X11 id.
    return QStringLiteral("[id=%1] resize set width %2 px height %3 px; [id=%1] move absolute position %4 %5")
        .arg(window).arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y())
        .toUtf8();
}

bool swayPlaceWindow(quint64 window, QRect frame, int budgetMs, QString socketPath) {
    const auto reply = swayRequest(swayRunCommand, swayPlaceCommand(window, frame), budgetMs, std::move(socketPath));
    return reply && swayCommandsSucceeded(*reply);
}

}  // namespace tarnwick
