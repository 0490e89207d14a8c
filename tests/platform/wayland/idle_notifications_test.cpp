// Idle time from notification events on a manual clock: the arithmetic the Wayland source runs.

#include <gtest/gtest.h>

#include <optional>

#include "platform/wayland/idle_notifications.hpp"

namespace tarnwick {
namespace {

using Watch = IdleNotifications::Watch;

TEST(IdleNotifications, IdlenessCountsFromTheInputBeforeTheEventAndEndsAtTheNextInput) {
    IdleNotifications idle(1, 45);
    EXPECT_EQ(idle.idleSeconds(100), 0) << "no event yet: input within the last second";
    idle.idled(Watch::Short, 100);
    EXPECT_DOUBLE_EQ(idle.idleSeconds(100), 1) << "the short timeout had passed when it came";
    EXPECT_DOUBLE_EQ(idle.idleSeconds(130.5), 31.5) << "grows with the clock between events";
    idle.resumed();
    EXPECT_EQ(idle.idleSeconds(131), 0);
    idle.idled(Watch::Short, 140);
    EXPECT_DOUBLE_EQ(idle.idleSeconds(150), 11) << "a second absence counts from its own start";
}

TEST(IdleNotifications, TheLongNotificationMarksTheStartWhenTheShortOneCameLateOrNotAtAll) {
    struct Case {
        const char* name;
        std::optional<double> shortAt, longAt;
        double now, expected;
    } cases[] = {
        // The horizon crossed between two ticks: the figure at the next tick is past the horizon.
        {"long only, crossed between ticks", std::nullopt, 145.3, 146, 45.7},
        {"both, as a compositor sends them", 101, 145, 200, 100},
        // A compositor that holds back short timeouts: the long one's start is earlier.
        {"short stretched to 5 s", 105, 145, 200, 100},
        {"short only", 101, std::nullopt, 200, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IdleNotifications idle(1, 45);
        if (c.shortAt) idle.idled(Watch::Short, *c.shortAt);
        if (c.longAt) idle.idled(Watch::Long, *c.longAt);
        EXPECT_NEAR(idle.idleSeconds(c.now), c.expected, 1e-9);
    }
}

TEST(IdleNotifications, ResumedFromEitherNotificationEndsTheAbsenceAndAClockThatWentBackReadsAsPresent) {
    IdleNotifications idle(1, 45);
    idle.idled(Watch::Short, 10);
    idle.idled(Watch::Long, 54);
    idle.resumed();
    EXPECT_EQ(idle.idleSeconds(60), 0) << "the long notification's idleness ended with the same input";

    idle.idled(Watch::Short, 100);
    EXPECT_EQ(idle.idleSeconds(50), 0) << "before the start: no negative absence";

    IdleNotifications misordered(5, 2);
    EXPECT_EQ(misordered.timeout(Watch::Long), 5) << "a long timeout below the short one is raised to it";
}

}  // namespace
}  // namespace tarnwick
