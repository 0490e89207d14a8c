#include "app/system_signals.hpp"

namespace tarnwick::SystemSignals {

std::optional<BusyReason> busyReason(const Settings& settings, BusyProbes& probes, InputIdle& input) {
    if (settings.holdDuringCalls &&
        (probes.cameraInUse() || probes.microphoneInUse() || probes.screenShared().value_or(false))) {
        return BusyReason::call;
    }
    if (settings.holdDuringFullscreen && probes.frontAppIsFullscreen()) return BusyReason::fullscreen;
    if (settings.holdWhileTyping && input.secondsSinceKeyDown() < typingWindow) return BusyReason::typing;
    return std::nullopt;
}

}  // namespace tarnwick::SystemSignals
