#pragma once

#include "app/ports.hpp"

namespace tarnwick {

// The real clocks: wall time, and the two kernel clocks whose difference grows while the computer sleeps.
class SystemClock : public Clock {
public:
    Instant now() override;
    double monotonicSeconds() override;  // CLOCK_MONOTONIC
    double bootSeconds() override;       // CLOCK_BOOTTIME
};

}  // namespace tarnwick
