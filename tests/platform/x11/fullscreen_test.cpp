#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/x11/fullscreen.hpp"

namespace tarnwick {
namespace {

constexpr std::int32_t ownPid = 100, frontPid = 200, otherPid = 300;

ClientWindow window(std::uint32_t id, std::optional<std::int32_t> pid, double x, double y, double w, double h) {
    ClientWindow c;
    c.id = id;
    c.pid = pid;
    c.geometry = WindowGeometry{x, y, w, h};
    return c;
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

// Gives the front application a second window of the given geometry and type.
std::function<void(WindowSnapshot&)> frontWindow(double x, double y, double w, double h,
                                                 std::vector<WindowType> types = {}, bool hidden = false) {
    return [=](WindowSnapshot& s) {
        ClientWindow c = window(3, frontPid, x, y, w, h);
        c.types = types;
        c.hidden = hidden;
        s.clients.push_back(c);
    };
}

// Makes the active window itself the given size.
std::function<void(WindowSnapshot&)> activeSized(double w, double h) {
    return [=](WindowSnapshot& s) {
        s.active->geometry = WindowGeometry{0, 0, w, h};
        s.clients.front() = *s.active;
    };
}

struct Case {
    std::string name;
    std::function<void(WindowSnapshot&)> edit;
    bool expected;
};

TEST(FrontAppIsFullscreen, JudgesTheFrontApplicationsWindowsBySizeAndKind) {
    const Case cases[] = {
        {"only another application is full screen", [](WindowSnapshot&) {}, false},
        {"active window is screen-sized", activeSized(1920, 1080), true},
        {"another window of the front app is screen-sized", frontWindow(0, 0, 1920, 1080), true},
        {"maximised below a panel and title bar", frontWindow(0, 24, 1920, 1035), false},
        {"maximised, only the title bar missing", frontWindow(0, 20, 1920, 1060), false},
        {"hidden screen-sized window", frontWindow(0, 0, 1920, 1080, {}, true), false},
        {"dock", frontWindow(0, 0, 1920, 1080, {WindowType::dock}), false},
        {"desktop", frontWindow(0, 0, 1920, 1080, {WindowType::desktop}), false},
        {"splash", frontWindow(0, 0, 1920, 1080, {WindowType::splash}), false},
        {"notification", frontWindow(0, 0, 1920, 1080, {WindowType::notification}), false},
        {"dialog", frontWindow(0, 0, 1920, 1080, {WindowType::dialog}), false},
        {"first recognised type wins: normal before dock",
         frontWindow(0, 0, 1920, 1080, {WindowType::normal, WindowType::dock}), true},
        {"first recognised type wins: dock before normal",
         frontWindow(0, 0, 1920, 1080, {WindowType::dock, WindowType::normal}), false},
        {"full screen on the second screen", frontWindow(1920, 0, 1280, 1024), true},
        {"second screen's size lying on the first", frontWindow(0, 0, 1280, 1024), true},
        {"half a pixel short", frontWindow(0, 0, 1919.5, 1080), true},
        {"a whole pixel short", frontWindow(0, 0, 1919, 1080), false},
        {"a whole pixel too tall", frontWindow(0, 0, 1920, 1081), false},
        {"one screen's width with the other's height", frontWindow(0, 0, 1920, 1024), false},
        {"geometry unknown",
         [](WindowSnapshot& s) {
             frontWindow(0, 0, 1920, 1080)(s);
             s.clients.back().geometry.reset();
         },
         false},
        {"no screens",
         [](WindowSnapshot& s) {
             activeSized(1920, 1080)(s);
             s.screens.clear();
         },
         false},
        {"no active window",
         [](WindowSnapshot& s) {
             frontWindow(0, 0, 1920, 1080)(s);
             s.active.reset();
         },
         false},
        {"our own process is in front",
         [](WindowSnapshot& s) {
             activeSized(1920, 1080)(s);
             s.active->pid = ownPid;
             s.clients.front() = *s.active;
         },
         false},
        {"the desktop is active, its process has a screen-sized window",
         [](WindowSnapshot& s) {
             s.active->types = {WindowType::desktop};
             s.clients.front() = *s.active;
             frontWindow(0, 0, 1920, 1080)(s);
         },
         false},
        {"active window without pid is screen-sized",
         [](WindowSnapshot& s) {
             activeSized(1920, 1080)(s);
             s.active->pid.reset();
             s.clients.front() = *s.active;
         },
         true},
        {"active window without pid: other pid-less windows are not judged",
         [](WindowSnapshot& s) {
             s.active->pid.reset();
             s.clients.front() = *s.active;
             s.clients.push_back(window(4, std::nullopt, 0, 0, 1920, 1080));
         },
         false},
        {"active window missing from the client list is judged itself",
         [](WindowSnapshot& s) {
             s.active->geometry = WindowGeometry{0, 0, 1280, 1024};
             s.clients.erase(s.clients.begin());
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowSnapshot s = desktop();
        c.edit(s);
        EXPECT_EQ(frontAppIsFullscreen(s), c.expected);
    }
}

}  // namespace
}  // namespace tarnwick
