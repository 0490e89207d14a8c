// Runs on a real virtual desktop (scripts/with-desktop): Xvfb with two monitors and openbox.
// Other programs are driven with xdotool and wmctrl; an xterm plays the other application.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QRasterWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>
#include <optional>

#include "platform/x11/active_window_watcher.hpp"
#include "platform/x11/hot_key.hpp"
#include "platform/x11/input_idle.hpp"
#include "platform/x11/x11_windows.hpp"
#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;  // bound of every wait for the desktop to react
constexpr int quietMs = 600;  // how long "nothing happens" is watched

// Runs a tool to completion while the event loop keeps turning; true when it exited with 0.
bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(2000)) return false;
    (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, waitMs);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString hex(std::uint32_t window) { return QStringLiteral("0x%1").arg(window, 0, 16); }

// The first client window that satisfies `match`, if any.
template <class Match>
std::optional<ClientWindow> findClient(Match match) {
    if (const auto snap = X11Windows().snapshot()) {
        for (const auto& w : snap->clients) {
            if (match(w)) return w;
        }
    }
    return std::nullopt;
}

std::optional<ClientWindow> activeWindow() {
    const auto snap = X11Windows().snapshot();
    return snap ? snap->active : std::nullopt;
}

bool activate(std::uint32_t window) {
    if (!run("xdotool", {"windowactivate", QString::number(window)})) return false;
    return QTest::qWaitFor([&] { auto a = activeWindow(); return a && a->id == window; }, waitMs);
}

// The modifier state of the keyboard, locks included.
std::uint16_t keyboardState() {
    xcb_connection_t* c = x11::connection();
    auto reply = x11::collect<xcb_query_pointer_reply_t>(c, xcb_query_pointer_reply,
                                                         xcb_query_pointer(c, x11::rootWindow(c)));
    return reply ? reply->mask : 0;
}

// Another application: an xterm running `sleep`, found through its _NET_WM_PID.
class Xterm {
public:
    Xterm() {
        m_process.start("xterm", {"-title", "tarnwick-test", "-geometry", "60x10+100+100", "-e", "sleep", "600"});
        m_process.waitForStarted(2000);
        const auto pid = static_cast<std::int32_t>(m_process.processId());
        (void)QTest::qWaitFor([&] {
            m_window = findClient([&](const ClientWindow& w) { return w.pid == pid; }).value_or(ClientWindow{}).id;
            return m_window != 0;
        }, waitMs);
    }
    ~Xterm() {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    std::uint32_t window() const { return m_window; }
    std::optional<ClientWindow> state() const {
        return findClient([&](const ClientWindow& w) { return w.id == m_window; });
    }

private:
    QProcess m_process;
    std::uint32_t m_window = 0;
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(x11::connection(), nullptr) << "needs an X11 display";
        ASSERT_NE(m_xterm.window(), 0u) << "xterm did not map a window";
        ASSERT_TRUE(activate(m_xterm.window())) << "could not focus the xterm";
    }
    Xterm m_xterm;
};

// --- idle time and typing ---

TEST_F(Desktop, IdleTimeDropsWhenThePointerMoves) {
    X11InputIdle idle;
    ASSERT_TRUE(idle.idleObservable());
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() >= 1.0; }, waitMs));
    ASSERT_TRUE(run("xdotool", {"mousemove", "640", "500"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() < 0.5; }, waitMs)) << idle.idleSeconds();
}

TEST_F(Desktop, TypingIsSeenOnlyAfterAKeyPress) {
    X11InputIdle idle;
    ASSERT_TRUE(idle.typingObservable());
    // Pointer input is not typing.
    ASSERT_TRUE(run("xdotool", {"mousemove", "700", "520"}));
    QTest::qWait(quietMs);
    EXPECT_EQ(idle.secondsSinceKeyDown(), X11InputIdle::noKeyDown);

    ASSERT_TRUE(run("xdotool", {"key", "a"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.secondsSinceKeyDown() < 1.5; }, waitMs));
    // The time runs on from the press.
    const double first = idle.secondsSinceKeyDown();
    QTest::qWait(300);
    EXPECT_GT(idle.secondsSinceKeyDown(), first + 0.2);
}

// --- the global hot key ---

struct Counter {
    int count = 0;
    std::function<void()> action() { return [this] { ++count; }; }
};

// A second X client, to see whether the hot key's combination is free. Its grabs end with it.
class OtherClient {
public:
    OtherClient() : m_c(xcb_connect(nullptr, nullptr)) {}
    ~OtherClient() { xcb_disconnect(m_c); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // Tries to grab B with any modifiers on the root window, as key binding daemons do; true
    // when the server accepts. It is refused while any grab of ours on B stands.
    bool canGrabHotKey() {
        if (xcb_connection_has_error(m_c)) return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_c);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, HotKey::defaultKeysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(symbols);
        if (code == 0) return false;
        auto cookie = xcb_grab_key_checked(m_c, 0, root, XCB_MOD_MASK_ANY, code,
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(m_c, cookie);
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* m_c;
};

bool pressHotKey() { return run("xdotool", {"key", "ctrl+alt+b"}); }

TEST_F(Desktop, HotKeyRunsOncePerPressWhileAnotherApplicationHasTheFocus) {
    Counter counter;
    HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    ASSERT_TRUE(hotKey.registered());

    ASSERT_TRUE(pressHotKey());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count == 1; }, waitMs));
    QTest::qWait(quietMs);
    EXPECT_EQ(counter.count, 1);
    ASSERT_TRUE(pressHotKey());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count == 2; }, waitMs));
    // The other application keeps the focus.
    EXPECT_EQ(activeWindow()->id, m_xterm.window());

    // B alone, or with Shift as well, is not the hot key.
    ASSERT_TRUE(run("xdotool", {"key", "b", "ctrl+alt+shift+b"}));
    QTest::qWait(quietMs);
    EXPECT_EQ(counter.count, 2);
}

TEST_F(Desktop, HotKeyWorksWhileOurOwnWindowHasTheFocus) {
    QRasterWindow own;
    own.resize(300, 200);
    own.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own, waitMs));
    ASSERT_TRUE(activate(static_cast<std::uint32_t>(own.winId())));
    Counter counter;
    HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    // Two quick presses: the release in between must reach the hot key too, or the second
    // press would pass for auto-repeat.
    ASSERT_TRUE(pressHotKey());
    ASSERT_TRUE(pressHotKey());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count == 2; }, waitMs)) << counter.count;
}

TEST_F(Desktop, HotKeyHeldDownRunsOnce) {
    Counter counter;
    HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    // Held well past the keyboard's auto-repeat delay.
    ASSERT_TRUE(run("xdotool", {"keydown", "ctrl+alt+b", "sleep", "1.5", "keyup", "ctrl+alt+b"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count > 0; }, waitMs));
    QTest::qWait(quietMs);
    EXPECT_EQ(counter.count, 1);
}

TEST_F(Desktop, HotKeyWorksWithNumLockAndCapsLockOn) {
    Counter counter;
    HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    const std::uint16_t before = keyboardState();
    ASSERT_TRUE(run("xdotool", {"key", "Num_Lock"}));
    const std::uint16_t numLock = keyboardState() & ~before & 0xff;
    EXPECT_NE(numLock, 0) << "NumLock did not turn on";
    if (numLock != 0) {
        ASSERT_TRUE(pressHotKey());
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count == 1; }, waitMs)) << "with NumLock";
        ASSERT_TRUE(run("xdotool", {"key", "Caps_Lock"}));
        ASSERT_TRUE(pressHotKey());
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count == 2; }, waitMs)) << "with NumLock and CapsLock";
        run("xdotool", {"key", "Caps_Lock"});
    }
    run("xdotool", {"key", "Num_Lock"});
    EXPECT_EQ(keyboardState() & 0xff, before & 0xff) << "locks left on";
}

TEST_F(Desktop, DestroyedHotKeyNoLongerFiresAndFreesTheKey) {
    Counter counter;
    auto hotKey = std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    ASSERT_TRUE(hotKey->registered());
    EXPECT_FALSE(OtherClient().canGrabHotKey());
    hotKey.reset();
    EXPECT_TRUE(OtherClient().canGrabHotKey());
    ASSERT_TRUE(pressHotKey());
    QTest::qWait(quietMs);
    EXPECT_EQ(counter.count, 0);
}

TEST_F(Desktop, HotKeyHeldByAnotherProgramIsRefusedSilently) {
    OtherClient other;
    ASSERT_TRUE(other.canGrabHotKey());  // and now holds it
    Counter counter;
    HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, counter.action());
    EXPECT_FALSE(hotKey.registered());
    ASSERT_TRUE(pressHotKey());
    QTest::qWait(quietMs);
    EXPECT_EQ(counter.count, 0);
}

TEST_F(Desktop, SecondHotKeyReplacesTheFirstsAction) {
    Counter first, second;
    auto one = std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers, first.action());
    auto two = std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers, second.action());
    ASSERT_TRUE(pressHotKey());
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.count == 1; }, waitMs));
    QTest::qWait(quietMs);
    EXPECT_EQ(first.count, 0);
    EXPECT_EQ(second.count, 1);

    // The first still holds its share of the grab after the second is gone; the one action
    // slot keeps the latest action.
    two.reset();
    ASSERT_TRUE(pressHotKey());
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.count == 2; }, waitMs));
    EXPECT_EQ(first.count, 0);

    EXPECT_FALSE(OtherClient().canGrabHotKey());
    one.reset();
    EXPECT_TRUE(OtherClient().canGrabHotKey());
    ASSERT_TRUE(pressHotKey());
    QTest::qWait(quietMs);
    EXPECT_EQ(first.count + second.count, 2);
}

// --- the front application's full screen ---

TEST_F(Desktop, FullScreenXtermCountsOnEitherMonitorAndMaximisedDoesNot) {
    const auto screens = QGuiApplication::screens();
    ASSERT_GE(screens.size(), 2) << "the desktop should have two monitors";
    const X11Windows windows;
    EXPECT_FALSE(windows.frontAppIsFullscreen());
    const QString id = hex(m_xterm.window());

    ASSERT_TRUE(run("wmctrl", {"-i", "-r", id, "-b", "add,maximized_vert,maximized_horz"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { auto s = m_xterm.state(); return s && s->geometry->width > 1000; }, waitMs));
    QTest::qWait(200);
    EXPECT_FALSE(windows.frontAppIsFullscreen()) << "maximised is not full screen";
    ASSERT_TRUE(run("wmctrl", {"-i", "-r", id, "-b", "remove,maximized_vert,maximized_horz"}));

    for (const QScreen* screen : screens) {
        SCOPED_TRACE(screen->name().toStdString());
        const QRect g = screen->geometry();
        ASSERT_TRUE(run("wmctrl", {"-i", "-r", id, "-b", "remove,fullscreen"}));
        ASSERT_TRUE(run("wmctrl", {"-i", "-r", id, "-e",
                                   QStringLiteral("0,%1,%2,-1,-1").arg(g.x() + 50).arg(g.y() + 50)}));
        ASSERT_TRUE(run("wmctrl", {"-i", "-r", id, "-b", "add,fullscreen"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return windows.frontAppIsFullscreen(); }, waitMs));
        const auto state = m_xterm.state();
        ASSERT_TRUE(state && state->geometry);
        EXPECT_EQ(state->geometry->x, g.x()) << "full screen on this monitor";
    }
    // Minimised, it no longer counts.
    ASSERT_TRUE(run("xdotool", {"windowminimize", QString::number(m_xterm.window())}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.frontAppIsFullscreen(); }, waitMs));
}

TEST_F(Desktop, OurOwnFullScreenWindowDoesNotCount) {
    QRasterWindow own;
    own.showFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own, waitMs));
    ASSERT_TRUE(activate(static_cast<std::uint32_t>(own.winId())));
    // It really is the active, screen-sized window: judged as any other process's, it would count.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        auto snap = X11Windows().snapshot();
        if (!snap) return false;
        snap->ownPid = 0;
        return frontAppIsFullscreen(*snap);
    }, waitMs));
    EXPECT_FALSE(X11Windows().frontAppIsFullscreen());
}

// --- another application became active ---

TEST_F(Desktop, ActivationOfAnotherApplicationIsSignalledButNotOurs) {
    QRasterWindow own;
    own.resize(300, 200);
    own.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own, waitMs));
    ActiveWindowWatcher watcher;
    QSignalSpy spy(&watcher, &ActiveWindowWatcher::otherApplicationActive);

    ASSERT_TRUE(activate(static_cast<std::uint32_t>(own.winId())));
    QTest::qWait(quietMs);
    EXPECT_EQ(spy.count(), 0) << "our own window became active";

    ASSERT_TRUE(activate(m_xterm.window()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }, waitMs));

    ASSERT_TRUE(activate(static_cast<std::uint32_t>(own.winId())));
    QTest::qWait(quietMs);
    EXPECT_EQ(spy.count(), 1);
    ASSERT_TRUE(activate(m_xterm.window()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 2; }, waitMs));
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
