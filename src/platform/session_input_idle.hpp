#pragma once

// The idle time and recent typing the model reads, from the source that sees every input on this
// session, with other programs' idle inhibitors taken into account.
//
// X11 session: the X screen saver counter and XInput raw key presses. Wayland session: the
// compositor's idle notifications (ext-idle-notify, or KDE's older protocol on wlroots), else
// GNOME's Mutter idle monitor, else the freedesktop screen saver interface; none answering counts
// as idle 0 (XWayland's own counter sees only X programs' input), and typing is the same figure,
// as a Wayland client cannot see other programs' keys. On every session, while another
// program holds an idle inhibitor the user counts as present, and after the release idle counts
// from the release.

#include <QDBusConnection>
#include <QLoggingCategory>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/ports.hpp"
#include "platform/idle_inhibit_rule.hpp"
#include "platform/idle_sources.hpp"

Q_DECLARE_LOGGING_CATEGORY(lcIdle)

namespace tarnwick {

class SessionInputIdle final : public InputIdle {
public:
    // Seconds on a monotonic clock.
    using MonotonicClock = std::function<double()>;

    struct Parts {
        // The X11 counter on an X11 session; empty on Wayland, where the idle sources serve.
        std::unique_ptr<InputIdle> input;
        QString inputName;
        std::vector<std::unique_ptr<IdleSource>> idleSources;
        std::vector<std::unique_ptr<InhibitorSource>> inhibitors;
        MonotonicClock clock;
    };

    // The sources for a session of the given kind on the given buses, timed by steady_clock.
    static Parts sessionParts(bool wayland, QDBusConnection sessionBus, QDBusConnection systemBus);

    // The sources for this session, as its environment describes it, on Qt's X connection (when
    // there is one) and the session and system buses.
    SessionInputIdle();
    explicit SessionInputIdle(Parts parts);
    ~SessionInputIdle() override;

    // Seconds since the last input of any kind; 0 while another program holds an idle inhibitor or
    // when nothing can tell. Asks its sources without waiting for them.
    double idleSeconds() override;
    // Seconds since the last key press; on Wayland the source's figure for any input.
    double secondsSinceKeyDown() override;

    // For people: "Mutter idle monitor", "freedesktop screen saver", "X screen saver extension"
    // or "none".
    QString idleSourceName() const;
    // The inhibitor sources that answer, e.g. "GNOME session manager, logind", or "none".
    QString inhibitorSourcesText() const;
    // Some question to a source is still on its way.
    bool awaitingReplies() const;

private:
    void logChoices();

    std::unique_ptr<InputIdle> m_input;
    QString m_inputName;
    IdleSourceChain m_chain;
    InhibitorPoll m_inhibitors;
    MonotonicClock m_clock;
    IdleInhibitRule m_rule;
    bool m_inhibitorsKnown = false;
    std::optional<QString> m_loggedIdleSource;
    bool m_inhibitorsLogged = false;
};

}  // namespace tarnwick
