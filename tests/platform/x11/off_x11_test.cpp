#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/x11/active_window_watcher.hpp"
#include "platform/x11/hot_key.hpp"
#include "platform/x11/input_idle.hpp"
#include "platform/x11/x11_windows.hpp"

namespace tarnwick {
namespace {

// On a session without X11 (here Qt's offscreen platform) every probe answers "not busy" and
// nothing crashes or throws.
TEST(OffX11, ProbesAnswerNotBusyAndTheHotKeyStaysInert) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "off_x11_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    X11InputIdle idle;
    EXPECT_FALSE(idle.idleObservable());
    EXPECT_FALSE(idle.typingObservable());
    EXPECT_EQ(idle.idleSeconds(), 0.0);
    EXPECT_EQ(idle.secondsSinceKeyDown(), X11InputIdle::noKeyDown);

    const X11Windows windows;
    EXPECT_FALSE(windows.snapshot().has_value());
    EXPECT_FALSE(windows.frontAppIsFullscreen());

    int runs = 0;
    {
        HotKey hotKey(HotKey::defaultKeysym, HotKey::defaultModifiers, [&] { ++runs; });
        EXPECT_FALSE(hotKey.registered());
        ActiveWindowWatcher watcher;
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace tarnwick
