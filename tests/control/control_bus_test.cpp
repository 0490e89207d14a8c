// The control service on the private session bus of the virtual desktop, over the model on fake
// ports and a manual clock: a second connection calls it and listens as a script or a bar would.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QTest>

#include "control/control_service.hpp"
#include "control/control_values.hpp"
#include "control_rig.hpp"
#include "ui/break_view_models.hpp"
#include "ui/menu_bar_view_model.hpp"

namespace tarnwick {
namespace {

using fakes::ControlRig;
using fakes::t0;

const QString service = QString::fromLatin1(controlServiceName);
const QString path = QString::fromLatin1(controlObjectPath);
const QString interface = QString::fromLatin1(controlInterfaceName);
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

// What arrives at the listening end.
class Listener : public QObject {
    Q_OBJECT
public:
    explicit Listener(QDBusConnection bus) {
        bus.connect(QString(), path, properties, QStringLiteral("PropertiesChanged"), this, SLOT(changed(QDBusMessage)));
        bus.connect(QString(), path, interface, QStringLiteral("BreakStarted"), this, SLOT(started(QDBusMessage)));
        bus.connect(QString(), path, interface, QStringLiteral("BreakEnded"), this, SLOT(ended(QDBusMessage)));
    }
    std::vector<QVariantMap> changes;
    QStringList breaks;  // "started micro", "ended micro taken"

public Q_SLOTS:
    void changed(const QDBusMessage& message) {
        if (message.arguments().value(0).toString() != interface) return;
        changes.push_back(qdbus_cast<QVariantMap>(message.arguments().value(1)));
    }
    void started(const QDBusMessage& message) { breaks << "started " + message.arguments().value(0).toString(); }
    void ended(const QDBusMessage& message) {
        breaks << "ended " + message.arguments().value(0).toString() + " " + message.arguments().value(1).toString();
    }
};

int connections = 0;

struct BusRig : ControlRig {
    BusRig() {
        control.publish(QDBusConnection::sessionBus());
        QObject::connect(&control, &ControlService::published, [this](bool owned) { owned ? ++named : --named; });
        EXPECT_TRUE(QTest::qWaitFor([this] { return named != 0; }, 5000));
        EXPECT_EQ(named, 1) << "the name is not this service's";
    }
    ~BusRig() { QDBusConnection::disconnectFromBus(clientName); }

    // Calls `method` from the other connection and waits for the answer.
    QDBusMessage call(const QString& method, const QVariantList& arguments = {}, const QString& on = interface) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, on, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = client.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000)) << method.toStdString();
        return pending.reply();
    }
    QVariantMap all() {
        return qdbus_cast<QVariantMap>(call(QStringLiteral("GetAll"), {interface}, properties).arguments().value(0));
    }
    // Lets the messages sent so far arrive.
    void settle() { QTest::qWait(50); }

    int opened[3] = {0, 0, 0};
    ControlService control{*model, ControlWindows{[this] { ++opened[0]; }, [this] { ++opened[1]; },
                                                  [this] { ++opened[2]; }}};
    int named = 0;
    QString clientName = QStringLiteral("client-%1").arg(++connections);
    QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, clientName);
    Listener listener{client};
};

TEST(ControlBus, EveryMethodActsAsTheTraysOwnControl) {
    using Act = std::function<void(ControlRig&)>;
    struct Case {
        const char* name;
        Act before;
        const char* method;
        QVariantList arguments;
        std::function<void(ControlRig&)> tray;  // the same through the tray's and the card's view models
    } cases[] = {
        {"eye break", {}, "TakeBreak", {"micro"}, [](ControlRig& r) { MenuBarViewModel(*r.model).firstTile(); }},
        {"long break", {}, "TakeBreak", {"long"}, [](ControlRig& r) { MenuBarViewModel(*r.model).longBreak(); }},
        {"start now", [](ControlRig& r) { r.soon(BreakKind::long_); }, "StartNow", {},
         [](ControlRig& r) { MenuBarViewModel(*r.model).firstTile(); }},
        {"snooze", [](ControlRig& r) { r.soon(BreakKind::micro); }, "Snooze", {5u},
         [](ControlRig& r) { HeadsUpViewModel(*r.model).snooze(5); }},
        {"pause 30 min", {}, "PauseFor", {1800u}, [](ControlRig& r) { MenuBarViewModel(*r.model).pauseChip(0); }},
        {"pause 1 hour", {}, "PauseFor", {3600u}, [](ControlRig& r) { MenuBarViewModel(*r.model).pauseChip(1); }},
        {"until tomorrow", {}, "PauseUntilTomorrow", {}, [](ControlRig& r) { MenuBarViewModel(*r.model).pauseChip(2); }},
        {"resume", [](ControlRig& r) { r.model->pauseFor(600); }, "Resume", {},
         [](ControlRig& r) { MenuBarViewModel(*r.model).resume(); }},
        {"skip a heads-up", [](ControlRig& r) { r.soon(BreakKind::micro); }, "Skip", {},
         [](ControlRig& r) { HeadsUpViewModel(*r.model).skip(); }},
        {"skip a held break", [](ControlRig& r) { r.held(); }, "Skip", {},
         [](ControlRig& r) { HeadsUpViewModel(*r.model).skip(); }},
        {"skip a break", [](ControlRig& r) {
             r.edit([](Settings& s) { s.enforcement = BreakEnforcement::casual; });
             r.model->takeBreak(BreakKind::micro);
         }, "Skip", {}, [](ControlRig& r) { BreakViewModel(*r.model).skip(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BusRig bus;
        ControlRig tray;
        for (ControlRig* r : {static_cast<ControlRig*>(&bus), &tray}) {
            r->tickAt(t0 + 10);
            if (c.before) c.before(*r);
            r->clock.advance(3);
        }
        const Phase before = bus.model->phase();
        const QDBusMessage reply = bus.call(QString::fromLatin1(c.method), c.arguments);
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        c.tray(tray);
        EXPECT_NE(bus.model->phase(), before);
        EXPECT_EQ(bus.model->phase(), tray.model->phase());
        EXPECT_EQ(bus.model->history(), tray.model->history());
        EXPECT_EQ(bus.model->scheduler().nextMicro(), tray.model->scheduler().nextMicro());
        EXPECT_EQ(bus.model->scheduler().nextLong(), tray.model->scheduler().nextLong());
    }
}

TEST(ControlBus, TheWindowMethodsOpenTheirWindows) {
    BusRig bus;
    for (const char* method : {"OpenPanel", "OpenSettings", "OpenStats", "OpenSettings"}) {
        EXPECT_EQ(bus.call(QString::fromLatin1(method)).type(), QDBusMessage::ReplyMessage);
    }
    EXPECT_EQ(bus.opened[0], 1);
    EXPECT_EQ(bus.opened[1], 2);
    EXPECT_EQ(bus.opened[2], 1);
}

TEST(ControlBus, EveryPropertyMatchesTheModelInEveryPhase) {
    using Act = std::function<void(ControlRig&)>;
    const std::pair<const char*, Act> phases[] = {
        {"working", {}},
        {"headsUp", [](ControlRig& r) { r.soon(BreakKind::long_); }},
        {"held", [](ControlRig& r) { r.held(); }},
        {"onBreak", [](ControlRig& r) { r.model->takeBreak(BreakKind::micro); }},
        {"paused", [](ControlRig& r) { r.model->pauseFor(5400); }},
    };
    for (const auto& [name, act] : phases) {
        SCOPED_TRACE(name);
        BusRig bus;
        bus.tickAt(t0 + 1);
        if (act) act(bus);
        const QVariantMap served = bus.all();
        EXPECT_EQ(served.value("Phase"), QString::fromLatin1(name));
        QVariantMap expected = propertyMap(controlValues(*bus.model));
        expected.insert("Progress", bus.model->nextBreakProgress());
        EXPECT_EQ(served.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            SCOPED_TRACE(it.key().toStdString());
            // The types the interface declares: instants x, counts u, texts s, progress d.
            EXPECT_EQ(served.value(it.key()).metaType(), it.value().metaType());
            EXPECT_EQ(served.value(it.key()), it.value());
        }
    }
}

TEST(ControlBus, AChangeIsAnnouncedAtOnceWithOnlyWhatMoved) {
    BusRig bus;
    bus.tickAt(t0 + 1);
    QElapsedTimer timer;
    timer.start();
    bus.call("PauseFor", {600u});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bus.listener.changes.empty(); }, 1000));
    EXPECT_LT(timer.elapsed(), 1000);
    const QVariantMap& change = bus.listener.changes.front();
    EXPECT_EQ(change.value("Phase"), "paused");
    EXPECT_EQ(change.value("PausedUntil").toLongLong(), qint64((t0 + 1) * 1000) + 600'000);
    EXPECT_EQ(change.value("Text"), "Paused");
    EXPECT_FALSE(change.contains("NextBreakAt"));
    EXPECT_FALSE(change.contains("Progress"));

    // A change the tick makes: the pause runs out.
    bus.listener.changes.clear();
    bus.tickAt(t0 + 601);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bus.listener.changes.empty(); }, 1000));
    EXPECT_EQ(bus.listener.changes.front().value("Phase"), "working");
    bus.settle();
    EXPECT_EQ(bus.listener.changes.size(), 1u);
}

TEST(ControlBus, AQuietMinuteSendsNothing) {
    {
        SCOPED_TRACE("paused");
        BusRig bus;
        bus.tickAt(t0);
        bus.model->pauseFor(3600);
        bus.settle();
        bus.listener.changes.clear();
        bus.tickUntil(t0 + 60);
        bus.settle();
        EXPECT_EQ(bus.listener.changes.size(), 0u);
    }
    {
        SCOPED_TRACE("working, 20 minutes to the next break");
        BusRig bus;
        bus.tickAt(t0);
        bus.settle();
        bus.listener.changes.clear();
        bus.tickUntil(t0 + 59);
        bus.settle();
        EXPECT_EQ(bus.listener.changes.size(), 0u);
        // The minute the tray's text turns, and only its texts.
        bus.tickUntil(t0 + 60);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !bus.listener.changes.empty(); }, 1000));
        EXPECT_EQ(bus.listener.changes.front().keys(), (QStringList{"AccessibleLabel", "Sentence", "Text"}));
        EXPECT_EQ(bus.listener.changes.front().value("Text"), "19m");
    }
}

TEST(ControlBus, BreakSignalsComeWithTheBreakAndTheHistory) {
    {
    BusRig bus;
    bus.tickAt(t0);
    bus.call("TakeBreak", {"micro"});
    bus.tickAt(t0 + 21);  // it runs its 20 s
    bus.edit([](Settings& s) { s.enforcement = BreakEnforcement::casual; });
    bus.call("TakeBreak", {"long"});
    bus.call("Skip");
    bus.call("TakeBreak", {"micro"});
    bus.call("PauseFor", {60u});  // ends the break unrecorded: no history, so no BreakEnded
    bus.settle();
    EXPECT_EQ(bus.listener.breaks, (QStringList{"started micro", "ended micro taken", "started long",
                                                "ended long skipped", "started micro"}));
    }
    // A hold is recorded as it begins.
    BusRig held;
    held.held();
    held.settle();
    EXPECT_EQ(held.listener.breaks, QStringList{"ended micro held"});
}

TEST(ControlBus, BadArgumentsAreRefusedNamingWhatIsValidAndChangeNothing) {
    using Act = std::function<void(ControlRig&)>;
    struct Case {
        const char* name;
        Act before;
        const char* method;
        QVariantList arguments;
        const char* says;
    } cases[] = {
        {"unknown kind", {}, "TakeBreak", {"short"}, "\"micro\" and \"long\""},
        {"kind in capitals", {}, "TakeBreak", {"Micro"}, "\"micro\" and \"long\""},
        {"a break during a break", [](ControlRig& r) { r.model->takeBreak(BreakKind::micro); }, "TakeBreak", {"long"},
         "while working, paused, or with one announced or held"},
        {"pause of 0 s", {}, "PauseFor", {0u}, "1 to 86400 seconds"},
        {"pause over a day", {}, "PauseFor", {86401u}, "1 to 86400 seconds"},
        {"snooze with nothing due", {}, "Snooze", {5u}, "announced, held or under way"},
        {"snooze of 0 min", [](ControlRig& r) { r.soon(BreakKind::micro); }, "Snooze", {0u}, "1 to 1440 minutes"},
        {"snooze over a day", [](ControlRig& r) { r.soon(BreakKind::micro); }, "Snooze", {1441u}, "1 to 1440 minutes"},
        {"start with nothing announced", {}, "StartNow", {}, "headsUp or held"},
        {"resume while working", {}, "Resume", {}, "phase paused"},
        {"skip with no break", {}, "Skip", {}, "announced, held or under way"},
        {"skip before the wait", [](ControlRig& r) { r.model->takeBreak(BreakKind::micro); }, "Skip", {},
         "can be skipped in 5 s"},
        {"skip in hardcore", [](ControlRig& r) {
             r.edit([](Settings& s) { s.enforcement = BreakEnforcement::hardcore; });
             r.soon(BreakKind::micro);
         }, "Skip", {}, "hardcore"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BusRig bus;
        bus.tickAt(t0 + 1);
        if (c.before) c.before(bus);
        bus.settle();
        bus.listener.changes.clear();
        const Phase phase = bus.model->phase();
        const auto history = bus.model->history();
        const auto nextMicro = bus.model->scheduler().nextMicro();
        const int saves = bus.persistence.settingsSaves + bus.persistence.historySaves;
        const QDBusMessage reply = bus.call(QString::fromLatin1(c.method), c.arguments);
        ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(reply.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
        EXPECT_TRUE(reply.errorMessage().contains(QString::fromUtf8(c.says))) << reply.errorMessage().toStdString();
        EXPECT_EQ(bus.model->phase(), phase);
        EXPECT_EQ(bus.model->history(), history);
        EXPECT_EQ(bus.model->scheduler().nextMicro(), nextMicro);
        EXPECT_EQ(bus.persistence.settingsSaves + bus.persistence.historySaves, saves);
        bus.settle();
        EXPECT_TRUE(bus.listener.changes.empty());
    }
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "control_bus_test.moc"
