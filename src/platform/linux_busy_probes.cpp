#include "platform/linux_busy_probes.hpp"

namespace tarnwick {

bool LinuxBusyProbes::cameraInUse() { return m_camera.inUse(); }

bool LinuxBusyProbes::microphoneInUse() { return m_microphone.inUse(); }

std::optional<bool> LinuxBusyProbes::screenShared() { return m_screen.shared(); }

bool LinuxBusyProbes::frontAppIsFullscreen() {
    // The compositor is asked every time, so its answer is fresh on the next tick whatever X11 says now.
    const bool wayland = m_native && m_native->frontWindowIsFullscreen();
    return m_windows.frontAppIsFullscreen() || wayland;
}

}  // namespace tarnwick
