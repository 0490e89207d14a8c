#include <functional>

#include <gtest/gtest.h>

#include "model_rig.hpp"
#include "notify_watch.hpp"

using namespace tarnwick;
using fakes::ModelRig;
using fakes::t0;

namespace {

using Step = std::function<void(ModelRig&)>;

Step edit(std::function<void(Settings&)> change) {
    return [change](ModelRig& rig) {
        Settings settings = rig.model->settings();
        change(settings);
        rig.model->setSettings(settings);
    };
}

void recordASkip(ModelRig& rig) {
    rig.model->takeBreak(BreakKind::micro);
    rig.clock.advance(6);
    rig.model->skip();
}

}  // namespace

// Each cause alters some published values and leaves the rest; every value's signal fires exactly once
// when the value changed, at once (not at the next tick), and not at all when it did not.
TEST(AppModelPublishing, EachValueNotifiesExactlyWhenItChanges) {
    const std::set<std::string> history{"historyCount", "todayTaken", "todaySkipped", "week", "skipsLeftThisWeek"};
    struct Case {
        const char* name;
        Step prepare, act;
        std::set<std::string> mustChange, mustStay;
    } cases[] = {
        {"a second passes", {},
         [](ModelRig& rig) {
             rig.clock.advance(1);
             rig.model->tick();
         },
         {"now", "nextBreakProgress"},
         {"phaseName", "nextBreakAt", "nextLongAt", "currentPreset", "week", "todayTaken", "skipsLeftThisWeek"}},
        {"a tick at the same instant", {}, [](ModelRig& rig) { rig.model->tick(); }, {}, {"now", "nextBreakProgress"}},
        {"the micro interval is edited", [](ModelRig& rig) { rig.tickUntil(t0 + 600); },
         edit([](Settings& s) { s.microEveryMinutes = 30; }),
         {"nextBreakProgress", "nextBreakAt", "currentPreset"},
         {"now", "week"}},
        {"the weekly skips are edited", recordASkip, edit([](Settings& s) { s.skipsPerWeek = 2; }),
         {"skipsLeftThisWeek"},
         {"nextBreakAt", "currentPreset", "week", "todaySkipped"}},
        {"the settings are set to what they are", recordASkip, edit([](Settings&) {}), {}, {}},
        {"a break is taken by hand", {}, [](ModelRig& rig) { rig.model->takeBreak(BreakKind::micro); },
         {"phaseName", "breakKind", "startedAt", "endsAt", "skipStateName", "skipWaitSeconds", "breakTitle"},
         {"now", "historyCount"}},
        {"a running break is skipped",
         [](ModelRig& rig) {
             rig.model->takeBreak(BreakKind::micro);
             rig.tickUntil(t0 + 6);
         },
         [](ModelRig& rig) {
             rig.clock.advance(1);
             rig.model->skip();
         },
         {"now", "phaseName", "historyCount", "todaySkipped", "week", "skipsLeftThisWeek", "skipStateName", "breakTitle"},
         {"todayTaken"}},
        {"a break runs out",
         [](ModelRig& rig) {
             rig.model->takeBreak(BreakKind::micro);
             rig.tickUntil(t0 + 19);
         },
         [](ModelRig& rig) { rig.tickUntil(t0 + 20); },
         {"phaseName", "historyCount", "todayTaken", "week", "skipStateName", "breakTitle"},
         {"skipsLeftThisWeek", "todaySkipped"}},
        {"an announced break is snoozed", [](ModelRig& rig) { rig.tickUntil(t0 + 1175); },
         [](ModelRig& rig) { rig.model->snooze(5); },
         {"phaseName", "breakKind", "breakAt", "nextBreakAt"},
         history},
        {"reminders are paused", {}, [](ModelRig& rig) { rig.model->pauseFor(3600); }, {"phaseName", "pausedUntil"},
         history},
        {"a pause is ended",
         [](ModelRig& rig) {
             rig.model->pauseFor(3600);
             rig.tickUntil(t0 + 60);
         },
         [](ModelRig& rig) { rig.model->resume(); },
         {"phaseName", "pausedUntil", "nextBreakAt", "nextLongAt"},
         history},
        {"a preset is applied", {}, [](ModelRig& rig) { rig.model->applyPreset(Preset::focus); },
         {"currentPreset", "nextBreakAt", "nextLongAt"},
         {"phaseName", "skipsLeftThisWeek"}},
        {"all data is deleted",
         [](ModelRig& rig) {
             recordASkip(rig);
             edit([](Settings& s) { s.microEveryMinutes = 45; })(rig);
         },
         [](ModelRig& rig) { rig.model->deleteAllData(); },
         {"historyCount", "todaySkipped", "week", "skipsLeftThisWeek", "currentPreset", "nextBreakAt"},
         {}},
        {"all data is deleted when there is none", {}, [](ModelRig& rig) { rig.model->deleteAllData(); }, {},
         {"historyCount", "week"}},
        {"local midnight passes",
         [](ModelRig& rig) {
             recordASkip(rig);
             rig.model->pauseFor(86400);
         },
         [](ModelRig& rig) {
             rig.clock.set(t0 + 15 * 3600 + 1);  // 00:00:01 on Tuesday in Berlin
             rig.model->tick();
         },
         {"now", "todaySkipped"},
         {"historyCount", "skipsLeftThisWeek", "phaseName"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModelRig rig;
        rig.model->start();
        if (c.prepare) c.prepare(rig);
        fakes::NotifyWatch watch(*rig.model);
        c.act(rig);
        watch.check(c.mustChange, c.mustStay);
    }
}

TEST(AppModelPublishing, PhaseValuesDescribeTheCurrentPhaseOnly) {
    const QVariantMap none{
        {"breakKind", QString()}, {"breakAt", 0.0},  {"startedAt", 0.0}, {"endsAt", 0.0},
        {"heldReason", QString()}, {"heldLabel", QString()}, {"heldSince", 0.0}, {"pausedUntil", 0.0},
        {"skipStateName", "notAllowed"}, {"skipWaitSeconds", 0},
    };
    struct Case {
        const char* phase;
        Step reach;
        QVariantMap values;  // beside `none`
    } cases[] = {
        {"working", {}, {}},
        {"headsUp", [](ModelRig& rig) { rig.tickUntil(t0 + 1175); }, {{"breakKind", "micro"}, {"breakAt", t0 + 1200}}},
        {"held",
         [](ModelRig& rig) {
             rig.tickUntil(t0 + 1180);
             rig.probes.camera = true;  // a call begins during the heads-up
             rig.tickUntil(t0 + 1181);
         },
         {{"breakKind", "micro"}, {"heldReason", "call"}, {"heldLabel", "You're on a call"}, {"heldSince", t0 + 1181}}},
        {"onBreak",
         [](ModelRig& rig) {
             rig.model->takeBreak(BreakKind::long_);
             rig.tickUntil(t0 + 2);
         },
         {{"breakKind", "long"}, {"startedAt", t0}, {"endsAt", t0 + 300}, {"skipStateName", "wait"},
          {"skipWaitSeconds", 3}}},
        {"onBreak", [](ModelRig& rig) {
             rig.model->takeBreak(BreakKind::long_);
             rig.tickUntil(t0 + 5);
         },
         {{"breakKind", "long"}, {"startedAt", t0}, {"endsAt", t0 + 300}, {"skipStateName", "available"}}},
        {"paused", [](ModelRig& rig) { rig.model->pauseFor(600); }, {{"pausedUntil", t0 + 600}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phase);
        ModelRig rig;
        rig.model->start();
        if (c.reach) c.reach(rig);
        EXPECT_EQ(rig.model->property("phaseName").toString(), c.phase);
        for (auto it = none.begin(); it != none.end(); ++it) {
            SCOPED_TRACE(it.key().toStdString());
            const QVariant expected = c.values.value(it.key(), it.value());
            EXPECT_EQ(rig.model->property(it.key().toLatin1()).toString(), expected.toString());
        }
        const bool onBreak = std::holds_alternative<phase::OnBreak>(rig.model->phase());
        EXPECT_EQ(rig.model->property("breakTitle").toString().isEmpty(), !onBreak);
        EXPECT_EQ(rig.model->property("breakSubtitle").toString().isEmpty(), !onBreak);
    }
}

TEST(AppModelPublishing, NextBreakFollowsTheEnabledKinds) {
    struct Case {
        bool micro, long_;
        QString kind;
        double at;
    } cases[] = {
        {true, true, "micro", t0 + 1200},
        {false, true, "long", t0 + 3600},
        {false, false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.toStdString());
        ModelRig rig;
        Settings s;
        s.microEnabled = c.micro;
        s.longEnabled = c.long_;
        rig.model->setSettings(s);
        EXPECT_EQ(rig.model->property("nextBreakKind").toString(), c.kind);
        EXPECT_EQ(rig.model->property("nextBreakAt").toDouble(), c.at);
        EXPECT_EQ(rig.model->property("nextLongAt").toDouble(), t0 + 3600);
    }
}

TEST(AppModelPublishing, WeekIsReadableAsAMap) {
    ModelRig rig;
    rig.model->start();
    EXPECT_TRUE(rig.model->property("week").toMap().value("isEmpty").toBool());

    recordASkip(rig);
    rig.model->takeBreak(BreakKind::micro);
    rig.tickUntil(t0 + 40);
    const QVariantMap week = rig.model->property("week").toMap();
    const double monday = t0 - 9 * 3600;  // 00:00 in Berlin
    EXPECT_EQ(week.value("start").toDouble(), monday);
    EXPECT_EQ(week.value("end").toDouble(), monday + 6 * 86400);
    EXPECT_EQ(week.value("taken").toLongLong(), 1);
    EXPECT_EQ(week.value("skipped").toLongLong(), 1);
    EXPECT_EQ(week.value("held").toLongLong(), 0);
    EXPECT_DOUBLE_EQ(week.value("takenRate").toDouble(), 0.5);
    EXPECT_FALSE(week.value("isEmpty").toBool());
    EXPECT_TRUE(week.contains("streak"));

    const QVariantList days = week.value("days").toList();
    ASSERT_EQ(days.size(), 7);
    const QVariantMap tuesday = days[1].toMap();
    EXPECT_EQ(tuesday.value("date").toDouble(), monday + 86400);
    EXPECT_EQ(tuesday.value("label").toString(), "Tue");
    const QVariantMap today = days[0].toMap();
    EXPECT_EQ(today.value("taken").toLongLong(), 1);
    EXPECT_EQ(today.value("skipped").toLongLong(), 1);
    EXPECT_EQ(rig.model->property("todayTaken").toLongLong(), 1);
    EXPECT_EQ(rig.model->property("todaySkipped").toLongLong(), 1);
}
