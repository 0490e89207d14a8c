// KWin's report of the window in front, against a fake KWin on the private session bus that runs
// the real report script on a JavaScript engine; GNOME Shell's overview closed over a break,
// against a fake shell there.

#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QJSEngine>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>

#include "asked_often.hpp"
#include "platform/dbus/kwin_fullscreen.hpp"
#include "platform/dbus/shell_overview.hpp"

using namespace tarnwick;

namespace {

// A bus connection of its own, as another program has.
struct BusPeer : QDBusConnection {
    explicit BusPeer(const QString& name) : QDBusConnection(connectToBus(SessionBus, name)) {}
    ~BusPeer() { disconnectFromBus(name()); }
};


// KWin's scripting interface: runs each loaded script with `workspace` (a JavaScript expression)
// and delivers its report `delayMs` later. Plasma 5 names a loaded script /<id>, Plasma 6
// /Scripting/Script<id>.
struct FakeKWin : QDBusVirtualObject {
    QString workspace;
    bool plasma5 = false;
    int delayMs = 0, runs = 0, lastId = 0;
    std::map<int, std::pair<QString, QString>> loaded;  // id -> (file, plugin name)
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        const QString name = call.arguments().value(call.member() == "loadScript" ? 1 : 0).toString();
        const auto named = std::find_if(loaded.begin(), loaded.end(), [&](auto& s) { return s.second.second == name; });
        if (call.member() == "loadScript") {
            if (named != loaded.end()) return bus.send(call.createReply(-1));
            loaded[++lastId] = {call.arguments().value(0).toString(), name};
            return bus.send(call.createReply(lastId));
        }
        if (call.member() == "unloadScript") {
            const bool found = named != loaded.end();
            if (found) loaded.erase(named);
            return bus.send(call.createReply(found));
        }
        const QString prefix = plasma5 ? "/" : "/Scripting/Script";
        const auto script = loaded.find(call.path().startsWith(prefix) ? call.path().mid(prefix.size()).toInt() : -1);
        if (call.member() != "run" || script == loaded.end())
            return bus.send(call.createErrorReply(QDBusError::UnknownObject, "no such script"));
        (void)bus.send(call.createReply());
        ++runs;
        QFile file(script->second.first);
        QJSEngine engine;
        engine.evaluate("var calls = []; function callDBus() { calls.push(Array.prototype.slice.call(arguments)); }"
                        "var KWin = { FullScreenArea: 2 }; var workspace = " + workspace + ";");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_FALSE(engine.evaluate(QString::fromUtf8(file.readAll())).isError());
        for (const QVariant& made : engine.globalObject().property("calls").toVariant().toList()) {
            const QVariantList a = made.toList();
            const QDBusMessage report = QDBusMessage::createMethodCall(a[0].toString(), a[1].toString(), a[2].toString(),
                                                                       a[3].toString())
                                        << a[4].toString();
            QTimer::singleShot(delayMs, [bus, report] { (void)bus.send(report); });
        }
        return true;
    }
};

// GNOME Shell's OverviewActive property, read and written through org.freedesktop.DBus.Properties,
// with its change signal.
struct FakeShell : QDBusVirtualObject {
    QDBusConnection bus;
    bool open = false;
    int sets = 0;
    explicit FakeShell(QDBusConnection connection) : bus(std::move(connection)) {}
    QString introspect(const QString&) const override { return {}; }
    void show(bool visible) {
        open = visible;
        QDBusMessage changed = QDBusMessage::createSignal("/org/gnome/Shell", "org.freedesktop.DBus.Properties",
                                                          "PropertiesChanged");
        changed << QString("org.gnome.Shell") << QVariantMap{{"OverviewActive", visible}} << QStringList();
        (void)bus.send(changed);
    }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override {
        const QVariantList a = call.arguments();
        if (a.value(0) != "org.gnome.Shell" || a.value(1) != "OverviewActive")
            return connection.send(call.createErrorReply(QDBusError::UnknownProperty, "no such property"));
        if (call.member() == "Get") return connection.send(call.createReply(QVariant::fromValue(QDBusVariant(open))));
        ++sets;
        (void)connection.send(call.createReply());
        show(a.value(2).value<QDBusVariant>().variant().toBool());
        return true;
    }
};

QString plasma6(const QString& window) {
    return "{ activeWindow: " + window + ", screens: [ { geometry: { width: 1920, height: 1080 } } ] }";
}

}  // namespace

TEST(KWinFullscreenOnBus, FollowsTheWindowInFrontAndCountsLateOrMissingAnswersAsNotFullScreen) {
    KWinFullscreen probe;
    probe.setOwnPid(100);
    EXPECT_FALSE(probe.available()) << "no KWin on the bus yet";
    EXPECT_FALSE(probe.frontWindowIsFullscreen());

    BusPeer kwinBus("kwin");
    FakeKWin kwin;
    ASSERT_TRUE(kwinBus.registerVirtualObject("/", &kwin, QDBusConnection::SubPath));
    ASSERT_TRUE(kwinBus.registerService("org.kde.KWin"));
    const QString video = "{ fullScreen: true, normalWindow: true, pid: 7, frameGeometry: { width: 1920, height: 1080 } }";
    struct Case { const char* name; bool plasma5; QString workspace; bool expected; } cases[] = {
        {"a full-screen video", false, plasma6(video), true},
        {"an ordinary window", false, plasma6("{ normalWindow: true, pid: 7, frameGeometry: { width: 900, height: 700 } }"), false},
        {"this program's own panel", false, plasma6("{ fullScreen: true, normalWindow: true, pid: 100 }"), false},
        {"a full-screen video again", false, plasma6(video), true},
        {"the screen locker", false,
         plasma6("{ lockScreen: true, normalWindow: true, pid: 7, frameGeometry: { width: 1920, height: 1080 } }"), false},
        {"Plasma 5, a screen-sized borderless window", true,
         "{ activeClient: { normalWindow: true, pid: 7, geometry: { width: 1600, height: 900 } },"
         "  clientArea: function (area, w) { return area === 2 ? { width: 1600, height: 900 } : null; } }", true},
        {"Plasma 5, the screen locker's greeter", true,
         "{ activeClient: { resourceClass: 'kscreenlocker_greet', normalWindow: true, pid: 7, geometry: { width: 1600, height: 900 } },"
         "  clientArea: function (area, w) { return area === 2 ? { width: 1600, height: 900 } : null; } }", false},
        {"Plasma 5, no active window", true, "{ activeClient: null, clientArea: function () { return null; } }", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kwin.plasma5 = c.plasma5;
        kwin.workspace = c.workspace;
        const int runs = kwin.runs;
        // Asked as the tick asks, only faster; two runs after the change, the answer is the new window's.
        ASSERT_TRUE(QTest::qWaitFor([&] { probe.frontWindowIsFullscreen(); return kwin.runs >= runs + 2; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return probe.frontWindowIsFullscreen() == c.expected; }, 3000));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return kwin.loaded.empty(); }, 3000)) << "every script is unloaded once answered";

    // KWin answers half a second late: never within the budget, and the probe never waits for it.
    kwin.plasma5 = false;
    kwin.workspace = plasma6(video);
    kwin.delayMs = 500;
    const AskedOften late = askOften([&] { return probe.frontWindowIsFullscreen(); });
    EXPECT_FALSE(late.ever);
    EXPECT_LT(late.longestMs, KWinFullscreen::answerBudgetMs);
    EXPECT_GE(kwin.runs, 3) << "it kept asking";

    // A program posing as KWin reports a full screen for every question: ignored. (The probe is the
    // first of this process, so its listener is /org/tarnwick/FullScreenReport/1.)
    BusPeer impostor("impostor");
    for (int round = 0; round < 10; ++round) {
        probe.frontWindowIsFullscreen();
        for (int question = 1; question < 100; ++question) {
            (void)impostor.send(QDBusMessage::createMethodCall(QDBusConnection::sessionBus().baseService(),
                                                               "/org/tarnwick/FullScreenReport/1",
                                                               "org.tarnwick.FullScreenReport", "Report")
                                << QString(R"({"question":%1,"found":true,"fullScreen":true,"normal":true})").arg(question));
        }
        QTest::qWait(30);
        EXPECT_FALSE(probe.frontWindowIsFullscreen());
    }
}

TEST(ShellOverviewOnBus, AnOverviewOpenOrOpeningWhileArmedIsClosedAndOnlyThen) {
    ShellOverview guard;
    int closed = 0;
    QObject::connect(&guard, &ShellOverview::closed, [&] { ++closed; });
    guard.setArmed(true);
    QTest::qWait(200);
    EXPECT_EQ(closed, 0) << "no shell on the bus: nothing to close";
    guard.setArmed(false);

    BusPeer shellBus("shell");
    FakeShell shell(shellBus);
    ASSERT_TRUE(shellBus.registerVirtualObject("/org/gnome/Shell", &shell));
    ASSERT_TRUE(shellBus.registerService("org.gnome.Shell"));

    // Open when the break begins.
    shell.open = true;
    guard.setArmed(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed == 1; }, 3000));
    EXPECT_FALSE(shell.open);

    // Opened during the break (the Super key).
    shell.show(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed == 2; }, 3000));
    EXPECT_FALSE(shell.open);

    // A program other than the shell says the overview opened: not the shell's word.
    BusPeer impostor("impostor");
    QDBusMessage lie = QDBusMessage::createSignal("/org/gnome/Shell", "org.freedesktop.DBus.Properties", "PropertiesChanged");
    lie << QString("org.gnome.Shell") << QVariantMap{{"OverviewActive", true}} << QStringList();
    ASSERT_TRUE(impostor.send(lie));
    QTest::qWait(300);
    EXPECT_EQ(shell.sets, 2);

    // After the break the overview is the user's.
    guard.setArmed(false);
    shell.show(true);
    QTest::qWait(300);
    EXPECT_TRUE(shell.open);
    EXPECT_EQ(shell.sets, 2);
    EXPECT_EQ(closed, 2);
}
