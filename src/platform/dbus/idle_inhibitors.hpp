#pragma once

// Idle inhibitors held by other programs (a video player, a presentation), as the desktop's
// services report them: GNOME's session manager, logind and KDE's power management.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "platform/idle_sources.hpp"

namespace tarnwick {

// One entry of logind's ListInhibitors.
struct LogindInhibitor {
    QString what;  // colon-separated: "idle", "sleep:shutdown", ...
    QString who, why, mode;
    quint32 uid = 0, pid = 0;
    bool operator==(const LogindInhibitor&) const = default;
};
QDBusArgument& operator<<(QDBusArgument& argument, const LogindInhibitor& inhibitor);
const QDBusArgument& operator>>(const QDBusArgument& argument, LogindInhibitor& inhibitor);

// Whether one of them inhibits idle for this user from a process other than ours.
bool holdsIdleInhibitor(const QList<LogindInhibitor>& inhibitors, quint32 ownUid, quint32 ownPid);

// ListInhibitors' reply read, or nothing when it is not of the documented form a(ssssuu).
std::optional<QList<LogindInhibitor>> readLogindInhibitors(const QDBusMessage& reply);

class DbusInhibitorSource final : public QObject, public InhibitorSource {
public:
    static constexpr int callTimeoutMs = 100;
    // Held or not from a reply; nothing when the reply is not of the expected form.
    using Reading = std::function<std::optional<bool>(const QDBusMessage&)>;

    DbusInhibitorSource(QString name, QDBusConnection bus, QDBusMessage question, Reading reading,
                        QObject* parent = nullptr);

    // org.gnome.SessionManager IsInhibited(8): the idle flag. Tarnwick holds no inhibitor of its
    // own, so any that is held is another program's.
    static std::unique_ptr<DbusInhibitorSource> gnomeSession(QDBusConnection sessionBus);
    // org.freedesktop.login1 ListInhibitors, on the system bus.
    static std::unique_ptr<DbusInhibitorSource> logind(QDBusConnection systemBus, quint32 ownUid, quint32 ownPid);
    // KDE's power management policy agent: HasInhibition for screen settings, the policy the screen
    // saver's Inhibit (what video players call) takes.
    static std::unique_ptr<DbusInhibitorSource> kdePowerManagement(QDBusConnection sessionBus);

    QString name() const override { return m_name; }
    void ask() override;
    bool inhibited() const override { return m_inhibited; }
    bool answering() const override { return m_answering; }
    bool awaitingReply() const override { return m_waiting; }

private:
    QString m_name;
    QDBusConnection m_bus;
    // Whether the service is on the bus: a service found missing is not asked again until it
    // appears, so a desktop without it costs no call every few seconds.
    QDBusServiceWatcher m_presence;
    bool m_present = true;
    QDBusMessage m_question;
    Reading m_reading;
    bool m_waiting = false, m_answering = false, m_inhibited = false;
};

}  // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::LogindInhibitor)
