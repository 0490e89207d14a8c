#include "platform/wayland/idle_notifications.hpp"

#include <algorithm>

namespace tarnwick {

IdleNotifications::IdleNotifications(double shortTimeout, double longTimeout) {
    m_watches[Short].timeout = shortTimeout;
    m_watches[Long].timeout = std::max(shortTimeout, longTimeout);
}

void IdleNotifications::idled(Watch watch, double now) { m_watches[watch].idledAt = now; }

void IdleNotifications::resumed() {
    for (State& state : m_watches) state.idledAt.reset();
}

double IdleNotifications::idleSeconds(double now) const {
    // The earliest start any idle notification implies: the long one's where the compositor held
    // back the short one's event.
    std::optional<double> since;
    for (const State& state : m_watches) {
        if (!state.idledAt) continue;
        const double start = *state.idledAt - state.timeout;
        since = since ? std::min(*since, start) : start;
    }
    if (!since) return 0;
    return std::max(0.0, now - *since);
}

}  // namespace tarnwick
