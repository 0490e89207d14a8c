#pragma once

// What the probes that keep a connection open on a thread of their own (the sound server's,
// PipeWire's) share: the latest answer that thread published, and when to connect again.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace tarnwick {

// The latest answer published by a watch's own thread, and whether its connection has ended.
template <class Answer>
class WatchedAnswer {
public:
    void publish(std::optional<Answer> answer, bool connectionEnded) {
        {
            std::lock_guard lock(m_mutex);
            m_latest = std::move(answer);
            m_ended = connectionEnded;
        }
        m_changed.notify_all();
    }

    bool known() const {
        std::lock_guard lock(m_mutex);
        return m_latest.has_value();
    }

    // The answer now; with a deadline, waits until then for an answer or for the connection's end.
    std::optional<Answer> read(std::optional<std::chrono::steady_clock::time_point> waitUntil = std::nullopt) const {
        std::unique_lock lock(m_mutex);
        if (waitUntil) m_changed.wait_until(lock, *waitUntil, [this] { return m_latest || m_ended; });
        return m_latest;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::optional<Answer> m_latest;
    bool m_ended = true;
};

// When a watch connects: at the first ask, and at an ask without an answer once `retryEvery` has
// passed since the last try (a server that never finished answering is given up on as well as one
// that went away).
class ConnectOnAsk {
public:
    explicit ConnectOnAsk(std::chrono::milliseconds retryEvery) : m_retryEvery(retryEvery) {}

    bool due(bool answered, std::chrono::steady_clock::time_point now) {
        if (m_attempts > 0 && (answered || now - m_lastAttempt < m_retryEvery)) return false;
        m_lastAttempt = now;
        ++m_attempts;
        return true;
    }

    // How many times a connection was begun.
    int attempts() const { return m_attempts; }

private:
    std::chrono::milliseconds m_retryEvery;
    std::chrono::steady_clock::time_point m_lastAttempt;
    int m_attempts = 0;
};

}  // namespace tarnwick
