// By-hand timing of the full-screen probe with many client windows; not part of ctest.
// Run inside scripts/with-desktop: it maps 50 windows of a made-up process, activates one and
// times X11Windows::frontAppIsFullscreen() and the pure decision on the same snapshot.

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/x11/x11_windows.hpp"

namespace {

constexpr int windowCount = 50;
constexpr int rounds = 500;

template <class Fn>
std::vector<double> timeMicroseconds(Fn fn) {
    std::vector<double> samples;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fn();
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples;
}

void report(const char* what, const std::vector<double>& s) {
    std::printf("%-40s median %8.1f us   p90 %8.1f us   max %8.1f us\n", what, s[s.size() / 2],
                s[s.size() * 9 / 10], s.back());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    // Another client's windows, each claiming the same foreign pid.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    auto intern = [&](const char* name) {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t a = r->atom;
        std::free(r);
        return a;
    };
    const xcb_atom_t pidAtom = intern("_NET_WM_PID");
    const std::uint32_t fakePid = 1;
    std::vector<xcb_window_t> windows;
    for (int i = 0; i < windowCount; ++i) {
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 20 + i * 10, 40 + i * 5, 300, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, pidAtom, XCB_ATOM_CARDINAL, 32, 1, &fakePid);
        xcb_map_window(c, w);
        windows.push_back(w);
    }
    xcb_flush(c);

    const tarnwick::X11Windows probe;
    const bool listed = QTest::qWaitFor([&] {
        auto snap = probe.snapshot();
        return snap && snap->clients.size() >= windowCount;
    }, 10000);
    // Let the window manager focus the last window, then wait until it says so.
    QProcess::execute("xdotool", {"windowactivate", QString::number(windows.back())});
    const bool active = QTest::qWaitFor([&] {
        auto snap = probe.snapshot();
        return snap && snap->active && snap->active->pid == std::int32_t(fakePid);
    }, 5000);
    const auto snap = probe.snapshot();
    std::printf("client windows: %zu (listed: %s, foreign window active: %s)\n",
                snap ? snap->clients.size() : 0, listed ? "yes" : "no", active ? "yes" : "no");

    bool sink = false;
    report("X11Windows::frontAppIsFullscreen()", timeMicroseconds([&] { sink ^= probe.frontAppIsFullscreen(); }));
    report("X11Windows::snapshot()", timeMicroseconds([&] { sink ^= probe.snapshot().has_value(); }));
    report("frontAppIsFullscreen(snapshot)", timeMicroseconds([&] { sink ^= tarnwick::frontAppIsFullscreen(*snap); }));
    std::printf("(answer %d)\n", int(sink));
    xcb_disconnect(c);
    return 0;
}
