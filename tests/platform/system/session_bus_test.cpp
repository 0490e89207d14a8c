// The Wayland session's services against fakes on the private session bus: the desktop portal's
// global shortcut, and KWin running the real report script on a JavaScript engine.

#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QFile>
#include <QJSEngine>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>

#include "platform/dbus/kwin_fullscreen.hpp"
#include "platform/dbus/portal_hot_key.hpp"

using namespace tarnwick;

namespace {

// A bus connection of its own, as another program has.
struct BusPeer : QDBusConnection {
    explicit BusPeer(const QString& name) : QDBusConnection(connectToBus(SessionBus, name)) {}
    ~BusPeer() { disconnectFromBus(name()); }
};

const QString portalPath = "/org/freedesktop/portal/desktop";

// The portal's GlobalShortcuts. `mode`: binds (the key asked for), refuses (the session),
// cancels (the user dismisses the bind), leavesBlank (binds without a key), lacks (no interface).
struct FakePortal : QDBusVirtualObject {
    QString mode, session;
    QList<PortalShortcut> asked;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        if (mode == "lacks" || call.interface() != "org.freedesktop.portal.GlobalShortcuts")
            return bus.send(call.createErrorReply(QDBusError::UnknownMethod, "no such method"));
        const bool create = call.member() == "CreateSession";
        const auto options = qdbus_cast<QVariantMap>(call.arguments().value(create ? 0 : 3));
        const QString request = portalRequestPath(call.service(), options.value("handle_token").toString());
        (void)bus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QVariantMap results;
        uint response = (create && mode == "refuses") || (!create && mode == "cancels") ? 1 : 0;
        if (create) {
            session = portalPath + "/session/x/" + options.value("session_handle_token").toString();
            results["session_handle"] = session;
        } else {
            asked = qdbus_cast<QList<PortalShortcut>>(call.arguments().value(1));
            QList<PortalShortcut> bound = asked;
            for (auto& s : bound) s.properties["trigger_description"] = mode == "leavesBlank" ? "" : "Ctrl+Alt+B";
            results["shortcuts"] = QVariant::fromValue(bound);
        }
        return bus.send(QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response") << response
                                                                                                           << results);
    }
};

QDBusMessage activated(const QString& session, const QString& id) {
    return QDBusMessage::createSignal(portalPath, "org.freedesktop.portal.GlobalShortcuts", "Activated")
           << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1) << QVariantMap{};
}

}  // namespace

TEST(PortalHotKeyOnBus, BindsCtrlAltBOnlyWherePortalAndUserAgreeAndRunsTheActionPerActivation) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    using S = PortalHotKey::State;
    for (const auto& [mode, expected] : {std::pair{"binds", S::bound}, {"refuses", S::unavailable}, {"cancels", S::unavailable},
                                         {"leavesBlank", S::unavailable}, {"lacks", S::unavailable}, {"absent", S::unavailable}}) {
        SCOPED_TRACE(mode);
        BusPeer portalBus("portal");
        FakePortal portal;
        portal.mode = mode;
        if (portal.mode != "absent") {
            ASSERT_TRUE(portalBus.registerVirtualObject(portalPath, &portal));
            ASSERT_TRUE(portalBus.registerService("org.freedesktop.portal.Desktop"));
        }
        int actions = 0;
        PortalHotKey key(QDBusConnection::sessionBus(), "Take an eye break now", "CTRL+ALT+b", [&] { ++actions; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return key.state() != S::binding; }, 5000));
        EXPECT_EQ(key.state(), expected);
        if (expected != S::bound) continue;
        ASSERT_EQ(portal.asked.size(), 1);
        EXPECT_EQ(portal.asked[0].id, PortalHotKey::shortcutId());
        EXPECT_EQ(portal.asked[0].properties.value("preferred_trigger").toString(), "CTRL+ALT+b");

        ASSERT_TRUE(portalBus.send(activated(portal.session, PortalHotKey::shortcutId())));
        EXPECT_TRUE(QTest::qWaitFor([&] { return actions == 1; }, 5000));
        // Another shortcut, another session, and a program posing as the portal: nothing.
        BusPeer impostor("impostor");
        ASSERT_TRUE(portalBus.send(activated(portal.session, "other")));
        ASSERT_TRUE(portalBus.send(activated(portal.session + "x", PortalHotKey::shortcutId())));
        ASSERT_TRUE(impostor.send(activated(portal.session, PortalHotKey::shortcutId())));
        QTest::qWait(300);
        EXPECT_EQ(actions, 1);
        // The portal closes the session (the user revoked it): the key gives up.
        ASSERT_TRUE(portalBus.send(QDBusMessage::createSignal(portal.session, "org.freedesktop.portal.Session", "Closed")
                                   << QVariantMap{}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return key.state() == S::unavailable; }, 5000));
        ASSERT_TRUE(portalBus.send(activated(portal.session, PortalHotKey::shortcutId())));
        QTest::qWait(300);
        EXPECT_EQ(actions, 1);
    }
}

namespace {

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
        {"Plasma 5, a screen-sized borderless window", true,
         "{ activeClient: { normalWindow: true, pid: 7, geometry: { width: 1600, height: 900 } },"
         "  clientArea: function (area, w) { return area === 2 ? { width: 1600, height: 900 } : null; } }", true},
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
    QElapsedTimer clock, call;
    qint64 longest = 0;
    bool ever = false;
    for (clock.start(); clock.elapsed() < 2000; QTest::qWait(20)) {
        call.start();
        ever = probe.frontWindowIsFullscreen() || ever;
        longest = std::max(longest, call.elapsed());
    }
    EXPECT_FALSE(ever);
    EXPECT_LT(longest, KWinFullscreen::answerBudgetMs);
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
