#include <gtest/gtest.h>

#include <string>

#include "platform/x11/active_window_watcher.hpp"

namespace tarnwick {
namespace {

TEST(OtherApplicationActivated, CountsChangesOfOwnerThatAreNotOurs) {
    const ActiveOwner editor{4000, 0}, browser{5000, 0}, ours{100, 0}, pidless{std::nullopt, 0x600001}, nothing{};
    struct Case {
        std::string name;
        ActiveOwner before, after;
        bool afterIsOurs, expected;
    } cases[] = {
        {"from our window to another application", ours, editor, false, true},
        {"from one application to another", editor, browser, false, true},
        {"between windows of one application", editor, editor, false, false},
        {"to our own window", editor, ours, true, false},
        {"to a window without pid", editor, pidless, false, true},
        {"to nothing active", editor, nothing, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(otherApplicationActivated(c.before, c.after, c.afterIsOurs), c.expected);
    }
}

}  // namespace
}  // namespace tarnwick
