// Where the floating panels go on the desktop layouts a user meets: one monitor or two, a bar
// along the top or the bottom, on the first monitor or only on the second.

#include <gtest/gtest.h>

#include "platform/sway/sway_layout.hpp"
#include "ui/panel_placement.hpp"

namespace tarnwick {
namespace {

using x11::Strut;

// A bar `height` pixels deep along the top (bottom, left) of the root window, over the stretch
// of that edge from `from` to `to`.
Strut topBar(int height, int from, int to) { return {.top = height, .topStartX = from, .topEndX = to}; }
Strut bottomBar(int height, int from, int to) { return {.bottom = height, .bottomStartX = from, .bottomEndX = to}; }
Strut leftBar(int reach, int from, int to) { return {.left = reach, .leftStartY = from, .leftEndY = to}; }

// The virtual desktop's two monitors side by side; Qt reports each one whole.
const QRect leftMonitor(0, 0, 1280, 1024), rightMonitor(1280, 0, 1280, 1024), bothMonitors(0, 0, 2560, 1024);
const ScreenFrame left{leftMonitor, leftMonitor}, right{rightMonitor, rightMonitor};

TEST(PanelPlacement, EveryPanelKeepsClearOfTheBarsOnItsOwnScreen) {
    const struct {
        const char* name;
        ScreenFrame screen;
        DesktopBars bars;
        QRect free, headsUp, reminder;
    } cases[] = {
        {"one monitor, a 27-pixel top bar",
         {{0, 0, 1920, 1080}, {0, 27, 1920, 1053}},
         {{0, 0, 1920, 1080}, QRect(0, 27, 1920, 1053), std::vector{topBar(27, 0, 1919)}},
         {0, 27, 1920, 1053}, {744, 27, 432, 156}, {840, 51, 240, 150}},
        {"two monitors, a top bar on the first: the first",
         left, {bothMonitors, QRect(0, 27, 2560, 997), std::vector{topBar(27, 0, 1279)}},
         {0, 27, 1280, 997}, {424, 27, 432, 156}, {520, 51, 240, 150}},
        {"two monitors, a top bar on the first: the second is whole",
         right, {bothMonitors, QRect(0, 27, 2560, 997), std::vector{topBar(27, 0, 1279)}},
         rightMonitor, {1704, 0, 432, 156}, {1800, 24, 240, 150}},
        {"two monitors, a bottom bar on the first",
         left, {bothMonitors, QRect(0, 0, 2560, 994), std::vector{bottomBar(30, 0, 1279)}},
         {0, 0, 1280, 994}, {424, 0, 432, 156}, {520, 24, 240, 150}},
        {"a bar on the second monitor only: the first is whole, though the work area is not",
         left, {bothMonitors, QRect(0, 27, 2560, 997), std::vector{topBar(27, 1280, 2559)}},
         leftMonitor, {424, 0, 432, 156}, {520, 24, 240, 150}},
        {"a bar on the second monitor only: the second",
         right, {bothMonitors, QRect(0, 27, 2560, 997), std::vector{topBar(27, 1280, 2559)}},
         {1280, 27, 1280, 997}, {1704, 27, 432, 156}, {1800, 51, 240, 150}},
        {"a bar along the left of the second monitor leaves the first whole",
         left, {bothMonitors, QRect(1328, 0, 1232, 1024), std::vector{leftBar(1328, 0, 1023)}},
         leftMonitor, {424, 0, 432, 156}, {520, 24, 240, 150}},
        {"the struts unknown: every edge of the work area counts",
         left, {bothMonitors, QRect(0, 27, 2560, 997), std::nullopt},
         {0, 27, 1280, 997}, {424, 27, 432, 156}, {520, 51, 240, 150}},
        {"a bar the window manager draws itself, with no strut: the work area's edge counts",
         left, {bothMonitors, QRect(0, 32, 2560, 992), std::vector<Strut>{}},
         {0, 32, 1280, 992}, {424, 32, 432, 156}, {520, 56, 240, 150}},
        {"nothing known (not X11): Qt's available area",
         {leftMonitor, {0, 40, 1280, 984}}, {},
         {0, 40, 1280, 984}, {424, 40, 432, 156}, {520, 64, 240, 150}},
        {"sway, swaybar along the top: the workspace, which XWayland does not report",
         {{0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
         {{0, 0, 1920, 1080}, std::nullopt, std::vector<Strut>{}, std::vector{QRect(0, 24, 1920, 1056)}},
         {0, 24, 1920, 1056}, {744, 24, 432, 156}, {840, 48, 240, 150}},
        {"sway, two outputs with a bar each: the second one's workspace",
         right, {bothMonitors, std::nullopt, std::vector<Strut>{}, std::vector{QRect(0, 24, 1280, 1000), QRect(1280, 24, 1280, 1000)}},
         {1280, 24, 1280, 1000}, {1704, 24, 432, 156}, {1800, 48, 240, 150}},
        {"sway, a bar on the first output only: the second is whole",
         right, {bothMonitors, std::nullopt, std::vector<Strut>{}, std::vector{QRect(0, 24, 1280, 1000), rightMonitor}},
         rightMonitor, {1704, 0, 432, 156}, {1800, 24, 240, 150}},
        {"sway, no workspace on this output yet: its whole screen",
         left, {bothMonitors, std::nullopt, std::vector<Strut>{}, std::vector{QRect(1280, 24, 1280, 1000)}},
         leftMonitor, {424, 0, 432, 156}, {520, 24, 240, 150}},
        {"twice the pixels: the bar's device pixels halve",
         {{0, 0, 960, 540}, {0, 0, 960, 540}, 2.0},
         {{0, 0, 1920, 1080}, QRect(0, 54, 1920, 1026), std::vector{topBar(54, 0, 1919)}},
         {0, 27, 960, 513}, {264, 27, 432, 156}, {360, 51, 240, 150}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect free = freeArea(c.screen, c.bars);
        EXPECT_EQ(free, c.free);
        EXPECT_EQ(headsUpFrame(free), c.headsUp);
        EXPECT_EQ(reminderFrame(free), c.reminder);
    }
}

TEST(PanelPlacement, TheTrayPanelSitsAgainstTheIconOrThePointerInsideTheFreeArea) {
    const QSize panel(304, 400);
    const struct {
        const char* name;
        QRect area, icon;
        QPoint pointer, at;
        PanelAnchor anchor;
    } cases[] = {
        {"icon in a top bar: below it, centred", {0, 27, 1280, 997}, {600, 2, 22, 22}, {}, {458, 27}, PanelAnchor::top},
        {"icon at the right end: kept inside", {0, 27, 1280, 997}, {1250, 2, 22, 22}, {}, {976, 27}, PanelAnchor::top},
        {"icon in a bottom bar: above it", {0, 0, 1280, 994}, {600, 998, 22, 22}, {}, {458, 594}, PanelAnchor::bottom},
        {"no icon geometry: below the pointer, clear of the bar", {0, 27, 1280, 997}, {}, {12, 13}, {0, 27},
         PanelAnchor::top},
        {"no icon geometry, pointer low: above it", {0, 27, 1280, 997}, {}, {700, 1010}, {548, 606}, PanelAnchor::bottom},
        {"on the second monitor: inside it", {1280, 0, 1280, 1024}, {2540, 2, 22, 22}, {}, {2256, 27}, PanelAnchor::top},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PanelPlace place = placePanel(panel, c.icon, c.pointer, c.area);
        EXPECT_EQ(place.at, c.at);
        EXPECT_EQ(place.anchor, c.anchor);
    }
}

// Without the icon's place, the click is where the pointer is when it lies on a bar; a pointer
// inside the free area is stale (XWayland's under GNOME Shell or KWin), and the panel goes to the end
// of the bar where trays keep their icons.
TEST(PanelPlacement, ATrayClickWithoutTheIconsPlaceIsOnABar) {
    const QSize panel(304, 400);
    const QRect screen(0, 0, 1920, 1080);
    const struct {
        const char* name;
        QRect free;
        QPoint pointer;
        QRect click;
        QPoint at;
    } cases[] = {
        {"GNOME's top bar, a stale pointer mid-screen", {0, 32, 1920, 1048}, {960, 540}, {1919, 0, 1, 32}, {1616, 35}},
        {"Plasma's bottom panel, a stale pointer", {0, 0, 1920, 1036}, {900, 500}, {1919, 1036, 1, 44}, {1616, 632}},
        {"a pointer on the top bar is the click", {0, 32, 1920, 1048}, {1700, 10}, {1700, 10, 1, 1}, {1548, 32}},
        {"swaybar along the top, XWayland's stale pointer", {0, 24, 1920, 1056}, {960, 540}, {1919, 0, 1, 24}, {1616, 27}},
        {"no bar at all: the pointer as it is", {0, 0, 1920, 1080}, {900, 500}, {900, 500, 1, 1}, {748, 504}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect click = trayClickPlace(c.pointer, screen, c.free);
        EXPECT_EQ(click, c.click);
        EXPECT_EQ(placePanel(panel, click, click.topLeft(), c.free).at, c.at);
    }
}

// sway's answer to GET_WORKSPACES, as it reads with two outputs and a workspace hidden on the
// first: the visible ones are the free areas.
TEST(PanelPlacement, SwaysWorkspacesGiveEachOutputsFreeArea) {
    const QByteArray reply = R"([
        {"id": 4, "type": "workspace", "name": "1", "output": "HEADLESS-1", "visible": false, "focused": false,
         "rect": {"x": 0, "y": 24, "width": 1280, "height": 1000}},
        {"id": 7, "type": "workspace", "name": "2", "output": "HEADLESS-1", "visible": true, "focused": true,
         "rect": {"x": 0, "y": 24, "width": 1280, "height": 1000}},
        {"id": 9, "type": "workspace", "name": "3", "output": "HEADLESS-2", "visible": true, "focused": false,
         "rect": {"x": 1280, "y": 0, "width": 1280, "height": 990}}
    ])";
    const auto workspaces = swayVisibleWorkspaceAreas(reply);
    ASSERT_TRUE(workspaces);
    EXPECT_EQ(*workspaces, (std::vector{QRect(0, 24, 1280, 1000), QRect(1280, 0, 1280, 990)}));
    const DesktopBars bars{bothMonitors, std::nullopt, std::vector<Strut>{}, workspaces};
    EXPECT_EQ(freeArea(left, bars), QRect(0, 24, 1280, 1000));
    EXPECT_EQ(freeArea(right, bars), QRect(1280, 0, 1280, 990));

    // What is not a list of workspaces tells nothing; an empty list, that no output shows one.
    for (const char* other : {"", "{\"success\": false}", "[{\"visible\": tr"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(swayVisibleWorkspaceAreas(other));
    }
    EXPECT_EQ(swayVisibleWorkspaceAreas("[]"), std::vector<QRect>{});
}

}  // namespace
}  // namespace tarnwick
