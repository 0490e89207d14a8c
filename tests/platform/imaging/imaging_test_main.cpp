// Runs the imaging tests on Qt's offscreen platform, with GSettings kept in memory so that no test
// reads or changes the user's desktop settings.

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("GSETTINGS_BACKEND", "memory");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
