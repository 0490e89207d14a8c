#pragma once

// How another program's idle inhibitor (a video, a presentation) changes the idle time: while one
// is held the user counts as present; once it is released, idleness starts at the release, not at
// the last input before it.

#include <optional>

namespace tarnwick {

class IdleInhibitRule {
public:
    // `sourceIdle`: seconds since the last input, as the idle source says; `inhibited`: whether an
    // inhibitor is held now; `now`: seconds on a monotonic clock. Answers the idle seconds to use.
    double idleSeconds(double sourceIdle, bool inhibited, double now);

    // When the last inhibitor was seen released, while that still shortens the idle time.
    std::optional<double> releasedAt() const { return m_releasedAt; }

private:
    bool m_inhibited = false;
    std::optional<double> m_releasedAt;
};

}  // namespace tarnwick
