#include "app/history_saver.hpp"

#include <QMetaObject>

namespace tarnwick {

HistorySaver::HistorySaver(Persistence& persistence, std::function<void(bool saved)> done)
    : m_persistence(persistence), m_done(std::move(done)) {}

HistorySaver::~HistorySaver() {
    {
        std::unique_lock lock(m_mutex);
        waitUntilIdle(lock);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void HistorySaver::save(std::vector<BreakRecord> history, Instant now) {
    {
        std::lock_guard lock(m_mutex);
        m_waiting = Job{std::move(history), now, ++m_latest};
        m_outcome.reset();
        if (!m_thread.joinable()) m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_all();
}

void HistorySaver::collect() {
    std::optional<bool> outcome;
    {
        std::lock_guard lock(m_mutex);
        outcome = std::exchange(m_outcome, std::nullopt);
    }
    if (outcome && m_done) m_done(*outcome);
}

void HistorySaver::finish() {
    {
        std::unique_lock lock(m_mutex);
        waitUntilIdle(lock);
    }
    collect();
}

void HistorySaver::cancel() {
    std::unique_lock lock(m_mutex);
    m_waiting.reset();
    waitUntilIdle(lock);
    ++m_latest;  // what the running save answers is for nobody
    m_outcome.reset();
}

void HistorySaver::waitUntilIdle(std::unique_lock<std::mutex>& lock) {
    m_idle.wait(lock, [this] { return !m_writing && !m_waiting; });
}

void HistorySaver::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_waiting; });
        if (!m_waiting) return;  // stopping, and nothing is left to write
        Job job = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        const bool saved = m_persistence.save(job.history, job.now);
        job.history = {};  // the copy goes before the next one is taken
        lock.lock();
        m_writing = false;
        if (job.number == m_latest) {
            m_outcome = saved;
            QMetaObject::invokeMethod(&m_receiver, [this] { collect(); }, Qt::QueuedConnection);
        }
        m_idle.notify_all();
    }
}

}  // namespace tarnwick
