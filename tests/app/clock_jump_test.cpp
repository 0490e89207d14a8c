// The wall clock set forward or back, and the time zone changed, under a running model.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

// Ticks once a second of real (monotonic) time and checks, at every tick, what a jump of the wall
// clock must never do: stack breaks, stretch one, or record one twice.
struct BreakWatch {
    explicit BreakWatch(ModelRig& rig) : rig(rig) {}

    void tickFor(double seconds) {
        for (double t = 0; t < seconds; ++t) {
            rig.clock.advance(1);
            const std::size_t before = rig.model->history().size();
            rig.model->tick();
            const auto& history = rig.model->history();
            ASSERT_LE(history.size() - before, 1u) << "two records in one tick";
            for (std::size_t i = before; i < history.size(); ++i) {
                const auto key = std::make_tuple(epochSeconds(history[i].date), history[i].kind, history[i].outcome);
                ASSERT_TRUE(recorded.insert(key).second) << "recorded twice at " << formatDate(history[i].date);
            }
            observe();
        }
    }

    void observe() {
        const double mono = rig.clock.monotonicSeconds();
        // An announcement lasts its heads-up, and no card waits for an hour.
        if (std::holds_alternative<phase::HeadsUp>(rig.model->phase())) {
            if (!headsUpStart) headsUpStart = mono;
            if (mono - *headsUpStart == rig.model->settings().headsUpSeconds + 2) {
                ADD_FAILURE() << "a heads-up outlasted its setting";
            }
        } else {
            headsUpStart.reset();
        }
        const auto* onBreak = std::get_if<phase::OnBreak>(&rig.model->phase());
        if (onBreak && !breakStart) {
            breakStart = mono;
            breakLength = (onBreak->endsAt - onBreak->startedAt).count();
            if (lastBreakEnd) {
                EXPECT_GE(mono - *lastBreakEnd, 60) << "a break stacked onto the one before";
            }
            ++breaks;
        } else if (!onBreak && breakStart) {
            EXPECT_LE(mono - *breakStart, breakLength + 1) << "a break outlasted its setting";
            EXPECT_GE(mono - *breakStart, breakLength) << "a break ended early";
            lastBreakEnd = mono;
            breakStart.reset();
        }
    }

    ModelRig& rig;
    std::set<std::tuple<double, BreakKind, Outcome>> recorded;
    std::optional<double> breakStart, lastBreakEnd, headsUpStart;
    double breakLength = 0;
    int breaks = 0;
};

}  // namespace

TEST(ClockJumps, NoBreakStacksUpOrIsRecordedTwice) {
    enum class At { working, headsUp, onBreak };
    struct Case { const char* name; At at; double jump; } cases[] = {
        {"a day forward while working", At::working, 86400},
        {"an hour back while working", At::working, -3600},
        {"a day forward during a heads-up", At::headsUp, 86400},
        {"an hour back during a heads-up", At::headsUp, -3600},
        {"a day forward during a break", At::onBreak, 86400},
        {"an hour back during a break", At::onBreak, -3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModelRig rig;
        rig.model->start();
        BreakWatch watch(rig);
        if (c.at == At::working) watch.tickFor(600);
        while (c.at == At::headsUp && !std::holds_alternative<phase::HeadsUp>(rig.model->phase())) watch.tickFor(1);
        while (c.at == At::onBreak && !std::holds_alternative<phase::OnBreak>(rig.model->phase())) watch.tickFor(1);
        rig.clock.jump(c.jump);
        watch.tickFor(3 * 3600);
        // Three hours of work with the defaults: a break at least every 20 minutes, never a pile.
        EXPECT_GE(watch.breaks, 6);
        EXPECT_LE(watch.breaks, 12);
        std::map<Outcome, int> outcomes;
        for (const auto& record : rig.model->history()) ++outcomes[record.outcome];
        EXPECT_EQ(outcomes[Outcome::taken], watch.breaks - (watch.breakStart ? 1 : 0));
        EXPECT_EQ(outcomes[Outcome::skipped] + outcomes[Outcome::held] + outcomes[Outcome::natural], 0);
    }
}

TEST(ClockJumps, PauseUntilTomorrowEndsAtSixInTheZoneTheUserIsIn) {
    struct Case { const char* from; const char* to; const char* pausedAt; const char* endsAt; } cases[] = {
        // 23:30 in Berlin is 17:30 in New York: the pause ends on Tuesday 06:00 in New York.
        {"Europe/Berlin", "America/New_York", "2026-03-02T22:30:00Z", "2026-03-03T11:00:00Z"},
        // 23:30 in New York is 05:30 in Berlin: the pause ends half an hour later.
        {"America/New_York", "Europe/Berlin", "2026-03-03T04:30:00Z", "2026-03-03T05:00:00Z"},
        // No change of zone: 06:00 in Berlin.
        {"Europe/Berlin", "Europe/Berlin", "2026-03-02T22:30:00Z", "2026-03-03T05:00:00Z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        ModelRig rig;
        std::string zone = c.from;
        rig.model->setCalendarSource([&zone] { return Calendar::forZone(zone); });
        rig.clock.set(epochSeconds(parseDate(c.pausedAt)));
        rig.model->start();
        rig.model->pauseUntilTomorrow();
        ASSERT_TRUE(std::holds_alternative<phase::Paused>(rig.model->phase()));
        rig.tickUntil(rig.clock.epoch() + 120);
        zone = c.to;  // the user travels, or changes the zone by hand
        while (std::holds_alternative<phase::Paused>(rig.model->phase()) &&
               rig.clock.epoch() < epochSeconds(parseDate(c.pausedAt)) + 2 * 86400) {
            rig.clock.advance(1);
            rig.model->tick();
        }
        EXPECT_EQ(formatDate(rig.model->now()), c.endsAt);
    }
}
