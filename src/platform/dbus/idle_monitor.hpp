#pragma once

// Idle time from a desktop service on the session bus: GNOME's Mutter idle monitor, or the
// freedesktop screen saver interface (KDE Plasma and others). Used on Wayland sessions, where no
// X counter sees the input of native Wayland programs.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

#include "platform/idle_sources.hpp"

class QDBusMessage;

namespace tarnwick {

class DbusIdleSource final : public QObject, public IdleSource {
public:
    static constexpr int callTimeoutMs = 100;
    // A reply older than this is not aged but dropped: the user may have come back since. Long
    // enough that one late or lost reply does not make a long absence look like activity.
    static constexpr double trustFor = 10;

    struct Service {
        QString name;  // for people, e.g. "Mutter idle monitor"
        QString service, path, interface, method;
        double secondsPerUnit = 1;
        // When the service's owner also owns this name, its figure is in milliseconds whatever
        // secondsPerUnit says (KDE's screen locker answers the screen saver interface in ms).
        QString millisecondsWhenOwnerHolds;
    };
    // org.gnome.Mutter.IdleMonitor GetIdletime, milliseconds.
    static Service mutterIdleMonitor();
    // org.freedesktop.ScreenSaver GetSessionIdleTime, seconds (milliseconds from KDE).
    static Service freedesktopScreenSaver();

    DbusIdleSource(QDBusConnection bus, Service service, QObject* parent = nullptr);

    QString name() const override { return m_service.name; }
    void ask(double now) override;
    std::optional<double> idleSeconds(double now) const override;
    bool answering() const override { return m_answering; }
    // A question, or the check of the unit its answer is in, is on its way.
    bool awaitingReply() const override { return m_waiting || m_learningUnit; }

private:
    struct Reply {
        double value = 0;  // in the service's unit
        double sentAt = 0;
        QString sender;  // the unique name that answered
    };
    void onReply(const QDBusMessage& reply, double sentAt);
    void learnUnit(const QString& sender);

    QDBusConnection m_bus;
    Service m_service;
    bool m_waiting = false;
    bool m_answering = false;
    std::optional<Reply> m_last;
    // The unit is known for the answers of this sender.
    QString m_unitOf;
    double m_secondsPerUnit = 1;
    bool m_learningUnit = false;
};

}  // namespace tarnwick
