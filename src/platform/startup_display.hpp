#pragma once

// How the program reaches a display, decided from the environment before the application object
// exists: Qt would otherwise pick a platform the program cannot work on, or abort without one.

#include <QString>

namespace tarnwick {

// The environment values the decision rests on.
struct StartEnvironment {
    QString sessionType;     // XDG_SESSION_TYPE
    QString waylandDisplay;  // WAYLAND_DISPLAY
    QString display;         // DISPLAY
    QString platform;        // QT_QPA_PLATFORM
    bool platformArgument = false;  // Qt's -platform option on the command line

    // The values of this process and its command line.
    static StartEnvironment fromProcess(int argc, char** argv);
};

enum class DisplayPlan {
    asIs,           // an X11 session, or the user chose a platform: Qt decides as usual
    forceXcb,       // a Wayland session with XWayland: run through XWayland
    needsXWayland,  // a Wayland session without XWayland: cannot run
    noDisplay,      // no display at all (a console, a remote shell): cannot run
};

struct DisplayDecision {
    DisplayPlan plan = DisplayPlan::asIs;
    // Whether Qt will talk to an X server, so one must answer on DISPLAY.
    bool usesX = false;
    // The one console line for a plan that cannot run; empty otherwise.
    QString message;
    bool operator==(const DisplayDecision&) const = default;
};

DisplayDecision decideDisplay(const StartEnvironment& environment);

// The console line when no X server answers on `display` (DISPLAY's value, maybe empty).
QString unreachableDisplayMessage(const QString& display);

}  // namespace tarnwick
