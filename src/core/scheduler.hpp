#pragma once

// The break state machine: when breaks are announced, held, begun and ended.

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "core/settings.hpp"
#include "core/time.hpp"
#include "core/vocabulary.hpp"

namespace tarnwick {

// What the model tells the scheduler once a second.
struct Signals {
    double idleSeconds = 0;           // time since the last input event of any kind
    std::optional<BusyReason> busy;   // empty: not busy, or not asked this tick
    bool operator==(const Signals&) const = default;
};

namespace phase {
struct Working {
    bool operator==(const Working&) const = default;
};
struct HeadsUp {
    BreakKind kind;
    Instant breakAt;
    bool operator==(const HeadsUp&) const = default;
};
struct Held {
    BreakKind kind;
    BusyReason reason;
    Instant since;  // when the current hold began
    bool operator==(const Held&) const = default;
};
struct OnBreak {
    BreakKind kind;
    Instant startedAt;
    Instant endsAt;
    bool operator==(const OnBreak&) const = default;
};
struct Paused {
    Instant until;
    bool operator==(const Paused&) const = default;
};
}  // namespace phase

using Phase = std::variant<phase::Working, phase::HeadsUp, phase::Held, phase::OnBreak, phase::Paused>;

namespace event {
struct Record {
    BreakKind kind;
    Outcome outcome;
    bool operator==(const Record&) const = default;
};
struct Blink {
    bool operator==(const Blink&) const = default;
};
struct Posture {
    bool operator==(const Posture&) const = default;
};
}  // namespace event

using SchedulerEvent = std::variant<event::Record, event::Blink, event::Posture>;
using Events = std::vector<SchedulerEvent>;

struct NextBreak {
    BreakKind kind;
    Instant at;
    bool operator==(const NextBreak&) const = default;
};

// The kind of break a phase is about, if any.
std::optional<BreakKind> kindOf(const Phase& phase);

class Scheduler {
public:
    static constexpr double awayAfter = 60;          // idle seconds from which the user counts as away
    static constexpr double typingDeferLimit = 120;  // longest typing deferral of a due break, seconds
    static constexpr double maxHold = 5400;          // longest single hold, seconds
    static constexpr double minimumReannounceLead = 5;  // heads-up of a re-announced break, seconds
    static constexpr double busyLookAhead = 5;          // look-ahead of wantsBusySignals, seconds

    Scheduler(const Settings& settings, Instant now);

    // One step of the state machine; returns the events in the order they arose.
    Events tick(Instant now, const Signals& signals);
    // Whether the busy reason can change the outcome of a tick now.
    bool wantsBusySignals(Instant now, double idleSeconds) const;
    // The next scheduled break, whatever the phase.
    std::optional<NextBreak> nextBreak() const;

    const Phase& phase() const { return m_phase; }
    const Settings& settings() const { return m_settings; }
    Instant nextMicro() const { return m_nextMicro; }
    Instant nextLong() const { return m_nextLong; }
    Instant nextBlink() const { return m_nextBlink; }
    Instant nextPosture() const { return m_nextPosture; }

    void update(const Settings& settings, Instant now);
    void startNow(Instant now);
    void takeBreak(BreakKind kind, Instant now);
    void snooze(std::int64_t minutes, Instant now);
    Events skip(Instant now);
    Events endBreak(Instant now);
    void announce(BreakKind kind, Instant now);
    void pause(Instant until);
    void resume(Instant now);
    void didSleep(Instant now);

    // Length of a break of that kind under the current settings.
    Seconds duration(BreakKind kind) const;

private:
    void reset(Instant now);
    std::optional<BreakKind> dueKind(Instant now) const;
    void hold(BreakKind kind, BusyReason reason, Instant now, Events& events);
    void begin(BreakKind kind, Instant now);
    void finish(BreakKind kind, Instant now);
    void clearFlags();
    Instant reannounceAt(Instant now) const;

    Phase m_phase = phase::Working{};
    Instant m_nextMicro;
    Instant m_nextLong;
    Instant m_nextBlink;
    Instant m_nextPosture;
    Settings m_settings;
    bool m_naturalRecorded = false;
    std::optional<Instant> m_typingDeferSince;
    bool m_heldRecorded = false;
    bool m_holdExpired = false;
};

}  // namespace tarnwick
