#include "platform/dbus/sleep_monitor.hpp"

#include <QDBusMessage>
#include <QStringList>

namespace tarnwick {

namespace {

const QString logindService = QStringLiteral("org.freedesktop.login1");

// A call to the bus daemon itself, bounded so a stuck bus cannot hold up the caller.
QDBusMessage askBus(QDBusConnection& bus, const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, LogindSleepMonitor::busTimeoutMs);
}

}  // namespace

LogindSleepMonitor::LogindSleepMonitor(QDBusConnection systemBus, QObject* parent)
    : QObject(parent), m_bus(std::move(systemBus)) {}

bool LogindSleepMonitor::available() {
    if (!m_bus.isConnected()) return false;
    const QDBusMessage owner = askBus(m_bus, QStringLiteral("NameHasOwner"), {logindService});
    if (owner.type() == QDBusMessage::ReplyMessage && !owner.arguments().isEmpty() && owner.arguments().first().toBool())
        return true;
    const QDBusMessage activatable = askBus(m_bus, QStringLiteral("ListActivatableNames"));
    return activatable.type() == QDBusMessage::ReplyMessage && !activatable.arguments().isEmpty()
        && activatable.arguments().first().toStringList().contains(logindService);
}

void LogindSleepMonitor::watch(std::function<void()> willSleep, std::function<void()> didWake) {
    m_willSleep = std::move(willSleep);
    m_didWake = std::move(didWake);
    if (m_connected || !m_bus.isConnected()) return;
    m_connected = m_bus.connect(logindService, QStringLiteral("/org/freedesktop/login1"),
                                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                                this, SLOT(onPrepareForSleep(bool)));
}

void LogindSleepMonitor::onPrepareForSleep(bool start) {
    const auto& callback = start ? m_willSleep : m_didWake;
    if (callback) callback();
}

}  // namespace tarnwick
