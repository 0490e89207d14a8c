#pragma once

// What is known of the time since the last input, between the X server's answers.
//
// Every rule that looks at idle time compares it with a minute or more, so below a horizon any
// figure means the same: "present". The tracker therefore asks the server only when the time since
// its last answer could have carried idle time past the horizon, and from there on watches every
// input event: while nothing arrives the figure is exact, and the first event says the user is
// back. An absent user is still asked after every `recheck` seconds, because programs that play
// video reset the server's counter without any input event. A present user costs one question
// every `horizon` seconds, an absent one one every `recheck` seconds.
//
// Times are seconds on a monotonic clock, passed in.

#include <algorithm>
#include <optional>

namespace tarnwick {

class IdleTracker {
public:
    IdleTracker(double horizon, double recheck) : m_horizon(horizon), m_recheck(recheck) {}

    double horizon() const { return m_horizon; }
    // Whether anything is known yet, from an answer or an event.
    bool knows() const { return m_since.has_value(); }

    // The server answered: `idle` seconds without input at `at`, the moment the question was sent.
    void answered(double idle, double at) {
        m_answeredAt = at;
        // An input event seen after the question went out is newer news. Anything earlier the
        // answer already counts, to the server's millisecond: an earlier figure of ours, a moment
        // off either way, must not keep an absence from being confirmed.
        if (m_lastEventAt && *m_lastEventAt > at) return;
        m_since = at - std::max(0.0, idle);
        m_confirmed = idle >= m_horizon;
    }
    // An input event arrived at `at`.
    void inputSeen(double at) {
        if (!m_lastEventAt || at > *m_lastEventAt) m_lastEventAt = at;
        if (!m_since || at > *m_since) m_since = at;
        m_confirmed = false;
    }

    // Seconds without input at `now`: exact from the horizon on, and below the horizon a figure
    // that is never past it, so it cannot be taken for an absence that was not confirmed.
    double idle(double now) const {
        if (!m_since) return 0;
        const double upper = std::max(0.0, now - *m_since);
        return m_confirmed ? upper : std::min(upper, m_horizon);
    }
    // Whether the server must be asked: nothing is known yet, idle time may have reached the
    // horizon since the last answer or event, or a confirmed absence is due for its recheck.
    bool wantsAnswer(double now) const {
        if (!m_since) return true;
        if (m_confirmed) return now - m_answeredAt >= m_recheck;
        return now - *m_since >= m_horizon;
    }
    // Whether every input event must be watched: from the moment the server is asked near the
    // horizon until an event arrives.
    bool watchesAllInput(double now) const { return m_confirmed || wantsAnswer(now); }

private:
    double m_horizon;
    double m_recheck;
    double m_answeredAt = 0;
    std::optional<double> m_since;  // when the last input happened, as far as known
    std::optional<double> m_lastEventAt;  // when the last input event arrived
    bool m_confirmed = false;       // the server said the horizon was passed, and no input came since
};

}  // namespace tarnwick
