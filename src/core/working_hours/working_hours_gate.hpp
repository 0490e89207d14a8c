#pragma once

// Keeps the scheduler to the working hours with its own pause: outside them it is paused until
// they start again, so no break, heads-up, nudge or natural break comes, and the pause's end gives
// fresh timers as after a resume. The scheduler's rules stay as they are; the gate only pauses and
// resumes it.

#include <optional>

#include "core/scheduler.hpp"
#include "core/stats.hpp"
#include "core/time.hpp"
#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

class WorkingHoursGate {
public:
    explicit WorkingHoursGate(WorkingHours hours = {}) : m_hours(std::move(hours)) {}

    const WorkingHours& hours() const { return m_hours; }
    // Whether the hours keep breaks to some times: on, with at least one range.
    bool restricts() const;

    // A new schedule applies at once, as the next steer finds it: a pause of the old schedule's
    // making ends or moves to the new one's start, and a resume outside the hours is over.
    void setHours(WorkingHours hours, Scheduler& scheduler, Instant now, const Calendar& calendar);

    // Brings the scheduler in line with the hours at `now`, before and after each step of it.
    // Outside the hours a break under way finishes as usual, and the user's own pause is kept
    // (its end, outside the hours, is followed by the hours' pause); a heads-up or a hold is
    // dropped. Inside them the hours' pause ends. The pause's end follows the next start when the
    // zone changes or the clock is set.
    void steer(Scheduler& scheduler, Instant now, const Calendar& calendar);

    // The user resumed at `now`: outside the hours, breaks run until the hours next end.
    void userResumed(Instant now, const Calendar& calendar);
    // The user paused: a resume outside the hours is over, and the user's pause is kept to its end.
    void userPaused() { m_resumedUntil.reset(); }

    // Whether the scheduler's pause is the hours' own.
    bool holdsPause(const Scheduler& scheduler) const;
    // While the user's resume outside the hours runs: when it ends.
    std::optional<Instant> resumedUntil() const { return m_resumedUntil; }
    // The next instant, as of the last steer, at which steering changes something (an edge of the
    // hours or the end of a resume); the model's tick is there on time. Nothing when none.
    std::optional<Instant> nextChange() const { return m_nextChange; }

private:
    WorkingHours m_hours;
    std::optional<Instant> m_pauseUntil;    // the end of the hours' own pause
    std::optional<Instant> m_resumedUntil;  // the user resumed outside the hours
    std::optional<Instant> m_nextChange;
    // What the last full look found: inside or outside the hours from `from` until `until`, in
    // `zone`. While `now` stays within it, a steer is a comparison, not a walk over the week.
    struct Known {
        bool inside;
        Instant from, until;
        const date::time_zone* zone;
    };
    std::optional<Known> m_known;
};

}  // namespace tarnwick
