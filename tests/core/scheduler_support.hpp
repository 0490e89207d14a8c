#pragma once

#include <optional>

#include "core/scheduler.hpp"

namespace tarnwick::testing {

// Test instants are seconds after a fixed start.
inline constexpr double start = 1'770'000'000;
inline Instant at(double seconds) { return Instant{Seconds{start + seconds}}; }
inline double sinceStart(Instant instant) { return instant.time_since_epoch().count() - start; }

inline Signals active() { return {0, std::nullopt}; }
inline Signals idle(double seconds) { return {seconds, std::nullopt}; }
inline Signals busy(BusyReason reason, double idleSeconds = 0) { return {idleSeconds, reason}; }

inline event::Record record(BreakKind kind, Outcome outcome) { return {kind, outcome}; }

// Ticks once a second over [from, to] with the same signals and gathers the events.
inline Events run(Scheduler& scheduler, double from, double to, const Signals& signals) {
    Events all;
    for (double t = from; t <= to; t += 1) {
        for (auto& e : scheduler.tick(at(t), signals)) all.push_back(e);
    }
    return all;
}

}  // namespace tarnwick::testing
