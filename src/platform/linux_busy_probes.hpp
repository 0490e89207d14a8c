#pragma once

// The busy probes on Linux: /proc for cameras (rescanned only when a capture device node changes), the sound server (or ALSA) for microphones, and
// the window manager for a full-screen front application.

#include "app/ports.hpp"
#include "platform/proc/camera_watch.hpp"
#include "platform/x11/x11_windows.hpp"

namespace tarnwick {

class LinuxBusyProbes final : public BusyProbes {
public:
    bool cameraInUse() override;
    bool microphoneInUse() override;
    bool frontAppIsFullscreen() override;

private:
    CameraWatch m_camera;
    X11Windows m_windows;
};

}  // namespace tarnwick
