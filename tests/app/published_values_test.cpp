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
    return [change](ModelRig& rig) { Settings s = rig.model->settings(); change(s); rig.model->setSettings(s); };
}

Step tickTo(double epoch) { return [epoch](ModelRig& rig) { rig.tickUntil(epoch); }; }

// A micro break taken at t0 that has run for `seconds`.
Step breakFor(double seconds) {
    return [seconds](ModelRig& rig) { rig.model->takeBreak(BreakKind::micro); rig.tickUntil(t0 + seconds); };
}

void recordASkip(ModelRig& rig) { breakFor(6)(rig); rig.model->skip(); }

}  // namespace

// Every value's signal fires once, at once, when the value changed, and not at all when it did not.
TEST(AppModelPublishing, EachValueNotifiesExactlyWhenItChanges) {
    const fakes::NotifyWatch::Names history{"historyCount", "todayTaken", "todaySkipped", "week", "skipsLeftThisWeek"};
    struct Case {
        const char* name;
        Step prepare, act;
        fakes::NotifyWatch::Names mustChange, mustStay;
    } cases[] = {
        {"a second passes", {}, tickTo(t0 + 1), {"now", "nextBreakProgress"}, {"phaseName", "nextBreakAt", "week"}},
        {"a tick at the same instant", {}, [](ModelRig& rig) { rig.model->tick(); }, {}, {"now", "nextBreakProgress"}},
        {"the micro interval is edited", tickTo(t0 + 600), edit([](Settings& s) { s.microEveryMinutes = 30; }),
         {"nextBreakProgress", "nextBreakAt", "currentPreset"}, {"now", "week"}},
        {"the weekly skips are edited", recordASkip, edit([](Settings& s) { s.skipsPerWeek = 2; }),
         {"skipsLeftThisWeek"}, {"nextBreakAt", "week", "todaySkipped"}},
        {"the settings are set to what they are", recordASkip, edit([](Settings&) {}), {}, {}},
        {"a break is taken by hand", {}, [](ModelRig& rig) { rig.model->takeBreak(BreakKind::micro); },
         {"phaseName", "breakKind", "startedAt", "endsAt", "skipStateName", "skipWaitSeconds", "breakTitle"}, {}},
        {"a running break is skipped", breakFor(6), [](ModelRig& rig) { rig.clock.advance(1); rig.model->skip(); },
         {"now", "phaseName", "historyCount", "todaySkipped", "week", "skipsLeftThisWeek", "skipStateName"}, {}},
        {"a break runs out", breakFor(19), tickTo(t0 + 20),
         {"phaseName", "historyCount", "todayTaken", "week", "breakTitle"}, {"skipsLeftThisWeek", "todaySkipped"}},
        {"an announced break is snoozed", tickTo(t0 + 1175), [](ModelRig& rig) { rig.model->snooze(5); },
         {"phaseName", "breakKind", "breakAt", "nextBreakAt"}, history},
        {"reminders are paused", {}, [](ModelRig& rig) { rig.model->pauseFor(3600); }, {"phaseName", "pausedUntil"},
         history},
        {"all data is deleted",
         [](ModelRig& rig) { recordASkip(rig); edit([](Settings& s) { s.microEveryMinutes = 45; })(rig); },
         [](ModelRig& rig) { rig.model->deleteAllData(); },
         {"historyCount", "todaySkipped", "week", "skipsLeftThisWeek", "currentPreset", "nextBreakAt"}, {}},
        {"all data is deleted when there is none", {}, [](ModelRig& rig) { rig.model->deleteAllData(); }, {},
         {"historyCount", "week"}},
        {"local midnight passes", [](ModelRig& rig) { recordASkip(rig); rig.model->pauseFor(86400); },
         [](ModelRig& rig) { rig.clock.set(t0 + 15 * 3600 + 1); rig.model->tick(); },  // 00:00:01 Tuesday in Berlin
         {"now", "todaySkipped"}, {"historyCount", "skipsLeftThisWeek", "phaseName"}},
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
    const QVariantMap none{{"breakKind", QString()}, {"breakAt", 0.0}, {"startedAt", 0.0}, {"endsAt", 0.0},
                           {"heldReason", QString()}, {"heldLabel", QString()}, {"heldSince", 0.0},
                           {"pausedUntil", 0.0}, {"skipStateName", "notAllowed"}, {"skipWaitSeconds", 0}};
    struct Case {
        const char* phase;
        Step reach;
        QVariantMap values;  // beside `none`
    } cases[] = {
        {"working", {}, {}},
        {"headsUp", tickTo(t0 + 1175), {{"breakKind", "micro"}, {"breakAt", t0 + 1200}}},
        {"held", [](ModelRig& rig) { rig.tickUntil(t0 + 1180); rig.probes.camera = true; rig.tickUntil(t0 + 1181); },
         {{"breakKind", "micro"}, {"heldReason", "call"}, {"heldLabel", "You're on a call"}, {"heldSince", t0 + 1181}}},
        {"onBreak", breakFor(2),
         {{"breakKind", "micro"}, {"startedAt", t0}, {"endsAt", t0 + 20}, {"skipStateName", "wait"},
          {"skipWaitSeconds", 3}}},
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
            EXPECT_EQ(rig.model->property(it.key().toLatin1()).toString(), c.values.value(it.key(), *it).toString());
        }
        const bool onBreak = c.phase == std::string("onBreak");
        EXPECT_EQ(rig.model->property("breakTitle").toString().isEmpty(), !onBreak);
        EXPECT_EQ(rig.model->property("breakSubtitle").toString().isEmpty(), !onBreak);
    }
}

TEST(AppModelPublishing, NextBreakFollowsTheEnabledKinds) {
    for (auto [micro, long_, kind, at] :
         {std::tuple{true, true, "micro", t0 + 1200}, {false, true, "long", t0 + 3600}, {false, false, "", 0.0}}) {
        SCOPED_TRACE(kind);
        ModelRig rig;
        edit([&](Settings& s) { s.microEnabled = micro; s.longEnabled = long_; })(rig);
        EXPECT_EQ(rig.model->property("nextBreakKind").toString(), kind);
        EXPECT_EQ(rig.model->property("nextBreakAt").toDouble(), at);
        EXPECT_EQ(rig.model->property("nextLongAt").toDouble(), t0 + 3600);
    }
}

TEST(AppModelPublishing, WeekIsReadableAsAMap) {
    ModelRig rig;
    rig.model->start();
    EXPECT_TRUE(rig.model->property("week").toMap().value("isEmpty").toBool());
    recordASkip(rig);
    breakFor(40)(rig);
    const QVariantMap week = rig.model->property("week").toMap();
    const double monday = t0 - 9 * 3600;  // 00:00 in Berlin
    const QVariantList days = week.value("days").toList();
    ASSERT_EQ(days.size(), 7);
    const QVariantMap today = days[0].toMap(), tuesday = days[1].toMap();
    for (auto [value, expected] : {std::pair{week["start"], QVariant(monday)}, {week["end"], monday + 6 * 86400},
                                   {week["taken"], 1}, {week["skipped"], 1}, {week["takenRate"], 0.5},
                                   {week["isEmpty"], false}, {tuesday["date"], monday + 86400},
                                   {tuesday["label"], "Tue"}, {today["taken"], 1}, {today["skipped"], 1}}) {
        EXPECT_EQ(value.toString(), expected.toString());
    }
}
