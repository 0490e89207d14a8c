#pragma once

// Whether the user is busy right now, and why, under the user's hold settings.

#include <optional>

#include "app/ports.hpp"
#include "core/settings.hpp"

namespace tarnwick::SystemSignals {

// A key press less than this many seconds ago means the user is typing.
inline constexpr double typingWindow = 1.5;

// A call beats full screen, full screen beats typing. A probe whose setting is off never runs,
// and the microphone is not asked when the camera already answered, nor screen sharing when either did.
std::optional<BusyReason> busyReason(const Settings& settings, BusyProbes& probes, InputIdle& input);

}  // namespace tarnwick::SystemSignals
