#pragma once

// What the break screen offers and says: the skip policy and the break texts.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/settings.hpp"
#include "core/vocabulary.hpp"

namespace tarnwick {

namespace skip {
struct Wait {
    std::int64_t seconds;  // at least 1
    bool operator==(const Wait&) const = default;
};
struct Available {
    bool operator==(const Available&) const = default;
};
struct NotAllowed {
    bool operator==(const NotAllowed&) const = default;
};
}  // namespace skip

using SkipState = std::variant<skip::Wait, skip::Available, skip::NotAllowed>;

struct SkipPolicy {
    static constexpr double balancedDelay = 5;    // seconds before a skip in balanced mode
    static constexpr double overBudgetDelay = 15; // seconds before a skip once the weekly budget is spent
    // elapsed: seconds the break has run; skipsLeft: this week's remaining budget (may be 0 or less).
    static SkipState state(BreakEnforcement enforcement, double elapsed, std::int64_t skipsLeft);
};

struct BreakCopy {
    std::string title, subtitle;
    bool operator==(const BreakCopy&) const = default;
    // The seed is fixed for a whole break (its start second), so a break keeps its texts.
    static BreakCopy pick(BreakKind kind, std::int64_t seed, const std::vector<std::string>& customMessages);
};

}  // namespace tarnwick
