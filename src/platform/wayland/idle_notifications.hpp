#pragma once

// Idle time from a Wayland compositor's idle notifications. Each notification has a timeout; the
// compositor says "idled" once the user has been away that long and "resumed" at the next input.
// Between events the figure grows with the caller's monotonic clock, so nothing is polled.

#include <array>
#include <optional>

namespace tarnwick {

class IdleNotifications {
public:
    // The short notification tells recent input (typing) within about a second; the long one
    // marks the moment idleness began even where a compositor stretches short timeouts.
    enum Watch { Short, Long };
    static constexpr int watches = 2;

    // Timeouts in seconds; `longTimeout` must not be below `shortTimeout`.
    IdleNotifications(double shortTimeout, double longTimeout);

    double timeout(Watch watch) const { return m_watches[watch].timeout; }

    // Times on the caller's monotonic clock, in seconds.
    void idled(Watch watch, double now);
    // Input came: every absence ends, whichever notification the compositor tells first.
    void resumed();

    // Seconds since the last input: 0 while any input came within the short timeout. A clock that
    // went back counts as input now rather than as a negative absence.
    double idleSeconds(double now) const;

private:
    struct State {
        double timeout = 0;
        std::optional<double> idledAt;
    };
    std::array<State, watches> m_watches;
};

}  // namespace tarnwick
