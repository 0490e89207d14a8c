#pragma once

// The busy probes on Linux: /proc for cameras (rescanned only when a capture device node changes), the
// sound server (one connection kept open, or ALSA without one) for microphones, and
// the window manager for a full-screen front application (and KWin, for native Wayland windows).

#include "app/ports.hpp"
#include "platform/proc/camera_watch.hpp"
#include "platform/pulse/microphone.hpp"
#include "platform/x11/x11_windows.hpp"

namespace tarnwick {

class KWinFullscreen;

class LinuxBusyProbes final : public BusyProbes {
public:
    // With `kwin`, a native Wayland window in front that fills a screen counts as well.
    explicit LinuxBusyProbes(KWinFullscreen* kwin = nullptr) : m_kwin(kwin) {}

    bool cameraInUse() override;
    bool microphoneInUse() override;
    bool frontAppIsFullscreen() override;

private:
    CameraWatch m_camera;
    MicrophoneWatch m_microphone;
    X11Windows m_windows;
    KWinFullscreen* m_kwin;
};

}  // namespace tarnwick
