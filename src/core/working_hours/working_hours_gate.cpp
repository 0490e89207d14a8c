#include "core/working_hours/working_hours_gate.hpp"

#include <algorithm>

namespace tarnwick {

bool WorkingHoursGate::restricts() const {
    if (!m_hours.enabled) return false;
    for (int day = 0; day < 7; ++day) {
        if (hasRangesOn(m_hours, day)) return true;
    }
    return false;
}

bool WorkingHoursGate::holdsPause(const Scheduler& scheduler) const {
    const auto* paused = std::get_if<phase::Paused>(&scheduler.phase());
    return paused && m_pauseUntil && paused->until == *m_pauseUntil;
}

void WorkingHoursGate::setHours(WorkingHours hours, Scheduler& scheduler, Instant now, const Calendar& calendar) {
    if (hours == m_hours) return;
    m_hours = std::move(hours);
    m_resumedUntil.reset();
    m_known.reset();
    steer(scheduler, now, calendar);
}

void WorkingHoursGate::userResumed(Instant now, const Calendar& calendar) {
    m_pauseUntil.reset();
    m_resumedUntil.reset();
    if (restricts() && !isWorkingTime(m_hours, now, calendar)) m_resumedUntil = nextEnd(m_hours, now, calendar);
    m_nextChange = m_resumedUntil;
}

void WorkingHoursGate::steer(Scheduler& scheduler, Instant now, const Calendar& calendar) {
    m_nextChange.reset();
    const bool ownPause = holdsPause(scheduler);
    if (!restricts()) {
        if (ownPause) scheduler.resume(now);
        m_pauseUntil.reset();
        m_resumedUntil.reset();
        return;
    }
    if (m_resumedUntil && now < *m_resumedUntil) {
        m_nextChange = m_resumedUntil;
        return;
    }
    m_resumedUntil.reset();
    // Still within the stretch last looked at, in the same zone (a clock set back leaves it too).
    const bool known = m_known && m_known->zone == calendar.zone() && now >= m_known->from && now < m_known->until;
    if (known && (m_known->inside || ownPause)) {
        m_nextChange = m_known->until;
        return;
    }
    const bool inside = known ? m_known->inside : isWorkingTime(m_hours, now, calendar);
    if (inside) {
        if (ownPause) scheduler.resume(now);  // the hours start: fresh timers, the first break an interval on
        m_pauseUntil.reset();
        m_nextChange = nextEnd(m_hours, now, calendar);
        m_known = Known{true, now, m_nextChange.value_or(Instant::max()), calendar.zone()};
        return;
    }
    const Phase& phase = scheduler.phase();
    if (std::holds_alternative<phase::OnBreak>(phase)) return;  // it finishes; the pause follows
    if (std::holds_alternative<phase::Paused>(phase) && !ownPause) {
        m_pauseUntil.reset();  // the user's pause wins, however far it runs
        m_nextChange = std::get<phase::Paused>(phase).until;
        return;
    }
    const auto start = known ? std::optional<Instant>(m_known->until) : nextStart(m_hours, now, calendar);
    if (!start) return;  // the ranges leave no moment out: never outside
    if (!ownPause || *m_pauseUntil != *start) {
        scheduler.pause(*start);
        m_pauseUntil = *start;
    }
    m_nextChange = *start;
    m_known = Known{false, now, *start, calendar.zone()};
}

}  // namespace tarnwick
