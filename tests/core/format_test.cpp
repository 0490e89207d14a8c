#include <gtest/gtest.h>

#include <limits>

#include "core/format.hpp"

using namespace tarnwick;

TEST(Format, DurationsRoundUpAndNeverGoNegative) {
    struct Case {
        double seconds;
        const char *countdown, *clock, *shortDuration;
    } cases[] = {
        {0, "00:00", "0:00", "0s"},
        {0.2, "00:01", "0:01", "1s"},
        {59, "00:59", "0:59", "59s"},
        {59.2, "01:00", "1:00", "1m"},
        {60, "01:00", "1:00", "1m"},
        {61, "01:01", "1:01", "2m"},
        {605, "10:05", "10:05", "11m"},
        {1500, "25:00", "25:00", "25m"},
        {3600, "60:00", "60:00", "60m"},
        {7265, "121:05", "121:05", "122m"},
        {-3, "00:00", "0:00", "0s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(format::countdown(c.seconds), c.countdown);
        EXPECT_EQ(format::clock(c.seconds), c.clock);
        EXPECT_EQ(format::shortDuration(c.seconds), c.shortDuration);
    }
}

TEST(Format, NonFiniteAndHugeInputsStayReadable) {
    EXPECT_EQ(format::countdown(std::numeric_limits<double>::quiet_NaN()), "00:00");
    EXPECT_EQ(format::shortDuration(-std::numeric_limits<double>::infinity()), "0s");
    EXPECT_FALSE(format::countdown(1e300).empty());
    EXPECT_FALSE(format::shortDuration(std::numeric_limits<double>::infinity()).empty());
}
