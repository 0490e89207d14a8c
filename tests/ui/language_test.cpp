// The interface's language: which translation the desktop's languages choose, the plural forms of
// Polish and Russian read through the view models, the core's texts in the table, and the choice
// made by a real start under LANGUAGE, LANG and LC_ALL.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include "core/break_rules.hpp"
#include "core/settings.hpp"
#include "core/vocabulary.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/i18n/language.hpp"
#include "ui/stats_view_model.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {
namespace {

// Puts English back for the tests that follow.
struct English {
    ~English() { i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English)); }
};

TEST(Language, TheFirstOfTheDesktopsLanguagesWithATranslationIsChosen) {
    const QStringList available = i18n::availableLanguages();
    ASSERT_EQ(available.size(), 14) << available.join(u' ').toStdString();
    struct Case {
        QStringList ui;
        const char* chosen;
    } cases[] = {
        {{"de", "fr"}, "de"},
        {{"fr-CA", "de"}, "fr"},
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT"}, "pt_BR"},                 // the one Portuguese there is
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"zh-Hant-TW", "ja"}, "ja"},         // Traditional Chinese does not take the Simplified
        {{"xx-YY", "nl-BE"}, "nl"},           // an unknown language is passed over
        {{"en-GB", "de"}, ""},                // English first: no translation
        {{"C"}, ""},
        {{"xx-YY"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ui.join(u':').toStdString());
        EXPECT_EQ(i18n::chooseLanguage(c.ui, available), QLatin1String(c.chosen));
    }
}

TEST(Language, PolishAndRussianCountSkipsInTheirOwnPluralForms) {
    English restore;
    struct Case {
        const char* language;
        std::vector<std::pair<int, QString>> expected;
    } cases[] = {
        {"pl", {}}, {"ru", {}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_EQ(i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLatin1String(c.language))),
                  QLatin1String(c.language));
        // One, few and many: 1 and 21 (Russian) share a form, 2, 22 another, 5 the third.
        const QString one = skipsLeftText(1), two = skipsLeftText(2), five = skipsLeftText(5);
        const QString twentyOne = skipsLeftText(21), twentyTwo = skipsLeftText(22);
        EXPECT_TRUE(one.contains(u'1') && two.contains(u'2') && five.contains(u'5'));
        EXPECT_NE(QString(one).remove(u'1'), QString(two).remove(u'2')) << one.toStdString();
        EXPECT_NE(QString(two).remove(u'2'), QString(five).remove(u'5')) << two.toStdString();
        EXPECT_EQ(QString(twentyTwo).remove(QStringLiteral("22")), QString(two).remove(u'2'));
        if (QLatin1String(c.language) == QLatin1String("ru")) {
            EXPECT_EQ(QString(twentyOne).remove(QStringLiteral("21")), QString(one).remove(u'1'));
        } else {
            // Polish: 21 takes the many form, as 5 does.
            EXPECT_EQ(QString(twentyOne).remove(QStringLiteral("21")), QString(five).remove(u'5'));
        }
        EXPECT_FALSE(one.contains(QLatin1String("skip")));
    }
    i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
    EXPECT_EQ(skipsLeftText(1), QStringLiteral("1 skip left"));
    EXPECT_EQ(skipsLeftText(21), QStringLiteral("21 skips left"));
}

TEST(Language, TheTableHoldsEveryTextTheCoreShowsAndOnlyThose) {
    English restore;
    std::vector<std::string> shown;
    for (const auto kind : {BreakKind::micro, BreakKind::long_}) {
        for (std::int64_t seed = 0; seed < 8; ++seed) {
            const BreakCopy copy = BreakCopy::pick(kind, seed, {});
            shown.push_back(copy.title);
            shown.push_back(copy.subtitle);
        }
    }
    for (const auto preset : {Preset::classic, Preset::focus, Preset::gentle}) {
        shown.emplace_back(summary(preset));
        shown.emplace_back(tag(preset));
        if (preset != Preset::classic) shown.emplace_back(name(preset));
    }
    for (const auto reason : {BusyReason::call, BusyReason::fullscreen, BusyReason::typing}) shown.emplace_back(label(reason));
    QStringList table;
    for (const char* text : i18n::coreTexts()) table << QString::fromUtf8(text);
    for (const std::string& text : shown) EXPECT_TRUE(table.contains(QString::fromStdString(text))) << text;
    std::sort(shown.begin(), shown.end());
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    EXPECT_EQ(std::size_t(table.size()), shown.size()) << "the table has texts the core no longer says";

    // In German every one of them reads otherwise; a text the core does not have stays as it is.
    ASSERT_EQ(i18n::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German)), QStringLiteral("de"));
    for (const char* text : i18n::coreTexts()) EXPECT_NE(i18n::coreText(text), QString::fromUtf8(text)) << text;
    EXPECT_EQ(i18n::coreText("Drink some water"), QStringLiteral("Drink some water"));
}

// The choice a start makes from the environment, as the program makes it: this test program run
// again with only the given variables (its main then prints its language and a time, and ends).
std::pair<QString, QString> startUnder(const QStringList& environment) {
    QProcess child;
    QProcessEnvironment env;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TARNWICK_PRINT_LANGUAGE"), QStringLiteral("1"));
    for (const QString& pair : environment) env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(15000)) return {};
    std::pair<QString, QString> found;
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QLatin1String("language="))) found.first = line.mid(9);
        if (line.startsWith(QLatin1String("time="))) found.second = line.mid(5);
    }
    return found;
}

TEST(Language, AStartFollowsLanguageThenTheLocaleAndElseSpeaksEnglish) {
    EXPECT_EQ(startUnder({"LANGUAGE=de:fr", "LANG=fr_FR.UTF-8"}).first, QStringLiteral("de"));
    EXPECT_EQ(startUnder({"LANG=ja_JP.UTF-8"}).first, QStringLiteral("ja"));
    EXPECT_EQ(startUnder({"LC_MESSAGES=ar_EG.UTF-8", "LANG=de_DE.UTF-8"}).first, QStringLiteral("ar"));
    EXPECT_EQ(startUnder({"LANG=xx_YY"}).first, QStringLiteral("en"));
    const auto c = startUnder({"LC_ALL=C"});
    EXPECT_EQ(c.first, QStringLiteral("en"));
    EXPECT_EQ(c.second, QStringLiteral("15:45")) << "24-hour times";
}

}  // namespace
}  // namespace tarnwick
