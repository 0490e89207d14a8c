#pragma once

// The busy probes on Linux: /proc for cameras (rescanned only when a capture device node changes), the
// sound server (one connection kept open, or ALSA without one) for microphones, PipeWire (one
// connection kept open) for a shared screen, and the window manager for a full-screen front
// application (and KWin or sway, for native Wayland windows).

#include "app/ports.hpp"
#include "platform/proc/camera_watch.hpp"
#include "platform/native_fullscreen.hpp"
#include "platform/pipewire/screen_sharing.hpp"
#include "platform/pulse/microphone.hpp"
#include "platform/x11/x11_windows.hpp"

namespace tarnwick {

class LinuxBusyProbes final : public BusyProbes {
public:
    // With `native`, a native Wayland window in front that fills a screen counts as well.
    explicit LinuxBusyProbes(NativeFullscreen* native = nullptr) : m_native(native) {}

    bool cameraInUse() override;
    bool microphoneInUse() override;
    bool frontAppIsFullscreen() override;
    std::optional<bool> screenShared() override;

private:
    CameraWatch m_camera;
    MicrophoneWatch m_microphone;
    ScreenSharingWatch m_screen;
    X11Windows m_windows;
    NativeFullscreen* m_native;
};

}  // namespace tarnwick
