// The screen lock and the sleep monitor against fake lockers and a fake logind on a private bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "platform/dbus/screen_lock.hpp"
#include "platform/dbus/sleep_monitor.hpp"
#include "wait_until.hpp"

namespace tarnwick {
namespace {

using test::settle;
using test::waitUntil;

// Answers Lock, or refuses it with an error.
class FakeLocker : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    explicit FakeLocker(bool refuse = false) : m_refuse(refuse) {}
    int calls = 0;

public Q_SLOTS:
    void Lock() {
        ++calls;
        if (m_refuse) sendErrorReply(QDBusError::AccessDenied, QStringLiteral("locking is not allowed"));
    }

private:
    bool m_refuse;
};

// Takes Lock and never replies.
class SilentLocker : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    int calls = 0;

public Q_SLOTS:
    void Lock() {
        ++calls;
        setDelayedReply(true);
    }
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

// A named connection of its own that can own service names and serve fake objects.
class FakeService {
public:
    explicit FakeService(QDBusConnection::BusType type) {
        static int counter = 0;
        m_name = QStringLiteral("tarnwick-fake-%1").arg(++counter);
        m_bus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(type, m_name));
    }
    ~FakeService() {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(m_name);
    }
    FakeService(const FakeService&) = delete;
    FakeService& operator=(const FakeService&) = delete;

    QDBusConnection& bus() { return *m_bus; }
    bool own(const QString& service) { return m_bus->registerService(service); }
    bool serve(const QString& path, const QString& interface, QObject* object) {
        return m_bus->registerObject(path, interface, object, QDBusConnection::ExportAllSlots);
    }

private:
    QString m_name;
    std::unique_ptr<QDBusConnection> m_bus;
};

// Sets or clears an environment variable for the length of a scope.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~EnvironmentOverride() {
        if (m_old) setenv(m_name.c_str(), m_old->c_str(), 1);
        else unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
const QString logind = QStringLiteral("org.freedesktop.login1");

enum class Locker { freedesktopShortPath, freedesktopLongPath, gnome, logindManager, logindSession, fallback };

TEST(ScreenLockChain, TheFirstLockerThatAcceptsLocksAndNoLaterOneIsTried) {
    struct Case {
        const char* name;
        bool freedesktopShort, freedesktopLong, freedesktopRefuses, gnomeLocker, logindService;
        const char* sessionId;
        Locker expected;
    } cases[] = {
        {"freedesktop at /ScreenSaver", true, true, false, true, true, "c2", Locker::freedesktopShortPath},
        {"freedesktop only at its long path", false, true, false, true, true, "c2", Locker::freedesktopLongPath},
        {"freedesktop refuses, gnome accepts", true, true, true, true, true, "c2", Locker::gnome},
        {"only gnome", false, false, false, true, false, "c2", Locker::gnome},
        {"logind with the session from the environment", false, false, false, false, true, "c2",
         Locker::logindManager},
        {"logind with the session looked up by pid", false, false, false, false, true, nullptr, Locker::logindSession},
        {"everything refuses", true, true, true, false, false, "c2", Locker::fallback},
        {"nothing on the buses", false, false, false, false, false, nullptr, Locker::fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EnvironmentOverride session("XDG_SESSION_ID", c.sessionId);
        QTemporaryDir dir;
        const QString marker = dir.path() + "/display-off";

        FakeService sessionSide(QDBusConnection::SessionBus), systemSide(QDBusConnection::SystemBus);
        FakeLocker freedesktopShort(c.freedesktopRefuses), freedesktopLong(c.freedesktopRefuses), gnomeLocker;
        FakeLogindManager manager;
        FakeLocker logindSession;
        if (c.freedesktopShort || c.freedesktopLong) {
            ASSERT_TRUE(sessionSide.own(freedesktop));
        }
        if (c.freedesktopShort) sessionSide.serve(QStringLiteral("/ScreenSaver"), freedesktop, &freedesktopShort);
        if (c.freedesktopLong)
            sessionSide.serve(QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop, &freedesktopLong);
        if (c.gnomeLocker) {
            ASSERT_TRUE(sessionSide.own(gnome));
            sessionSide.serve(QStringLiteral("/org/gnome/ScreenSaver"), gnome, &gnomeLocker);
        }
        if (c.logindService) {
            ASSERT_TRUE(systemSide.own(logind));
            systemSide.serve(QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                             &manager);
            systemSide.serve(QStringLiteral("/org/freedesktop/login1/session/_37"),
                             QStringLiteral("org.freedesktop.login1.Session"), &logindSession);
        }

        DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                            {QStringLiteral("touch"), {marker}});
        lock.lock();

        const auto accepted = [&](Locker locker) {
            switch (locker) {
            case Locker::freedesktopShortPath: return freedesktopShort.calls > 0 && !c.freedesktopRefuses;
            case Locker::freedesktopLongPath: return freedesktopLong.calls > 0 && !c.freedesktopRefuses;
            case Locker::gnome: return gnomeLocker.calls > 0;
            case Locker::logindManager: return manager.lockedSessions == QStringList{QString::fromLatin1(c.sessionId)};
            case Locker::logindSession: return logindSession.calls > 0;
            case Locker::fallback: return QFile::exists(marker);
            }
            return false;
        };
        EXPECT_TRUE(waitUntil([&] { return accepted(c.expected); }));
        settle(300);  // anything the chain would wrongly try next has time to arrive
        for (Locker later : {Locker::gnome, Locker::logindManager, Locker::logindSession, Locker::fallback}) {
            if (int(later) > int(c.expected)) {
                EXPECT_FALSE(accepted(later)) << "locker " << int(later) << " was tried";
            }
        }
        EXPECT_LE(freedesktopShort.calls + freedesktopLong.calls + gnomeLocker.calls + logindSession.calls, 3);
        if (c.expected == Locker::logindManager) {
            EXPECT_FALSE(manager.askedForPid.has_value()) << "the session id from the environment is used as is";
        }
        if (c.expected == Locker::logindSession) {
            ASSERT_TRUE(manager.askedForPid.has_value());
            EXPECT_EQ(*manager.askedForPid, uint(getpid()));
            EXPECT_TRUE(manager.lockedSessions.isEmpty());
        }
    }
}

TEST(ScreenLockChain, ALockerThatNeverAnswersHoldsNothingUp) {
    FakeService sessionSide(QDBusConnection::SessionBus);
    SilentLocker silent;
    ASSERT_TRUE(sessionSide.own(freedesktop));
    sessionSide.serve(QStringLiteral("/ScreenSaver"), freedesktop, &silent);
    QTemporaryDir dir;
    const QString marker = dir.path() + "/display-off";
    DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(), {QStringLiteral("touch"), {marker}});

    QElapsedTimer timer;
    timer.start();
    lock.lock();
    EXPECT_LT(timer.elapsed(), 200) << "lock() only starts the chain; it never waits for an answer";
    // With a bus default timeout this would take 25 s; the short per-call timeout moves on quickly.
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(marker); }, 2000));
    EXPECT_EQ(silent.calls, 1);
}

// Collects what fds 1 and 2 receive while `action` runs.
std::string consoleDuring(const std::function<void()>& action) {
    std::fflush(stdout);
    std::fflush(stderr);
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/console").toStdString();
    int capture = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int savedOut = dup(STDOUT_FILENO), savedErr = dup(STDERR_FILENO);
    dup2(capture, STDOUT_FILENO);
    dup2(capture, STDERR_FILENO);
    action();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);
    close(capture);
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ScreenLockChain, TheFallbackCommandRunsSilently) {
    // mkdir -v reports on stdout, and the second, repeated folder fails on stderr.
    QTemporaryDir dir;
    const QString marker = dir.path() + "/display-off";
    DbusScreenLock lock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                        {QStringLiteral("mkdir"), {QStringLiteral("-v"), marker, marker}});
    const std::string console = consoleDuring([&] {
        lock.lock();
        EXPECT_TRUE(waitUntil([&] { return QFile::exists(marker); }));
        settle(300);
    });
    EXPECT_EQ(console, "");
}

TEST(SleepMonitorOnBus, AvailableOnlyWhileLogindIsOnTheBus) {
    LogindSleepMonitor monitor;
    EXPECT_FALSE(monitor.available());
    {
        FakeService systemSide(QDBusConnection::SystemBus);
        ASSERT_TRUE(systemSide.own(logind));
        EXPECT_TRUE(monitor.available());
    }
    EXPECT_TRUE(waitUntil([&] { return !monitor.available(); }));
    EXPECT_FALSE(LogindSleepMonitor(QDBusConnection(QStringLiteral("not-connected"))).available());
}

QDBusMessage prepareForSleep(bool start) {
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    signal << start;
    return signal;
}

TEST(SleepMonitorOnBus, PrepareForSleepFromLogindReachesTheCallbacks) {
    int willSleep = 0, didWake = 0;
    LogindSleepMonitor monitor;
    // Watching starts before logind is on the bus, as when logind restarts under a running program.
    monitor.watch([&] { ++willSleep; }, [&] { ++didWake; });
    FakeService systemSide(QDBusConnection::SystemBus);
    ASSERT_TRUE(systemSide.own(logind));
    settle(100);

    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(true)));
    EXPECT_TRUE(waitUntil([&] { return willSleep == 1; }));
    EXPECT_EQ(didWake, 0);
    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(false)));
    EXPECT_TRUE(waitUntil([&] { return didWake == 1; }));
    EXPECT_EQ(willSleep, 1);

    // Watching again replaces the callbacks rather than adding a second subscription.
    int replacedWake = 0;
    monitor.watch([] {}, [&] { ++replacedWake; });
    ASSERT_TRUE(systemSide.bus().send(prepareForSleep(false)));
    EXPECT_TRUE(waitUntil([&] { return replacedWake == 1; }));
    settle(100);
    EXPECT_EQ(replacedWake, 1);
    EXPECT_EQ(didWake, 1);
}

TEST(SleepMonitorOnBus, TheSameSignalFromAnotherSenderIsIgnored) {
    int willSleep = 0;
    FakeService systemSide(QDBusConnection::SystemBus), impostor(QDBusConnection::SystemBus);
    ASSERT_TRUE(systemSide.own(logind));
    LogindSleepMonitor monitor;
    monitor.watch([&] { ++willSleep; }, [] {});
    settle(100);
    ASSERT_TRUE(impostor.bus().send(prepareForSleep(true)));
    settle(300);
    EXPECT_EQ(willSleep, 0);
}

}  // namespace
}  // namespace tarnwick

#include "dbus_desktop_test.moc"
