// The tray item and its panel on the virtual desktop of scripts/with-desktop (trayer as the
// XEmbed tray), with the views module loaded as the program loads it and clicks made by xdotool.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "model_rig.hpp"
#include "ui/status_controller.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {
namespace {

constexpr int waitMs = 5000;

bool xdotool(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    return p.waitForStarted(2000) && QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, waitMs) &&
           p.exitCode() == 0;
}

bool clickAt(QPoint at) { return xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}); }

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        rig.makeModel();
        status = std::make_unique<StatusController>(*rig.model, loader);
        ASSERT_TRUE(QTest::qWaitFor([&] { return status->tray().geometry().isValid(); }, waitMs)) << "the icon never embedded";
        QTest::qWait(300);  // the tray settles its layout
    }
    QWindow* openByClick() {
        if (!clickAt(status->tray().geometry().center())) return nullptr;
        (void)QTest::qWaitFor([&] { return status->panel() && status->panel()->isVisible(); }, waitMs);
        return status->panel();
    }
    // A control of the panel by its object name, pressed where it shows on screen.
    bool press(const char* name) {
        QObject* item = status->panel()->findChild<QObject*>(QLatin1String(name));
        if (!item) return false;
        // Its place in the window: the offsets of it and every item above it.
        QPointF centre(item->property("width").toReal() / 2, item->property("height").toReal() / 2);
        for (QObject* i = item; i; i = i->property("parent").value<QObject*>())
            centre += QPointF(i->property("x").toReal(), i->property("y").toReal());
        centre += status->panel()->position();
        return clickAt(centre.toPoint());
    }
    QString header() const {
        auto* vm = status->panel()->property("vm").value<QObject*>();
        return vm ? vm->property("label").toString() : QString();
    }
    void screenshot(const QString& name) const {
        QTest::qWait(400);
        const QRect frame = status->panel()->frameGeometry().adjusted(-8, -30, 8, 8);
        QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .save(QDir(QStringLiteral(TARNWICK_SCREENSHOT_FOLDER)).filePath(name));
    }

    fakes::ModelRig rig;
    ViewsLoader loader{{QStringLiteral(TARNWICK_BINARY_DIR)}};
    std::unique_ptr<StatusController> status;
};

TEST_F(Tray, AClickOpensThePanelAgainstTheIconInsideTheScreen) {
    QWindow* panel = openByClick();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(panel->geometry())) << "inside the screen";
    EXPECT_EQ(panel->width(), 304);
    EXPECT_LE(std::abs(panel->y() - status->tray().geometry().bottom()), 12) << "just below the icon";
    EXPECT_EQ(header(), QStringLiteral("Next eye break in"));
    screenshot(QStringLiteral("tray-panel-working.png"));

    // A click elsewhere closes it.
    clickAt({200, 600});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->isVisible(); }, waitMs));
}

TEST_F(Tray, PausingKeepsThePanelOpenResumingBringsTheCountdownBackAndABreakClosesIt) {
    ASSERT_NE(openByClick(), nullptr);
    ASSERT_TRUE(press("pause30"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Paused until"); }, waitMs));
    EXPECT_TRUE(status->panel()->isVisible());
    screenshot(QStringLiteral("tray-panel-paused.png"));

    ASSERT_TRUE(press("resume"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return header() == QStringLiteral("Next eye break in"); }, waitMs));
    EXPECT_TRUE(status->panel()->isVisible());

    ASSERT_TRUE(press("firstTile"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::holds_alternative<phase::OnBreak>(rig.model->phase()); }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->panel()->isVisible(); }, waitMs));
}

TEST_F(Tray, TheMenuCarriesTheCommandsAndTheIconShowsThePhase) {
    QAction* longBreak = nullptr;
    for (QAction* action : status->menu().actions())
        if (action->text() == QStringLiteral("Long break now")) longBreak = action;
    ASSERT_NE(longBreak, nullptr);
    longBreak->trigger();
    const auto* onBreak = std::get_if<phase::OnBreak>(&rig.model->phase());
    ASSERT_NE(onBreak, nullptr);
    EXPECT_EQ(onBreak->kind, BreakKind::long_);
    EXPECT_EQ(status->shownText(), QStringLiteral("Break"));
    EXPECT_EQ(status->tray().toolTip(), QStringLiteral("Tarnwick: Break"));
    ASSERT_NE(openByClick(), nullptr);
    screenshot(QStringLiteral("tray-panel-break.png"));
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
