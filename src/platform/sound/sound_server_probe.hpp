#pragma once

#include <chrono>

namespace tarnwick {

// Whether a PulseAudio server (or PipeWire's pulse server) accepts a client within `timeout`.
// Blocks for at most about `timeout`, so callers on the main thread run it elsewhere. Never
// starts a server.
bool soundServerAnswers(std::chrono::milliseconds timeout);

}  // namespace tarnwick
