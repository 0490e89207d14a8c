// The settings window on the virtual desktop of scripts/with-desktop, made by the window
// controller with the views module loaded as the program loads it, and driven by the keyboard
// and the pointer through xdotool.

#include <gtest/gtest.h>

#include <unistd.h>

#include <iostream>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "desktop_drive.hpp"
#include "model_rig.hpp"
#include "screen_pixels.hpp"
#include "screenshot_path.hpp"
#include "ui/i18n/language.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/views_loader.hpp"
#include "ui/window_controller.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;
constexpr int hour = 60;

using drive::xdotool;

// Counts the frames a window hands to the screen.
class Frames : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void swapped() { ++count; }
};

// A stand-in for the blurred desktop picture: hills under an evening sky.
QImage desktopPicture() {
    QImage image(320, 200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(230, 170, 120));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 110, 80));
    p.drawEllipse(QPointF(90, 230), 200, 90);
    p.setBrush(QColor(30, 80, 60));
    p.drawEllipse(QPointF(280, 240), 170, 80);
    return image;
}

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

class SettingsDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        makeWindows();
    }
    void TearDown() override {
        windows.reset();
        QTest::qWait(50);
    }
    void makeWindows(SettingsViewModel::FactsSource facts = {}) {
        windows.reset();
        windows = std::make_unique<WindowController>(
            loader,
            std::vector<WindowKind>{settingsWindowKind(*rig.model, desktopPicture, QStringLiteral("0.1.0"), facts)});
    }
    // Opens the window and waits until it is on screen with the keyboard.
    QWindow* open() {
        QWindow* window = windows->open(QStringLiteral("settings"));
        if (!window) return nullptr;
        (void)QTest::qWaitFor([&] { return window->isExposed() && window->isActive(); }, waitMs);
        QTest::qWait(150);
        return window;
    }
    QWindow* shown() const { return windows->window(QStringLiteral("settings")); }
    SettingsViewModel* vm() const { return shown()->property("vm").value<SettingsViewModel*>(); }
    // A named item of the window, popups included.
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
    QString focused() const {
        QObject* focus = shown() ? shown()->focusObject() : nullptr;
        return focus ? focus->objectName() : QString();
    }
    bool key(const QString& keys) {
        const bool done = xdotool({"key", "--delay", "30", keys});
        QTest::qWait(120);
        return done;
    }
    // Tabs (forwards or, with shift, back) until the named control has the focus.
    bool tabTo(const QString& name, const QString& tab = QStringLiteral("Tab")) {
        for (int i = 0; i < 60 && focused() != name; ++i) key(tab);
        return focused() == name;
    }
    // Clicks the middle of a named item where it shows on screen, scrolled into view first.
    bool click(const QString& name) {
        QQuickItem* target = item(name);
        if (!target) return false;
        for (QQuickItem* form = target->parentItem(); form; form = form->parentItem()) {
            if (form->metaObject()->indexOfMethod("reveal(QVariant)") >= 0) {
                QMetaObject::invokeMethod(form, "reveal", Q_ARG(QVariant, QVariant::fromValue<QObject*>(target)));
                QTest::qWait(50);
                break;
            }
        }
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)) +
                               QPointF(shown()->position());
        const bool done = drive::clickAt(centre.toPoint());
        QTest::qWait(150);
        return done;
    }
    // Writes a path into the open save dialog's name field and saves, as a user would.
    bool chooseInDialog(const QString& path) {
        QFileDialog* dialog = vm()->exportDialog();
        auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name) return false;
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
        QTest::qWait(100);
        return true;
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
    bool type(const QString& text) {
        const bool done = xdotool({"type", "--delay", "40", text});
        QTest::qWait(120);
        return done;
    }
    // A day of schedule.json as "09:00-18:00" pieces, comma-separated.
    QString fileDay(const char* day) const {
        QStringList ranges;
        for (const QJsonValue& range : savedSchedule().value("days").toObject().value(QLatin1String(day)).toArray())
            ranges << range.toArray().at(0).toString() + "-" + range.toArray().at(1).toString();
        return ranges.join(',');
    }
    QJsonObject savedSchedule() const {
        QFile schedule(rig.folder + QStringLiteral("/schedule.json"));
        return schedule.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(schedule.readAll()).object() : QJsonObject();
    }
    // The General pane's form scrolled to its end, where the working hours are.
    void scrollToEnd() {
        auto* form = item(QStringLiteral("pane"))->property("item").value<QQuickItem*>();
        ASSERT_NE(form, nullptr);
        form->setProperty("contentY", std::max(0.0, form->property("contentHeight").toReal() - form->height()));
    }
    QJsonObject savedSettings() const {
        QFile file(rig.folder + QStringLiteral("/settings.json"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    void screenshot(const QString& name) const {
        QTest::qWait(350);
        const QRect frame = shown()->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(screenshotPath(name));
    }
    void withHistory(int count) {
        std::vector<BreakRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back({instantAt(fakes::t0 - 3600 + 60 * i), BreakKind::micro, Outcome::taken});
        ASSERT_TRUE(rig.persistence.save(records, instantAt(fakes::t0)));
        windows.reset();
        rig.makeModel();
        makeWindows();
    }

    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    std::unique_ptr<WindowController> windows;
};

// The first test of the process pays for loading Qt Quick; the others find it running.
TEST_F(SettingsDesktop, OpensCentredAndDrawsItsFirstFrameQuickly) {
    Frames frames;
    QElapsedTimer timer;
    timer.start();
    QWindow* window = windows->open(QStringLiteral("settings"));
    ASSERT_NE(window, nullptr);
    QObject::connect(window, SIGNAL(frameSwapped()), &frames, SLOT(swapped()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames.count > 0; }, waitMs));
    const qint64 coldMs = timer.elapsed();

    EXPECT_EQ(window->title(), QStringLiteral("Tarnwick Settings"));
    EXPECT_EQ(window->size(), QSize(820, 600));
    EXPECT_EQ(window->minimumSize(), QSize(780, 560));
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((window->geometry().center() - middle).manhattanLength(), 60) << "centred on the main screen";
    EXPECT_EQ(vm()->pane(), QStringLiteral("breaks"));

    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == nullptr; }, waitMs));
    QTest::qWait(100);
    Frames again;
    timer.restart();
    window = windows->open(QStringLiteral("settings"));
    ASSERT_NE(window, nullptr);
    QObject::connect(window, SIGNAL(frameSwapped()), &again, SLOT(swapped()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return again.count > 0; }, waitMs));
    const qint64 warmMs = timer.elapsed();
    std::cout << "settings window, request to first frame: " << coldMs << " ms loading Qt Quick, " << warmMs
              << " ms with it running" << std::endl;
    RecordProperty("coldMs", int(coldMs));
    RecordProperty("warmMs", int(warmMs));
}

TEST_F(SettingsDesktop, TheSidebarHighlightTilesSectionsAndPickersAreDrawn) {
    QWindow* window = open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(focused(), QStringLiteral("sidebar"));
    // The selected row in the accent colour, the sidebar list having the keyboard, with its tile.
    const QColor pink0(0xF2, 0x7A, 0xB8), pink1(0xD9, 0x4A, 0x92);
    const pixels::Probe probes[] = {
        {"pane-breaks/highlight", {4, 15}, QGuiApplication::palette().color(QPalette::Highlight), 12},
        {"pane-breaks/icon", {2, 10}, pixels::between(pink0, pink1, 10.5 / 20)},
    };
    for (const pixels::Probe& probe : probes) {
        SCOPED_TRACE(testing::Message() << probe.item << " at " << probe.within.x() << "," << probe.within.y());
        EXPECT_EQ(pixels::mismatch(window, probe), "");
    }
    // A section's card is a shade off the window's colour, and a picker's box a shade off the card.
    const auto shown = [&](const char* name, QPointF within) {
        QObject* found = pixels::find(window, QString::fromLatin1(name));
        return found ? pixels::shownAt(drive::onScreen(found, within, window->position())) : QColor();
    };
    const QColor card = shown("sectionCard", {5, 5}), around = shown("sectionCard", {-10, 5});
    EXPECT_GE(pixels::distance(card, around), 6) << card.name().toStdString() << " on " << around.name().toStdString();
    QObject* box = pixels::find(window, QStringLiteral("microEveryBox/boxShape"));
    ASSERT_NE(box, nullptr);
    const QColor inside = shown("microEveryBox/boxShape", {4, box->property("height").toReal() / 2});
    EXPECT_GE(pixels::distance(inside, card), 6) << inside.name().toStdString() << " on " << card.name().toStdString();
}

TEST_F(SettingsDesktop, ASecondRequestRaisesTheOneWindowAndAClosedOneComesBackFresh) {
    QWindow* window = open();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isActive());

    QWidget other;
    other.setWindowTitle(QStringLiteral("Another window"));
    other.resize(400, 300);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow() && !window->isActive(); }, waitMs));

    EXPECT_EQ(windows->open(QStringLiteral("settings")), window) << "the same window";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActive(); }, waitMs)) << "raised with the keyboard";
    int settingsWindows = 0;
    for (QWindow* top : QGuiApplication::topLevelWindows())
        if (top->title() == QStringLiteral("Tarnwick Settings") && top->isVisible()) ++settingsWindows;
    EXPECT_EQ(settingsWindows, 1);

    // Closed with the keyboard, it is forgotten; the next one starts afresh.
    vm()->setPane(QStringLiteral("about"));
    QPointer<QWindow> first(window);
    ASSERT_TRUE(key("ctrl+w"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, waitMs)) << "Ctrl+W closes it";
    EXPECT_EQ(shown(), nullptr);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(vm()->pane(), QStringLiteral("breaks"));
    EXPECT_EQ(item("paneTitle")->property("text").toString(), QStringLiteral("Screen Breaks"));
}

TEST_F(SettingsDesktop, TheKeyboardAloneChangesSettingsAndTheyReachTheFile) {
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(focused(), QStringLiteral("sidebar"));
    // The arrows choose panes in the sidebar.
    key("Up");
    EXPECT_EQ(vm()->pane(), QStringLiteral("general"));
    key("Down");
    EXPECT_EQ(vm()->pane(), QStringLiteral("breaks"));

    // Tab into the pane, to the eye-break interval; Down picks the next value.
    ASSERT_TRUE(tabTo(QStringLiteral("microEveryBox"))) << "reached " << focused().toStdString();
    ASSERT_TRUE(key("Down"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSettings().value("microEveryMinutes").toInt() == 25; }, 1000));
    EXPECT_EQ(vm()->microEvery()->currentLabel(), QStringLiteral("25 minutes"));

    // Space on the toggle before it turns eye breaks off: the pickers go grey, their values stay.
    ASSERT_TRUE(tabTo(QStringLiteral("microEnabled"), QStringLiteral("shift+Tab")));
    ASSERT_TRUE(key("space"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSettings().value("microEnabled") == QJsonValue(false); }, 1000));
    EXPECT_FALSE(item("microEveryBox")->property("enabled").toBool());
    EXPECT_FALSE(item("microDurationBox")->property("enabled").toBool());
    EXPECT_EQ(savedSettings().value("microEveryMinutes").toInt(), 25);
    EXPECT_EQ(item("microEveryBox")->property("displayText").toString(), QStringLiteral("25 minutes"));
    screenshot(QStringLiteral("settings-breaks-eye-off.png"));

    // Return turns it back on; the pickers are reachable again.
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSettings().value("microEnabled") == QJsonValue(true); }, 1000));
    EXPECT_TRUE(item("microEveryBox")->property("enabled").toBool());

    // Space opens a picker's menu; arrows and Return choose in it.
    ASSERT_TRUE(tabTo(QStringLiteral("headsUpBox")));
    ASSERT_TRUE(key("space"));
    screenshot(QStringLiteral("settings-picker-open.png"));
    ASSERT_TRUE(key("Up"));
    ASSERT_TRUE(key("Up"));
    ASSERT_TRUE(key("Return"));

    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSettings().value("headsUpSeconds").toInt() == 0; }, 1000));
    EXPECT_EQ(item("headsUpBox")->property("displayText").toString(), QStringLiteral("Don't warn me"));
    // A menu opens again as often as asked; Escape closes it and changes nothing.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(key("space"));
        ASSERT_TRUE(key("Down"));
        ASSERT_TRUE(key("Escape"));
    }
    EXPECT_EQ(savedSettings().value("headsUpSeconds").toInt(), 0);
}

TEST_F(SettingsDesktop, APresetCardIsHighlightedUntilATimingChanges) {
    ASSERT_NE(open(), nullptr);
    const auto selected = [&](const char* id) { return item(QStringLiteral("preset-") + id)->property("selected").toBool(); };
    EXPECT_TRUE(selected("classic"));
    ASSERT_TRUE(click(QStringLiteral("preset-focus")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return selected("focus"); }, waitMs));
    EXPECT_FALSE(selected("classic"));
    EXPECT_EQ(savedSettings().value("microEveryMinutes").toInt(), 30);
    screenshot(QStringLiteral("settings-breaks-focus.png"));

    vm()->microDuration()->choose(3);  // 45 seconds
    EXPECT_TRUE(QTest::qWaitFor([&] { return !selected("focus"); }, waitMs));
    EXPECT_FALSE(selected("classic"));
    EXPECT_FALSE(selected("gentle"));

    // Hardcore greys out the skips picker and keeps its value.
    ASSERT_TRUE(click(QStringLiteral("enforcement-hardcore")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSettings().value("enforcement") == QJsonValue("hardcore"); }, waitMs));
    EXPECT_FALSE(item("skipsBox")->property("enabled").toBool());
    EXPECT_EQ(item("skipsBox")->property("displayText").toString(), QStringLiteral("5"));
}

TEST_F(SettingsDesktop, ExportWritesTheChosenFileOrShowsWhyItCouldNot) {
    withHistory(3);
    rig.model->settingsModel()->setMicroEveryMinutes(25);  // a settings file to keep
    ASSERT_NE(open(), nullptr);
    ASSERT_TRUE(click(QStringLiteral("pane-privacy")));
    ASSERT_EQ(vm()->pane(), QStringLiteral("privacy"));
    QObject* message = item(QStringLiteral("privacyMessage"));
    ASSERT_NE(message, nullptr);

    // The save dialog proposes the file name, for JSON only.
    ASSERT_TRUE(click(QStringLiteral("export")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return vm()->exportDialog() && vm()->exportDialog()->isVisible(); }, waitMs));
    QFileDialog* dialog = vm()->exportDialog();
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList({"JSON (*.json)"}));
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().constFirst()).fileName(), QStringLiteral("tarnwick-data.json"));
    // Cancelling changes nothing.
    dialog->reject();
    QTest::qWait(200);
    EXPECT_EQ(message->property("text").toString(), QString());
    EXPECT_FALSE(message->property("visible").toBool());

    QTemporaryDir place;
    const QString path = place.filePath(QStringLiteral("breaks-export.json"));
    ASSERT_TRUE(click(QStringLiteral("export")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return vm()->exportDialog() && vm()->exportDialog()->isVisible(); }, waitMs));
    ASSERT_TRUE(chooseInDialog(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return message->property("text").toString() == "Saved to breaks-export.json."; }, waitMs))
        << message->property("text").toString().toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QJsonObject exported = QJsonDocument::fromJson(written.readAll()).object();
    EXPECT_TRUE(exported.contains("settings"));
    EXPECT_TRUE(exported.contains("history"));
    screenshot(QStringLiteral("settings-privacy-saved.png"));

    // A folder that cannot be written: the reason shows and nothing else changes.
    QString folder = QStringLiteral("/proc");  // not even the superuser makes files there
    if (::geteuid() != 0) {
        folder = place.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    QFile settingsFile(rig.folder + QStringLiteral("/settings.json"));
    const QByteArray settingsBefore = settingsFile.open(QIODevice::ReadOnly) ? settingsFile.readAll() : QByteArray();
    settingsFile.close();
    ASSERT_TRUE(click(QStringLiteral("export")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return vm()->exportDialog() && vm()->exportDialog()->isVisible(); }, waitMs));
    ASSERT_TRUE(chooseInDialog(QDir(folder).filePath(QStringLiteral("tarnwick-data.json"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return message->property("text").toString().startsWith("Couldn't save the file: "); },
                                waitMs))
        << message->property("text").toString().toStdString();
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("tarnwick-data.json"))));
    EXPECT_EQ(rig.model->historyCount(), 3);
    ASSERT_TRUE(settingsFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(settingsFile.readAll(), settingsBefore);
    screenshot(QStringLiteral("settings-privacy-failed.png"));
}

TEST_F(SettingsDesktop, DeleteEverythingAsksFirstThenEmptiesTheHistory) {
    withHistory(12);
    rig.model->settingsModel()->setMicroEveryMinutes(45);
    ASSERT_NE(open(), nullptr);
    vm()->setPane(QStringLiteral("privacy"));
    QTest::qWait(150);
    EXPECT_TRUE(item("privacyText")->property("text").toString().startsWith("Your settings and 12 recorded breaks"));

    ASSERT_TRUE(click(QStringLiteral("delete")));
    QObject* confirm = shown()->findChild<QObject*>(QStringLiteral("confirmDialog"));
    ASSERT_NE(confirm, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return confirm->property("opened").toBool(); }, waitMs));
    EXPECT_EQ(focused(), QStringLiteral("cancelDelete")) << "the safe answer has the focus";
    screenshot(QStringLiteral("settings-privacy-confirm.png"));

    // Escape dismisses it and nothing happens.
    ASSERT_TRUE(key("Escape"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !confirm->property("visible").toBool(); }, waitMs));
    EXPECT_EQ(rig.model->historyCount(), 12);

    ASSERT_TRUE(click(QStringLiteral("delete")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return confirm->property("opened").toBool(); }, waitMs));
    ASSERT_TRUE(key("Tab"));
    EXPECT_EQ(focused(), QStringLiteral("confirmDelete"));
    ASSERT_TRUE(key("Return"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.model->historyCount() == 0; }, waitMs));
    EXPECT_EQ(item("privacyMessage")->property("text").toString(), QStringLiteral("Deleted. Tarnwick is back to its defaults."));
    EXPECT_TRUE(item("privacyText")->property("text").toString().startsWith("Your settings and 0 recorded breaks"));
    Settings defaults;
    defaults.onboarded = true;
    EXPECT_EQ(rig.model->settings(), defaults);
    EXPECT_EQ(rig.persistence.loadHistory().size(), 0u);
}

// What works where: the notes of a Wayland session without KWin or the portal's shortcut, and the
// About pane's list of sources.
TEST_F(SettingsDesktop, OnWaylandThePanesSayWhatWorksWhere) {
    makeWindows([] {
        return SessionFacts{true, QStringLiteral("Mutter idle monitor"), FullscreenSource::x11Windows, HotKeySource::xGrab, {}};
    });
    ASSERT_NE(open(), nullptr);
    const auto textOf = [&](const char* name) { return item(name)->property("text").toString(); };
    vm()->setPane(QStringLiteral("general"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("hotKeyNote") && item("hotKeyNote")->isVisible(); }, waitMs));
    EXPECT_EQ(textOf("hotKeyNote"), vm()->hotKeyNote());
    screenshot(QStringLiteral("settings-general-wayland.png"));
    vm()->setPane(QStringLiteral("smartPause"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("fullscreenNote") && item("fullscreenNote")->isVisible(); }, waitMs));
    EXPECT_EQ(textOf("fullscreenNote"), "Full-screen detection covers X11 applications on this desktop");
    EXPECT_EQ(item("holdWhileTyping")->property("subtitle").toString(), "On Wayland, waits for a pause in any input");
    screenshot(QStringLiteral("settings-smartPause-wayland.png"));
    vm()->setPane(QStringLiteral("about"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("details") != nullptr; }, waitMs));
    auto* form = item(QStringLiteral("pane"))->property("item").value<QQuickItem*>();
    ASSERT_NE(form, nullptr);
    form->setProperty("contentY", std::max(0.0, form->property("contentHeight").toReal() - form->height()));
    screenshot(QStringLiteral("settings-about-wayland.png"));
}

// Every pane, light and dark, for a person to look at.
TEST_F(SettingsDesktop, EveryPaneInTheLightAndTheDarkPalette) {
    rig.probes.microphone = true;
    rig.model->settingsModel()->setCustomMessages({"Drink some water", "Roll your shoulders"});
    const QPalette light = QGuiApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        if (dark) QGuiApplication::setPalette(darkPalette());
        ASSERT_NE(open(), nullptr);
        for (int i = 0; i < 8; ++i) key("Up");
        ASSERT_EQ(vm()->pane(), QStringLiteral("general"));
        for (const QString& pane : SettingsViewModel::paneIds()) {
            ASSERT_EQ(vm()->pane(), pane);
            EXPECT_EQ(item("paneTitle")->property("text").toString(), vm()->paneTitle());
            if (pane == QStringLiteral("smartPause")) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return vm()->liveSignals().at(1).toMap().value("on").toBool(); }, 2000));
            }
            screenshot(QStringLiteral("settings-%1%2.png").arg(pane, dark ? QStringLiteral("-dark") : QString()));
            if (pane == QStringLiteral("breaks")) {
                // The rest of the pane: enforcement and skips.
                auto* form = item(QStringLiteral("pane"))->property("item").value<QQuickItem*>();
                ASSERT_NE(form, nullptr);
                form->setProperty("contentY", form->property("contentHeight").toReal() - form->height());
                screenshot(QStringLiteral("settings-breaks-bottom%1.png").arg(dark ? QStringLiteral("-dark") : QString()));
                form->setProperty("contentY", 0);
            }
            if (pane == QStringLiteral("general") && !dark) {
                rig.loginItem.accept = false;
                vm()->setLaunchAtLogin(true);
                EXPECT_TRUE(item("loginMessage")->isVisible());
                screenshot(QStringLiteral("settings-general-login-failed.png"));
            }
            key("Down");
        }
        shown()->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == nullptr; }, waitMs));
    }
    QGuiApplication::setPalette(light);
}

TEST_F(SettingsDesktop, TheKeyboardAloneSwitchesTheWorkingHoursOnEditsThemAndTheyReachTheFile) {
    ASSERT_NE(open(), nullptr);
    ASSERT_EQ(focused(), QStringLiteral("sidebar"));
    ASSERT_TRUE(key("Up"));
    ASSERT_EQ(vm()->pane(), QStringLiteral("general"));
    EXPECT_FALSE(item("hoursStart-0-0")) << "no days while the hours are off";

    // Tab to the switch; Space turns the hours on, Monday to Friday 09:00–18:00.
    ASSERT_TRUE(tabTo(QStringLiteral("workingHoursEnabled"))) << "reached " << focused().toStdString();
    ASSERT_TRUE(key("space"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return savedSchedule().value("enabled") == QJsonValue(true); }, 2000));
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedSchedule().value("enabled") == QJsonValue(false); }, 2000));
    EXPECT_EQ(fileDay("mon"), "09:00-17:45");
    EXPECT_TRUE(QTest::qWaitFor([&] { return item("hoursStart-0-0") == nullptr; }, 2000));
}

// The section with the hours on, a split Monday and a night range, light and dark, for a person to
// look at, and with a refused time; the focused time field shows its ring in the accent colour.
TEST_F(SettingsDesktop, TheWorkingHoursSectionInTheLightAndTheDarkPalette) {
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
    tarnwick::i18n::installTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
    return RUN_ALL_TESTS();
}

#include "settings_desktop_test.moc"
