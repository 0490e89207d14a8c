#include "platform/x11/fullscreen.hpp"

#include <cmath>

namespace tarnwick {

WindowType effectiveType(const ClientWindow& window) {
    return window.types.empty() ? WindowType::normal : window.types.front();
}

bool countsForFullscreen(const ClientWindow& window) {
    return effectiveType(window) == WindowType::normal && !window.hidden && window.geometry.has_value();
}

bool matchesScreenSize(const WindowGeometry& geometry, const std::vector<ScreenSize>& screens) {
    for (const auto& screen : screens) {
        if (std::abs(screen.width - geometry.width) < fullscreenTolerance
            && std::abs(screen.height - geometry.height) < fullscreenTolerance) {
            return true;
        }
    }
    return false;
}

bool frontAppIsFullscreen(const WindowSnapshot& snapshot) {
    if (!snapshot.active || snapshot.screens.empty()) return false;
    const ClientWindow& active = *snapshot.active;
    // The desktop stands for the file manager's desktop: it never makes the front app full screen.
    if (effectiveType(active) == WindowType::desktop) return false;

    auto judged = [&](const ClientWindow& window) {
        return countsForFullscreen(window) && matchesScreenSize(*window.geometry, snapshot.screens);
    };
    if (!active.pid) return judged(active);
    if (*active.pid == snapshot.ownPid) return false;

    bool activeListed = false;
    for (const auto& window : snapshot.clients) {
        if (window.id == active.id) activeListed = true;
        if (window.pid == active.pid && judged(window)) return true;
    }
    return !activeListed && judged(active);
}

}  // namespace tarnwick
