#include "platform/imaging/wallpaper.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>
#include <cmath>
#include <map>

#include "platform/imaging/blur.hpp"

namespace tarnwick {
namespace {

class FakePictures : public DesktopPictures {
public:
    std::map<std::string, std::string> locations;  // by screen name
    std::optional<std::string> location(const std::string& screenName) override {
        const auto found = locations.find(screenName);
        if (found == locations.end()) return std::nullopt;
        return found->second;
    }
};

class WallpaperTest : public testing::Test {
protected:
    // Saves `image` in the temporary folder and returns its path.
    QString save(const QString& name, const QImage& image) {
        const QString path = m_folder.filePath(name);
        EXPECT_TRUE(image.save(path)) << name.toStdString();
        return path;
    }
    QString writeBytes(const QString& name, const QByteArray& bytes) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void show(const std::string& screen, const QString& location) { m_pictures.locations[screen] = location.toStdString(); }

    static QImage picture(int width, int height, QColor colour = QColor(200, 120, 40)) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QTemporaryDir m_folder;
    FakePictures m_pictures;
    int m_decodes = 0;
    Wallpaper m_wallpaper{m_pictures, [this](const QString& path) {
                              ++m_decodes;
                              return Wallpaper::decode(path);
                          }};
};

TEST_F(WallpaperTest, TwoScreensWithOnePictureShareOneDecode) {
    const QString path = save(QStringLiteral("lake view.png"), picture(800, 400));
    show("HDMI-1", path);
    show("DP-1", QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));  // "file:///…/lake%20view.png"

    const auto first = m_wallpaper.image(QStringLiteral("HDMI-1"));
    const auto second = m_wallpaper.image(QStringLiteral("DP-1"));
    const auto again = m_wallpaper.image(QStringLiteral("HDMI-1"));
    ASSERT_TRUE(first && second && again);
    EXPECT_EQ(m_decodes, 1);
    EXPECT_EQ(first->cacheKey(), second->cacheKey());
    EXPECT_EQ(first->cacheKey(), again->cacheKey());
}

TEST_F(WallpaperTest, ServesTheCachedPictureAfterItsFileIsDeleted) {
    const QString path = save(QStringLiteral("gone.png"), picture(300, 200));
    show("HDMI-1", path);
    const auto before = m_wallpaper.image(QStringLiteral("HDMI-1"));
    ASSERT_TRUE(before);
    ASSERT_TRUE(QFile::remove(path));
    const auto after = m_wallpaper.image(QStringLiteral("HDMI-1"));
    ASSERT_TRUE(after);
    EXPECT_EQ(after->cacheKey(), before->cacheKey());
    EXPECT_EQ(m_decodes, 1);
}

TEST_F(WallpaperTest, UndecodablePictureGivesNothingAndIsTriedAgain) {
    const QString path = writeBytes(QStringLiteral("broken.jpg"), QByteArray("\xff\xd8\xff not really a JPEG"));
    show("HDMI-1", path);
    EXPECT_FALSE(m_wallpaper.image(QStringLiteral("HDMI-1")));
    EXPECT_FALSE(m_wallpaper.image(QStringLiteral("HDMI-1")));
    EXPECT_EQ(m_decodes, 2);

    ASSERT_TRUE(QFile::remove(path));
    save(QStringLiteral("broken.jpg"), picture(100, 50));
    EXPECT_TRUE(m_wallpaper.image(QStringLiteral("HDMI-1")));
    EXPECT_EQ(m_decodes, 3);
}

TEST_F(WallpaperTest, GivesNothingForWhatIsNotAPicture) {
    QDir(m_folder.path()).mkdir(QStringLiteral("Rotating set"));
    const QString fifo = m_folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString slideshow = writeBytes(QStringLiteral("adwaita-timed.xml"),
                                         "<background><static><file>/a.png</file></static></background>");
    struct Case {
        const char* name;
        std::optional<QString> location;
    } cases[] = {
        {"the desktop names nothing", std::nullopt},
        {"an empty location", QString()},
        {"a folder", m_folder.filePath(QStringLiteral("Rotating set"))},
        {"a folder as a URI", QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("Rotating set"))).toString()},
        {"a slideshow description", slideshow},
        {"a missing file", m_folder.filePath(QStringLiteral("missing.png"))},
        {"a named pipe", fifo},
        {"a web address", QStringLiteral("https://example.invalid/picture.png")},
        {"a relative path", QStringLiteral("Pictures/picture.png")},
    };
    // A loader that never opens the file: were it asked, the pipe would block a reader for good.
    int loads = 0;
    Wallpaper wallpaper(m_pictures, [&](const QString&) {
        ++loads;
        return picture(64, 48);
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_pictures.locations.clear();
        if (c.location) show("HDMI-1", *c.location);
        EXPECT_FALSE(wallpaper.image(QStringLiteral("HDMI-1")));
    }
    EXPECT_EQ(loads, 0);

    // Nothing was remembered: the missing file, once there, is shown.
    show("HDMI-1", save(QStringLiteral("missing.png"), picture(64, 48)));
    EXPECT_TRUE(wallpaper.image(QStringLiteral("HDMI-1")));
    EXPECT_EQ(loads, 1);
}

TEST_F(WallpaperTest, ShrinksWidePicturesTo640WideAndNeverEnlarges) {
    struct Case {
        const char* file;
        QSize stored, expected;
    } cases[] = {
        {"narrow.png", {500, 300}, {500, 300}},
        {"exact.png", {640, 480}, {640, 480}},
        {"full-hd.jpg", {1920, 1080}, {640, 360}},
        {"panorama.webp", {1280, 400}, {640, 200}},
        {"sliver.bmp", {2000, 10}, {640, 3}},
        {"tall.jpg", {700, 2100}, {640, 1920}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        show(c.file, save(QString::fromLatin1(c.file), picture(c.stored.width(), c.stored.height())));
        const auto image = m_wallpaper.image(QString::fromLatin1(c.file));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), c.expected);
    }
    // XFCE's own backdrops are drawings.
    show("shapes", writeBytes(QStringLiteral("shapes.svg"),
                              R"(<svg xmlns="http://www.w3.org/2000/svg" width="1600" height="900">)"
                              R"(<rect width="1600" height="900" fill="#246"/><circle cx="800" cy="450" r="300" fill="#fa4"/></svg>)"));
    const auto drawing = m_wallpaper.image(QStringLiteral("shapes"));
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->size(), QSize(640, 360));
}

// The finished picture is soft and a little more saturated than the picture itself.
TEST_F(WallpaperTest, FinishedPictureIsBlurredAndLivelier) {
    QImage landscape(1920, 1080, QImage::Format_RGB32);
    {
        QPainter painter(&landscape);
        QLinearGradient sky(0, 0, 0, 700);
        sky.setColorAt(0, QColor(40, 90, 170));
        sky.setColorAt(1, QColor(250, 190, 120));
        painter.fillRect(landscape.rect(), sky);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 230, 150));
        painter.drawEllipse(QPointF(1350, 520), 130, 130);
        painter.setBrush(QColor(50, 110, 60));
        painter.drawEllipse(QRectF(-400, 650, 1700, 900));
    }
    show("eDP-1", save(QStringLiteral("landscape.jpg"), landscape));
    show("DP-1", save(QStringLiteral("sand.png"), picture(800, 450, QColor(120, 100, 80))));

    const auto blurred = m_wallpaper.image(QStringLiteral("eDP-1"));
    ASSERT_TRUE(blurred);
    EXPECT_EQ(blurred->size(), QSize(640, 360));
    // The sun's and the hill's hard rims (a step of over 100 in one pixel) are gone.
    int largestStep = 0;
    for (int y = 0; y < 360; ++y)
        for (int x = 1; x < 640; ++x)
            largestStep = std::max(largestStep, std::abs(qGreen(blurred->pixel(x, y)) - qGreen(blurred->pixel(x - 1, y))));
    EXPECT_LE(largestStep, 5);

    const auto sand = m_wallpaper.image(QStringLiteral("DP-1"));
    ASSERT_TRUE(sand);
    const QRgb centre = sand->pixel(320, 180);
    EXPECT_NEAR(qRed(centre) - qBlue(centre), 46, 2);  // 40 apart in the picture, times 1.15

    // Before and after, for a person to look at.
    QDir().mkpath(QStringLiteral(TARNWICK_IMAGING_OUTPUT));
    EXPECT_TRUE(landscape.save(QStringLiteral(TARNWICK_IMAGING_OUTPUT "/landscape.png")));
    EXPECT_TRUE(blurred->save(QStringLiteral(TARNWICK_IMAGING_OUTPUT "/landscape-blurred.png")));
}

}  // namespace
}  // namespace tarnwick
