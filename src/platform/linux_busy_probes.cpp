#include "platform/linux_busy_probes.hpp"

#include "platform/proc/camera.hpp"
#include "platform/pulse/microphone.hpp"

namespace tarnwick {

bool LinuxBusyProbes::cameraInUse() { return tarnwick::cameraInUse(); }

bool LinuxBusyProbes::microphoneInUse() { return tarnwick::microphoneInUse(); }

bool LinuxBusyProbes::frontAppIsFullscreen() { return m_windows.frontAppIsFullscreen(); }

}  // namespace tarnwick
