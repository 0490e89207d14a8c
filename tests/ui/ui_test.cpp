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

// The welcome's shortcut tip says "Ctrl Alt B": no Mac command glyph beside it.
TEST(SymbolTable, TheShortcutTipShowsAKeyboardNotTheMacCommandKey) {
    EXPECT_EQ(symbolResource(QStringLiteral("command")), symbolResource(QStringLiteral("keyboard.fill")));
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
    const TrayTitle titles[] = {{TrayMark::countdown, QStringLiteral("25m")}, {TrayMark::paused, {}}, {}};
    for (const TrayTitle& title : titles) {
        const QIcon icon = trayIcon(title);
        for (int size : {16, 22, 24, 30, 44}) {
            SCOPED_TRACE(qPrintable(title.text + u' ' + QString::number(int(title.mark)) + u' ' + QString::number(size)));
            const QImage drawn = trayImage(title, size);
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

// The rows of the lower half of a tray image that carry white: how tall what is drawn beneath the
// small glyph stands.
int whiteRowsBelowTheGlyph(const QImage& image) {
    int rows = 0;
    for (int y = image.height() * 45 / 100; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 200) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

TEST(TrayIcon, EachPhaseWithoutATimeHasAMarkThatStandsNearlyHalfTheIconTall) {
    const TrayMark marks[] = {TrayMark::paused, TrayMark::onBreak, TrayMark::held};
    const char* names[] = {"paused", "break", "held"};
    // Each mark at each size a tray asks for, on a dark tray and a light one, for a person to look at.
    const int sizes[] = {16, 22, 24};
    QImage sheet(3 * (24 + 8) * 2 + 8, 4 * (24 + 8) + 8, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x2b, 0x2b, 0x2b));
    QPainter sheetPainter(&sheet);
    sheetPainter.fillRect(QRect(sheet.width() / 2, 0, sheet.width() / 2, sheet.height()), QColor(0xf0, 0xf0, 0xf0));
    const TrayTitle countdown{TrayMark::countdown, QStringLiteral("20m")};
    for (int row = 0; row < 4; ++row) {
        const TrayTitle title = row < 3 ? TrayTitle{marks[row], {}} : countdown;
        for (int column = 0; column < 3; ++column) {
            const int size = sizes[column];
            const QImage image = trayImage(title, size);
            if (row < 3) {
                SCOPED_TRACE(QStringLiteral("%1 at %2").arg(QLatin1String(names[row])).arg(size).toStdString());
                EXPECT_GE(whiteRowsBelowTheGlyph(image), size * 4 / 10);
                for (const TrayMark other : marks) {
                    if (other != marks[row]) {
                        EXPECT_NE(image, trayImage({other, {}}, size)) << "told apart";
                    }
                }
            }
            for (int half = 0; half < 2; ++half)
                sheetPainter.drawImage(8 + half * sheet.width() / 2 + column * 32, 8 + row * 32, image);
        }
    }
    sheetPainter.end();
    sheet.scaled(sheet.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(QStringLiteral(TARNWICK_SCREENSHOT_FOLDER "/tray-icon-marks.png"));
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
