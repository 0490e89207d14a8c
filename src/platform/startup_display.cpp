#include "platform/startup_display.hpp"

#include <cstring>

#include "platform/session_type.hpp"

namespace tarnwick {

StartEnvironment StartEnvironment::fromProcess(int argc, char** argv) {
    StartEnvironment environment{qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                                 qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            environment.platformArgument = true;
    }
    return environment;
}

DisplayDecision decideDisplay(const StartEnvironment& environment) {
    const bool hasX = !environment.display.trimmed().isEmpty();
    const QString platform = environment.platform.trimmed();
    // A platform the user chose is theirs to choose; only plain xcb needs an X server.
    if (environment.platformArgument) return {DisplayPlan::asIs, false, {}};
    if (!platform.isEmpty()) {
        const bool xcb = platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("xcb:"));
        return {DisplayPlan::asIs, xcb, {}};
    }
    if (isWaylandSession(environment.sessionType, environment.waylandDisplay)) {
        if (hasX) return {DisplayPlan::forceXcb, true, {}};
        return {DisplayPlan::needsXWayland, false,
                QStringLiteral("Tarnwick: needs XWayland to run on Wayland, and this session has none "
                               "(DISPLAY is not set).")};
    }
    if (hasX) return {DisplayPlan::asIs, true, {}};
    return {DisplayPlan::noDisplay, false,
            QStringLiteral("Tarnwick: needs a graphical desktop, and there is no display here "
                           "(neither DISPLAY nor WAYLAND_DISPLAY is set).")};
}

QString unreachableDisplayMessage(const QString& display) {
    if (display.trimmed().isEmpty()) return QStringLiteral("Tarnwick: cannot open an X display: DISPLAY is not set.");
    return QStringLiteral("Tarnwick: cannot open the X display %1; is the desktop still running?").arg(display);
}

}  // namespace tarnwick
