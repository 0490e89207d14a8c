// The break screen, the heads-up card and the pointer pill as their views read them: the model on
// fake ports and a manual clock, no QML.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "model_rig.hpp"
#include "ui/break_view_models.hpp"

namespace tarnwick {
namespace {

using fakes::t0;

// A model with both view models on it, and ways to reach the moments the views care about.
struct Views : fakes::ModelRig {
    explicit Views(Settings settings = {}) {
        settings.blinkEveryMinutes = 0;  // nudges play no part here
        model->setSettings(settings);
        QObject::connect(&screen, &BreakViewModel::changed, [this] { ++screenChanges; });
        QObject::connect(&card, &HeadsUpViewModel::changed, [this] { ++cardChanges; });
    }

    // Moves the clock and lets the model publish, as its timer would.
    void tickAt(double epoch) {
        clock.set(epoch);
        model->tick();
    }

    // Ticks a second at a time until the next break is announced.
    void untilHeadsUp() {
        for (int i = 0; i < 4000 && !std::holds_alternative<phase::HeadsUp>(model->phase()); ++i) {
            tickAt(clock.epoch() + 1);
        }
        ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    }

    // A micro break that has run for `elapsed` seconds.
    void onBreakFor(double elapsed) {
        model->takeBreak(BreakKind::micro);
        ASSERT_TRUE(std::holds_alternative<phase::OnBreak>(model->phase()));
        tickAt(t0 + elapsed);
    }

    BreakViewModel screen{*model};
    HeadsUpViewModel card{*model};
    int screenChanges = 0, cardChanges = 0;
};

Settings withEnforcement(BreakEnforcement enforcement) {
    Settings settings;
    settings.enforcement = enforcement;
    return settings;
}

// A short timetable, so the heads-up comes after a few dozen ticks.
Settings soonBreak(BreakKind kind, std::int64_t headsUpSeconds = 30) {
    Settings settings;
    settings.headsUpSeconds = headsUpSeconds;
    settings.microEnabled = kind == BreakKind::micro;
    settings.longEnabled = kind == BreakKind::long_;
    settings.microEveryMinutes = settings.longEveryMinutes = 2;
    return settings;
}

TEST(BreakViewModel, ShowsTheBreaksTextsClockAndCountdownOnlyDuringTheBreak) {
    Views v;
    EXPECT_FALSE(v.screen.visible());
    EXPECT_EQ(v.screen.title(), QString());
    EXPECT_EQ(v.screen.countdownText(), QString());
    EXPECT_EQ(v.screen.clockText(), QString());

    v.model->takeBreak(BreakKind::micro);
    EXPECT_TRUE(v.screen.visible());
    EXPECT_EQ(v.screen.title(), v.model->breakTitle());
    EXPECT_EQ(v.screen.subtitle(), v.model->breakSubtitle());
    EXPECT_FALSE(v.screen.title().isEmpty());
    EXPECT_EQ(v.screen.countdownText(), "00:20");
    EXPECT_EQ(v.screen.secondsLeft(), 20);

    // Part-way through a second the text rounds up and the digits' key rounds down.
    v.tickAt(t0 + 2.5);
    EXPECT_EQ(v.screen.countdownText(), "00:18");
    EXPECT_EQ(v.screen.secondsLeft(), 17);
    const QTime local = QDateTime(QDate(2026, 3, 2), QTime(8, 0, 2), Qt::UTC).toLocalTime().time();
    EXPECT_EQ(v.screen.clockText(), QLocale::system().toString(local, QLocale::ShortFormat));

    EXPECT_TRUE(v.screen.useWallpaper());
    Settings settings = v.model->settings();
    settings.breakBackground = BreakBackground::gradient;
    v.model->setSettings(settings);
    EXPECT_FALSE(v.screen.useWallpaper());

    v.tickAt(t0 + 20);
    EXPECT_FALSE(v.screen.visible());
    EXPECT_EQ(v.screen.countdownText(), QString());
    EXPECT_EQ(v.screen.secondsLeft(), 0);
}

TEST(BreakViewModel, SkipButtonAppearsAndActsOnlyWhenSkippingIsAvailable) {
    struct Case {
        const char* name;
        BreakEnforcement enforcement;
        double elapsed;
        const char* waitText;
        bool canSkip;
    } cases[] = {
        {"balanced, 2 s in", BreakEnforcement::balanced, 2, "Skip in 3s", false},
        {"balanced, 4.5 s in", BreakEnforcement::balanced, 4.5, "Skip in 1s", false},
        {"balanced, 5 s in", BreakEnforcement::balanced, 5, "", true},
        {"casual, at once", BreakEnforcement::casual, 0, "", true},
        {"hardcore", BreakEnforcement::hardcore, 10, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Views v(withEnforcement(c.enforcement));
        v.onBreakFor(c.elapsed);
        EXPECT_EQ(v.screen.waitText(), c.waitText);
        EXPECT_EQ(v.screen.canSkip(), c.canSkip);

        v.screen.skip();
        if (c.canSkip) {
            ASSERT_EQ(v.model->history().size(), 1u);
            EXPECT_EQ(v.model->history()[0].outcome, Outcome::skipped);
            EXPECT_FALSE(v.screen.visible());
            EXPECT_EQ(v.screen.hintText(), "4 skips left this week");
        } else {
            EXPECT_TRUE(v.model->history().empty());
            EXPECT_TRUE(v.screen.visible());
        }
    }
}

TEST(BreakViewModel, PressThatLandsAfterSkippingWasWithdrawnDoesNothing) {
    Views v;
    v.onBreakFor(6);
    ASSERT_TRUE(v.screen.canSkip());
    v.model->setSettings(withEnforcement(BreakEnforcement::hardcore));
    EXPECT_FALSE(v.screen.canSkip());
    v.screen.skip();
    EXPECT_TRUE(v.model->history().empty());
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(v.model->phase()));
}

TEST(BreakViewModel, HintCountsTheSkipsLeftOrExplainsHardcore) {
    struct Case {
        BreakEnforcement enforcement;
        std::int64_t skipsPerWeek;
        const char* hint;
        bool escapeHint;
    } cases[] = {
        {BreakEnforcement::balanced, 1, "1 skip left this week", true},
        {BreakEnforcement::balanced, 2, "2 skips left this week", true},
        {BreakEnforcement::casual, 0, "0 skips left this week", true},
        {BreakEnforcement::hardcore, 1, "Hardcore mode: this break can't be skipped", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        Settings settings = withEnforcement(c.enforcement);
        settings.skipsPerWeek = c.skipsPerWeek;
        Views v(settings);
        v.onBreakFor(1);
        EXPECT_EQ(v.screen.hintText(), c.hint);
        EXPECT_EQ(v.screen.showEscapeHint(), c.escapeHint);
        EXPECT_EQ(v.screen.hardcore(), !c.escapeHint);
    }
}

TEST(BreakViewModel, HardcoreStillLocksTheScreenAndTheBreakGoesOn) {
    Views v(withEnforcement(BreakEnforcement::hardcore));
    v.onBreakFor(10);
    v.screen.lockScreen();
    EXPECT_EQ(v.screenLock.locks, 1);
    EXPECT_TRUE(v.screen.visible());
}

TEST(BreakViewModel, ChangedFiresOncePerTickThatMovesAShownValueAndNeverOtherwise) {
    Views v;
    v.screenChanges = v.cardChanges = 0;

    // Working: the model publishes every second, yet neither view shows anything that moves.
    for (int s = 1; s <= 90; ++s) v.tickAt(t0 + s);
    Settings quieter = v.model->settings();
    quieter.soundName = "Tink";
    v.model->setSettings(quieter);
    EXPECT_EQ(v.screenChanges, 0);
    EXPECT_EQ(v.cardChanges, 0);

    // On a break the countdown and the wait move together: one signal per tick, none for the card.
    v.model->takeBreak(BreakKind::micro);
    EXPECT_EQ(v.screenChanges, 1);
    for (int s = 91; s <= 95; ++s) v.tickAt(t0 + s);
    EXPECT_EQ(v.screenChanges, 6);
    EXPECT_EQ(v.cardChanges, 0);
}

TEST(HeadsUpViewModel, CardAndPointerCountDownToTheBreak) {
    struct Case {
        const char* name;
        BreakKind kind;
        std::int64_t headsUpSeconds;
        double before;  // seconds before the break
        double progress;
        const char* bigText;
        qint64 secondsLeft;
        const char* pointerText;
        const char* smallText;
    } cases[] = {
        {"start of a micro heads-up", BreakKind::micro, 30, 30, 1.0, "00:30", 30, "Starting break in 30",
         "Almost time. Wrap up what you're doing."},
        {"halfway", BreakKind::micro, 30, 15, 0.5, "00:15", 15, "Starting break in 15",
         "Almost time. Wrap up what you're doing."},
        {"4.2 s left", BreakKind::micro, 30, 4.2, 0.14, "00:05", 4, "Starting break in 5",
         "Almost time. Wrap up what you're doing."},
        {"short heads-up measured against 5 s", BreakKind::micro, 3, 3, 0.6, "00:03", 3,
         "Starting break in 3", "Almost time. Wrap up what you're doing."},
        {"long break", BreakKind::long_, 30, 20, 2.0 / 3.0, "00:20", 20, "Starting break in 20",
         "A longer break is next. A good moment to stand up."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Views v(soonBreak(c.kind, c.headsUpSeconds));
        v.untilHeadsUp();
        v.tickAt(v.model->breakAt() - c.before);
        EXPECT_TRUE(v.card.visible());
        EXPECT_FALSE(v.card.waiting());
        EXPECT_NEAR(v.card.progress(), c.progress, 1e-6);  // epoch seconds carry ~0.2 µs
        EXPECT_EQ(v.card.bigText(), c.bigText);
        EXPECT_EQ(v.card.secondsLeft(), c.secondsLeft);
        EXPECT_EQ(v.card.pointerText(), c.pointerText);
        EXPECT_EQ(v.card.smallText(), c.smallText);
        EXPECT_FALSE(v.screen.visible());
    }
}

TEST(HeadsUpViewModel, PastItsTimeWhileTypingTheCardWaitsWithAnEmptyDial) {
    Views v(soonBreak(BreakKind::micro));
    v.untilHeadsUp();
    v.input.sinceKeyDown = 0;  // typing holds the heads-up after its time
    const double breakAt = v.model->breakAt();
    for (double after : {0.0, 0.5, 3.0}) {
        SCOPED_TRACE(after);
        v.tickAt(breakAt + after);
        ASSERT_TRUE(v.card.visible());
        EXPECT_TRUE(v.card.waiting());
        EXPECT_EQ(v.card.bigText(), "Any second now");
        EXPECT_EQ(v.card.smallText(), "Waiting for a pause in your typing.");
        EXPECT_EQ(v.card.progress(), 0.0);
        EXPECT_EQ(v.card.secondsLeft(), 0);
        EXPECT_EQ(v.card.pointerText(), "Starting break in 1");
    }

    // The pause comes: the card gives way to the break.
    v.input.sinceKeyDown = 10;
    v.tickAt(breakAt + 4);
    EXPECT_FALSE(v.card.visible());
    EXPECT_EQ(v.card.pointerText(), QString());
    EXPECT_TRUE(v.screen.visible());
}

TEST(HeadsUpViewModel, CloseButtonShowsUnlessHardcore) {
    for (auto [enforcement, shown] : {std::pair{BreakEnforcement::casual, true},
                                      std::pair{BreakEnforcement::balanced, true},
                                      std::pair{BreakEnforcement::hardcore, false}}) {
        SCOPED_TRACE(shown);
        Settings settings = soonBreak(BreakKind::micro);
        settings.enforcement = enforcement;
        Views v(settings);
        v.untilHeadsUp();
        EXPECT_EQ(v.card.showClose(), shown);
    }
}

TEST(HeadsUpViewModel, CrossSkipsAtOnceAndStartNowBeginsTheBreak) {
    // Balanced mode would make the break screen wait five seconds; the card's cross does not.
    Views skipped(soonBreak(BreakKind::micro));
    skipped.untilHeadsUp();
    skipped.card.skip();
    EXPECT_EQ(skipped.model->history(),
              (std::vector<BreakRecord>{{skipped.model->now(), BreakKind::micro, Outcome::skipped}}));
    EXPECT_FALSE(skipped.card.visible());

    Views started(soonBreak(BreakKind::micro));
    started.untilHeadsUp();
    started.card.startNow();
    EXPECT_FALSE(started.card.visible());
    EXPECT_TRUE(started.screen.visible());
}

TEST(HeadsUpViewModel, EachSnoozeLabelPutsTheBreakOffByItsMinutes) {
    const QStringList labels = Views().card.snoozeLabels();
    ASSERT_EQ(labels.size(), 3);
    for (int i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(labels[i].toStdString());
        Views v(soonBreak(BreakKind::micro));
        v.untilHeadsUp();
        const qint64 minutes = v.card.snoozeMinutes().value(i);
        EXPECT_EQ(labels[i], QStringLiteral("+%1m").arg(minutes));
        v.card.snooze(minutes);
        EXPECT_FALSE(v.card.visible());
        EXPECT_EQ(v.model->nextBreakAt(), v.clock.epoch() + 60.0 * double(minutes));
    }
}

TEST(HeadsUpPointer, ShowsInTheLastFiveSecondsBeforeTheBreakOnly) {
    const Instant breakAt = instantAt(t0 + 30);
    struct Case {
        double before;
        bool shown;
    } cases[] = {{30, false}, {5.01, false}, {5.0, true}, {4.2, true}, {0.01, true}, {0, false}, {-2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(pointerCountdownShown(phase::HeadsUp{BreakKind::micro, breakAt}, breakAt - Seconds{c.before}),
                  c.shown);
    }
    // Outside the heads-up it never shows, however close a break is.
    const Instant now = breakAt - Seconds{3};
    for (const Phase& other : {Phase{phase::Working{}}, Phase{phase::Held{BreakKind::micro, BusyReason::call, now}},
                               Phase{phase::OnBreak{BreakKind::micro, now, breakAt}}}) {
        SCOPED_TRACE(phaseName(other).toStdString());
        EXPECT_FALSE(pointerCountdownShown(other, now));
    }
}

TEST(BreakReminderText, NamesTheNudgeOfEachKind) {
    struct Case {
        const char* kind;
        const char* text;
    } cases[] = {{"blink", "Blink slowly"}, {"posture", "Sit up straight"}, {"Blink", ""}, {"", ""}, {"stretch", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(reminderText(QString::fromLatin1(c.kind)), c.text);
    }
}

}  // namespace
}  // namespace tarnwick
