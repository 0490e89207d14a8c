// The session's display-free rules: the platform the program starts on, KWin's report of the
// window in front, and the portal's answer to a bind.

#include <gtest/gtest.h>

#include "platform/dbus/kwin_fullscreen.hpp"
#include "platform/dbus/portal_hot_key.hpp"
#include "platform/startup_display.hpp"

using namespace tarnwick;

TEST(StartupDisplay, WaylandRunsThroughXWaylandAndNoDisplayIsSaidInOneLine) {
    const QString xwayland = "Tarnwick: needs XWayland to run on Wayland, and this session has none (DISPLAY is not set).";
    const QString none = "Tarnwick: needs a graphical desktop, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set).";
    using P = DisplayPlan;
    struct Case { const char* name; StartEnvironment environment; DisplayDecision expected; } cases[] = {
        {"X11 session", {"x11", "", ":0", ""}, {P::asIs, true, {}}},
        {"Wayland with XWayland", {"wayland", "wayland-0", ":0", ""}, {P::forceXcb, true, {}}},
        {"a Wayland display alone", {"x11", "wayland-0", ":0", ""}, {P::forceXcb, true, {}}},
        {"the session type alone", {" Wayland ", "", ":0", ""}, {P::forceXcb, true, {}}},
        {"Wayland without XWayland", {"wayland", "wayland-0", "", ""}, {P::needsXWayland, false, xwayland}},
        {"a console", {"tty", "", " ", ""}, {P::noDisplay, false, none}},
        {"not quite Wayland", {"waylandish", " ", "", ""}, {P::noDisplay, false, none}},
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

TEST(KWinReport, AnOrdinaryWindowOfAnotherProgramThatFillsAScreenIsFullScreen) {
    const QString screens = R"("screens":[[1920,1080],[1280,1024],["x",3]])";
    const auto report = [&](const char* window) {
        return QString(R"({"question":1,"found":true,%1,%2})").arg(window, screens);
    };
    struct Case { const char* name; QString json; bool expected; } cases[] = {
        {"full-screen state", report(R"("fullScreen":true,"normal":true,"pid":7,"width":800,"height":600)"), true},
        {"borderless, second screen's size", report(R"("normal":true,"pid":7,"width":1280,"height":1024)"), true},
        {"half a pixel short", report(R"("normal":true,"pid":7,"width":1919.5,"height":1080)"), true},
        {"a pixel short", report(R"("normal":true,"pid":7,"width":1919,"height":1080)"), false},
        {"this program's own panel", report(R"("fullScreen":true,"normal":true,"pid":100,"width":1920,"height":1080)"), false},
        {"the desktop", report(R"("normal":true,"desktop":true,"pid":7,"width":1920,"height":1080)"), false},
        {"the screen locker", report(R"("normal":true,"lockScreen":true,"pid":7,"width":1920,"height":1080)"), false},
        {"a panel or on-screen display", report(R"("fullScreen":true,"pid":7,"width":1920,"height":1080)"), false},
        {"no active window", R"({"question":1,"found":false})", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parsed = parseKWinReport(c.json);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(kwinWindowIsFullscreen(*parsed, 100), c.expected);
    }
    for (const char* text : {R"({"found":true})", R"({"question":"1","found":true})", "", "[1]"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseKWinReport(text).has_value());
    }
}

TEST(PortalAnswer, OnlyAShortcutListedWithAKeyIsBoundAndNoneIsAskedForTwice) {
    const QString id = PortalHotKey::shortcutId();
    const QVariantMap key{{"trigger_description", "Ctrl+Alt+B"}}, blank{{"trigger_description", ""}}, unsaid;
    struct Case { const char* name; QList<PortalShortcut> shortcuts; bool expected; } cases[] = {
        {"bound to a key", {{id, key}}, true},       {"the key not described", {{id, unsaid}}, true},
        {"left without a key", {{id, blank}}, false}, {"another shortcut", {{"other", key}}, false},
        {"among others", {{"other", blank}, {id, key}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(portalBindsShortcut(c.shortcuts, id), c.expected);
    }
    // Listed without a key, the shortcut is not asked for again; where a bind opens a settings
    // page, it is never asked for.
    using Next = PortalNextStep;
    struct Step { const char* name; QList<PortalShortcut> listed; bool mayAsk; Next expected; } steps[] = {
        {"bound, may ask", {{id, key}}, true, Next::useBinding},
        {"bound, never asks", {{id, key}}, false, Next::useBinding},
        {"not filed, may ask", {{"other", key}}, true, Next::askToBind},
        {"not filed, never asks", {}, false, Next::goWithout},
        {"filed without a key, may ask", {{id, blank}}, true, Next::goWithout},
        {"filed without a key, never asks", {{id, blank}}, false, Next::goWithout},
    };
    for (const auto& c : steps) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(portalNextStep(c.listed, id, c.mayAsk), c.expected);
    }
    EXPECT_FALSE(portalMayAskToBind("KDE"));
    EXPECT_FALSE(portalMayAskToBind("foo:kde"));
    EXPECT_TRUE(portalMayAskToBind("ubuntu:GNOME"));
    EXPECT_TRUE(portalMayAskToBind(""));
    EXPECT_EQ(portalRequestPath(":1.42", "t1"), "/org/freedesktop/portal/desktop/request/1_42/t1");
}
