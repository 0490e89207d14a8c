#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/x11/fullscreen.hpp"

namespace tarnwick {
namespace {

constexpr std::int32_t ownPid = 100, frontPid = 200, otherPid = 300;

ClientWindow window(std::uint32_t id, std::optional<std::int32_t> pid, double x, double y, double w, double h,
                    std::vector<WindowType> types = {}, bool hidden = false) {
    return ClientWindow{id, pid, std::move(types), hidden, WindowGeometry{x, y, w, h}};
}

// Two screens side by side, 1920x1080 and 1280x1024. The front application (pid 200) has a small
// active window; another application has a full-screen window, which must not count.
WindowSnapshot desktop() {
    WindowSnapshot s;
    s.ownPid = ownPid;
    s.screens = {{1920, 1080}, {1280, 1024}};
    s.active = window(1, frontPid, 100, 100, 800, 600);
    s.clients = {*s.active, window(2, otherPid, 0, 0, 1920, 1080)};
    return s;
}

TEST(FrontAppIsFullscreen, JudgesTheFrontApplicationsOtherWindowsBySizeAndKind) {
    struct Case {
        std::string name;
        double x, width, height;
        std::vector<WindowType> types;
        bool hidden, expected;
    } cases[] = {
        {"screen-sized", 0, 1920, 1080, {}, false, true},
        {"maximised below a panel and title bar", 0, 1920, 1035, {}, false, false},
        {"hidden", 0, 1920, 1080, {}, true, false},
        {"dock", 0, 1920, 1080, {WindowType::dock}, false, false},
        {"desktop", 0, 1920, 1080, {WindowType::desktop}, false, false},
        {"splash", 0, 1920, 1080, {WindowType::splash}, false, false},
        {"notification", 0, 1920, 1080, {WindowType::notification}, false, false},
        {"normal listed after dock", 0, 1920, 1080, {WindowType::dock, WindowType::normal}, false, false},
        {"full screen on the second screen", 1920, 1280, 1024, {}, false, true},
        {"second screen's size lying on the first", 0, 1280, 1024, {}, false, true},
        {"half a pixel short", 0, 1919.5, 1080, {}, false, true},
        {"a whole pixel short", 0, 1919, 1080, {}, false, false},
        {"a whole pixel too tall", 0, 1920, 1081, {}, false, false},
        {"one screen's width with the other's height", 0, 1920, 1024, {}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowSnapshot s = desktop();
        s.clients.push_back(window(3, frontPid, c.x, 0, c.width, c.height, c.types, c.hidden));
        EXPECT_EQ(frontAppIsFullscreen(s), c.expected);
    }
}

TEST(FrontAppIsFullscreen, FindsTheFrontApplicationFromTheActiveWindow) {
    const auto screenSized = [](ClientWindow& w) { w.geometry = WindowGeometry{0, 0, 1920, 1080}; };
    struct Case {
        std::string name;
        std::function<void(WindowSnapshot&)> edit;
        bool expected;
    } cases[] = {
        {"only another application is full screen", [](WindowSnapshot&) {}, false},
        {"active window screen-sized", [&](WindowSnapshot& s) { screenSized(*s.active); }, true},
        {"no active window",
         [&](WindowSnapshot& s) { screenSized(*s.active); s.active.reset(); }, false},
        {"no screens", [&](WindowSnapshot& s) { screenSized(*s.active); s.screens.clear(); }, false},
        {"our own process in front",
         [&](WindowSnapshot& s) { screenSized(*s.active); s.active->pid = ownPid; }, false},
        {"the desktop is active, its process has a screen-sized window",
         [](WindowSnapshot& s) {
             s.active->types = {WindowType::desktop};
             s.clients.push_back(window(3, frontPid, 0, 0, 1920, 1080));
         },
         false},
        {"active window without pid, screen-sized",
         [&](WindowSnapshot& s) { screenSized(*s.active); s.active->pid.reset(); }, true},
        {"active window without pid: other pid-less windows are not judged",
         [](WindowSnapshot& s) {
             s.active->pid.reset();
             s.clients.push_back(window(4, std::nullopt, 0, 0, 1920, 1080));
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowSnapshot s = desktop();
        c.edit(s);
        if (s.active) s.clients.front() = *s.active;  // the listed entry is the same window
        EXPECT_EQ(frontAppIsFullscreen(s), c.expected);
    }
    // A window manager may leave the active window out of its client list: it is judged itself.
    WindowSnapshot s = desktop();
    s.clients.erase(s.clients.begin());
    s.active->geometry = WindowGeometry{0, 0, 1280, 1024};
    EXPECT_TRUE(frontAppIsFullscreen(s));
}

}  // namespace
}  // namespace tarnwick
