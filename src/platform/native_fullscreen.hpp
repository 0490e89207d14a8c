#pragma once

// A source that can tell whether a native Wayland window in front fills a screen; the X11 window
// manager's properties see only X11 windows. Asking never waits: a source answers from what it
// learnt last, and asks again in the background.

namespace tarnwick {

class NativeFullscreen {
public:
    virtual ~NativeFullscreen() = default;
    virtual bool frontWindowIsFullscreen() = 0;
};

}  // namespace tarnwick
