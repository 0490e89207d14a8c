#include "platform/dbus/screen_lock.hpp"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>

#include <unistd.h>

#include <functional>
#include <optional>
#include <vector>

namespace tarnwick {

namespace {

const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString logindPath = QStringLiteral("/org/freedesktop/login1");
const QString logindManager = QStringLiteral("org.freedesktop.login1.Manager");

// One lock request walking through the lockers; deletes itself when one accepts or all are tried.
class LockAttempt : public QObject {
public:
    // A step either starts a call (and says which bus answers it) or has nothing to try.
    struct Step {
        QDBusConnection bus;
        QDBusMessage message;
        // Runs on a successful reply; returns a further step to make, or nothing when the reply itself
        // was the lock being accepted.
        std::function<std::optional<Step>(const QDBusMessage&)> followUp;
    };

    LockAttempt(std::vector<Step> steps, FallbackCommand fallback)
        : m_steps(std::move(steps)), m_fallback(std::move(fallback)) {}

    void start() { next(); }

private:
    void next() {
        while (m_position < m_steps.size()) {
            Step step = m_steps[m_position++];
            if (send(step)) return;
        }
        if (!m_fallback.program.isEmpty()) {
            // Detached and mute: whatever the command prints (xset on a server without DPMS prints
            // its usage) must not reach our console.
            QProcess process;
            process.setProgram(m_fallback.program);
            process.setArguments(m_fallback.arguments);
            process.setStandardInputFile(QProcess::nullDevice());
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            process.startDetached();
        }
        deleteLater();
    }

    // Starts the step's call; false when its bus is not there.
    bool send(const Step& step) {
        if (!step.bus.isConnected()) return false;
        auto* watcher = new QDBusPendingCallWatcher(
            step.bus.asyncCall(step.message, DbusScreenLock::callTimeoutMs), this);
        auto followUp = step.followUp;
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, followUp] {
            watcher->deleteLater();
            const QDBusMessage reply = watcher->reply();
            if (reply.type() != QDBusMessage::ReplyMessage) {
                next();
            } else if (!followUp) {
                deleteLater();
            } else if (auto further = followUp(reply); !further || !send(*further)) {
                next();
            }
        });
        return true;
    }

    std::vector<Step> m_steps;
    std::size_t m_position = 0;
    FallbackCommand m_fallback;
};

QDBusMessage lockCall(const QString& service, const QString& path, const QString& interface) {
    return QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Lock"));
}

}  // namespace

DbusScreenLock::DbusScreenLock()
    : DbusScreenLock(QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                     {QStringLiteral("xset"), {QStringLiteral("dpms"), QStringLiteral("force"), QStringLiteral("off")}}) {}

DbusScreenLock::DbusScreenLock(QDBusConnection sessionBus, QDBusConnection systemBus, FallbackCommand fallback)
    : m_sessionBus(std::move(sessionBus)), m_systemBus(std::move(systemBus)), m_fallback(std::move(fallback)) {}

void DbusScreenLock::lock() {
    const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
    const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
    std::vector<LockAttempt::Step> steps{
        {m_sessionBus, lockCall(freedesktop, QStringLiteral("/ScreenSaver"), freedesktop), {}},
        {m_sessionBus, lockCall(freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop), {}},
        {m_sessionBus, lockCall(gnome, QStringLiteral("/org/gnome/ScreenSaver"), gnome), {}},
    };

    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    if (!sessionId.isEmpty()) {
        QDBusMessage call = QDBusMessage::createMethodCall(logindService, logindPath, logindManager,
                                                           QStringLiteral("LockSession"));
        call << sessionId;
        steps.push_back({m_systemBus, call, {}});
    } else {
        // Find this process's session, then lock that session object.
        QDBusMessage call = QDBusMessage::createMethodCall(logindService, logindPath, logindManager,
                                                           QStringLiteral("GetSessionByPID"));
        call << quint32(getpid());
        QDBusConnection bus = m_systemBus;
        steps.push_back({m_systemBus, call, [bus](const QDBusMessage& reply) -> std::optional<LockAttempt::Step> {
                             if (reply.arguments().isEmpty()) return std::nullopt;
                             const QString path = qvariant_cast<QDBusObjectPath>(reply.arguments().first()).path();
                             if (path.isEmpty()) return std::nullopt;
                             return LockAttempt::Step{
                                 bus, lockCall(logindService, path, QStringLiteral("org.freedesktop.login1.Session")), {}};
                         }});
    }

    auto* attempt = new LockAttempt(std::move(steps), m_fallback);
    attempt->start();
}

}  // namespace tarnwick
