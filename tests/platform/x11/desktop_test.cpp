// On the virtual desktop of scripts/with-desktop (Xvfb with two monitors, openbox), with an xterm
// in front as the other application, driven by xdotool and wmctrl.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QRasterWindow>
#include <QScreen>
#include <QTest>

#include <memory>

#include "platform/x11/hot_key.hpp"
#include "platform/x11/input_idle.hpp"
#include "platform/x11/screen_saver_inhibitor.hpp"
#include "platform/x11/x11_windows.hpp"
#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000, quietMs = 600;  // bound of every wait; how long "nothing happens" is watched

// Runs a tool to completion while the event loop turns; true when it exited with 0.
bool run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    const bool ended = p.waitForStarted(2000) && QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, waitMs);
    return ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;  // else killed on leaving
}

bool xdotool(const QStringList& arguments) { return run("xdotool", arguments); }
bool pressHotKey() { return xdotool({"key", "ctrl+alt+b"}); }

bool activate(std::uint32_t w) {
    const auto active = [] { const auto s = X11Windows().snapshot(); return s && s->active ? s->active->id : 0; };
    return xdotool({"windowactivate", QString::number(w)}) && QTest::qWaitFor([&] { return active() == w; }, waitMs);
}

bool wmctrl(std::uint32_t window, const QString& option, const QString& value) {
    return run("wmctrl", {"-i", "-r", QString::number(window), option, value});
}

struct Counter {
    int count = 0;
    auto hotKey() { return std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers, [this] { ++count; }); }
    // The count once it has reached `expected` (or the wait ran out) and nothing happened for a while.
    int settled(int expected) {
        (void)QTest::qWaitFor([&] { return count >= expected; }, waitMs);
        QTest::qWait(quietMs);
        return count;
    }
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(x11::connection(), nullptr) << "needs an X11 display";
        m_xterm.start("xterm", {"-geometry", "60x10+100+100", "-e", "sleep", "600"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return xterm().id != 0; }, waitMs)) << "no xterm window";
        ASSERT_TRUE(activate(xterm().id)) << "could not focus the xterm";
    }
    void TearDown() override { m_xterm.kill(), m_xterm.waitForFinished(2000); }
    // The xterm's window as the window manager lists it; id 0 while it is not listed.
    ClientWindow xterm() const {
        if (const auto s = X11Windows().snapshot())
            for (const ClientWindow& w : s->clients)
                if (w.pid && *w.pid == m_xterm.processId()) return w;
        return {};
    }
    WindowGeometry geometry() const { return xterm().geometry.value_or(WindowGeometry{}); }
    QProcess m_xterm;
};

TEST_F(Desktop, IdleTimeDropsWhenThePointerMovesAndTypingIsSeenAfterAKeyPress) {
    // A horizon of 1 s: past it the server confirms the absence and pointer motion is watched.
    X11InputIdle idle(1.0, 600);
    ASSERT_TRUE(idle.idleObservable() && idle.typingObservable());
    ASSERT_TRUE(xdotool({"mousemove_relative", "5", "5"}));  // known to be present at the start
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() >= 2.0; }, waitMs)) << idle.idleSeconds();
    // Relative motion goes through XTest like a real pointer; an absolute move only warps it.
    ASSERT_TRUE(xdotool({"mousemove_relative", "--", "-40", "30"}));
    // No recheck falls within the wait: only the motion event can bring the figure down.
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() < 0.5; }, waitMs)) << idle.idleSeconds();
    QTest::qWait(quietMs);
    EXPECT_EQ(idle.secondsSinceKeyDown(), X11InputIdle::noKeyDown) << "pointer motion is no typing";
    ASSERT_TRUE(xdotool({"key", "a"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.secondsSinceKeyDown() < 1.5; }, waitMs));
}

TEST_F(Desktop, AConfirmedAbsenceIsRecheckedForACounterResetWithoutInput) {
    X11InputIdle idle(1.0, 1.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() >= 3.0; }, waitMs));
    // What players do to keep the screen awake: no input event, only the server's counter reset.
    ASSERT_EQ(QProcess::execute("xset", {"s", "reset"}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle.idleSeconds() < 2.0; }, waitMs)) << idle.idleSeconds();
}

TEST_F(Desktop, HotKeyRunsOncePerPressWhileTheXtermHasTheFocusAlsoHeldAndWithNumLockOn) {
    Counter counter;
    const auto hotKey = counter.hotKey();
    ASSERT_TRUE(hotKey->registered());
    ASSERT_TRUE(pressHotKey());
    EXPECT_EQ(counter.settled(1), 1);
    // Held well past the keyboard's auto-repeat delay.
    ASSERT_TRUE(xdotool({"keydown", "ctrl+alt+b", "sleep", "1.5", "keyup", "ctrl+alt+b"}));
    EXPECT_EQ(counter.settled(2), 2) << "held down";

    const auto locks = [c = x11::connection()] {  // the keyboard's modifier state
        const auto r = x11::collect<xcb_query_pointer_reply_t>(c, xcb_query_pointer_reply, xcb_query_pointer(c, x11::rootWindow(c)));
        return r ? r->mask & 0xff : 0;
    };
    const int before = locks();
    ASSERT_TRUE(xdotool({"key", "Num_Lock"}));
    EXPECT_NE(locks() & ~before, 0) << "NumLock did not turn on";
    ASSERT_TRUE(pressHotKey());
    EXPECT_EQ(counter.settled(3), 3) << "with NumLock";
    ASSERT_TRUE(xdotool({"key", "Num_Lock"}));
}

TEST_F(Desktop, ASecondHotKeyReplacesTheActionAndNoneFiresOnceDestroyed) {
    Counter first, second;
    auto one = first.hotKey(), two = second.hotKey();
    ASSERT_TRUE(pressHotKey());
    EXPECT_EQ(second.settled(1), 1);
    two.reset();  // the first still holds the grab; the one action slot keeps the latest action
    ASSERT_TRUE(pressHotKey());
    EXPECT_EQ(second.settled(2), 2);
    one.reset();
    ASSERT_TRUE(pressHotKey());
    EXPECT_EQ(second.settled(2), 2) << "after the last HotKey was destroyed";
    EXPECT_EQ(first.count, 0);
}

TEST_F(Desktop, FullScreenCountsOnEitherMonitorButNotMaximisedNorOurOwn) {
    X11Windows windows;
    const std::uint32_t id = xterm().id;
    ASSERT_TRUE(wmctrl(id, "-b", "add,maximized_vert,maximized_horz"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return geometry().width > 1000; }, waitMs));
    EXPECT_FALSE(windows.frontAppIsFullscreen()) << "maximised";
    ASSERT_TRUE(wmctrl(id, "-b", "remove,maximized_vert,maximized_horz"));
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    for (const QScreen* screen : QGuiApplication::screens()) {
        SCOPED_TRACE(screen->name().toStdString());
        const QRect g = screen->geometry();
        ASSERT_TRUE(wmctrl(id, "-b", "remove,fullscreen"));
        ASSERT_TRUE(wmctrl(id, "-e", QStringLiteral("0,%1,%2,-1,-1").arg(g.x() + 50).arg(g.y() + 50)));
        ASSERT_TRUE(wmctrl(id, "-b", "add,fullscreen"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return windows.frontAppIsFullscreen() && geometry().x == g.x(); }, waitMs));
    }

    QRasterWindow own;
    own.showFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&own, waitMs));
    ASSERT_TRUE(activate(static_cast<std::uint32_t>(own.winId())));
    // Ours is the active, screen-sized window: judged as another process's, it would count.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        auto s = windows.snapshot();
        return s && (s->ownPid = 0, frontAppIsFullscreen(*s));
    }, waitMs));
    EXPECT_FALSE(windows.frontAppIsFullscreen()) << "our own window";
}

TEST_F(Desktop, TheDesktopIsReadAgainOnlyAfterAChangeThatMatters) {
    X11Windows windows;
    const std::uint32_t id = xterm().id;
    const auto stillAfterAWhile = [&](bool expected) {  // the answer over a few ticks' worth of events
        bool same = true;
        for (int i = 0; i < 4; ++i) QTest::qWait(100), same = same && windows.frontAppIsFullscreen() == expected;
        return same;
    };
    EXPECT_FALSE(windows.frontAppIsFullscreen());
    int reads = windows.reads();
    EXPECT_TRUE(stillAfterAWhile(false));
    EXPECT_EQ(windows.reads(), reads) << "read again though nothing changed";

    ASSERT_TRUE(wmctrl(id, "-b", "add,fullscreen"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows.frontAppIsFullscreen(); }, waitMs));
    QTest::qWait(quietMs);  // the window manager's last moves of the change come in
    EXPECT_TRUE(windows.frontAppIsFullscreen());
    reads = windows.reads();
    ASSERT_TRUE(xdotool({"set_window", "--name", "a new title", QString::number(id)}));
    EXPECT_TRUE(stillAfterAWhile(true));
    EXPECT_EQ(windows.reads(), reads) << "a title is not a change that matters";

    ASSERT_TRUE(wmctrl(id, "-b", "remove,fullscreen"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.frontAppIsFullscreen(); }, waitMs));
    ASSERT_TRUE(wmctrl(id, "-b", "add,fullscreen"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows.frontAppIsFullscreen(); }, waitMs));
    m_xterm.kill(), m_xterm.waitForFinished(2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.frontAppIsFullscreen(); }, waitMs)) << "closed";
}

TEST_F(Desktop, ScreenSaverSuspendedByAPlayerIsSeenAndItsResumeClearsItButASaverOffFromTheStartIsNot) {
    QProcessEnvironment generic = QProcessEnvironment::systemEnvironment();  // no desktop's own screen saver
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        generic.remove(name);
    const auto xdgScreensaver = [&](const QString& action) {
        QProcess p;
        p.setProcessEnvironment(generic);
        p.start("xdg-screensaver", {action, QString::number(xterm().id)});
        return p.waitForFinished(waitMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    };
    const auto held = [](X11ScreenSaverInhibitor& saver) -> std::optional<bool> {  // once the server answered
        saver.ask();
        const bool ended = QTest::qWaitFor([&] { return !saver.awaitingReply(); }, waitMs);
        return ended && saver.answering() ? std::optional{saver.inhibited()} : std::nullopt;
    };
    ASSERT_TRUE(run("xset", {"s", "600"}));
    X11ScreenSaverInhibitor saver;
    EXPECT_EQ(held(saver), false);
    ASSERT_TRUE(xdgScreensaver("suspend"));
    EXPECT_EQ(held(saver), true) << "suspended by xdg-screensaver";
    ASSERT_TRUE(xdgScreensaver("resume"));
    EXPECT_EQ(held(saver), false) << "resumed";

    ASSERT_TRUE(run("xset", {"s", "off"}));
    X11ScreenSaverInhibitor later;  // started after the user switched the saver off for good
    EXPECT_EQ(held(later), false) << "the user's own setting taken for a program's inhibitor";
    EXPECT_TRUE(run("xset", {"s", "default"}));
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
