#include <gtest/gtest.h>

#include <limits>

#include "core/break_rules.hpp"

using namespace tarnwick;

TEST(SkipPolicyState, DelayDependsOnEnforcementAndBudget) {
    struct Case {
        BreakEnforcement enforcement;
        double elapsed;
        std::int64_t skipsLeft;
        SkipState expected;
    } cases[] = {
        {BreakEnforcement::casual, 0, 3, skip::Available{}},
        {BreakEnforcement::balanced, 0, 3, skip::Wait{5}},
        {BreakEnforcement::balanced, 4.5, 3, skip::Wait{1}},
        {BreakEnforcement::balanced, 5, 3, skip::Available{}},
        {BreakEnforcement::balanced, 2, 0, skip::Wait{13}},
        {BreakEnforcement::balanced, 10.8, 0, skip::Wait{5}},  // 4.2 s left shows 5
        {BreakEnforcement::casual, 12, 0, skip::Wait{3}},      // exactly 3 s left shows 3
        {BreakEnforcement::casual, 14.01, 0, skip::Wait{1}},
        {BreakEnforcement::casual, 15, 0, skip::Available{}},
        {BreakEnforcement::casual, 0, -4, skip::Wait{15}},  // a budget lowered below the skips made
        {BreakEnforcement::hardcore, 600, 5, skip::NotAllowed{}},
        {BreakEnforcement::balanced, -1e300, 3, skip::Wait{1'000'000'000'000'000}},  // clock far behind: no overflow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << rawValue(c.enforcement) << " elapsed " << c.elapsed << " left "
                                        << c.skipsLeft);
        EXPECT_EQ(SkipPolicy::state(c.enforcement, c.elapsed, c.skipsLeft), c.expected);
    }
}

TEST(BreakCopyPick, BuiltInTextsFollowTheSeed) {
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, 1001, {}),
              (BreakCopy{"Soften your gaze", "Look out of a window or across the room, and blink slowly"}));
    EXPECT_EQ(BreakCopy::pick(BreakKind::long_, 1001, {"Mine"}),
              (BreakCopy{"Take a proper break", "A short walk does more for your focus than another hour of staring"}));
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, -3, {}).title, "Time to look up");  // by magnitude
    EXPECT_EQ(BreakCopy::pick(BreakKind::long_, 4, {}).title, "Stretch it out");
}

TEST(BreakCopyPick, CustomMessagesAreTrimmedAndReplaceTheMicroSubtitle) {
    const std::vector<std::string> messages{"  \n\t", "Roll your neck ", "\nStand up"};
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, 1001, messages), (BreakCopy{"Soften your gaze", "Stand up"}));
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, 1001 - 7, messages).subtitle, "Roll your neck");
    // Unicode spaces count as blank too.
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, 0, {"\xC2\xA0Water\xE2\x80\x83", "\xE3\x80\x80"}).subtitle, "Water");
    const auto builtIn = BreakCopy::pick(BreakKind::micro, 5, {});
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, 5, {" ", "\n", "\xC2\xA0"}), builtIn);
}

TEST(BreakCopyPick, ExtremeSeedsDoNotOverflow) {
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    // |min| = 2^63: 2^63 mod 4 = 0, mod 3 = 2; (min / 7) = -1317624576693539401, magnitude mod 2 = 1.
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, lowest, {}).title, "Look into the distance");
    EXPECT_EQ(BreakCopy::pick(BreakKind::long_, lowest, {}).title, "Take a proper break");
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, lowest, {"a", "b"}).subtitle, "b");
    EXPECT_EQ(BreakCopy::pick(BreakKind::micro, highest, {}).title, "Time to look up");  // 2^63-1 mod 4 = 3
}
