// A simulated week at full speed: random work, absences, calls, full-screen spells, typing, sleeps
// and commands, with the model's invariants checked at every tick.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <array>
#include <map>
#include <random>

#include <unistd.h>

#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

// Resident memory of this process, in bytes.
double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(::sysconf(_SC_PAGESIZE));
}

}  // namespace

TEST(Soak, AWeekOfRandomUseKeepsEveryInvariant) {
    ModelRig rig;
    // A history reaching back 450 days, one record a day, for the file's 400-day limit.
    {
        std::vector<BreakRecord> old;
        for (int day = 450; day >= 1; --day) old.push_back({instantAt(t0 - day * 86400.0), BreakKind::micro, Outcome::taken});
        ASSERT_TRUE(rig.persistence.save(old, instantAt(t0 - 451 * 86400.0)));
        rig.makeModel();
        ASSERT_EQ(rig.model->history().size(), 450u);
    }
    std::mt19937 random(7);
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; };
    auto between = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(random); };

    rig.model->start();
    const double end = rig.clock.epoch() + 7 * 86400;
    int awayFor = 0, callFor = 0, fullscreenFor = 0, typingFor = 0;
    std::size_t seen = rig.model->history().size();
    Phase before = rig.model->phase();
    std::optional<double> breakSince;  // boot-clock start of the running break
    int ticks = 0, sleeps = 0, commands = 0;
    std::optional<double> memoryAfterADay;
    while (rig.clock.epoch() < end) {
        // The user and the system.
        if (awayFor > 0) {
            --awayFor;
            rig.input.idle += 1;
        } else {
            rig.input.idle = chance(0.3) ? between(0, 20) : 0;
            if (chance(1.0 / 3600)) awayFor = between(60, 3 * 3600);
        }
        if (callFor > 0) --callFor;
        else if (chance(1.0 / 5400)) callFor = between(60, 2 * 3600);
        if (fullscreenFor > 0) --fullscreenFor;
        else if (chance(1.0 / 7200)) fullscreenFor = between(30, 1800);
        if (typingFor > 0) --typingFor;
        else if (chance(1.0 / 300)) typingFor = between(5, 300);
        rig.probes.camera = callFor > 0;
        rig.probes.fullscreen = fullscreenFor > 0;
        rig.input.sinceKeyDown = typingFor > 0 ? 0.5 : 1e9;

        if (chance(1.0 / 20000)) {
            const bool announced = chance(0.5);
            if (announced) rig.sleepMonitor.willSleep();
            const int seconds = between(30, 10 * 3600);
            rig.clock.sleep(seconds);
            rig.input.idle += seconds;
            if (announced && chance(0.5)) {
                rig.sleepMonitor.didWake();  // ticks at once
                const auto& history = rig.model->history();
                ASSERT_LE(history.size(), seen + 1);
                if (history.size() > seen) {
                    ASSERT_NE(history.back().outcome, Outcome::skipped);
                }
                seen = history.size();
                before = rig.model->phase();
            }
            ++sleeps;
        } else {
            rig.clock.advance(1);
        }
        if (chance(1.0 / 1500)) {
            ++commands;
            switch (between(0, 9)) {
            case 0: rig.model->skip(); break;
            case 1: rig.model->snooze(std::array{1, 5, 15}[std::size_t(between(0, 2))]); break;
            case 2: rig.model->pauseFor(between(60, 7200)); break;
            case 3: rig.model->resume(); break;
            case 4: rig.model->startNow(); break;
            case 5: rig.model->takeBreak(chance(0.5) ? BreakKind::micro : BreakKind::long_); break;
            case 6: if (chance(0.1)) rig.model->pauseUntilTomorrow(); break;
            case 7: rig.model->applyPreset(allPresets[std::size_t(between(0, int(allPresets.size()) - 1))]); break;
            case 8: {
                Settings s = rig.model->settings();
                s.headsUpSeconds = between(0, 60);
                s.microSeconds = between(5, 60);
                rig.model->setSettings(s);
                break;
            }
            default: {
                Settings s = rig.model->settings();
                s.longEnabled = !s.longEnabled;
                rig.model->setSettings(s);
            }
            }
        }
        // A skip records at once, before the tick.
        if (rig.model->history().size() > seen) {
            ASSERT_EQ(rig.model->history().size(), seen + 1);
            ASSERT_EQ(rig.model->history().back().outcome, Outcome::skipped);
            ASSERT_TRUE(kindOf(before).has_value()) << "a skip with nothing to skip";
            seen = rig.model->history().size();
        }
        const Phase commandPhase = rig.model->phase();
        rig.model->tick();
        ++ticks;

        // Invariants.
        const Settings& s = rig.model->settings();
        const double now = rig.clock.epoch();
        const Phase& phase = rig.model->phase();
        ASSERT_EQ(phase, rig.model->scheduler().phase()) << "published phase lags";
        if (auto* h = std::get_if<phase::HeadsUp>(&phase)) {
            ASSERT_LE(epochSeconds(h->breakAt), now + std::max<double>(double(s.headsUpSeconds), 5) + 1);
        } else if (auto* b = std::get_if<phase::OnBreak>(&phase)) {
            const double length = (b->endsAt - b->startedAt).count();
            ASSERT_GT(length, 0);
            ASSERT_LE(length, 60 * 60.0);  // no setting makes a longer break in this run
            if (!breakSince || !std::holds_alternative<phase::OnBreak>(commandPhase)) breakSince = rig.clock.bootSeconds();
            ASSERT_LE(rig.clock.bootSeconds() - *breakSince, length + 1) << "a break outlasted its setting";
        } else if (auto* held = std::get_if<phase::Held>(&phase)) {
            ASSERT_LE(now - epochSeconds(held->since), 5400 + 1);
            ASSERT_NE(held->reason, BusyReason::typing);
        }
        const auto& history = rig.model->history();
        ASSERT_LE(history.size(), seen + 1) << "two records in one tick";
        if (history.size() == seen + 1) {
            const BreakRecord& r = history.back();
            ASSERT_EQ(epochSeconds(r.date), now);
            switch (r.outcome) {
            case Outcome::taken:
                // Only a running break ends taken.
                ASSERT_TRUE(std::holds_alternative<phase::OnBreak>(commandPhase));
                ASSERT_EQ(kindOf(commandPhase), r.kind);
                break;
            case Outcome::held:
                ASSERT_TRUE(std::holds_alternative<phase::Held>(phase));
                ASSERT_EQ(kindOf(phase), r.kind);
                break;
            case Outcome::natural:
                ASSERT_GE(rig.input.idle, double(s.naturalBreakMinutes) * 60);
                break;
            case Outcome::skipped:
                ADD_FAILURE() << "a skip recorded by a tick";
                break;
            }
        }
        if (!std::holds_alternative<phase::OnBreak>(phase)) breakSince.reset();
        seen = history.size();
        before = phase;
        if (!memoryAfterADay && now >= t0 + 86400) memoryAfterADay = residentBytes();
    }
    // Six more days add a few hundred records, nothing that grows with the ticks.
    ASSERT_TRUE(memoryAfterADay.has_value());
    EXPECT_LT(residentBytes() - *memoryAfterADay, 8.0 * 1024 * 1024) << "memory grew during the week";
    RecordProperty("ticks", ticks);
    EXPECT_GT(sleeps, 5);
    // Every kind of outcome came up this week.
    std::map<Outcome, int> outcomes;
    for (const auto& r : rig.model->history()) {
        if (r.date >= instantAt(t0)) ++outcomes[r.outcome];
    }
    EXPECT_GT(outcomes[Outcome::taken], 30);
    EXPECT_GE(outcomes[Outcome::skipped], 1);
    EXPECT_GT(outcomes[Outcome::held], 5);
    EXPECT_GT(outcomes[Outcome::natural], 5);
    EXPECT_GT(commands, 100);
    // The file keeps 400 days; memory keeps everything, and the file is what memory holds, trimmed.
    rig.model->finishSaves();
    const auto onDisk = Persistence(rig.folder).loadHistory();
    const auto& inMemory = rig.model->history();
    ASSERT_EQ(epochSeconds(inMemory.front().date), t0 - 450 * 86400.0);
    ASSERT_FALSE(onDisk.empty());
    EXPECT_GE(epochSeconds(onDisk.front().date), t0 - 400 * 86400.0);
    EXPECT_LE(epochSeconds(onDisk.front().date), t0 - 390 * 86400.0);
    EXPECT_TRUE(std::equal(onDisk.rbegin(), onDisk.rend(), inMemory.rbegin())) << "the file lost a recent record";
}
