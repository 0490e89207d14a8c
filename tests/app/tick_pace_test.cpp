// The model ticks every second only while a second can matter. Two models live through the same
// scripted day: one is ticked every second, the other only at the instants it asks for. They must
// decide alike: the same phases, timers, nudges and history, each change at the same second.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include <QObject>

#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

// What the user and the system do, second by second.
struct World {
    std::vector<int> lastInput, lastKey;  // the second of the latest input and key press, at or before each second
    std::vector<bool> camera, fullscreen;

    explicit World(int seconds, unsigned seed) : lastInput(seconds + 1), lastKey(seconds + 1), camera(seconds + 1),
                                                 fullscreen(seconds + 1) {
        std::mt19937 random(seed);
        auto between = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(random); };
        int input = 0, key = -1000, t = 0;
        auto activeUntil = [&](int until, bool typing, bool call) {
            for (; t <= std::min(until, seconds); ++t) {
                if (between(0, 5) == 0) input = t;
                if (typing && between(0, 2) == 0) key = input = t;
                camera[t] = call;
                lastInput[t] = input;
                lastKey[t] = key;
            }
        };
        auto awayUntil = [&](int until, bool film) {
            for (; t <= std::min(until, seconds); ++t) {
                fullscreen[t] = film;
                lastInput[t] = input;
                lastKey[t] = key;
            }
        };
        while (t <= seconds) {
            switch (between(0, 6)) {
            case 0: activeUntil(t + between(60, 1500), true, false); break;       // writing
            case 1: activeUntil(t + between(60, 1500), false, false); break;      // reading, the mouse
            case 2: awayUntil(t + between(20, 110), false); break;                // a pause under the threshold
            case 3: awayUntil(t + between(280, 900), false); break;               // away, maybe long enough
            case 4: activeUntil(t + between(180, 1200), false, true); break;      // a call
            case 5: awayUntil(t + between(300, 900), true); break;                // a film, full screen
            case 6:                                                                // back for one input, away again
                awayUntil(t + between(300, 400), false);
                input = t;
                awayUntil(t + between(300, 400), false);
                break;
            }
        }
    }

    void apply(ModelRig& rig, int t) const {
        rig.input.idle = t - lastInput[t];
        rig.input.sinceKeyDown = t - lastKey[t];
        rig.probes.camera = camera[t];
        rig.probes.fullscreen = fullscreen[t];
    }
};

struct Decisions {
    Phase phase;
    Instant nextMicro, nextLong, nextBlink, nextPosture;
    std::size_t records = 0;
    int nudges = 0;
    bool operator==(const Decisions&) const = default;
};

Decisions decisions(const ModelRig& rig, int nudges) {
    const Scheduler& s = rig.model->scheduler();
    return {rig.model->phase(), s.nextMicro(), s.nextLong(), s.nextBlink(), s.nextPosture(), rig.model->history().size(),
            nudges};
}

}  // namespace

TEST(TickPace, TicksOnlyWhenNeededDecideExactlyAsTicksEverySecond) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        constexpr int day = 10 * 3600;
        const World world(day, seed);
        ModelRig every, paced;
        int everyNudges = 0, pacedNudges = 0;
        every.model->onBlink = every.model->onPosture = [&] { ++everyNudges; };
        paced.model->onBlink = paced.model->onPosture = [&] { ++pacedNudges; };
        every.model->start();
        paced.model->start();
        double pacedNext = t0 + 1;
        int pacedTicks = 0;
        for (int t = 1; t <= day; ++t) {
            const double now = t0 + t;
            every.clock.set(now);
            world.apply(every, t);
            every.model->tick();
            // The user's own commands, at the same seconds in both.
            auto command = [&](ModelRig& rig) {
                if (t % 7200 == 3000) rig.model->pauseFor(900);
                if (t % 7200 == 5000 && kindOf(rig.model->phase())) rig.model->skip();
            };
            command(every);
            const Decisions after = decisions(every, everyNudges);

            paced.clock.set(now);
            if (now >= pacedNext) {
                world.apply(paced, t);
                paced.model->tick();
                ++pacedTicks;
            }
            command(paced);
            const auto at = paced.model->nextTickAt();
            if (at) {
                ASSERT_GT(epochSeconds(*at), now);
            }
            // The timer fires at the instant asked for; the rig's clock moves in whole seconds.
            pacedNext = at ? std::ceil(epochSeconds(*at) - 1e-9) : now + 1;
            ASSERT_EQ(decisions(paced, pacedNudges), after) << "second " << t;
        }
        EXPECT_EQ(paced.model->history(), every.model->history());
        EXPECT_GT(everyNudges, 0);
        // The point of it: the seconds of plain work are left alone (this day is half absences,
        // calls, films and breaks, which are ticked every second).
        EXPECT_LT(pacedTicks, day * 3 / 5);
    }
}

TEST(TickPace, ViewsThatShowSecondsAndWakeUpsSetThePace) {
    ModelRig rig;
    rig.model->start();
    rig.tickUntil(t0 + 5);
    ASSERT_TRUE(rig.model->nextTickAt());
    EXPECT_EQ(epochSeconds(*rig.model->nextTickAt()), t0 + 5 + AppModel::quietMaxSeconds);

    // An observer that needs the time again sooner is woken then, once.
    QObject tray;
    rig.model->wakeAt(&tray, instantAt(t0 + 12.5));
    rig.tickUntil(t0 + 6);
    EXPECT_EQ(epochSeconds(*rig.model->nextTickAt()), t0 + 12.5);
    rig.clock.set(t0 + 12.5);
    rig.model->tick();
    EXPECT_EQ(epochSeconds(*rig.model->nextTickAt()), t0 + 12.5 + AppModel::quietMaxSeconds);

    // A window opened in a quiet spell sees the current time at once, then every second.
    {
        QObject window;
        rig.clock.set(t0 + 20.25);
        const int nowSignals = rig.nowSignals;
        rig.model->holdEverySecond(&window, true);
        EXPECT_EQ(rig.model->nowSeconds(), t0 + 20.25);
        EXPECT_EQ(rig.nowSignals, nowSignals + 1);
        EXPECT_FALSE(rig.model->nextTickAt());
        rig.tickUntil(t0 + 40);
        EXPECT_FALSE(rig.model->nextTickAt());
    }
    rig.tickUntil(t0 + 41);
    EXPECT_TRUE(rig.model->nextTickAt());

    // A save that failed is retried every few seconds.
    rig.tickUntil(t0 + 50);
    QFile::remove(rig.folder + QStringLiteral("/settings.json"));
    QDir(rig.folder).removeRecursively();
    QFile blocker(rig.folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    Settings settings = rig.model->settings();
    settings.microEveryMinutes = 25;
    rig.model->setSettings(settings);
    EXPECT_FALSE(rig.model->nextTickAt());
}
