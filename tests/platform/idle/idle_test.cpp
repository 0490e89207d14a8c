// The idle rules without a bus or a display: the inhibitor rule and how sources are chosen and asked.

#include <gtest/gtest.h>

#include "platform/idle_inhibit_rule.hpp"
#include "platform/session_input_idle.hpp"
#include "platform/session_type.hpp"
#include "platform/x11/input_idle.hpp"
#include "platform/x11/screen_saver_inhibitor.hpp"

namespace tarnwick {
namespace {

TEST(SessionType, WaylandByTheSessionTypeOrTheDisplayVariable) {
    struct Case { const char* type; const char* display; bool wayland; } cases[] = {
        {"wayland", "", true}, {"Wayland ", "", true}, {"x11", "wayland-0", true}, {"tty", "wayland-1", true},
        {"x11", "", false}, {"", "", false}, {"", "  ", false}, {"waylandish", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " / " + c.display);
        EXPECT_EQ(isWaylandSession(QString::fromUtf8(c.type), QString::fromUtf8(c.display)), c.wayland);
    }
}

TEST(IdleInhibitRule, WhileHeldTheUserIsPresentAndAfterTheReleaseIdleCountsFromIt) {
    struct Step { double now, source; bool held; double expected; };
    struct Case { const char* name; std::vector<Step> steps; } cases[] = {
        {"never held", {{0, 0, false, 0}, {400, 400, false, 400}}},
        {"a film until 400, no input since",
         {{0, 0, true, 0}, {360, 360, true, 0}, {400, 400, false, 0}, {450, 450, false, 50}, {700, 700, false, 300}}},
        {"input after the release: the source is right again, and stays so",
         {{0, 0, true, 0}, {100, 100, false, 0}, {150, 20, false, 20}, {500, 370, false, 370}}},
        {"held again: counts from the second release",
         {{0, 0, true, 0}, {100, 100, false, 0}, {200, 200, true, 0}, {250, 250, false, 0}, {300, 300, false, 50}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IdleInhibitRule rule;
        for (const Step& s : c.steps) EXPECT_DOUBLE_EQ(rule.idleSeconds(s.source, s.held, s.now), s.expected) << s.now;
    }
}

TEST(SaverSuspendRule, DisabledCountsOnlyAfterTheSaverWasSeenEnabled) {
    struct Case { const char* name; std::vector<bool> disabled, suspended; } cases[] = {
        {"turned off for good by the user", {true, true}, {false, false}},
        {"suspended by a player, then resumed", {false, true, true, false}, {false, true, true, false}},
        {"off at first, enabled later, then suspended", {true, false, true}, {false, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaverSuspendRule rule;
        for (std::size_t i = 0; i < c.disabled.size(); ++i) EXPECT_EQ(rule.suspended(c.disabled[i]), c.suspended[i]) << i;
    }
}

// Answers at once when asked: `figure` (nothing: no answer).
struct FakeIdleSource : IdleSource {
    explicit FakeIdleSource(QString name) : label(std::move(name)) {}
    QString label;
    std::optional<double> figure, last;
    int asks = 0;
    QString name() const override { return label; }
    void ask(double) override { ++asks, last = figure; }
    std::optional<double> idleSeconds(double) const override { return last; }
    bool answering() const override { return last.has_value(); }
    bool awaitingReply() const override { return false; }
};

// Answers `held` (nothing: no answer) when the test calls reply().
struct FakeInhibitor : InhibitorSource {
    std::optional<bool> held = false;
    int asks = 0;
    bool waiting = false, answered = false, last = false;
    QString name() const override { return "GNOME session manager"; }
    void ask() override { ++asks, waiting = true; }
    void reply() { waiting = false, answered = held.has_value(), last = held.value_or(false); }
    bool inhibited() const override { return last; }
    bool answering() const override { return answered; }
    bool awaitingReply() const override { return waiting; }
};

struct WaylandIdle {
    double now = 0;
    FakeIdleSource* mutter = new FakeIdleSource("Mutter idle monitor");
    FakeIdleSource* saver = new FakeIdleSource("freedesktop screen saver");
    FakeInhibitor* inhibitor = new FakeInhibitor;
    std::unique_ptr<SessionInputIdle> idle = [this] {
        SessionInputIdle::Parts parts;
        parts.idleSources.emplace_back(mutter), parts.idleSources.emplace_back(saver);
        parts.inhibitors.emplace_back(inhibitor);
        parts.clock = [this] { return now; };
        return std::make_unique<SessionInputIdle>(std::move(parts));
    }();
    double tick(double at) {  // the inhibitor's question answered as soon as it is asked
        now = at;
        const double idleNow = idle->idleSeconds();
        if (inhibitor->waiting) inhibitor->reply();
        return idleNow;
    }
};

TEST(SessionInputIdle, TheFirstSourceThatAnswersServesAndASilentOneIsAskedAgainEveryTenSeconds) {
    WaylandIdle w;
    w.saver->figure = 7;
    for (double now = 0; now < 10; ++now) w.tick(now);
    EXPECT_EQ(w.mutter->asks, 1) << "a missing service is asked every second";
    EXPECT_EQ(w.saver->asks, 10);
    EXPECT_EQ(w.idle->idleSourceName().toStdString(), "freedesktop screen saver");
    EXPECT_EQ(w.tick(10), 7);
    w.mutter->figure = 3;  // GNOME Shell came up after us
    EXPECT_EQ(w.tick(20), 3);
    w.tick(21);
    EXPECT_EQ(w.saver->asks, 11) << "asked although the first source answers";
    EXPECT_EQ(w.idle->idleSourceName().toStdString(), "Mutter idle monitor");
}

TEST(SessionInputIdle, ZeroUntilTheInhibitorsAnswerAndWatchingIsNeitherAbsenceNorTyping) {
    WaylandIdle w;
    w.mutter->figure = 900;  // started in the middle of a film
    EXPECT_EQ(w.idle->idleSeconds(), 0) << "before the inhibitor answered";
    EXPECT_EQ(w.idle->inhibitorSourcesText().toStdString(), "none");
    w.inhibitor->held = true;
    w.inhibitor->reply();
    EXPECT_EQ(w.tick(1), 0);
    EXPECT_EQ(w.idle->secondsSinceKeyDown(), 900) << "watching a film is not typing";
    EXPECT_EQ(w.idle->inhibitorSourcesText().toStdString(), "GNOME session manager");
    w.mutter->figure.reset();
    w.tick(2);
    EXPECT_EQ(w.idle->secondsSinceKeyDown(), X11InputIdle::noKeyDown) << "nothing can tell: never typing";
}

TEST(SessionInputIdle, InhibitorsAreAskedOnlyOnceIdleTimeCouldMatter) {
    WaylandIdle w;
    w.mutter->figure = 5;  // someone at work
    for (double now = 0; now < 120; ++now) w.tick(now);
    EXPECT_EQ(w.inhibitor->asks, 1) << "only the first round while the user is present";
    w.mutter->figure = 50;  // away for close to a minute: a film would make this presence
    w.inhibitor->held = true;
    EXPECT_EQ(w.tick(120), 50) << "asked now; the reply serves the next tick";
    EXPECT_EQ(w.tick(121), 0);
    for (double now = 122; now < 150; ++now) w.tick(now);
    EXPECT_EQ(w.inhibitor->asks, 4) << "every ten seconds from there on";
    w.inhibitor->held = false;
    w.mutter->figure = 400;
    for (double now = 150; now < 171; ++now) w.tick(now);
    EXPECT_EQ(w.tick(171), 20) << "the release seen at 151 starts the count";
}

}  // namespace
}  // namespace tarnwick
