#include "core/scheduler.hpp"

#include <algorithm>

namespace tarnwick {

namespace {

bool isBlocking(const Signals& signals) {
    return signals.busy == BusyReason::call || signals.busy == BusyReason::fullscreen;
}

}  // namespace

std::optional<BreakKind> kindOf(const Phase& phase) {
    if (auto* p = std::get_if<phase::HeadsUp>(&phase)) return p->kind;
    if (auto* p = std::get_if<phase::Held>(&phase)) return p->kind;
    if (auto* p = std::get_if<phase::OnBreak>(&phase)) return p->kind;
    return std::nullopt;
}

Scheduler::Scheduler(const Settings& settings, Instant now) : m_settings(settings) { reset(now); }

Seconds Scheduler::duration(BreakKind kind) const {
    return kind == BreakKind::micro ? Seconds{double(m_settings.microSeconds)} : minutes(m_settings.longMinutes);
}

void Scheduler::reset(Instant now) {
    m_nextMicro = now + minutes(m_settings.microEveryMinutes);
    m_nextLong = now + minutes(m_settings.longEveryMinutes);
    m_nextBlink = now + minutes(m_settings.blinkEveryMinutes);
    m_nextPosture = now + minutes(m_settings.postureEveryMinutes);
}

std::optional<BreakKind> Scheduler::dueKind(Instant now) const {
    const Instant t = now + Seconds{double(m_settings.headsUpSeconds)};
    if (m_settings.longEnabled && m_nextLong <= t) return BreakKind::long_;
    if (m_settings.microEnabled && m_nextMicro <= t) return BreakKind::micro;
    return std::nullopt;
}

void Scheduler::hold(BreakKind kind, BusyReason reason, Instant now, Events& events) {
    m_phase = phase::Held{kind, reason, now};
    if (!m_heldRecorded) {
        m_heldRecorded = true;
        events.push_back(event::Record{kind, Outcome::held});
    }
}

void Scheduler::begin(BreakKind kind, Instant now) {
    m_typingDeferSince.reset();
    m_heldRecorded = false;
    m_holdExpired = false;
    m_naturalRecorded = true;  // the break's own idle time is not a natural break
    m_phase = phase::OnBreak{kind, now, now + duration(kind)};
}

void Scheduler::finish(BreakKind kind, Instant now) {
    const Seconds microInterval = minutes(m_settings.microEveryMinutes);
    m_nextMicro = now + microInterval;
    if (kind == BreakKind::long_) {
        m_nextLong = now + minutes(m_settings.longEveryMinutes);
    } else if (m_nextLong < m_nextMicro && (m_nextLong - now) < microInterval * 0.5) {
        m_nextLong = m_nextMicro;  // a long break this close moves onto the next micro break
    }
    m_nextBlink = now + minutes(m_settings.blinkEveryMinutes);
    clearFlags();
    m_phase = phase::Working{};
}

void Scheduler::clearFlags() {
    m_typingDeferSince.reset();
    m_heldRecorded = false;
    m_holdExpired = false;
}

Instant Scheduler::reannounceAt(Instant now) const {
    return now + Seconds{std::max(double(m_settings.headsUpSeconds), minimumReannounceLead)};
}

Events Scheduler::tick(Instant now, const Signals& signals) {
    Events events;
    const bool blocking = isBlocking(signals);

    if (auto* p = std::get_if<phase::OnBreak>(&m_phase)) {
        if (now >= p->endsAt) {
            const BreakKind kind = p->kind;
            finish(kind, now);
            events.push_back(event::Record{kind, Outcome::taken});
        }
        return events;
    }

    if (auto* p = std::get_if<phase::Paused>(&m_phase)) {
        if (now >= p->until) {
            m_phase = phase::Working{};
            reset(now);
        }
        return events;
    }

    // Working, heads-up or held from here on.
    if (signals.idleSeconds >= minutes(m_settings.naturalBreakMinutes).count() && !blocking) {
        if (!m_naturalRecorded) {
            m_naturalRecorded = true;
            const BreakKind kind = m_settings.longEnabled ? BreakKind::long_ : BreakKind::micro;
            events.push_back(event::Record{kind, Outcome::natural});
        }
        m_phase = phase::Working{};
        clearFlags();
        reset(now);
        return events;
    }

    if (signals.idleSeconds < awayAfter) m_naturalRecorded = false;

    if (auto* p = std::get_if<phase::Held>(&m_phase)) {
        if ((now - p->since).count() >= maxHold) {
            m_holdExpired = true;
            m_phase = phase::HeadsUp{p->kind, reannounceAt(now)};
        } else if (blocking) {
            if (signals.busy != p->reason) p->reason = *signals.busy;
        } else {
            m_typingDeferSince.reset();
            m_phase = phase::HeadsUp{p->kind, reannounceAt(now)};
        }
        return events;
    }

    if (auto* p = std::get_if<phase::HeadsUp>(&m_phase)) {
        const BreakKind kind = p->kind;
        if (blocking && !m_holdExpired) {
            hold(kind, *signals.busy, now, events);
            return events;
        }
        if (now < p->breakAt) return events;
        if (signals.busy == BusyReason::typing) {
            if (!m_typingDeferSince) m_typingDeferSince = now;
            if ((now - *m_typingDeferSince).count() < typingDeferLimit) return events;
        }
        begin(kind, now);
        return events;
    }

    // Working.
    if (signals.idleSeconds < awayAfter && !blocking) {
        if (m_settings.blinkEveryMinutes >= 1 && now >= m_nextBlink) {
            events.push_back(event::Blink{});
            m_nextBlink = now + minutes(m_settings.blinkEveryMinutes);
        } else if (m_settings.postureEveryMinutes >= 1 && now >= m_nextPosture) {
            events.push_back(event::Posture{});
            m_nextPosture = now + minutes(m_settings.postureEveryMinutes);
        }
    }

    const auto kind = dueKind(now);
    if (!kind || signals.idleSeconds >= awayAfter) return events;

    if (blocking) {
        hold(*kind, *signals.busy, now, events);
        return events;
    }

    const Instant next = *kind == BreakKind::long_ ? m_nextLong : m_nextMicro;
    const Instant breakAt = std::max(next, now + Seconds{double(m_settings.headsUpSeconds)});
    if (m_settings.headsUpSeconds >= 1) {
        m_phase = phase::HeadsUp{*kind, breakAt};
    } else if (signals.busy == BusyReason::typing) {
        m_phase = phase::HeadsUp{*kind, now};
    } else {
        begin(*kind, now);
    }
    return events;
}

bool Scheduler::wantsBusySignals(Instant now, double idleSeconds) const {
    if (std::holds_alternative<phase::HeadsUp>(m_phase) || std::holds_alternative<phase::Held>(m_phase)) {
        return true;
    }
    if (!std::holds_alternative<phase::Working>(m_phase)) return false;
    if (idleSeconds >= minutes(m_settings.naturalBreakMinutes).count()) return true;
    if (dueKind(now + Seconds{busyLookAhead})) return true;
    if (m_settings.blinkEveryMinutes >= 1 && now >= m_nextBlink) return true;
    if (m_settings.postureEveryMinutes >= 1) return now >= m_nextPosture;
    return false;
}

std::optional<NextBreak> Scheduler::nextBreak() const {
    if (m_settings.microEnabled && m_settings.longEnabled) {
        if (m_nextMicro < m_nextLong) return NextBreak{BreakKind::micro, m_nextMicro};
        return NextBreak{BreakKind::long_, m_nextLong};
    }
    if (m_settings.microEnabled) return NextBreak{BreakKind::micro, m_nextMicro};
    if (m_settings.longEnabled) return NextBreak{BreakKind::long_, m_nextLong};
    return std::nullopt;
}

void Scheduler::update(const Settings& settings, Instant now) {
    const bool timingChanged = m_settings.timingDiffers(settings);
    m_settings = settings;
    if (!timingChanged) return;
    if (std::holds_alternative<phase::OnBreak>(m_phase) || std::holds_alternative<phase::Paused>(m_phase)) return;
    m_phase = phase::Working{};
    clearFlags();
    reset(now);
}

void Scheduler::startNow(Instant now) {
    if (std::holds_alternative<phase::HeadsUp>(m_phase) || std::holds_alternative<phase::Held>(m_phase)) {
        begin(*kindOf(m_phase), now);
    }
}

void Scheduler::takeBreak(BreakKind kind, Instant now) {
    if (!std::holds_alternative<phase::OnBreak>(m_phase)) begin(kind, now);
}

void Scheduler::snooze(std::int64_t minutesCount, Instant now) {
    const auto kind = kindOf(m_phase);
    if (!kind) return;
    const Instant t = now + minutes(minutesCount);
    if (*kind == BreakKind::long_) m_nextLong = t;
    m_nextMicro = std::max(m_nextMicro, t);
    clearFlags();
    m_phase = phase::Working{};
}

Events Scheduler::skip(Instant now) {
    const auto kind = kindOf(m_phase);
    if (!kind) return {};
    finish(*kind, now);
    return {event::Record{*kind, Outcome::skipped}};
}

Events Scheduler::endBreak(Instant now) {
    auto* p = std::get_if<phase::OnBreak>(&m_phase);
    if (!p) return {};
    const BreakKind kind = p->kind;
    finish(kind, now);
    return {event::Record{kind, Outcome::taken}};
}

void Scheduler::announce(BreakKind kind, Instant now) {
    if (std::holds_alternative<phase::Working>(m_phase)) m_phase = phase::HeadsUp{kind, reannounceAt(now)};
}

void Scheduler::pause(Instant until) {
    clearFlags();
    m_phase = phase::Paused{until};
}

void Scheduler::resume(Instant now) {
    clearFlags();
    m_phase = phase::Working{};
    reset(now);
}

void Scheduler::didSleep(Instant now) {
    if (std::holds_alternative<phase::OnBreak>(m_phase) || std::holds_alternative<phase::Paused>(m_phase)) return;
    resume(now);
}

}  // namespace tarnwick
