// The screen lock and the sleep monitor against fake lockers and a fake logind on a private bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/dbus/screen_lock.hpp"
#include "platform/dbus/sleep_monitor.hpp"
#include "test_support.hpp"

namespace tarnwick {
namespace {

using test::settle;
using test::waitUntil;

// Answers Lock, refuses it with an error, or takes it and never replies.
class FakeLocker : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    enum Mode { accept, refuse, silent };
    explicit FakeLocker(Mode mode = accept) : m_mode(mode) {}
    int calls = 0;
    bool accepted() const { return calls > 0 && m_mode == accept; }

public Q_SLOTS:
    void Lock() {
        ++calls;
        if (m_mode == refuse) sendErrorReply(QDBusError::AccessDenied, QStringLiteral("locking is not allowed"));
        if (m_mode == silent) setDelayedReply(true);
    }

private:
    Mode m_mode;
};

class FakeLogindManager : public QObject {
    Q_OBJECT
public:
    QStringList lockedSessions;
    std::optional<uint> askedForPid;

public Q_SLOTS:
    void LockSession(const QString& id) { lockedSessions << id; }
    QDBusObjectPath GetSessionByPID(uint pid) {
        askedForPid = pid;
        return QDBusObjectPath(QStringLiteral("/org/freedesktop/login1/session/_37"));
    }
};

// A connection of its own that can own names and serve fake objects.
class FakeService {
public:
    explicit FakeService(QDBusConnection::BusType type)
        : m_name(QStringLiteral("tarnwick-fake-%1").arg(++s_count)),
          m_bus(std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(type, m_name))) {}
    ~FakeService() {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(m_name);
    }
    QDBusConnection& bus() { return *m_bus; }
    bool serve(const QString& service, const QString& path, const QString& interface, QObject* object) {
        m_bus->registerService(service);
        return m_bus->registerObject(path, interface, object, QDBusConnection::ExportAllSlots);
    }

private:
    static inline int s_count = 0;
    QString m_name;
    std::unique_ptr<QDBusConnection> m_bus;
};

const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
const QString logind = QStringLiteral("org.freedesktop.login1");

enum class Locker { freedesktopShortPath, freedesktopLongPath, gnome, logindManager, logindSession, fallback };

TEST(ScreenLockChain, TheFirstLockerThatAcceptsLocksAndNoLaterOneIsTried) {
    using enum FakeLocker::Mode;
    struct Case {
        const char* name;
        std::optional<FakeLocker::Mode> freedesktopShort, freedesktopLong;
        bool gnomeLocker, logindService;
        const char* sessionId;
        Locker expected;
    } cases[] = {
        {"freedesktop at /ScreenSaver", accept, accept, true, true, "c2", Locker::freedesktopShortPath},
        {"freedesktop only at its long path", std::nullopt, accept, true, true, "c2", Locker::freedesktopLongPath},
        {"freedesktop refuses, gnome accepts", refuse, refuse, true, true, "c2", Locker::gnome},
        {"logind with the session from the environment", {}, {}, false, true, "c2", Locker::logindManager},
        {"logind with the session looked up by pid", {}, {}, false, true, nullptr, Locker::logindSession},
        {"everything refuses", refuse, refuse, false, false, "c2", Locker::fallback},
        {"nothing on the buses", {}, {}, false, false, nullptr, Locker::fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.sessionId) qputenv("XDG_SESSION_ID", c.sessionId);
        else qunsetenv("XDG_SESSION_ID");
        QTemporaryDir dir;
        const QString marker = dir.path() + "/display-off";

        FakeService sessionSide(QDBusConnection::SessionBus), systemSide(QDBusConnection::SystemBus);
        FakeLocker freedesktopShort(c.freedesktopShort.value_or(accept)), freedesktopLong(c.freedesktopLong.value_or(accept));
        FakeLocker gnomeLocker, logindSession;
        FakeLogindManager manager;
        if (c.freedesktopShort) sessionSide.serve(freedesktop, QStringLiteral("/ScreenSaver"), freedesktop, &freedesktopShort);
        if (c.freedesktopLong)
            sessionSide.serve(freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop, &freedesktopLong);
        if (c.gnomeLocker) sessionSide.serve(gnome, QStringLiteral("/org/gnome/ScreenSaver"), gnome, &gnomeLocker);
        if (c.logindService) {
            systemSide.serve(logind, QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("org.freedesktop.login1.Manager"), &manager);
            systemSide.serve(logind, QStringLiteral("/org/freedesktop/login1/session/_37"),
                             QStringLiteral("org.freedesktop.login1.Session"), &logindSession);
        }

        DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                            {QStringLiteral("touch"), {marker}});
        lock.lock();

        const auto accepted = [&](Locker locker) {
            switch (locker) {
            case Locker::freedesktopShortPath: return freedesktopShort.accepted();
            case Locker::freedesktopLongPath: return freedesktopLong.accepted();
            case Locker::gnome: return gnomeLocker.accepted();
            case Locker::logindManager: return manager.lockedSessions == QStringList{QString::fromLatin1(c.sessionId)};
            case Locker::logindSession: return logindSession.accepted();
            case Locker::fallback: return QFile::exists(marker);
            }
            return false;
        };
        EXPECT_TRUE(waitUntil([&] { return accepted(c.expected); }));
        settle(300);  // anything the chain would wrongly try next has time to arrive
        for (int later = int(c.expected) + 1; later <= int(Locker::fallback); ++later) {
            EXPECT_FALSE(accepted(Locker(later))) << "locker " << later << " was also tried";
        }
        if (c.expected == Locker::logindSession) {
            EXPECT_EQ(manager.askedForPid, std::optional<uint>(uint(getpid())));
            EXPECT_TRUE(manager.lockedSessions.isEmpty());
        }
    }
    qunsetenv("XDG_SESSION_ID");
}

TEST(ScreenLockChain, ALockerThatNeverAnswersHoldsNothingUpAndTheFallbackIsMute) {
    FakeService sessionSide(QDBusConnection::SessionBus);
    FakeLocker silentLocker(FakeLocker::silent);
    sessionSide.serve(freedesktop, QStringLiteral("/ScreenSaver"), freedesktop, &silentLocker);
    QTemporaryDir dir;
    const QString marker = dir.path() + "/display-off";
    // mkdir -v reports on stdout, and the repeated folder fails on stderr.
    DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                        {QStringLiteral("mkdir"), {QStringLiteral("-v"), marker, marker}});
    const std::string console = test::outputDuring({STDOUT_FILENO, STDERR_FILENO}, [&] {
        QElapsedTimer timer;
        timer.start();
        lock.lock();
        EXPECT_LT(timer.elapsed(), 200) << "lock() only starts the chain; it never waits for an answer";
        // With the bus's default timeout this would take 25 s; the short per-call timeout moves on.
        EXPECT_TRUE(waitUntil([&] { return QFile::exists(marker); }, 2000));
        settle(300);
    });
    EXPECT_EQ(silentLocker.calls, 1);
    EXPECT_EQ(console, "");
}

QDBusMessage prepareForSleep(bool start) {
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    signal << start;
    return signal;
}

TEST(SleepMonitorOnBus, AvailableOnlyWhileLogindIsOnTheBus) {
    LogindSleepMonitor monitor;
    EXPECT_FALSE(monitor.available());
    {
        FakeService systemSide(QDBusConnection::SystemBus);
        ASSERT_TRUE(systemSide.bus().registerService(logind));
        EXPECT_TRUE(monitor.available());
    }
    EXPECT_TRUE(waitUntil([&] { return !monitor.available(); }));
    EXPECT_FALSE(LogindSleepMonitor(QDBusConnection(QStringLiteral("not-connected"))).available());
}

TEST(SleepMonitorOnBus, PrepareForSleepFromLogindAloneReachesTheCallbacks) {
    int willSleep = 0, didWake = 0;
    LogindSleepMonitor monitor;
    // Watching starts before logind is on the bus, as when logind restarts under a running program.
    monitor.watch([&] { ++willSleep; }, [&] { ++didWake; });
    FakeService systemSide(QDBusConnection::SystemBus), impostor(QDBusConnection::SystemBus);
    ASSERT_TRUE(systemSide.bus().registerService(logind));
    settle(100);

    ASSERT_TRUE(impostor.bus().send(prepareForSleep(true)));  // the same signal from a name-less sender
    settle(300);
    EXPECT_EQ(willSleep, 0);
    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(true)));
    EXPECT_TRUE(waitUntil([&] { return willSleep == 1; }));
    EXPECT_EQ(didWake, 0);
    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(false)));
    EXPECT_TRUE(waitUntil([&] { return didWake == 1; }));

    // Watching again replaces the callbacks rather than adding a second subscription.
    int replacedWake = 0;
    monitor.watch([] {}, [&] { ++replacedWake; });
    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(false)));
    EXPECT_TRUE(waitUntil([&] { return replacedWake == 1; }));
    settle(100);
    EXPECT_EQ(replacedWake, 1);
    EXPECT_EQ(didWake, 1);
    EXPECT_EQ(willSleep, 1);
}

}  // namespace
}  // namespace tarnwick

#include "dbus_desktop_test.moc"
