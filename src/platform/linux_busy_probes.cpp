#include "platform/linux_busy_probes.hpp"

#include "platform/dbus/kwin_fullscreen.hpp"

namespace tarnwick {

bool LinuxBusyProbes::cameraInUse() { return m_camera.inUse(); }

bool LinuxBusyProbes::microphoneInUse() { return m_microphone.inUse(); }

bool LinuxBusyProbes::frontAppIsFullscreen() {
    // KWin is asked every time, so its answer is fresh on the next tick whatever X11 says now.
    const bool wayland = m_kwin && m_kwin->frontWindowIsFullscreen();
    return m_windows.frontAppIsFullscreen() || wayland;
}

}  // namespace tarnwick
