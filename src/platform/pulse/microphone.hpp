#pragma once

// Microphone probe: is another process recording from an audio input?
// Asks the sound server (PulseAudio or PipeWire's pulse server) for its recording streams; when no
// server answers in time, looks at the ALSA capture devices instead.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/watched_answer.hpp"

namespace tarnwick {

inline constexpr std::uint32_t noPulseIndex = 0xFFFFFFFFu;  // the server's "invalid index"

// One recording stream (a source output) as the server reports it.
struct SourceOutputRecord {
    bool corked = false;
    std::uint32_t sourceIndex = noPulseIndex;
    std::optional<std::string> processId;  // its application.process.id property, unparsed
    bool operator==(const SourceOutputRecord&) const = default;
};

// One input (a source); a monitor source carries the index of the sink it listens to.
struct SourceRecord {
    std::uint32_t index = noPulseIndex;
    std::uint32_t monitorOfSink = noPulseIndex;
    bool operator==(const SourceRecord&) const = default;
};

struct PulseSnapshot {
    std::vector<SourceRecord> sources;
    std::vector<SourceOutputRecord> outputs;
    bool operator==(const PulseSnapshot&) const = default;
};

inline constexpr std::chrono::milliseconds pulseQueryBudget{200};

// A decimal process id with nothing around it; nothing for anything else.
std::optional<std::int64_t> parseProcessId(std::string_view text);

// True when some stream is running (not corked), records from a source that is not a monitor of a
// sink, and does not belong to ownPid. A stream with a missing or unparsable pid counts as another
// process's; a stream whose source is not in the list counts as recording from a real input.
bool otherProcessRecording(const PulseSnapshot& snapshot, std::int64_t ownPid);

// One connection to the sound server kept open on a thread of its own, which relists the sources
// and recording streams whenever the server says one of them changed. Asking costs a copy of the
// latest listing instead of a connection of its own: the probe runs every second while a break is
// near or the user is away. Without the server, the connection is tried again every retryEvery.
class MicrophoneWatch {
public:
    explicit MicrophoneWatch(std::chrono::milliseconds firstAnswerBudget = pulseQueryBudget,
                             std::chrono::milliseconds retryEvery = std::chrono::seconds(10));
    ~MicrophoneWatch();
    MicrophoneWatch(const MicrophoneWatch&) = delete;
    MicrophoneWatch& operator=(const MicrophoneWatch&) = delete;

    // The server's latest listing; nothing while no server answers. The first call connects and
    // waits up to the budget for the first listing; later connections are never waited for.
    std::optional<PulseSnapshot> snapshot();

    // Some other process is recording from an audio input, by the server's listing or, without a
    // server, by the ALSA capture devices. False when that cannot be told.
    bool inUse();

    // How many times a connection was begun; one lasts until the server goes away.
    int attempts() const { return m_connect.attempts(); }

private:
    struct Shared;
    void connect();

    std::chrono::milliseconds m_budget;
    ConnectOnAsk m_connect;
    std::unique_ptr<Shared> m_shared;
};

inline constexpr std::string_view defaultAsoundRoot = "/proc/asound";

// Whether the text of an ALSA substream status file says "state: RUNNING".
bool captureStatusRunning(std::string_view statusText);

// Whether any <asoundRoot>/card*/pcm*c/sub*/status reports a running capture substream.
bool anyAlsaCaptureRunning(const std::string& asoundRoot);

}  // namespace tarnwick
