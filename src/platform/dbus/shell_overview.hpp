#pragma once

// GNOME Shell's overview over a break. The shell draws its overview above every window, full-screen
// ones included, and takes the keyboard: the Super key would leave a break behind, with Escape
// going to the shell's search. While armed, an overview that is open or opens is closed again
// through the shell's OverviewActive property; the focus then goes back to the window that had it.

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tarnwick {

class ShellOverview final : public QObject {
    Q_OBJECT
public:
    static constexpr int callTimeoutMs = 500;

    explicit ShellOverview(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~ShellOverview() override;

    // Armed during a break: listens to the shell, and closes an overview already open. Disarmed it
    // neither listens nor asks.
    void setArmed(bool armed);
    bool armed() const { return m_armed; }

Q_SIGNALS:
    // The shell accepted closing its overview.
    void closed();

private Q_SLOTS:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    void askWhetherOpen();
    void closeOverview();

    QDBusConnection m_bus;
    bool m_armed = false;
};

}  // namespace tarnwick
