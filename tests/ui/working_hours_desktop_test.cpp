// The working hours of the settings window on the virtual desktop of scripts/with-desktop: the
// window made by the window controller with the views module loaded as the program loads it,
// reached and edited with the keyboard alone through xdotool, and schedule.json read from disk.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screen_pixels.hpp"
#include "screenshot_path.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/views_loader.hpp"
#include "ui/window_controller.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;
constexpr int hour = 60;

using drive::xdotool;

// The dark colours the settings window's own desktop test uses.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(43, 42, 48), text(236, 236, 240), base(31, 30, 35), button(58, 57, 64);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, button);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(61, 123, 224));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 148));
    return dark;
}

class WorkingHoursDesktop : public ::testing::Test {
protected:
    void TearDown() override {
        windows.reset();
        QTest::qWait(50);
    }
    QWindow* open() {
        QWindow* window = windows->open(QStringLiteral("settings"));
        if (!window) return nullptr;
        (void)QTest::qWaitFor([&] { return window->isExposed() && window->isActive(); }, waitMs);
        QTest::qWait(150);
        return window;
    }
    QWindow* shown() const { return windows->window(QStringLiteral("settings")); }
    SettingsViewModel* vm() const { return shown()->property("vm").value<SettingsViewModel*>(); }
    QQuickItem* item(const QString& name) const {
        auto* window = qobject_cast<QQuickWindow*>(shown());
        return window ? find(window->contentItem(), name) : nullptr;
    }
    static QQuickItem* find(QQuickItem* from, const QString& name) {
        if (from->objectName() == name) return from;
        for (QQuickItem* child : from->childItems())
            if (QQuickItem* found = find(child, name)) return found;
        return nullptr;
    }
    QString textOf(const QString& name) const {
        QQuickItem* found = item(name);
        return found ? found->property("text").toString() : QStringLiteral("<no %1>").arg(name);
    }
    bool visible(const QString& name) const {
        QQuickItem* found = item(name);
        return found && found->isVisible();
    }
    QString accessibleName(const QString& name) const {
        QAccessibleInterface* control = item(name) ? QAccessible::queryAccessibleInterface(item(name)) : nullptr;
        return control ? control->text(QAccessible::Name) : QStringLiteral("<none for %1>").arg(name);
    }
    // The "next day" note keeps its place in every range and shows only where the range needs it.
    bool nextDayShown(const QString& name) const { return visible(name) && item(name)->opacity() > 0.5; }
    QString focused() const {
        QObject* focus = shown() ? shown()->focusObject() : nullptr;
        return focus ? focus->objectName() : QString();
    }
    bool key(const QString& keys) {
        const bool done = xdotool({"key", "--delay", "30", keys});
        QTest::qWait(120);
        return done;
    }
    bool type(const QString& text) {
        const bool done = xdotool({"type", "--delay", "40", text});
        QTest::qWait(120);
        return done;
    }
    bool tabTo(const QString& name, const QString& tab = QStringLiteral("Tab")) {
        for (int i = 0; i < 60 && focused() != name; ++i) key(tab);
        return focused() == name;
    }
    // A day of schedule.json as "09:00-18:00" pieces, comma-separated.
    QString fileDay(const char* day) const {
        QStringList ranges;
        for (const QJsonValue& range : file().value("days").toObject().value(QLatin1String(day)).toArray())
            ranges << range.toArray().at(0).toString() + "-" + range.toArray().at(1).toString();
        return ranges.join(',');
    }
    QJsonObject file() const {
        QFile schedule(rig.folder + QStringLiteral("/schedule.json"));
        return schedule.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(schedule.readAll()).object() : QJsonObject();
    }
    // The General pane's form scrolled to its end, where the working hours are.
    void scrollToEnd() {
        auto* form = item(QStringLiteral("pane"))->property("item").value<QQuickItem*>();
        ASSERT_NE(form, nullptr);
        form->setProperty("contentY", std::max(0.0, form->property("contentHeight").toReal() - form->height()));
    }
    void screenshot(const QString& name) const {
        QTest::qWait(350);
        const QRect frame = shown()->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(screenshotPath(name));
    }

    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    std::unique_ptr<WindowController> windows = std::make_unique<WindowController>(
        loader, std::vector<WindowKind>{settingsWindowKind(*rig.model, {}, QStringLiteral("0.1.0"))});
};

TEST_F(WorkingHoursDesktop, TheKeyboardAloneSwitchesTheHoursOnEditsThemAndTheyReachTheFile) {
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(focused(), QStringLiteral("sidebar"));
    ASSERT_TRUE(key("Up"));
    ASSERT_EQ(vm()->pane(), QStringLiteral("general"));
    EXPECT_FALSE(item("hoursStart-0-0")) << "no days while the hours are off";

    // Tab to the switch; Space turns the hours on, Monday to Friday 09:00–18:00.
    ASSERT_TRUE(tabTo(QStringLiteral("workingHoursEnabled"))) << "reached " << focused().toStdString();
    ASSERT_TRUE(key("space"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return file().value("enabled") == QJsonValue(true); }, 2000));
    for (const char* day : {"mon", "tue", "wed", "thu", "fri"}) EXPECT_EQ(fileDay(day), "09:00-18:00") << day;
    EXPECT_EQ(fileDay("sat"), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("hoursEnd-0-0") != nullptr; }, 2000));
    EXPECT_EQ(textOf("hoursStart-0-0"), "09:00");
    EXPECT_TRUE(visible("hoursNone-5"));

    // A time typed into Monday's end and committed with Return.
    ASSERT_TRUE(tabTo(QStringLiteral("hoursEnd-0-0")));
    EXPECT_EQ(item("hoursEnd-0-0")->property("selectedText").toString(), "18:00") << "typing replaces it";
    ASSERT_TRUE(type("17:30"));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("mon") == "09:00-17:30"; }, 2000)) << fileDay("mon").toStdString();
    EXPECT_EQ(textOf("hoursEnd-0-0"), "17:30");
    EXPECT_EQ(focused(), QStringLiteral("hoursEnd-0-0"));

    // A time that is none: refused, the reason under the day, the field and the file as they were.
    ASSERT_TRUE(key("ctrl+a"));
    ASSERT_TRUE(type("25:00"));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(visible("hoursError-0"));
    EXPECT_TRUE(textOf("hoursError-0").contains("25:00")) << textOf("hoursError-0").toStdString();
    EXPECT_FALSE(visible("hoursError-1"));
    EXPECT_EQ(textOf("hoursEnd-0-0"), "17:30");
    EXPECT_EQ(fileDay("mon"), "09:00-17:30");

    // Up steps it by a quarter, and the error goes.
    ASSERT_TRUE(key("Up"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("mon") == "09:00-17:45"; }, 2000)) << fileDay("mon").toStdString();
    EXPECT_EQ(textOf("hoursEnd-0-0"), "17:45");
    EXPECT_FALSE(visible("hoursError-0"));

    // Copy Monday to the weekdays with Return.
    ASSERT_TRUE(tabTo(QStringLiteral("copyMonday")));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("fri") == "09:00-17:45"; }, 2000));
    for (const char* day : {"tue", "wed", "thu"}) EXPECT_EQ(fileDay(day), "09:00-17:45") << day;

    // Back to Saturday's add button; Space adds a range there and its start takes the focus.
    ASSERT_TRUE(tabTo(QStringLiteral("hoursAdd-5"), QStringLiteral("shift+Tab")));
    ASSERT_TRUE(key("space"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("sat") == "09:00-18:00"; }, 2000)) << fileDay("sat").toStdString();
    EXPECT_EQ(focused(), QStringLiteral("hoursStart-5-0"));
    EXPECT_FALSE(visible("hoursNone-5"));

    // A start after the end, committed as the focus leaves: the range runs into Sunday.
    ASSERT_TRUE(type("22:00"));
    ASSERT_TRUE(key("Tab"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("sat") == "22:00-18:00"; }, 2000)) << fileDay("sat").toStdString();
    EXPECT_EQ(focused(), QStringLiteral("hoursEnd-5-0"));
    ASSERT_TRUE(type("02:00"));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("sat") == "22:00-02:00"; }, 2000)) << fileDay("sat").toStdString();
    EXPECT_TRUE(nextDayShown("hoursNextDay-5-0"));
    // What a screen reader says of the controls.
    EXPECT_EQ(accessibleName("hoursStart-5-0"), "Saturday, range 1 start");
    EXPECT_EQ(accessibleName("hoursEnd-5-0"), "Saturday, range 1 end");
    EXPECT_EQ(accessibleName("hoursRemove-5-0"), "Remove Saturday range 1");
    EXPECT_EQ(accessibleName("hoursAdd-5"), "Add a range on Saturday");
    screenshot(QStringLiteral("settings-working-hours-keyboard.png"));

    // Its remove button, with Space: the day is empty again, and the focus stays on the day.
    ASSERT_TRUE(key("Tab"));
    ASSERT_EQ(focused(), QStringLiteral("hoursRemove-5-0"));
    ASSERT_TRUE(key("space"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileDay("sat").isEmpty(); }, 2000)) << fileDay("sat").toStdString();
    EXPECT_EQ(focused(), QStringLiteral("hoursAdd-5"));
    EXPECT_TRUE(visible("hoursNone-5"));

    // Off again: the days go, the file keeps the ranges for next time.
    ASSERT_TRUE(tabTo(QStringLiteral("workingHoursEnabled"), QStringLiteral("shift+Tab")));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return file().value("enabled") == QJsonValue(false); }, 2000));
    EXPECT_EQ(fileDay("mon"), "09:00-17:45");
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("hoursStart-0-0") == nullptr; }, 2000));
}

// The section with the hours on, a split Monday and a night range, light and dark, for a person to
// look at, and with a refused time; the focused time field shows its ring in the accent colour.
TEST_F(WorkingHoursDesktop, TheSectionInTheLightAndTheDarkPalette) {
    WorkingHours hours = defaultWorkingHours();
    hours.days[0] = {{9 * hour, 12 * hour + 30}, {13 * hour + 30, 18 * hour}};
    hours.days[5] = {{22 * hour, 2 * hour}};
    rig.model->setWorkingHours(hours);
    const QPalette light = QGuiApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        if (dark) QGuiApplication::setPalette(darkPalette());
        ASSERT_NE(open(), nullptr);
        vm()->setPane(QStringLiteral("general"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return item("hoursStart-0-1") != nullptr; }, waitMs));
        EXPECT_EQ(textOf("hoursStart-0-1"), "13:30");
        EXPECT_TRUE(nextDayShown("hoursNextDay-5-0"));
        EXPECT_FALSE(nextDayShown("hoursNextDay-0-0"));
        item("hoursStart-0-1")->forceActiveFocus(Qt::TabFocusReason);
        QTest::qWait(200);
        scrollToEnd();
        QTest::qWait(200);
        const QColor accent = QGuiApplication::palette().color(QPalette::Highlight);
        const pixels::Probe ring{"hoursStart-0-1/timeBox", {0.8, 13}, accent, 40};
        EXPECT_EQ(pixels::mismatch(shown(), ring), "");
        screenshot(QStringLiteral("settings-working-hours%1.png").arg(dark ? QStringLiteral("-dark") : QString()));
        // A refused time: the reason under its day, in red on the card.
        ASSERT_TRUE(type("7:5"));
        ASSERT_TRUE(key("Return"));
        EXPECT_TRUE(visible("hoursError-0"));
        EXPECT_EQ(textOf("hoursStart-0-1"), "13:30");
        screenshot(QStringLiteral("settings-working-hours-refused%1.png").arg(dark ? QStringLiteral("-dark") : QString()));
        shown()->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == nullptr; }, waitMs));
    }
    QGuiApplication::setPalette(light);
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
