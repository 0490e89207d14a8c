#pragma once

// Saves the history on a thread of its own, so that trimming, encoding and writing a long history
// never hold up the interface. The latest history wins: one asked for while another is written
// replaces any that still waits, so there is never more than one writer, and the last one asked
// for always reaches the disk, also when the program quits meanwhile.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QObject>

#include "app/persistence.hpp"

namespace tarnwick {

class HistorySaver {
public:
    // `done` runs on the thread that made the saver, with the outcome of the latest save asked for
    // (true: written), once that save is over: from its event loop, or from `collect`/`finish`.
    HistorySaver(Persistence& persistence, std::function<void(bool saved)> done);
    // Writes the save that waits or runs, without calling `done`.
    ~HistorySaver();
    HistorySaver(const HistorySaver&) = delete;
    HistorySaver& operator=(const HistorySaver&) = delete;

    void save(std::vector<BreakRecord> history, Instant now);
    // Calls `done` now when the latest save is over and it has not been called for it yet.
    void collect();
    // Waits until nothing waits or runs, then collects.
    void finish();
    // Drops the save that waits and waits for the one that runs; `done` is not called for either.
    void cancel();

private:
    struct Job {
        std::vector<BreakRecord> history;
        Instant now;
        std::uint64_t number;
    };
    void run();
    void waitUntilIdle(std::unique_lock<std::mutex>& lock);

    Persistence& m_persistence;
    std::function<void(bool)> m_done;
    QObject m_receiver;  // posts `collect` to the owner's thread; its going drops what it had not run

    std::mutex m_mutex;
    std::condition_variable m_wake, m_idle;
    std::optional<Job> m_waiting;
    bool m_writing = false, m_stop = false;
    std::uint64_t m_latest = 0;  // the number of the latest save asked for
    std::optional<bool> m_outcome;  // of the latest save, not yet handed to `done`
    std::thread m_thread;  // started with the first save
};

}  // namespace tarnwick
