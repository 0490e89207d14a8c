// The tray's text and its panel as their views read them: the model on fake ports and a manual
// clock, no QML.

#include <functional>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "model_rig.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "ui/status_controller.hpp"

namespace tarnwick {
namespace {

using fakes::t0;

// The local short time of a UTC wall-clock time in the rig's first days, as a person reads it:
// the locale's short format, or hours and minutes where that format shows seconds (C, POSIX).
QString shortTime(int day, int hour, int minute = 0) {
    const QTime local = QDateTime(QDate(2026, 3, day), QTime(hour, minute), Qt::UTC).toLocalTime().time();
    if (QLocale::system().timeFormat(QLocale::ShortFormat).contains(QStringLiteral("ss")))
        return local.toString(QStringLiteral("HH:mm"));
    return QLocale::system().toString(local, QLocale::ShortFormat);
}

struct Panel : fakes::ModelRig {
    Panel() {
        edit([](Settings& s) { s.blinkEveryMinutes = 0; });  // nudges play no part here
        QObject::connect(&panel, &MenuBarViewModel::closeRequested, [this] { ++closes; });
    }
    void tickAt(double epoch) {
        clock.set(epoch);
        model->tick();
    }
    // Only `kind` is on, due every two minutes: its 30 s heads-up begins.
    void soon(BreakKind kind) {
        edit([kind](Settings& s) {
            s.microEnabled = kind == BreakKind::micro;
            s.longEnabled = kind == BreakKind::long_;
            s.microEveryMinutes = s.longEveryMinutes = 2;
        });
        tickAt(t0 + 120);
        ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    }
    void heldFor(double seconds) {
        soon(BreakKind::micro);
        probes.camera = true;
        tickAt(t0 + 121);
        tickAt(t0 + 121 + seconds);
        ASSERT_TRUE(std::holds_alternative<phase::Held>(model->phase()));
    }

    MenuBarViewModel panel{*model};
    int closes = 0;
};

using Act = std::function<void(Panel&)>;
void bothOff(Panel& p) { p.edit([](Settings& s) { s.microEnabled = s.longEnabled = false; }); }

TEST(MenuBarViewModel, StatusTilesAndPauseRowFollowThePhase) {
    const QString held = "You'll get a heads-up when you're free. Held for %1 min.", eye = "Eye break now";
    struct Case {
        const char* name;
        Act act;
        QString label, value, detail;
        bool progress;
        QString firstTile = "Start break now";
    } cases[] = {
        {"micro next, long on", {}, "Next eye break in", "20:00", "Long break at " + shortTime(2, 9), true, eye},
        {"micro next, long off", [](Panel& p) { p.edit([](Settings& s) { s.longEnabled = false; }); },
         "Next eye break in", "20:00", "", true, eye},
        {"long next", [](Panel& p) { p.edit([](Settings& s) { s.microEnabled = false; }); }, "Long break in",
         "60:00", "", true, eye},
        {"both off", bothOff, "Breaks are off", "\u2014", "Turn them on in Settings.", false, eye},
        {"micro heads-up", [](Panel& p) { p.soon(BreakKind::micro); }, "Eye break starting", "0:30", "", false},
        {"long heads-up", [](Panel& p) { p.soon(BreakKind::long_); }, "Long break starting", "0:30", "", false},
        {"held 59 s", [](Panel& p) { p.heldFor(59); }, "Break held", "You're on a call", held.arg(0), false},
        {"held 61 s", [](Panel& p) { p.heldFor(61); }, "Break held", "You're on a call", held.arg(1), false},
        {"eye break", [](Panel& p) { p.model->takeBreak(BreakKind::micro); }, "Eye break", "0:20", "", false, eye},
        {"long break", [](Panel& p) { p.model->takeBreak(BreakKind::long_); }, "Long break", "5:00", "", false, eye},
        {"paused", [](Panel& p) { p.model->pauseFor(3600); }, "Paused until", shortTime(2, 9), "", false, eye},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        if (c.act) c.act(p);
        EXPECT_EQ(p.panel.label(), c.label);
        EXPECT_EQ(p.panel.value(), c.value);
        EXPECT_EQ(p.panel.detail(), c.detail);
        EXPECT_EQ(p.panel.showProgress(), c.progress);
        EXPECT_EQ(p.panel.firstTileTitle(), c.firstTile);
        EXPECT_EQ(p.panel.firstTileSymbol(), c.firstTile == eye ? "eye.fill" : "play.fill");
        EXPECT_EQ(p.panel.paused(), c.label == "Paused until");
    }
}

TEST(MenuBarViewModel, PauseChipsKeepThePanelOpenAndShowTheEnd) {
    // 08:00 UTC is 09:00 in Berlin; "tomorrow" is 06:00 there the next day.
    const QString ends[] = {shortTime(2, 8, 30), shortTime(2, 9), shortTime(3, 5)};
    for (int i = 0; i < 3; ++i) {
        Panel p;
        SCOPED_TRACE(p.panel.pauseChips().value(i).toStdString());
        p.panel.pauseChip(i);
        EXPECT_TRUE(p.panel.paused());
        EXPECT_EQ(p.panel.label(), "Paused until");
        EXPECT_EQ(p.panel.value(), ends[i]);
        p.panel.resume();
        EXPECT_EQ(p.panel.label(), "Next eye break in");
        EXPECT_EQ(p.closes, 0);
    }
}

TEST(MenuBarViewModel, TilesStartTheRightBreakAndClose) {
    struct Case {
        const char* name;
        Act act;
        bool firstTile;
        BreakKind started;
    } cases[] = {
        {"first tile in a long heads-up", [](Panel& p) { p.soon(BreakKind::long_); }, true, BreakKind::long_},
        {"first tile while held", [](Panel& p) { p.heldFor(10); }, true, BreakKind::micro},
        {"first tile while working", {}, true, BreakKind::micro},
        {"first tile while paused", [](Panel& p) { p.model->pauseFor(1800); }, true, BreakKind::micro},
        {"long tile while working", {}, false, BreakKind::long_},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        if (c.act) c.act(p);
        c.firstTile ? p.panel.firstTile() : p.panel.longBreak();
        auto* onBreak = std::get_if<phase::OnBreak>(&p.model->phase());
        ASSERT_TRUE(onBreak);
        EXPECT_EQ(onBreak->kind, c.started);
        EXPECT_EQ(onBreak->startedAt, p.model->now());
        EXPECT_EQ(p.closes, 1);
    }
}

TEST(MenuBarViewModel, TallyCountsTodayAndChangedFiresOnlyWhenAValueMoves) {
    Panel p;
    int changes = 0;
    QObject::connect(&p.panel, &MenuBarViewModel::changed, [&] { ++changes; });
    p.tickAt(t0 + 600);  // halfway to the first eye break
    EXPECT_EQ(changes, 1);
    EXPECT_NEAR(p.panel.progress(), 0.5, 1e-6);
    p.panel.pauseChip(0);
    EXPECT_EQ(p.panel.progress(), 0.0);
    for (int s = 601; s <= 605; ++s) p.tickAt(t0 + s);  // nothing shown moves while paused
    EXPECT_EQ(changes, 2);

    p.panel.firstTile();
    p.tickAt(t0 + 626);
    EXPECT_EQ(p.panel.todayTaken(), 1);
    EXPECT_EQ(p.panel.todaySkipped(), 0);
    EXPECT_EQ(p.panel.streak(), 1);

    // A hidden panel follows nothing, and catches up when it shows again.
    const int before = changes;
    const QString countdown = p.panel.value();
    p.panel.setActive(false);
    for (int s = 627; s <= 700; ++s) p.tickAt(t0 + s);
    EXPECT_EQ(changes, before);
    p.panel.setActive(true);
    EXPECT_EQ(changes, before + 1);
    EXPECT_NE(p.panel.value(), countdown);
}

TEST(TrayText, NamesThePhaseOrCountsDownAndHidesWithTheCountdownOff) {
    const struct {
        const char* text;
        TrayTitle icon;
        Act act;
    } cases[] = {
        {"20m", {TrayMark::countdown, QStringLiteral("20m")}, {}},
        {"59s", {TrayMark::countdown, QStringLiteral("59s")}, [](Panel& p) { p.tickAt(t0 + 1141); }},
        {"30s", {TrayMark::countdown, QStringLiteral("30s")}, [](Panel& p) { p.soon(BreakKind::micro); }},
        {"Held", {TrayMark::held, {}}, [](Panel& p) { p.heldFor(5); }},
        {"Break", {TrayMark::onBreak, {}}, [](Panel& p) { p.model->takeBreak(BreakKind::micro); }},
        {"Paused", {TrayMark::paused, {}}, [](Panel& p) { p.model->pauseUntilTomorrow(); }},
        {"", {}, bothOff},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Panel p;
        if (c.act) c.act(p);
        EXPECT_EQ(phaseText(*p.model), c.text);
        // The icon shows the time, or a mark in the word's place; the label says it in words.
        EXPECT_EQ(trayTitle(*p.model), c.icon);
        EXPECT_EQ(trayAccessibleLabel(*p.model), QStringLiteral("Tarnwick: ") + c.text);

        p.edit([](Settings& s) { s.menuBarCountdown = false; });
        EXPECT_EQ(trayTitle(*p.model), TrayTitle{});
        EXPECT_EQ(trayAccessibleLabel(*p.model), QStringLiteral("Tarnwick: ") + c.text);
    }
}

TEST(TrayText, HoldsUntilTheInstantItNamesAndIsWorkedOutAgainOncePerShownChange) {
    Panel p;
    QString text;
    Phase phase = p.model->phase();
    Instant steadyUntil{};
    int workedOut = 0;
    // A quarter-second clock through a whole cycle: twenty minutes, the heads-up, into the break.
    for (double s = 0; s <= 1201; s += 0.25) {
        p.tickAt(t0 + s);
        const QString shown = phaseText(*p.model);
        if (p.model->now() < steadyUntil && p.model->phase() == phase) {
            ASSERT_EQ(shown, text) << "at " << s << " s, held since the text was worked out";
            continue;
        }
        ++workedOut;
        text = shown;
        phase = p.model->phase();
        steadyUntil = phaseTextSteadyUntil(*p.model);
        ASSERT_GT(steadyUntil, p.model->now()) << "at " << s << " s";
    }
    EXPECT_EQ(text, QStringLiteral("Break"));
    // "20m" to "1m", then "59s" to "1s" across the heads-up, then "Break".
    EXPECT_LE(workedOut, 20 + 60 + 3);
}

TEST(TrayText, ATickJustBeforeTheTextTurnsAsksForTheTurnAndNotForAnInstantPast) {
    // Ticks come a whole number of seconds after the timers restart, so often a fraction of a
    // millisecond before the countdown turns; a wake asked for in the past would be slept through.
    for (const double remaining : {59.0005, 59.0, 1140.0002, 30.9999}) {
        SCOPED_TRACE(remaining);
        Panel p;
        p.tickAt(t0 + 1200 - remaining);  // the next eye break is at t0 + 1200
        ASSERT_TRUE(std::holds_alternative<phase::Working>(p.model->phase()));
        const Instant until = phaseTextSteadyUntil(*p.model);
        EXPECT_GT(until, p.model->now());
        // And the text does stay until then.
        const QString now = phaseText(*p.model);
        p.tickAt(epochSeconds(until) - 0.00001);
        EXPECT_EQ(phaseText(*p.model), now);
    }
}

TEST(TrayText, StaysCurrentWhenTheModelTicksOnlyWhenAskedTo) {
    // The tray asks to be woken when its text can next change; between those instants the model
    // may skip its ticks. Beside a model ticked every quarter second, its text never lags.
    Panel paced, every;
    paced.model->start();
    every.model->start();
    QObject tray;
    QString trayText;
    auto workOut = [&] {
        trayText = phaseText(*paced.model);
        paced.model->wakeAt(&tray, phaseTextSteadyUntil(*paced.model));
    };
    QObject::connect(paced.model.get(), &AppModel::nowChanged, &tray, workOut);
    QObject::connect(paced.model.get(), &AppModel::phaseChanged, &tray, workOut);
    workOut();
    double next = t0 + 1;
    int ticks = 0;
    for (double s = 0.25; s <= 1201; s += 0.25) {
        every.tickAt(t0 + s);
        if (t0 + s >= next) {
            paced.tickAt(t0 + s);
            ++ticks;
            const auto at = paced.model->nextTickAt();
            next = at ? epochSeconds(*at) : t0 + s + 1;
        }
        ASSERT_EQ(trayText, phaseText(*every.model)) << "at " << s << " s";
    }
    EXPECT_EQ(trayText, QStringLiteral("Break"));
    // Nineteen minutes at a tick every half minute and at each change of minute, then every second
    // through the last minute, where the text counts seconds.
    EXPECT_LE(ticks, 19 * 3 + 60 + 3);
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {

TEST(MenuBarViewModel, OutsideTheWorkingHoursItSaysWhenTheyStartAndOffersResuming) {
    Panel p;  // Monday 09:00 in Berlin
    p.model->setWorkingHours(defaultWorkingHours());
    p.tickAt(t0 + 9 * 3600 + 1800);  // 18:30
    EXPECT_TRUE(p.panel.paused());
    EXPECT_EQ(p.panel.label(), QStringLiteral("Off until"));
    EXPECT_EQ(p.panel.value(), QStringLiteral("Tue 09:00"));
    EXPECT_EQ(trayTitle(*p.model).mark, TrayMark::paused);
    EXPECT_EQ(trayAccessibleLabel(*p.model), QStringLiteral("Tarnwick: Off until Tue 09:00"));
    p.tickAt(t0 + 15 * 3600 + 1800);  // after midnight: the hours start later today
    EXPECT_EQ(p.panel.value(), QStringLiteral("09:00"));

    p.panel.resume();
    EXPECT_FALSE(p.panel.paused());
    EXPECT_EQ(p.panel.label(), QStringLiteral("Next eye break in"));
    EXPECT_EQ(p.panel.detail(), QStringLiteral("Resumed outside your working hours, until 18:00."));

    // A pause of the user's own reads as before.
    p.panel.pauseChip(1);
    EXPECT_EQ(p.panel.label(), QStringLiteral("Paused until"));
}

}  // namespace tarnwick
