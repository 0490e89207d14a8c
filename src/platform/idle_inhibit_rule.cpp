#include "platform/idle_inhibit_rule.hpp"

#include <algorithm>

namespace tarnwick {

double IdleInhibitRule::idleSeconds(double sourceIdle, bool inhibited, double now) {
    if (inhibited) {
        m_inhibited = true;
        m_releasedAt.reset();
        return 0;
    }
    if (m_inhibited) {
        m_inhibited = false;
        m_releasedAt = now;
    }
    sourceIdle = std::max(sourceIdle, 0.0);
    if (!m_releasedAt) return sourceIdle;
    const double sinceRelease = std::max(now - *m_releasedAt, 0.0);
    // Input after the release makes the source's figure the true one again.
    if (sourceIdle <= sinceRelease) {
        m_releasedAt.reset();
        return sourceIdle;
    }
    return sinceRelease;
}

}  // namespace tarnwick
