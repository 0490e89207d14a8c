// The idle sources and inhibitors against fake desktop services on the private bus of
// scripts/with-desktop (it serves as the session and the system bus), each service on a bus
// connection of its own as another program's would be.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/app_model.hpp"
#include "fakes.hpp"
#include "platform/session_input_idle.hpp"
#include "platform/dbus/idle_inhibitors.hpp"
#include "platform/dbus/idle_monitor.hpp"
#include "platform/x11/input_idle.hpp"

namespace tarnwick {
namespace {

constexpr double t0 = 1'772'438'400;  // Monday 2026-03-02 08:00 UTC
constexpr int waitMs = 3000;

// Answers every call with `answer`'s value (an invalid one: an error reply), `delayMs` late.
struct FakeService : QDBusVirtualObject {
    explicit FakeService(std::function<QVariant()> value = {}) {
        if (value) answer = [value](const QDBusMessage&) { return value(); };
    }
    std::function<QVariant(const QDBusMessage&)> answer;
    int delayMs = 0;
    QList<QDBusMessage> calls;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        calls << call;
        const QVariant value = answer(call);
        const QDBusMessage reply = value.isValid() ? call.createReply(value) : call.createErrorReply(QDBusError::Failed, "no");
        if (delayMs == 0) return bus.send(reply);
        QTimer::singleShot(delayMs, [bus, reply] { QDBusConnection(bus).send(reply); });
        return true;
    }
};

// A bus connection of its own, holding the given service names.
struct Peer : QDBusConnection {
    explicit Peer(const QString& name) : QDBusConnection(connectToBus(SessionBus, name)) {}
    ~Peer() { disconnectFromBus(name()); }
    bool serve(const QString& service, const QString& path, FakeService& object) {
        return registerVirtualObject(path, &object) && registerService(service);
    }
    bool serveMutter(FakeService& object) {
        return serve("org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core", object);
    }
    bool serveScreenSaver(FakeService& object) {
        return serve("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", object);
    }
};

// Waits until no question of `idle` is on its way.
void settle(const SessionInputIdle& idle) {
    QDeadlineTimer deadline(waitMs);
    while (idle.awaitingReplies() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_FALSE(idle.awaitingReplies()) << "a question never ended";
}

SessionInputIdle::Parts waylandParts() {
    return SessionInputIdle::sessionParts(true, QDBusConnection::sessionBus(), QDBusConnection::systemBus());
}

TEST(IdleOnBus, IdleFollowsMutterElseTheScreenSaverInItsUnitElseItIsZero) {
    struct Case {
        const char* name;
        std::optional<quint64> mutterMs;
        std::optional<quint32> saver;
        bool saverIsKde;
        double expected;  // one second after the reply was asked for
        const char* source;
    } cases[] = {
        {"GNOME", 5000, std::nullopt, false, 6, "Mutter idle monitor"},
        {"GNOME with a screen saver service too", 420000, 3, false, 421, "Mutter idle monitor"},
        {"a screen saver in seconds", std::nullopt, 42, false, 43, "freedesktop screen saver"},
        {"KDE's screen saver in milliseconds", std::nullopt, 42000, true, 43, "freedesktop screen saver"},
        {"neither", std::nullopt, std::nullopt, false, 0, "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Peer gnome("gnome"), kde("kde");
        FakeService mutter([&] { return QVariant::fromValue(*c.mutterMs); });
        FakeService saver([&] { return QVariant::fromValue(*c.saver); });
        ASSERT_TRUE(!c.mutterMs || gnome.serveMutter(mutter));
        ASSERT_TRUE(!c.saver || (kde.serveScreenSaver(saver) && (!c.saverIsKde || kde.registerService("org.kde.screensaver"))));
        double now = 100;
        auto parts = waylandParts();
        parts.clock = [&] { return now; };
        SessionInputIdle idle(std::move(parts));
        for (int tick = 0; tick < 3; ++tick, now += 1) {  // the first answers are in from the second tick
            idle.idleSeconds();
            settle(idle);
        }
        EXPECT_NEAR(idle.idleSeconds(), c.expected, 1e-6);
        EXPECT_EQ(idle.idleSourceName().toStdString(), c.source);
        EXPECT_NEAR(idle.secondsSinceKeyDown(), c.source == std::string("none") ? X11InputIdle::noKeyDown : c.expected,
                    1e-6) << "typing on Wayland is the source's figure";
    }
}

TEST(IdleOnBus, ASlowServiceCountsAsNoAnswerAndNeverHoldsUpATick) {
    Peer gnome("gnome");
    FakeService mutter([] { return QVariant::fromValue(quint64(400000)); });
    mutter.delayMs = 500;
    ASSERT_TRUE(gnome.serveMutter(mutter));
    double now = 0;
    auto parts = waylandParts();
    parts.clock = [&] { return now; };
    SessionInputIdle idle(std::move(parts));
    for (int tick = 0; tick < 4; ++tick, now += 10) {  // 10 s apart: the silent source is asked every time
        QElapsedTimer call;
        call.start();
        EXPECT_EQ(idle.idleSeconds(), 0) << tick;
        EXPECT_LT(call.elapsed(), 80) << "a tick waited for the service";
        QTest::qWait(DbusIdleSource::callTimeoutMs + 100);
    }
    EXPECT_GE(mutter.calls.size(), 3) << "the slow service was not asked";
    EXPECT_EQ(idle.idleSourceName().toStdString(), "none");
}

// A model reading idle time through a SessionInputIdle for a Wayland session on the bus, timed by a
// manual clock, with fakes for every other port.
class ModelOnBus : public ::testing::Test {
protected:
    void makeModel() {
        auto parts = waylandParts();
        parts.clock = [this] { return clock.monotonicSeconds(); };
        idle = std::make_unique<SessionInputIdle>(std::move(parts));
        model = std::make_unique<AppModel>(Ports{clock, *idle, probes, sounds, loginItem, screenLock, sleep}, persistence);
    }
    // When the natural breaks so far were recorded, in seconds after t0.
    std::vector<double> naturalBreaks() const {
        std::vector<double> at;
        for (const BreakRecord& r : model->history())
            if (r.outcome == Outcome::natural) at.push_back(r.date.time_since_epoch().count() - t0);
        return at;
    }
    // Ticks once a second until `seconds` after t0, each tick's questions answered before the next.
    void tickUntil(double seconds) {
        while (clock.epoch() < t0 + seconds && !HasFatalFailure()) {
            clock.advance(1);
            model->tick();
            settle(*idle);
        }
    }
    // An idle monitor whose last input was at the start.
    QTemporaryDir temp;
    fakes::ManualClock clock{t0};
    fakes::FakeProbes probes;
    fakes::FakeSounds sounds;
    fakes::FakeLoginItem loginItem;
    fakes::FakeScreenLock screenLock;
    fakes::FakeSleepMonitor sleep;
    Persistence persistence{temp.path() + "/Tarnwick"};
    std::unique_ptr<SessionInputIdle> idle;
    std::unique_ptr<AppModel> model;
    FakeService mutter{[this, start = clock.monotonicSeconds()] {
        return QVariant::fromValue(quint64((clock.monotonicSeconds() - start) * 1000));
    }};
};

TEST_F(ModelOnBus, WithNoIdleServiceALongAbsenceRecordsNoNaturalBreak) {
    makeModel();
    tickUntil(600);
    EXPECT_TRUE(naturalBreaks().empty());
    EXPECT_EQ(idle->idleSourceName().toStdString(), "none");

    Peer gnome("gnome");  // the same absence as the idle monitor reports it is one
    ASSERT_TRUE(gnome.serveMutter(mutter));
    tickUntil(600 + IdleSourceChain::retryAfter + 2);
    EXPECT_EQ(naturalBreaks().size(), 1u);
}

TEST_F(ModelOnBus, GnomeSessionHoldingIdleKeepsAFilmFromCountingAndTheReleaseStartsTheCount) {
    Peer gnome("gnome"), session("session");
    ASSERT_TRUE(gnome.serveMutter(mutter));
    bool held = true;
    QList<quint32> flagsAsked;
    FakeService manager;
    manager.answer = [&](const QDBusMessage& call) {
        flagsAsked << call.arguments().value(0).toUInt();
        return call.member() == "IsInhibited" ? QVariant(held && (flagsAsked.last() & 8)) : QVariant();
    };
    ASSERT_TRUE(session.serve("org.gnome.SessionManager", "/org/gnome/SessionManager", manager));
    makeModel();

    tickUntil(360);
    EXPECT_TRUE(naturalBreaks().empty()) << "six idle minutes of a film were recorded as a rest";
    EXPECT_TRUE(idle->inhibitorSourcesText().contains("GNOME session manager")) << idle->inhibitorSourcesText().toStdString();
    EXPECT_EQ(flagsAsked.size(), 33) << "asked at the start, then every ten seconds from 45 idle seconds on";
    EXPECT_TRUE(std::all_of(flagsAsked.begin(), flagsAsked.end(), [](quint32 f) { return f == 8; }));
    held = false;
    tickUntil(900);
    ASSERT_EQ(naturalBreaks().size(), 1u);
    EXPECT_GE(naturalBreaks()[0] - 360, 300) << "counted from the last input, not from the release";
    EXPECT_LE(naturalBreaks()[0] - 360, 300 + InhibitorPoll::askEvery + 1);
}

TEST(InhibitorsOnBus, EachSourceReadsItsServicesAnswerAndAnythingElseIsNotHeld) {
    qDBusRegisterMetaType<LogindInhibitor>();
    qDBusRegisterMetaType<QList<LogindInhibitor>>();
    const quint32 uid = ::getuid(), pid = ::getpid(), other = pid + 1;
    using Factory = std::function<std::unique_ptr<InhibitorSource>()>;
    const Factory logind = [&] { return DbusInhibitorSource::logind(QDBusConnection::systemBus(), uid, pid); };
    const Factory kde = [] { return DbusInhibitorSource::kdePowerManagement(QDBusConnection::sessionBus()); };
    const Factory gnome = [] { return DbusInhibitorSource::gnomeSession(QDBusConnection::sessionBus()); };
    const QString login1 = "org.freedesktop.login1", agent = "org.kde.Solid.PowerManagement.PolicyAgent";
    struct Case {
        const char* name;
        Factory source;
        QString service, path;
        QVariant reply;  // invalid: an error
        bool answering, held;
    } cases[] = {
        {"logind, a player's idle lock", logind, login1, "/org/freedesktop/login1",
         QVariant::fromValue(QList<LogindInhibitor>{{"sleep", "x", "y", "delay", uid, other}, {"idle", "mpv", "video", "block", uid, other}}), true, true},
        {"logind, a lock of our own", logind, login1, "/org/freedesktop/login1",
         QVariant::fromValue(QList<LogindInhibitor>{{"idle", "tarnwick", "y", "block", uid, pid}}), true, false},
        {"logind, sleep locks only", logind, login1, "/org/freedesktop/login1",
         QVariant::fromValue(QList<LogindInhibitor>{{"sleep:shutdown", "x", "y", "block", uid, other}}), true, false},
        {"logind, a reply of another form", logind, login1, "/org/freedesktop/login1", QVariant("idle"), false, false},
        {"KDE, inhibited", kde, agent, "/org/kde/Solid/PowerManagement/PolicyAgent", QVariant(true), true, true},
        {"GNOME, an error", gnome, "org.gnome.SessionManager", "/org/gnome/SessionManager", QVariant(), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Peer peer("service");
        FakeService service([&] { return c.reply; });
        ASSERT_TRUE(peer.serve(c.service, c.path, service));
        const auto source = c.source();
        source->ask();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !source->awaitingReply(); }, waitMs));
        EXPECT_EQ(service.calls.size(), 1);
        EXPECT_EQ(source->answering(), c.answering);
        EXPECT_EQ(source->inhibited(), c.held);
    }
}

// systemd-inhibit talks to the real logind, which the private bus does not have: this runs where
// the system bus has one and is skipped elsewhere.
TEST(LogindOnSystemBus, SystemdInhibitForIdleIsSeenAndItsEndClearsIt) {
    QDBusConnection bus = QDBusConnection::systemBus();
    const QDBusMessage probe = bus.call(QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                                       "org.freedesktop.login1.Manager", "ListInhibitors"),
                                        QDBus::Block, 1000);
    if (probe.type() != QDBusMessage::ReplyMessage) GTEST_SKIP() << "logind does not answer on this system bus";
    const auto source = DbusInhibitorSource::logind(bus, ::getuid(), ::getpid());
    const auto heldNow = [&] {
        source->ask();
        return QTest::qWaitFor([&] { return !source->awaitingReply(); }, waitMs) && source->inhibited();
    };
    ASSERT_FALSE(heldNow()) << "another program already holds an idle lock";
    QProcess inhibit;
    inhibit.start("systemd-inhibit", {"--what=idle", "--who=tarnwick-test", "--why=test", "sleep", "60"});
    ASSERT_TRUE(inhibit.waitForStarted(2000));
    EXPECT_TRUE(QTest::qWaitFor(heldNow, waitMs));
    inhibit.kill();
    inhibit.waitForFinished(2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !heldNow(); }, waitMs));
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
