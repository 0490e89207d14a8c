// Saving the history on a disk that takes its time: the interface goes on, one writer at a time,
// and the latest history reaches the disk, also when the program quits during a save.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

// Each history save waits at a gate (a slow disk) for at most `patience`.
class SlowDisk : public Persistence {
public:
    using Persistence::Persistence;
    static constexpr auto patience = std::chrono::seconds(5);

    bool save(const std::vector<BreakRecord>& history, Instant now) override {
        const int writers = ++m_writers;
        int seen = m_mostWriters.load();
        while (writers > seen && !m_mostWriters.compare_exchange_weak(seen, writers)) {
        }
        {
            std::unique_lock lock(m_mutex);
            if (!m_gateOpened.wait_for(lock, patience, [this] { return m_open; })) m_waitedInVain = true;
        }
        const bool saved = Persistence::save(history, now);
        --m_writers;
        ++m_saves;
        return saved;
    }
    void open() {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_gateOpened.notify_all();
    }
    bool waitedInVain() {
        std::lock_guard lock(m_mutex);
        return m_waitedInVain;
    }
    int saves() const { return m_saves; }
    int mostWritersAtOnce() const { return m_mostWriters; }

private:
    std::mutex m_mutex;
    std::condition_variable m_gateOpened;
    bool m_open = false, m_waitedInVain = false;
    std::atomic<int> m_writers{0}, m_mostWriters{0}, m_saves{0};
};

}  // namespace

TEST(BackgroundSave, ASlowDiskNeverHoldsUpTheInterfaceAndTheLastHistoryIsWrittenAtQuit) {
    ModelRig rig;
    SlowDisk disk(rig.folder);
    struct Quit {
        ModelRig& rig;
        ~Quit() { rig.model.reset(); }  // before the disk goes, whatever happens below
    } quit{rig};
    rig.model = std::make_unique<AppModel>(
        Ports{rig.clock, rig.input, rig.probes, rig.sounds, rig.loginItem, rig.screenLock, rig.sleepMonitor}, disk);
    rig.model->start();
    // Three skipped breaks, each recorded and saved, while the disk is stuck on the first save.
    for (int i = 0; i < 3; ++i) {
        rig.model->takeBreak(BreakKind::micro);
        rig.clock.advance(10);
        rig.model->skip();
    }
    ASSERT_EQ(rig.model->history().size(), 3u);
    EXPECT_EQ(rig.model->skipsLeftThisWeek(), 2) << "the interface has the new records at once";
    disk.open();  // only now: the skips above did not wait for the disk
    rig.model.reset();  // quitting: the save that waits still runs
    EXPECT_FALSE(disk.waitedInVain()) << "a save held up the interface until the disk gave up";
    EXPECT_EQ(disk.mostWritersAtOnce(), 1);
    EXPECT_LE(disk.saves(), 2) << "saves that were overtaken by a newer one are not written";
    const auto onDisk = Persistence(rig.folder).loadHistory();
    ASSERT_EQ(onDisk.size(), 3u);
    EXPECT_EQ(onDisk.back().outcome, Outcome::skipped);
}
