// What a Qt program finds on the virtual desktop of scripts/with-desktop: two screens side by
// side, the left one primary, and a system tray. Run inside with-desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSystemTrayIcon>

TEST(Desktop, QtSeesTwoScreensSideBySideWithTheLeftOnePrimary) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
    const QScreen* right = QGuiApplication::screenAt({1920, 512});
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->geometry(), QRect(1280, 0, 1280, 1024));
}

// On xcb, Qt asks the X server for the owner of the tray selection.
TEST(Desktop, TheSystemTrayHasAnOwner) { EXPECT_TRUE(QSystemTrayIcon::isSystemTrayAvailable()); }

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
