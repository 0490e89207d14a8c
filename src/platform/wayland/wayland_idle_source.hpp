#pragma once

// Idle time from the compositor over a Wayland connection of this program's own, beside Qt's X
// connection through XWayland: ext-idle-notify-v1 where offered (version 2's input-only
// notifications where possible, so another program's idle inhibitor does not hide the user's
// absence), else the older org_kde_kwin_idle that wlroots compositors serve. The connection's
// socket is watched by the main loop; the figure changes only on the compositor's events.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "platform/idle_sources.hpp"
#include "platform/wayland/idle_notifications.hpp"

class QSocketNotifier;

namespace tarnwick {

class WaylandIdleSource final : public QObject, public IdleSource {
public:
    // Seconds on the caller's monotonic clock.
    using Clock = std::function<double()>;
    // Input within this long counts as recent: the short notification's timeout.
    static constexpr double shortTimeout = 1;

    enum class Protocol { None, ExtIdleNotify, ExtIdleNotifyInput, KdeIdle };

    // `horizon`: the long notification's timeout in seconds. `display`: the Wayland display's
    // name or path; empty for $WAYLAND_DISPLAY.
    WaylandIdleSource(double horizon, Clock clock, QString display = {}, QObject* parent = nullptr);
    ~WaylandIdleSource() override;

    // "ext-idle-notify (Wayland)" or "KDE idle (Wayland)" once bound.
    QString name() const override;
    // The first call connects; later ones only send what is pending.
    void ask(double now) override;
    std::optional<double> idleSeconds(double now) const override;
    bool answering() const override { return m_state == State::Serving; }
    bool awaitingReply() const override { return m_state == State::Connecting; }

    Protocol protocol() const { return m_protocol; }

    struct Connection;  // the Wayland objects; public for the C listeners

private:
    enum class State { NotStarted, Connecting, Serving, Unavailable, Closed };

    void onReadable();
    // Every global is known: bind what was offered, or give up.
    void onGlobalsDone();
    void onIdled(IdleNotifications::Watch watch);
    void onResumed();
    void disconnect(State to, const char* why);

    double m_horizon;
    Clock m_clock;
    QString m_display;
    State m_state = State::NotStarted;
    Protocol m_protocol = Protocol::None;
    IdleNotifications m_idle;
    std::unique_ptr<Connection> m_connection;
    QSocketNotifier* m_notifier = nullptr;

    friend struct ListenerAccess;
};

}  // namespace tarnwick
