#pragma once

// Locks the screen through whichever locker the session offers, without ever waiting on it.

#include <QDBusConnection>
#include <QString>
#include <QStringList>

#include "app/ports.hpp"

namespace tarnwick {

// The program started, detached, when no locker accepted the request.
struct FallbackCommand {
    QString program;
    QStringList arguments;
};

// Tries, in order, stopping at the first that is accepted: org.freedesktop.ScreenSaver.Lock (at
// /ScreenSaver, then /org/freedesktop/ScreenSaver) and org.gnome.ScreenSaver.Lock on the session bus;
// logind's lock of the current session on the system bus; otherwise turns the display off with
// `xset dpms force off`. Every D-Bus call is asynchronous with a short timeout, so lock() returns at
// once and the steps run on the event loop. Silent in every case.
class DbusScreenLock : public ScreenLock {
public:
    static constexpr int callTimeoutMs = 250;

    DbusScreenLock();
    DbusScreenLock(QDBusConnection sessionBus, QDBusConnection systemBus, FallbackCommand fallback);

    void lock() override;

private:
    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
    FallbackCommand m_fallback;
};

}  // namespace tarnwick
