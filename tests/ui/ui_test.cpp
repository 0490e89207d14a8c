// The interface's C++ pieces without a display: the symbol table and the lazily made engine.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QQmlEngine>
#include <QSvgRenderer>
#include <QtQml/QQmlExtensionPlugin>

#include "model_rig.hpp"
#include "ui/app_icon.hpp"
#include "ui/break_view_models.hpp"
#include "ui/status_controller.hpp"
#include "ui/symbols.hpp"
#include "ui/ui_engine.hpp"

Q_IMPORT_QML_PLUGIN(Tarnwick_UiPlugin)

namespace tarnwick {
namespace {

TEST(SymbolTable, EveryNameTheViewsUseIsABundledDrawing) {
    const QStringList used = {
        "arrow.up", "chart.bar.fill", "checkmark.circle.fill", "circle", "clock", "command", "escape",
        "eye.fill", "figure.stand", "figure.walk", "flame.fill", "forward.fill", "gamecontroller.fill",
        "gearshape.fill", "hand.raised.fill", "heart.fill", "hourglass", "info", "keyboard.fill",
        "lock.fill", "menubar.rectangle", "minus.circle.fill", "nosign", "pause.fill", "photo.fill",
        "play.circle.fill", "play.fill", "plus", "power", "speaker.wave.2.fill", "video.fill", "xmark",
    };
    EXPECT_EQ(symbolNames(), used);
    for (const QString& name : used) {
        SCOPED_TRACE(name.toStdString());
        const QString path = symbolResource(name);
        ASSERT_TRUE(QFile::exists(path));
        QSvgRenderer svg(path);
        EXPECT_TRUE(svg.isValid());
        EXPECT_FALSE(svg.viewBoxF().isEmpty());
    }
}

TEST(SymbolTable, UnknownAndNearMissNamesHaveNoDrawing) {
    for (const char* name : {"", "eye", "eye.fill ", "EYE.FILL", "gearshape"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(symbolResource(QString::fromLatin1(name)).isEmpty());
    }
}

TEST(SymbolTable, TheIconSetsLicenceShipsWithIt) {
    QFile licence(QStringLiteral(TARNWICK_SOURCE_DIR "/resources/icons/symbols/LICENSE"));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly));
    EXPECT_TRUE(licence.readAll().contains("Permission is hereby granted"));
}

TEST(ApplicationIcon, IsAPictureAtEverySizeDesktopsAskFor) {
    const QIcon icon = applicationIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        // A round emblem: the middle is drawn, the corners are clear.
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST(TrayIcon, IsDrawnAtTheSizeTheTrayAsksNotScaledFromAnother) {
    for (const QString& text : {QStringLiteral("25m"), QStringLiteral("Paused"), QString()}) {
        const QIcon icon = trayIcon(text);
        for (int size : {16, 22, 24, 30, 44}) {
            SCOPED_TRACE(qPrintable(text + u' ' + QString::number(size)));
            const QImage drawn = trayImage(text, size);
            EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage().convertToFormat(drawn.format()), drawn);
            // An XEmbed tray paints the icon into its window, which need not be square.
            QImage window(size + 6, size, QImage::Format_ARGB32_Premultiplied);
            window.fill(Qt::transparent);
            {
                QPainter p(&window);
                icon.paint(&p, window.rect());
            }
            EXPECT_EQ(window.copy(3, 0, size, size), drawn);
        }
    }
}

TEST(UiEngine, IsMadeOnlyWhenAViewIsFirstNeeded) {
    UiEngine ui;
    EXPECT_FALSE(ui.created());
    QQmlEngine* first = &ui.engine();
    EXPECT_TRUE(ui.created());
    EXPECT_EQ(&ui.engine(), first);
}

TEST(UiEngine, CreatesModuleFilesWithTheirInitialProperties) {
    UiEngine ui;
    std::unique_ptr<QObject> text(ui.create(QStringLiteral("KitText.qml"), {{"text", "Skip Break"}}));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Skip Break"));
    EXPECT_EQ(ui.create(QStringLiteral("NoSuchView.qml")), nullptr);
}

TEST(UiEngine, IsReleasedOnlyWhenNoViewLivesAndMadeAnewForTheNext) {
    fakes::ModelRig rig;
    HeadsUpViewModel vm(*rig.model);
    UiEngine ui;
    EXPECT_TRUE(ui.release()) << "nothing to release before the first view";
    std::unique_ptr<QObject> first(ui.create(QStringLiteral("HeadsUpPanel.qml"), {{"vm", QVariant::fromValue(&vm)}}));
    ASSERT_NE(first, nullptr);
    const QRectF card = first->property("card").toRectF();
    ASSERT_FALSE(card.isEmpty());
    EXPECT_EQ(ui.liveViews(), 1);
    EXPECT_FALSE(ui.release());
    EXPECT_TRUE(ui.created());
    // The view that kept the engine keeps working on it.
    ui.trim();
    EXPECT_EQ(first->property("card").toRectF(), card);

    first.reset();
    EXPECT_EQ(ui.liveViews(), 0);
    EXPECT_TRUE(ui.release());
    EXPECT_FALSE(ui.created());
    // The same view model, seen by a new engine, lays the card out as before and follows the model.
    std::unique_ptr<QObject> second(ui.create(QStringLiteral("HeadsUpPanel.qml"), {{"vm", QVariant::fromValue(&vm)}}));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(ui.created());
    EXPECT_EQ(second->property("card").toRectF(), card);
    rig.model->takeBreak(BreakKind::micro);
    QCoreApplication::processEvents();
    EXPECT_EQ(second->property("card").toRectF(), card);
}

}  // namespace
}  // namespace tarnwick
