#include "platform/dbus/idle_inhibitors.hpp"

#include <QDBusPendingCallWatcher>

#include <algorithm>

namespace tarnwick {

namespace {

// A reply holding one boolean.
std::optional<bool> readBoolean(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) return std::nullopt;
    const QVariant value = reply.arguments().constFirst();
    if (value.typeId() != QMetaType::Bool) return std::nullopt;
    return value.toBool();
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const LogindInhibitor& inhibitor) {
    argument.beginStructure();
    argument << inhibitor.what << inhibitor.who << inhibitor.why << inhibitor.mode << inhibitor.uid << inhibitor.pid;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, LogindInhibitor& inhibitor) {
    argument.beginStructure();
    argument >> inhibitor.what >> inhibitor.who >> inhibitor.why >> inhibitor.mode >> inhibitor.uid >> inhibitor.pid;
    argument.endStructure();
    return argument;
}

bool holdsIdleInhibitor(const QList<LogindInhibitor>& inhibitors, quint32 ownUid, quint32 ownPid) {
    return std::any_of(inhibitors.begin(), inhibitors.end(), [&](const LogindInhibitor& i) {
        return i.uid == ownUid && i.pid != ownPid && i.what.split(QLatin1Char(':')).contains(QLatin1String("idle"));
    });
}

std::optional<QList<LogindInhibitor>> readLogindInhibitors(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) return std::nullopt;
    const QVariant value = reply.arguments().constFirst();
    if (value.userType() != qMetaTypeId<QDBusArgument>()) return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(ssssuu)")) return std::nullopt;
    QList<LogindInhibitor> inhibitors;
    argument >> inhibitors;
    return inhibitors;
}

DbusInhibitorSource::DbusInhibitorSource(QString name, QDBusConnection bus, QDBusMessage question, Reading reading,
                                         QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_bus(std::move(bus)),
      m_presence(question.service(), m_bus, QDBusServiceWatcher::WatchForOwnerChange),
      m_question(std::move(question)), m_reading(std::move(reading)) {
    m_question.setAutoStartService(false);  // asking must never start a service
    connect(&m_presence, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) { m_present = !owner.isEmpty(); });
}

std::unique_ptr<DbusInhibitorSource> DbusInhibitorSource::gnomeSession(QDBusConnection sessionBus) {
    constexpr quint32 idleFlag = 8;
    QDBusMessage question = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("IsInhibited"));
    question << idleFlag;
    return std::make_unique<DbusInhibitorSource>(QStringLiteral("GNOME session manager"), std::move(sessionBus),
                                                 question, readBoolean);
}

std::unique_ptr<DbusInhibitorSource> DbusInhibitorSource::logind(QDBusConnection systemBus, quint32 ownUid,
                                                                 quint32 ownPid) {
    QDBusMessage question = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors"));
    return std::make_unique<DbusInhibitorSource>(
        QStringLiteral("logind"), std::move(systemBus), question,
        [ownUid, ownPid](const QDBusMessage& reply) -> std::optional<bool> {
            const auto inhibitors = readLogindInhibitors(reply);
            if (!inhibitors) return std::nullopt;
            return holdsIdleInhibitor(*inhibitors, ownUid, ownPid);
        });
}

std::unique_ptr<DbusInhibitorSource> DbusInhibitorSource::kdePowerManagement(QDBusConnection sessionBus) {
    constexpr quint32 changeScreenSettings = 4;
    const QString agent = QStringLiteral("org.kde.Solid.PowerManagement.PolicyAgent");
    QDBusMessage question = QDBusMessage::createMethodCall(
        agent, QStringLiteral("/org/kde/Solid/PowerManagement/PolicyAgent"), agent, QStringLiteral("HasInhibition"));
    question << changeScreenSettings;
    return std::make_unique<DbusInhibitorSource>(QStringLiteral("KDE power management"), std::move(sessionBus),
                                                 question, readBoolean);
}

void DbusInhibitorSource::ask() {
    if (m_waiting) return;
    if (!m_bus.isConnected() || !m_present) {
        m_answering = m_inhibited = false;
        return;
    }
    m_waiting = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(m_question, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        m_waiting = false;
        const QDBusMessage reply = watcher->reply();
        const QString error = reply.errorName();
        if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
            error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
            m_present = false;
        }
        const auto held = m_reading(reply);
        m_answering = held.has_value();
        m_inhibited = held.value_or(false);
    });
}

}  // namespace tarnwick
