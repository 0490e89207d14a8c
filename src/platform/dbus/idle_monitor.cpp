#include "platform/dbus/idle_monitor.hpp"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace tarnwick {

namespace {

// A non-negative whole number of any D-Bus integer type; nothing for anything else.
std::optional<double> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return double(value.toULongLong());
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Short:
        if (value.toLongLong() >= 0) return double(value.toLongLong());
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// Calls `method` and hands its reply, or the error that stands for it, to `done` on the event loop.
template <class Done>
void callAsync(QDBusConnection& bus, QDBusMessage message, QObject* context, Done done) {
    message.setAutoStartService(false);  // asking must never start a service
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, DbusIdleSource::callTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

}  // namespace

DbusIdleSource::Service DbusIdleSource::mutterIdleMonitor() {
    return {QStringLiteral("Mutter idle monitor"), QStringLiteral("org.gnome.Mutter.IdleMonitor"),
            QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"), QStringLiteral("org.gnome.Mutter.IdleMonitor"),
            QStringLiteral("GetIdletime"), 0.001, {}};
}

DbusIdleSource::Service DbusIdleSource::freedesktopScreenSaver() {
    return {QStringLiteral("freedesktop screen saver"), QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("GetSessionIdleTime"), 1.0, QStringLiteral("org.kde.screensaver")};
}

DbusIdleSource::DbusIdleSource(QDBusConnection bus, Service service, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_service(std::move(service)), m_secondsPerUnit(m_service.secondsPerUnit) {}

void DbusIdleSource::ask(double now) {
    if (m_waiting) return;
    if (!m_bus.isConnected()) {
        m_answering = false;
        return;
    }
    m_waiting = true;
    callAsync(m_bus,
              QDBusMessage::createMethodCall(m_service.service, m_service.path, m_service.interface, m_service.method),
              this, [this, now](const QDBusMessage& reply) { onReply(reply, now); });
}

void DbusIdleSource::onReply(const QDBusMessage& reply, double sentAt) {
    m_waiting = false;
    const auto value = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1
                         ? wholeNumber(reply.arguments().constFirst())
                         : std::nullopt;
    m_answering = value.has_value();
    if (!value) return;
    m_last = Reply{*value, sentAt, reply.service()};
    if (m_last->sender != m_unitOf) learnUnit(m_last->sender);
}

void DbusIdleSource::learnUnit(const QString& sender) {
    if (m_service.millisecondsWhenOwnerHolds.isEmpty()) {
        m_unitOf = sender;
        return;
    }
    if (m_learningUnit) return;
    m_learningUnit = true;
    QDBusMessage question = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    question << m_service.millisecondsWhenOwnerHolds;
    callAsync(m_bus, question, this, [this, sender](const QDBusMessage& reply) {
        m_learningUnit = false;
        if (reply.type() == QDBusMessage::ReplyMessage) {
            const bool sameOwner = reply.arguments().value(0).toString() == sender;
            m_secondsPerUnit = sameOwner ? 0.001 : m_service.secondsPerUnit;
        } else if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
            m_secondsPerUnit = m_service.secondsPerUnit;
        } else {
            return;  // unknown still: no figure is used until the next answer asks again
        }
        m_unitOf = sender;
    });
}

std::optional<double> DbusIdleSource::idleSeconds(double now) const {
    if (!m_last || m_last->sender != m_unitOf) return std::nullopt;
    const double age = now - m_last->sentAt;
    if (age < 0 || age > trustFor) return std::nullopt;
    return m_last->value * m_secondsPerUnit + age;
}

}  // namespace tarnwick
