#include "platform/imaging/wallpaper.hpp"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>
#include <map>

#include "platform/imaging/backdrops.hpp"
#include "platform/imaging/linux_desktop_pictures.hpp"

namespace tarnwick {
namespace {

int largestStep(const QImage& image) {  // of green, between neighbours in a row
    int step = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x) step = std::max(step, std::abs(qGreen(image.pixel(x, y)) - qGreen(image.pixel(x - 1, y))));
    return step;
}

bool keepForAPersonToLookAt(const QImage& image, const char* name) {
    return QDir().mkpath(QStringLiteral(TARNWICK_IMAGING_OUTPUT)) && image.save(QStringLiteral(TARNWICK_IMAGING_OUTPUT "/") + QLatin1String(name));
}

TEST(SunsetBackdrop, IsSoftAndKept) {
    const QImage& sunset = Backdrops::sunset();
    EXPECT_EQ(&Backdrops::sunset(), &sunset);
    EXPECT_LE(largestStep(sunset), 4);  // where the sketch has hard circle edges
    EXPECT_TRUE(keepForAPersonToLookAt(sunset, "sunset.png"));
}

class WallpaperTest : public testing::Test, public DesktopPictures {
protected:
    std::optional<std::string> location(const std::string& screen) override {
        return m_locations.count(screen) ? std::optional(m_locations[screen]) : std::nullopt;
    }
    // Writes `bytes`, or when there are none a picture of sand with a bright block; returns the path.
    QString write(const QString& name, const QByteArray& bytes = {}) {
        const QString path = m_folder.filePath(name);
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(QColor(120, 100, 80));
        QPainter(&image).fillRect(960, 360, 240, 360, QColor(255, 230, 150));
        QFile file(path);
        EXPECT_TRUE(bytes.isEmpty() ? image.save(path) : file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
        return path;
    }

    QTemporaryDir m_folder;
    std::map<std::string, std::string> m_locations;  // by screen name
    int m_decodes = 0;
    Wallpaper m_wallpaper{*this, [this](const QString& path) { ++m_decodes; return QFileInfo(path).isFile() ? Wallpaper::decode(path) : QImage(); }};
};

TEST_F(WallpaperTest, TwoScreensShareOneDecodeServedAfterTheFileIsGone) {
    const QString path = write(QStringLiteral("lake view.png"));
    m_locations = {{"DP-1", QUrl::fromLocalFile(path).toEncoded().toStdString()}, {"HDMI-1", path.toStdString()}};
    const auto first = m_wallpaper.image(QStringLiteral("DP-1")), second = m_wallpaper.image(QStringLiteral("HDMI-1"));
    ASSERT_TRUE(first && second && QFile::remove(path));
    const auto again = m_wallpaper.image(QStringLiteral("HDMI-1"));
    ASSERT_TRUE(again);
    EXPECT_EQ(m_decodes, 1);
    EXPECT_TRUE(first->cacheKey() == second->cacheKey() && first->cacheKey() == again->cacheKey());
    // Shrunk, soft where the block's edge was a step of 130, and livelier: sand's red and blue, 40 apart, become 46.
    EXPECT_EQ(first->size(), QSize(640, 360));
    EXPECT_LE(largestStep(*first), 5);
    EXPECT_NEAR(qRed(first->pixel(10, 10)) - qBlue(first->pixel(10, 10)), 46, 2);
    EXPECT_TRUE(keepForAPersonToLookAt(*first, "lake-view-blurred.png"));
}

// Folders, slideshow descriptions and pipes never reach the loader (which here opens regular files only,
// as a pipe would block it for good); a file that does not decode is tried again on each call.
TEST_F(WallpaperTest, WhatIsNotAPictureGivesNothingAndIsNotRemembered) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("Rotating set")));
    const QString pipe = m_folder.filePath(QStringLiteral("pipe.png")), broken = QStringLiteral("broken.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {m_folder.filePath(QStringLiteral("Rotating set")), pipe, write(QStringLiteral("timed.xml"), "<background/>"),
                                write(broken, "\x89PNG not really"), m_folder.filePath(broken)}) {
        m_locations["HDMI-1"] = path.toStdString();
        EXPECT_FALSE(m_wallpaper.image(QStringLiteral("HDMI-1"))) << path.toStdString();
    }
    EXPECT_EQ(m_decodes, 2);
    write(broken);
    EXPECT_TRUE(m_wallpaper.image(QStringLiteral("HDMI-1")));
}

TEST(WallpaperDownscale, ShrinksTo640WideAndNeverEnlarges) {
    const QSize cases[][2] = {{{500, 300}, {500, 300}}, {{640, 480}, {640, 480}}, {{1920, 1080}, {640, 360}},
                              {{2000, 10}, {640, 3}}, {{700, 2100}, {640, 1920}}};
    for (const auto& c : cases)
        EXPECT_EQ(Wallpaper::downscale(QImage(c[0], QImage::Format_RGB32), Wallpaper::maxWidth).size(), c[1]) << c[0].width();
}

TEST(DesktopPictureLookup, XfceAndPlasmaNameEachScreensPicture) {
    struct Case { const char *configHome, *desktop, *screen; std::optional<std::string> expected; } cases[] = {
        {"xfce", "XFCE", "HDMI-1", "/home/ann/Pictures/Lake & Hills.jpg"},
        {"xfce", "XFCE", "eDP-1", "/home/ann/Pictures/café.webp"},
        {"xfce", "XFCE", "DP-2", std::nullopt},                                          // backdrop style "None"
        {"xfce", "XFCE", "VGA-7", "/usr/share/backgrounds/xfce/xfce-shapes.svg"},        // the first monitor's
        {"plasma", "KDE", "eDP-1", "/home/ann/Pictures/Work Desk.jpg"},                  // in the current activity
        {"plasma", "KDE", "HDMI-1", "/home/ann/Pictures/Big Sky.png"},                   // only in the other activity
        {"plasma", "KDE", "DP-3", std::nullopt},                                         // a slideshow
        {"plasma", "KDE", "Unknown-1", "/home/ann/Pictures/first-activity.jpg"},         // the first containment's
    };
    for (const Case& c : cases) {
        const auto sources = DesktopPictureSources::inConfigHome(QStringLiteral(TARNWICK_IMAGING_FIXTURES "/") + QLatin1String(c.configHome), QLatin1String(c.desktop));
        EXPECT_EQ(LinuxDesktopPictures(sources).location(c.screen), c.expected) << c.desktop << " " << c.screen;
    }
}

// Through the compiled test schema, found as the system's own, in memory: the user's settings stay untouched.
TEST(DesktopPictureLookup, GnomeTakesTheDarkPictureWhenDarkIsPreferred) {
    g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
    g_setenv("GSETTINGS_SCHEMA_DIR", TARNWICK_IMAGING_SCHEMAS, TRUE);
    GSettings *background = g_settings_new("org.gnome.desktop.background"), *interface = g_settings_new("org.gnome.desktop.interface");
    struct Step { GSettings* settings; const char *key, *value; std::optional<std::string> expected; } steps[] = {
        {interface, "color-scheme", "default", "/usr/share/backgrounds/gnome/adwaita-l.jpg"},
        {interface, "color-scheme", "prefer-dark", "/usr/share/backgrounds/gnome/adwaita-d.jpg"},
        {background, "picture-uri-dark", "", "/usr/share/backgrounds/gnome/adwaita-l.jpg"},  // no dark picture
        {background, "picture-uri", "file:///home/ann/My%20Pictures/dune.jpg", "/home/ann/My Pictures/dune.jpg"},
        {background, "picture-options", "none", std::nullopt},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(g_settings_set_string(s.settings, s.key, s.value)) << s.key;
        const auto sources = DesktopPictureSources::inConfigHome(QStringLiteral(TARNWICK_IMAGING_FIXTURES), QStringLiteral("GNOME"));
        EXPECT_EQ(LinuxDesktopPictures(sources).location("HDMI-1"), s.expected) << s.key << " " << s.value;
    }
    for (const Step& s : steps) g_settings_reset(s.settings, s.key);
    g_object_unref(background);
    g_object_unref(interface);
}

// Elsewhere GNOME's schema is only installed: its default picture is not on anybody's screen, so
// only a picture someone set there counts.
TEST(DesktopPictureLookup, OtherDesktopsTakeOnlyAGnomePictureSomeoneSet) {
    g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
    g_setenv("GSETTINGS_SCHEMA_DIR", TARNWICK_IMAGING_SCHEMAS, TRUE);
    GSettings* background = g_settings_new("org.gnome.desktop.background");
    auto lookup = [](const char* desktop) {
        const auto sources = DesktopPictureSources::inConfigHome(QStringLiteral(TARNWICK_IMAGING_FIXTURES), QLatin1String(desktop));
        return LinuxDesktopPictures(sources).location("HDMI-1");
    };
    for (const char* desktop : {"", "openbox", "i3"}) EXPECT_EQ(lookup(desktop), std::nullopt) << desktop;
    EXPECT_EQ(lookup("GNOME"), "/usr/share/backgrounds/gnome/adwaita-l.jpg");

    ASSERT_TRUE(g_settings_set_string(background, "picture-uri", "file:///home/ann/dune.jpg"));
    EXPECT_EQ(lookup("openbox"), "/home/ann/dune.jpg");
    ASSERT_TRUE(g_settings_set_string(background, "picture-options", "none"));
    EXPECT_EQ(lookup("openbox"), std::nullopt);
    g_settings_reset(background, "picture-uri");
    g_settings_reset(background, "picture-options");
    g_object_unref(background);
}

}  // namespace
}  // namespace tarnwick
