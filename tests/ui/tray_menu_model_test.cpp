// The tray's right-click menu as its view reads it: which commands it offers in each phase, and
// what choosing each one does.

#include <gtest/gtest.h>

#include "model_rig.hpp"
#include "ui/tray_menu_model.hpp"

namespace tarnwick {
namespace {

// How often a signal fired.
struct Count {
    int n = 0;
    template <class Signal>
    Count(const TrayMenuModel& menu, Signal signal) {
        QObject::connect(&menu, signal, [this] { ++n; });
    }
    int count() const { return n; }
};

QStringList titles(const TrayMenuModel& menu) {
    QStringList out;
    for (const auto& item : menu.entries()) out << (item.separated ? QStringLiteral("| ") : QString()) + item.title;
    return out;
}

int indexOf(const TrayMenuModel& menu, const QString& title) {
    const auto& items = menu.entries();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].title == title) return int(i);
    return -1;
}

TEST(TrayMenu, OffersThePanelsCommandsForThePhase) {
    const QStringList working{"Eye break now", "Long break now", "| Pause 30 min", "Pause 1 hour", "Pause until tomorrow",
                              "| Stats", "Settings", "| Quit"};
    const QStringList paused{"Eye break now", "Long break now", "| Resume breaks", "| Stats", "Settings", "| Quit"};
    QStringList announced = working;
    announced[0] = QStringLiteral("Start break now");

    fakes::ModelRig rig;
    TrayMenuModel menu(*rig.model);
    Count changes(menu, &TrayMenuModel::changed);
    EXPECT_EQ(titles(menu), working);
    EXPECT_EQ(menu.items().size(), working.size());

    rig.tickUntil(rig.model->nextBreakAt() - 5);  // the heads-up
    ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(rig.model->phase()));
    EXPECT_EQ(titles(menu), announced);
    rig.model->pauseUntilTomorrow();
    EXPECT_EQ(titles(menu), paused);
    EXPECT_EQ(changes.count(), 2);
}

TEST(TrayMenu, EachCommandDoesWhatItSays) {
    const struct {
        const char* title;
        std::function<bool(const AppModel&)> done;
        const char* signal;  // what the controller is asked for, if anything beyond closing
    } cases[] = {
        {"Eye break now",
         [](const AppModel& m) { return std::holds_alternative<phase::OnBreak>(m.phase()) && std::get<phase::OnBreak>(m.phase()).kind == BreakKind::micro; },
         nullptr},
        {"Long break now",
         [](const AppModel& m) { return std::holds_alternative<phase::OnBreak>(m.phase()) && std::get<phase::OnBreak>(m.phase()).kind == BreakKind::long_; },
         nullptr},
        {"Pause 30 min",
         [](const AppModel& m) {
             auto* p = std::get_if<phase::Paused>(&m.phase());
             return p && (p->until - m.now()).count() == 1800;
         },
         nullptr},
        {"Pause 1 hour",
         [](const AppModel& m) {
             auto* p = std::get_if<phase::Paused>(&m.phase());
             return p && (p->until - m.now()).count() == 3600;
         },
         nullptr},
        {"Pause until tomorrow", [](const AppModel& m) { return std::holds_alternative<phase::Paused>(m.phase()); }, nullptr},
        {"Stats", [](const AppModel& m) { return std::holds_alternative<phase::Working>(m.phase()); }, "stats"},
        {"Settings", [](const AppModel& m) { return std::holds_alternative<phase::Working>(m.phase()); }, "settings"},
        {"Quit", [](const AppModel& m) { return std::holds_alternative<phase::Working>(m.phase()); }, "quit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        fakes::ModelRig rig;
        TrayMenuModel menu(*rig.model);
        Count closes(menu, &TrayMenuModel::closeRequested), stats(menu, &TrayMenuModel::statsRequested),
            settings(menu, &TrayMenuModel::settingsRequested), quits(menu, &TrayMenuModel::quitRequested);
        const int index = indexOf(menu, QString::fromLatin1(c.title));
        ASSERT_GE(index, 0);
        menu.trigger(index);
        EXPECT_TRUE(c.done(*rig.model));
        const QString asked = c.signal ? QString::fromLatin1(c.signal) : QString();
        EXPECT_EQ(closes.count(), asked.isEmpty() ? 1 : 0) << "a command on the breaks closes the menu";
        EXPECT_EQ(stats.count(), asked == QLatin1String("stats") ? 1 : 0);
        EXPECT_EQ(settings.count(), asked == QLatin1String("settings") ? 1 : 0);
        EXPECT_EQ(quits.count(), asked == QLatin1String("quit") ? 1 : 0);
    }
}

TEST(TrayMenu, StartsTheAnnouncedBreakResumesAPauseAndIgnoresIndexesOutOfRange) {
    fakes::ModelRig rig;
    TrayMenuModel menu(*rig.model);
    rig.tickUntil(rig.model->nextBreakAt() - 5);
    menu.trigger(indexOf(menu, QStringLiteral("Start break now")));
    EXPECT_TRUE(std::holds_alternative<phase::OnBreak>(rig.model->phase())) << "at once, not in 5 s";

    rig.model->pauseFor(1800);
    menu.trigger(indexOf(menu, QStringLiteral("Resume breaks")));
    EXPECT_TRUE(std::holds_alternative<phase::Working>(rig.model->phase()));

    const auto before = titles(menu);
    for (int index : {-1, int(menu.entries().size()), 1000}) menu.trigger(index);
    EXPECT_TRUE(std::holds_alternative<phase::Working>(rig.model->phase()));
    EXPECT_EQ(titles(menu), before);
}

}  // namespace
}  // namespace tarnwick
