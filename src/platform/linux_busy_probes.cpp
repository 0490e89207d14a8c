#include "platform/linux_busy_probes.hpp"

#include "platform/pulse/microphone.hpp"

namespace tarnwick {

bool LinuxBusyProbes::cameraInUse() { return m_camera.inUse(); }

bool LinuxBusyProbes::microphoneInUse() { return tarnwick::microphoneInUse(); }

bool LinuxBusyProbes::frontAppIsFullscreen() { return m_windows.frontAppIsFullscreen(); }

}  // namespace tarnwick
