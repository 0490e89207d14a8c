#include "platform/linux_busy_probes.hpp"

#include "platform/proc/camera.hpp"
#include "platform/pulse/microphone.hpp"

#include <glob.h>

namespace tarnwick {

namespace {

bool anyVideoDeviceNode(const char* pattern) {
    glob_t found{};
    const bool any = ::glob(pattern, GLOB_NOSORT, nullptr, &found) == 0 && found.gl_pathc > 0;
    ::globfree(&found);
    return any;
}

}  // namespace

bool LinuxBusyProbes::cameraInUse() {
    // Without a capture device node no process can hold one: this spares scanning every
    // process's descriptors, the costly part of the probe.
    return anyVideoDeviceNode("/dev/video[0-9]*") && tarnwick::cameraInUse();
}

bool LinuxBusyProbes::microphoneInUse() { return tarnwick::microphoneInUse(); }

bool LinuxBusyProbes::frontAppIsFullscreen() { return m_windows.frontAppIsFullscreen(); }

}  // namespace tarnwick
