// The main of the interface tests that need a GUI application but show nothing on a display.
// With TARNWICK_PRINT_LANGUAGE set it only prints the language a start chooses and 15:45 as the
// locale writes it, for the tests of that choice.

#include <cstdio>

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTime>

#include "ui/i18n/language.hpp"
#include "ui/view_text.hpp"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!qEnvironmentVariableIsEmpty("TARNWICK_PRINT_LANGUAGE")) {
        const QString language = tarnwick::i18n::installTranslations(app);
        std::printf("language=%s\ntime=%s\n", language.isEmpty() ? "en" : qPrintable(language),
                    qPrintable(QLocale::system().toString(QTime(15, 45), tarnwick::view::shortTimeFormat())));
        return 0;
    }
    tarnwick::i18n::installTranslations(app, QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
