#pragma once

// System sleep and wake from logind's PrepareForSleep signal.

#include <QDBusConnection>
#include <QObject>

#include <functional>

#include "app/ports.hpp"

namespace tarnwick {

class LogindSleepMonitor : public QObject, public SleepMonitor {
    Q_OBJECT
public:
    static constexpr int busTimeoutMs = 250;

    explicit LogindSleepMonitor(QDBusConnection systemBus = QDBusConnection::systemBus(), QObject* parent = nullptr);

    // The system bus is there and org.freedesktop.login1 has an owner or can be started on demand.
    bool available() override;
    // willSleep on PrepareForSleep(true), didWake on PrepareForSleep(false). A second call replaces
    // the callbacks.
    void watch(std::function<void()> willSleep, std::function<void()> didWake) override;

private Q_SLOTS:
    void onPrepareForSleep(bool start);

private:
    QDBusConnection m_bus;
    std::function<void()> m_willSleep;
    std::function<void()> m_didWake;
    bool m_connected = false;
};

}  // namespace tarnwick
