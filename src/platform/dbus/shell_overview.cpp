#include "platform/dbus/shell_overview.hpp"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace tarnwick {

namespace {

const QString shellService = QStringLiteral("org.gnome.Shell");
const QString shellPath = QStringLiteral("/org/gnome/Shell");
const QString shellInterface = QStringLiteral("org.gnome.Shell");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString overviewActive = QStringLiteral("OverviewActive");

QDBusMessage propertiesCall(const QString& method) {
    return QDBusMessage::createMethodCall(shellService, shellPath, propertiesInterface, method);
}

}  // namespace

ShellOverview::ShellOverview(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(std::move(bus)) {}

ShellOverview::~ShellOverview() { setArmed(false); }

void ShellOverview::setArmed(bool armed) {
    if (armed == m_armed || !m_bus.isConnected()) return;
    m_armed = armed;
    if (armed) {
        // Only the name's owner is heard: QtDBus matches the signal's sender against it.
        m_bus.connect(shellService, shellPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                      SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
        askWhetherOpen();
    } else {
        m_bus.disconnect(shellService, shellPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                         SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    }
}

void ShellOverview::onPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    if (!m_armed || interface != shellInterface) return;
    if (changed.value(overviewActive).toBool()) closeOverview();
}

void ShellOverview::askWhetherOpen() {
    // Without GNOME Shell on the bus the call fails at once and nothing follows.
    QDBusMessage get = propertiesCall(QStringLiteral("Get"));
    get << shellInterface << overviewActive;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (!m_armed || reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
        if (reply.arguments().first().value<QDBusVariant>().variant().toBool()) closeOverview();
    });
}

void ShellOverview::closeOverview() {
    QDBusMessage set = propertiesCall(QStringLiteral("Set"));
    set << shellInterface << overviewActive << QVariant::fromValue(QDBusVariant(false));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(set, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->reply().type() == QDBusMessage::ReplyMessage) Q_EMIT closed();
    });
}

}  // namespace tarnwick
