// The session's display-free rules: the platform the program starts on.

#include <gtest/gtest.h>

#include "platform/session_type.hpp"
#include "platform/startup_display.hpp"

using namespace tarnwick;

TEST(SessionType, EitherTheSessionTypeOrAWaylandDisplayMakesAWaylandSession) {
    struct Case { const char *type, *display; bool expected; } cases[] = {
        {"wayland", "", true}, {" Wayland ", "", true}, {"x11", "wayland-1", true},
        {"x11", "", false},    {"tty", " ", false},     {"waylandish", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + "/" + c.display);
        EXPECT_EQ(isWaylandSession(c.type, c.display), c.expected);
    }
}

TEST(StartupDisplay, WaylandRunsThroughXWaylandAndNoDisplayIsSaidInOneLine) {
    const QString xwayland = "Tarnwick: needs XWayland to run on Wayland, and this session has none (DISPLAY is not set).";
    const QString none = "Tarnwick: needs a graphical desktop, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set).";
    using P = DisplayPlan;
    struct Case { const char* name; StartEnvironment environment; DisplayDecision expected; } cases[] = {
        {"X11 session", {"x11", "", ":0", ""}, {P::asIs, true, {}}},
        {"Wayland with XWayland", {"wayland", "wayland-0", ":0", ""}, {P::forceXcb, true, {}}},
        {"a Wayland display alone", {"", "wayland-0", ":0", ""}, {P::forceXcb, true, {}}},
        {"Wayland without XWayland", {"wayland", "wayland-0", "", ""}, {P::needsXWayland, false, xwayland}},
        {"a console", {"tty", "", " ", ""}, {P::noDisplay, false, none}},
        {"the user chose Wayland", {"wayland", "wayland-0", ":0", "wayland"}, {P::asIs, false, {}}},
        {"the user chose xcb without X", {"wayland", "wayland-0", "", "xcb"}, {P::asIs, true, {}}},
        {"offscreen without a display", {"", "", "", "offscreen"}, {P::asIs, false, {}}},
        {"an empty choice is none", {"wayland", "wayland-0", ":0", " "}, {P::forceXcb, true, {}}},
        {"-platform on the command line", {"", "", "", "", true}, {P::asIs, false, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decideDisplay(c.environment), c.expected) << decideDisplay(c.environment).message.toStdString();
    }
    char program[] = "tarnwick", option[] = "-platform", value[] = "offscreen";
    char* argv[] = {program, option, value};
    EXPECT_TRUE(StartEnvironment::fromProcess(3, argv).platformArgument);
    EXPECT_FALSE(StartEnvironment::fromProcess(1, argv).platformArgument);
}
