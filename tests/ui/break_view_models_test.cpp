#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include "model_rig.hpp"
#include "ui/break_view_models.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/i18n/language.hpp"

namespace tarnwick {
namespace {

using fakes::t0;

// Only one kind of break, every two minutes, so its heads-up comes after a few dozen ticks.
struct Views : fakes::ModelRig {
    explicit Views(BreakEnforcement enforcement = BreakEnforcement::balanced, BreakKind kind = BreakKind::micro,
                   std::int64_t headsUpSeconds = 30) {
        Settings s;
        s.enforcement = enforcement;
        s.headsUpSeconds = headsUpSeconds;
        s.microEnabled = kind == BreakKind::micro;
        s.longEnabled = kind == BreakKind::long_;
        s.microEveryMinutes = s.longEveryMinutes = 2;
        model->setSettings(s);
    }
    void tickAt(double epoch) { clock.set(epoch); model->tick(); }
    void untilHeadsUp() {
        while (!card.visible() && clock.epoch() < t0 + 200) tickAt(clock.epoch() + 1);
        ASSERT_TRUE(card.visible());
    }
    void onBreakFor(double elapsed) {  // a micro break taken at t0
        model->takeBreak(BreakKind::micro);
        tickAt(t0 + elapsed);
        ASSERT_TRUE(screen.visible());
    }
    BreakViewModel screen{*model};
    HeadsUpViewModel card{*model};
};

TEST(BreakViewModel, ShowsTheBreaksTextsClockAndCountdownOnlyDuringTheBreak) {
    Views v;
    v.model->takeBreak(BreakKind::micro);
    EXPECT_FALSE(v.screen.title().isEmpty());
    EXPECT_EQ(v.screen.title(), v.model->breakTitle());
    EXPECT_EQ(v.screen.subtitle(), v.model->breakSubtitle());
    // Part-way through a second the text rounds up and the digits' key rounds down.
    v.tickAt(t0 + 2.5);
    EXPECT_EQ(v.screen.countdownText(), "00:18");
    EXPECT_EQ(v.screen.secondsLeft(), 17);
    const QTime local = QDateTime(QDate(2026, 3, 2), QTime(8, 0, 2), Qt::UTC).toLocalTime().time();
    const bool secondsInFormat = QLocale::system().timeFormat(QLocale::ShortFormat).contains(QStringLiteral("ss"));
    EXPECT_EQ(v.screen.clockText(), secondsInFormat ? local.toString(QStringLiteral("HH:mm"))
                                                    : QLocale::system().toString(local, QLocale::ShortFormat))
        << "hours and minutes only";
    EXPECT_TRUE(v.screen.useWallpaper());
    v.model->settingsModel()->setBreakBackground("gradient");
    EXPECT_FALSE(v.screen.useWallpaper());
    v.tickAt(t0 + 20);
    EXPECT_FALSE(v.screen.visible());
    EXPECT_EQ(v.screen.title(), QString());
    EXPECT_EQ(v.screen.clockText(), QString());
    EXPECT_EQ(v.screen.countdownText(), QString());
}

// In German the break's own lines are German; a line the user wrote, even one that reads like the
// built-in ones, is shown as written.
TEST(BreakViewModel, TranslatesItsOwnLinesAndNeverTheUsersMessages) {
    ASSERT_EQ(i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German)), QStringLiteral("de"));
    {
        Views v;
        v.model->takeBreak(BreakKind::micro);
        EXPECT_EQ(v.screen.title(), i18n::coreText(v.model->breakTitle().toStdString()));
        EXPECT_NE(v.screen.title(), v.model->breakTitle());
        EXPECT_EQ(v.screen.subtitle(), i18n::coreText(v.model->breakSubtitle().toStdString()));
        EXPECT_NE(v.screen.subtitle(), v.model->breakSubtitle());
        v.tickAt(t0 + 20);
        v.model->settingsModel()->setCustomMessages({"Rest them on the farthest thing you can see"});
        v.model->takeBreak(BreakKind::micro);
        EXPECT_EQ(v.screen.subtitle(), QStringLiteral("Rest them on the farthest thing you can see"));
        EXPECT_NE(v.screen.title(), v.model->breakTitle()) << "the title is still the program's own";
    }
    i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
}

// The screen can always be locked and the break goes on; a skip acts only when its button shows, and the hint
// counts the skips left from then on.
TEST(BreakViewModel, ControlsFollowTheEnforcementTheWaitAndTheSkipsLeft) {
    using enum BreakEnforcement;
    for (auto [enforcement, skipsPerWeek, elapsed, waitText, canSkip, hint] :
         {std::tuple{balanced, 1, 2.0, "Skip in 3s", false, "1 skip left this week"},
          {balanced, 2, 4.5, "Skip in 1s", false, "2 skips left this week"},
          {balanced, 5, 5.0, "", true, "5 skips left this week"},
          {casual, 5, 0.0, "", true, "5 skips left this week"},
          {hardcore, 1, 10.0, "", false, "Hardcore mode: this break can't be skipped"}}) {
        SCOPED_TRACE(testing::Message() << hint << ", " << elapsed << " s in");
        Views v(enforcement);
        v.model->settingsModel()->setSkipsPerWeek(skipsPerWeek);
        v.onBreakFor(elapsed);
        EXPECT_EQ(v.screen.waitText(), waitText);
        EXPECT_EQ(v.screen.canSkip(), canSkip);
        EXPECT_EQ(v.screen.hintText(), hint);
        EXPECT_EQ(v.screen.hardcore(), enforcement == hardcore);
        EXPECT_EQ(v.screen.showEscapeHint(), enforcement != hardcore);
        v.screen.lockScreen();
        EXPECT_EQ(v.screenLock.locks, 1);
        v.screen.skip();
        EXPECT_EQ(v.model->history().size(), canSkip ? 1u : 0u);
        EXPECT_EQ(v.screen.visible(), !canSkip);
        EXPECT_EQ(v.screen.hintText() == "4 skips left this week", canSkip) << v.screen.hintText().toStdString();
    }
}

TEST(BreakViewModel, ChangedFiresOncePerTickThatMovesAShownValueAndNeverOtherwise) {
    Views v;
    int screen = 0, card = 0;
    QObject::connect(&v.screen, &BreakViewModel::changed, [&] { ++screen; });
    QObject::connect(&v.card, &HeadsUpViewModel::changed, [&] { ++card; });
    v.tickAt(t0 + 1);  // the model publishes the time, yet neither view shows anything that moves
    v.model->settingsModel()->setSoundName("Tink");
    EXPECT_EQ(screen, 0);
    v.model->takeBreak(BreakKind::micro);  // from here the countdown and the wait move together
    for (int s = 2; s <= 6; ++s) v.tickAt(t0 + s);
    EXPECT_EQ(screen, 6);
    EXPECT_EQ(card, 0);
}

TEST(HeadsUpViewModel, CardAndPointerCountDownToTheBreak) {
    const char* wrapUp = "Almost time. Wrap up what you're doing.";
    struct Case {
        BreakKind kind;
        std::int64_t headsUpSeconds;
        double before, progress;  // seconds before the break; the dial
        const char *bigText, *pointerText, *smallText;
        qint64 secondsLeft;
    } cases[] = {
        {BreakKind::micro, 30, 4.2, 0.14, "00:05", "Starting break in 5", wrapUp, 4},
        {BreakKind::micro, 3, 3, 0.6, "00:03", "Starting break in 3", wrapUp, 3},  // measured against 5 s
        {BreakKind::long_, 30, 20, 2.0 / 3.0, "00:20", "Starting break in 20",
         "A longer break is next. A good moment to stand up.", 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pointerText);
        Views v(BreakEnforcement::balanced, c.kind, c.headsUpSeconds);
        v.untilHeadsUp();
        v.tickAt(v.model->breakAt() - c.before);
        EXPECT_FALSE(v.card.waiting());
        EXPECT_NEAR(v.card.progress(), c.progress, 1e-6);  // epoch seconds carry ~0.2 µs
        EXPECT_EQ(v.card.bigText(), c.bigText);
        EXPECT_EQ(v.card.secondsLeft(), c.secondsLeft);
        EXPECT_EQ(v.card.pointerText(), c.pointerText);
        EXPECT_EQ(v.card.smallText(), c.smallText);
    }
}

TEST(HeadsUpViewModel, PastItsTimeWhileTypingTheCardWaitsWithAnEmptyDial) {
    Views v;
    v.untilHeadsUp();
    v.input.sinceKeyDown = 0;  // typing holds the heads-up after its time
    const double breakAt = v.model->breakAt();
    for (double after : {0.0, 3.0}) {
        SCOPED_TRACE(after);
        v.tickAt(breakAt + after);
        ASSERT_TRUE(v.card.waiting());
        EXPECT_EQ(v.card.bigText(), "Any second now");
        EXPECT_EQ(v.card.smallText(), "Waiting for a pause in your typing.");
        EXPECT_EQ(v.card.progress(), 0.0);
        EXPECT_EQ(v.card.secondsLeft(), 0);
        EXPECT_EQ(v.card.pointerText(), "Starting break in 1");
    }
    v.input.sinceKeyDown = 10;  // the pause comes: the card gives way to the break
    v.tickAt(breakAt + 4);
    EXPECT_FALSE(v.card.visible());
    EXPECT_EQ(v.card.pointerText(), QString());
    EXPECT_TRUE(v.screen.visible());
}

// The cross shows unless hardcore, and skips at once where the break screen would make one wait.
TEST(HeadsUpViewModel, CrossSkipsAtOnceAndStartNowBeginsTheBreak) {
    using enum BreakEnforcement;
    for (auto [enforcement, shown] : {std::pair{casual, true}, {balanced, true}, {hardcore, false}}) {
        Views v(enforcement);
        v.untilHeadsUp();
        EXPECT_EQ(v.card.showClose(), shown) << int(enforcement);
    }
    Views skipped, started;
    skipped.untilHeadsUp();
    skipped.card.skip();
    EXPECT_EQ(skipped.model->history(),
              (std::vector<BreakRecord>{{skipped.model->now(), BreakKind::micro, Outcome::skipped}}));
    EXPECT_FALSE(skipped.card.visible());
    started.untilHeadsUp();
    started.card.startNow();
    EXPECT_FALSE(started.card.visible());
    EXPECT_TRUE(started.screen.visible());
}

TEST(HeadsUpViewModel, EachSnoozeLabelNamesItsMinutesAndPutsTheBreakOff) {
    Views v;
    v.untilHeadsUp();
    const QStringList labels = v.card.snoozeLabels();
    const QList<int> minutes = v.card.snoozeMinutes();
    ASSERT_EQ(labels.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(labels[i], QStringLiteral("+%1m").arg(minutes.value(i)));
    v.card.snooze(minutes[1]);
    EXPECT_FALSE(v.card.visible());
    EXPECT_EQ(v.model->nextBreakAt(), v.clock.epoch() + 60.0 * minutes[1]);
}

TEST(HeadsUpPointer, ShowsInTheLastFiveSecondsBeforeTheBreakOnly) {
    const Instant breakAt = instantAt(t0 + 30);
    for (auto [before, shown] : {std::pair{5.01, false}, {5.0, true}, {0.01, true}, {0.0, false}}) {
        EXPECT_EQ(pointerCountdownShown(phase::HeadsUp{BreakKind::micro, breakAt}, breakAt - Seconds{before}), shown)
            << before << " s before";
    }
    // Outside the heads-up it never shows, however close a break is.
    const Instant now = breakAt - Seconds{3};
    for (const Phase& other : {Phase{phase::Working{}}, Phase{phase::Held{BreakKind::micro, BusyReason::call, now}},
                               Phase{phase::OnBreak{BreakKind::micro, now, breakAt}}}) {
        EXPECT_FALSE(pointerCountdownShown(other, now)) << phaseName(other).toStdString();
    }
}

TEST(BreakReminderText, NamesTheNudgeOfEachKind) {
    for (auto [kind, text] : {std::pair{"blink", "Blink slowly"}, {"posture", "Sit up straight"}, {"Blink", ""},
                              {"stretch", ""}}) {
        EXPECT_EQ(reminderText(QString::fromLatin1(kind)), text) << kind;
    }
}

}  // namespace
}  // namespace tarnwick
