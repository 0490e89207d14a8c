// The views module loads on first use, in a process that does not otherwise load Qt Quick.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>

#include "ui/views_loader.hpp"

namespace tarnwick {
namespace {

// Whether a shared library whose path contains `name` is mapped into this process.
bool mapped(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

TEST(ViewsLoader, LoadsQtQuickOnlyWhenTheFirstViewIsAskedFor) {
    ASSERT_FALSE(mapped("libQt6Quick.so"));
    ViewsLoader loader({QStringLiteral(TARNWICK_BINARY_DIR)});
    EXPECT_FALSE(loader.loaded());
    EXPECT_FALSE(mapped("libQt6Quick.so"));
    EXPECT_TRUE(QGuiApplication::windowIcon().isNull());

    Views* views = loader.views();
    ASSERT_NE(views, nullptr);
    EXPECT_TRUE(loader.loaded());
    EXPECT_TRUE(mapped("libQt6Quick.so"));
    EXPECT_EQ(loader.views(), views);
    // Windows from now on carry the program's icon.
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());

    std::unique_ptr<QObject> text(views->create(QStringLiteral("KitText.qml"), {{"text", "Look into the distance"}}));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Look into the distance"));
    EXPECT_EQ(views->create(QStringLiteral("NoSuchView.qml"), {}), nullptr);

    // Trimmed with a view alive and again with none, the views keep working and the live one keeps its state.
    loader.trim();
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Look into the distance"));
    text.reset();
    loader.trim();
    std::unique_ptr<QObject> again(views->create(QStringLiteral("KitText.qml"), {{"text", "Blink slowly"}}));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->property("text").toString(), QStringLiteral("Blink slowly"));
}

// The resident KiB of the code of a shared library whose path contains `name`.
std::size_t residentCodeKb(const char* name) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly)) return 0;
    std::size_t kb = 0;
    bool code = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.contains(" r-xp ") || line.contains(" r--p ") || line.contains(" rw-p ") || line.contains(" ---p "))
            code = line.contains(" r-xp ") && line.contains(name);
        else if (code && line.startsWith("Rss:"))
            kb += line.mid(4).trimmed().split(' ').front().toULong();
    }
    return kb;
}

TEST(ViewsLoader, OnceNoViewIsLeftItsLeftoversGoBackAndTheNextViewIsMadeAfresh) {
    ViewsLoader loader({QStringLiteral(TARNWICK_BINARY_DIR)});
    Views* views = loader.views();
    ASSERT_NE(views, nullptr);
    std::unique_ptr<QObject> card(views->create(QStringLiteral("GlassButton.qml"), {{"text", "Skip Break"}}));
    ASSERT_NE(card, nullptr);
    const std::size_t running = residentCodeKb("libQt6Quick.so");
    ASSERT_GT(running, 256u);

    // A view alive: the engine, the icon and the code it runs stay.
    EXPECT_FALSE(views->trim());
    loader.trim();
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_EQ(card->property("text").toString(), QStringLiteral("Skip Break"));

    card.reset();
    loader.trim();
    EXPECT_TRUE(QGuiApplication::windowIcon().isNull()) << "the icon's pictures are dropped with the views";
    EXPECT_LT(residentCodeKb("libQt6Quick.so"), running / 4) << "Qt Quick's code went back to the page cache";
    EXPECT_TRUE(views->trim()) << "nothing is left to release";

    // The next view is made as the first was, and carries the icon again.
    std::unique_ptr<QObject> again(views->create(QStringLiteral("GlassButton.qml"), {{"text", "Lock Screen"}}));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->property("text").toString(), QStringLiteral("Lock Screen"));
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_GT(residentCodeKb("libQt6Quick.so"), 0u);
}

TEST(ViewsLoader, AMissingModuleMeansNoViewsAndIsNotSearchedForAgain) {
    QTemporaryDir empty;
    ViewsLoader loader({empty.path()});
    EXPECT_EQ(loader.views(), nullptr);
    // Put a module there now: the loader has already said it cannot show windows, and keeps to it.
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARNWICK_BINARY_DIR "/libtarnwick_views.so"),
                            empty.filePath(QStringLiteral("libtarnwick_views.so"))));
    EXPECT_EQ(loader.views(), nullptr);
    EXPECT_FALSE(loader.loaded());
}

}  // namespace
}  // namespace tarnwick
