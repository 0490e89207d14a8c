// The main of the interface tests that need a GUI application but show nothing on a display.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "ui/i18n/language.hpp"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tarnwick::i18n::installTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
