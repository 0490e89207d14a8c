#include "platform/session_type.hpp"

namespace tarnwick {

bool isWaylandSession(const QString& sessionType, const QString& waylandDisplay) {
    return sessionType.trimmed().compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
           !waylandDisplay.trimmed().isEmpty();
}

bool isWaylandSession() {
    return isWaylandSession(qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"));
}

}  // namespace tarnwick
