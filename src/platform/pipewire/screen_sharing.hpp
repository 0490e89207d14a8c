#pragma once

// Screen-sharing probe: is a screen being cast to another program? On Wayland (and for X11 programs
// that go through the desktop portal) a screencast is a PipeWire video source that no capture device
// is behind, and it runs while something consumes it. Only node classes, device links and states are
// read, never a frame.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/watched_answer.hpp"

namespace tarnwick {

// A PipeWire node's properties, as its info reports them.
using NodeProperties = std::map<std::string, std::string>;

// One video source node and what the probe knows of it.
struct VideoSourceNode {
    std::uint32_t id = 0;
    bool captureDevice = false;  // a camera (V4L2, libcamera) or another device is behind it
    bool running = false;        // a consumer is linked and the node runs
    bool operator==(const VideoSourceNode&) const = default;
};

// Whether a node of these properties is a video source: media.class "Video/Source" (as the wlroots
// portal publishes its casts) or "Stream/Output/Video" (a program's own video stream, as Mutter
// publishes its casts).
bool isVideoSource(const NodeProperties& properties);

// Whether a device stands behind the node: a device object (device.id), a device API (device.api,
// api.v4l2.*, api.libcamera.*) or an object path of one (v4l2:…, libcamera:…).
bool isCaptureDevice(const NodeProperties& properties);

// True when some video source that is not a capture device runs: a screen is being shared.
bool screenBeingShared(const std::vector<VideoSourceNode>& nodes);

inline constexpr std::chrono::milliseconds pipewireQueryBudget{200};

// One connection to PipeWire kept open on a thread loop of its own, told of every video source node
// and of each change of its state, so asking costs a read of the latest answer. Without a PipeWire
// daemon (or after it went away), the connection is tried again on an ask once retryEvery has passed.
class ScreenSharingWatch {
public:
    explicit ScreenSharingWatch(std::chrono::milliseconds firstAnswerBudget = pipewireQueryBudget,
                                std::chrono::milliseconds retryEvery = std::chrono::seconds(10));
    ~ScreenSharingWatch();
    ScreenSharingWatch(const ScreenSharingWatch&) = delete;
    ScreenSharingWatch& operator=(const ScreenSharingWatch&) = delete;

    // Whether a screen is being shared; nothing while no PipeWire daemon answers. The first call (and
    // each new connection) waits up to the budget for the daemon's first listing.
    std::optional<bool> shared();

    // How many times a connection was begun; one lasts until the daemon goes away.
    int attempts() const { return m_connect.attempts(); }

private:
    struct Shared;
    void connect();

    std::chrono::milliseconds m_budget;
    ConnectOnAsk m_connect;
    std::unique_ptr<Shared> m_shared;
};

}  // namespace tarnwick
