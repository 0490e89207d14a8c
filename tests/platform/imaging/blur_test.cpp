#include "platform/imaging/blur.hpp"

#include <gtest/gtest.h>

#include <QColor>
#include <cmath>
#include <limits>
#include <random>

namespace tarnwick {
namespace {

// A pixel as premultiplied ARGB, whatever the image's format.
QRgb at(const QImage& image, int x, int y) {
    const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return reinterpret_cast<const QRgb*>(argb.constScanLine(y))[x];
}

QImage solid(int width, int height, const QColor& colour, QImage::Format format) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QImage randomImage(int width, int height, bool withAlpha, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QImage image(width, height, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int a = withAlpha ? byte(random) : 255;
            // Premultiplied colours never exceed their alpha.
            auto channel = [&] { return a == 0 ? 0 : byte(random) % (a + 1); };
            const int r = channel(), g = channel(), b = channel();
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = qRgba(r, g, b, a);
        }
    return image;
}

double luma(QRgb pixel) {
    return 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel);
}

TEST(Blur, ConstantImageStaysConstantToThePixel) {
    struct Case {
        const char* name;
        int width, height;
        double sigma;
        QColor colour;
        QImage::Format format;
    } cases[] = {
        {"opaque, kernel smaller than the image", 37, 23, 3, QColor(200, 100, 50), QImage::Format_RGB32},
        {"kernel far wider than the image", 5, 4, 24, QColor(12, 250, 131), QImage::Format_RGB32},
        {"largest sigma on a tiny image", 3, 2, Blur::maxSigma, QColor(1, 2, 3), QImage::Format_RGB32},
        {"half transparent", 40, 30, 2, QColor(255, 128, 0, 128), QImage::Format_ARGB32},
        {"grey", 20, 20, 4, QColor(77, 77, 77), QImage::Format_Grayscale8},
        {"24-bit", 19, 33, 5, QColor(10, 20, 30), QImage::Format_RGB888},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage input = solid(c.width, c.height, c.colour, c.format);
        const QRgb expected = at(input, 0, 0);
        const QImage result = Blur::apply(input, c.sigma, 1.0);
        ASSERT_EQ(result.size(), input.size());
        const QImage pixels = result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) differing += at(pixels, x, y) != expected;
        EXPECT_EQ(differing, 0);
    }
}

// Along a black-to-white step, the blurred profile is the Gaussian's cumulative distribution:
// symmetric about the step and as wide as sigma says.
TEST(Blur, StepBlursSymmetricallyWithTheGaussianProfile) {
    constexpr int length = 64, across = 6, step = 32;
    constexpr double sigma = 4;
    for (const bool vertical : {false, true}) {
        SCOPED_TRACE(vertical ? "step between rows" : "step between columns");
        QImage input(vertical ? across : length, vertical ? length : across, QImage::Format_RGB32);
        input.fill(Qt::black);
        for (int i = step; i < length; ++i)
            for (int j = 0; j < across; ++j)
                input.setPixel(vertical ? j : i, vertical ? i : j, qRgb(255, 255, 255));
        const QImage result = Blur::apply(input, sigma, 1.0);
        auto value = [&](int i, int j) {
            return qGreen(at(result, vertical ? j : i, vertical ? i : j));
        };
        for (int j = 0; j < across; ++j) {
            SCOPED_TRACE(j);
            EXPECT_EQ(value(0, j), 0);
            EXPECT_EQ(value(length - 1, j), 255);
            for (int d = 0; d < 16; ++d) {
                SCOPED_TRACE(d);
                EXPECT_NEAR(value(step - 1 - d, j) + value(step + d, j), 255, 1);
                const double expected = 255 * 0.5 * std::erfc(-(d + 0.5) / (sigma * std::sqrt(2.0)));
                EXPECT_NEAR(value(step + d, j), expected, 2.0);
                EXPECT_LE(value(step - 1 - d - 1, j), value(step - 1 - d, j));
            }
        }
    }
}

// One bright pixel in a line spreads into a Gaussian: its mass is kept, it is symmetric, and its
// measured standard deviation is sigma (the cut at 3 sigma narrows it by about 1.4%).
TEST(Blur, SinglePixelSpreadsAsAGaussianOfTheGivenSigma) {
    constexpr int length = 81, centre = 40;
    for (const double sigma : {1.5, 2.5, 4.0}) {
        for (const bool vertical : {false, true}) {
            SCOPED_TRACE(testing::Message() << "sigma " << sigma << (vertical ? ", column" : ", row"));
            QImage input(vertical ? 1 : length, vertical ? length : 1, QImage::Format_RGB32);
            input.fill(Qt::black);
            input.setPixel(vertical ? 0 : centre, vertical ? centre : 0, qRgb(255, 255, 255));
            const QImage result = Blur::apply(input, sigma, 1.0);
            auto value = [&](int i) { return double(qGreen(at(result, vertical ? 0 : i, vertical ? i : 0))); };
            double mass = 0, moment = 0;
            for (int i = 0; i < length; ++i) {
                mass += value(i);
                moment += value(i) * (i - centre) * (i - centre);
            }
            for (int d = 1; d < 20; ++d) EXPECT_EQ(value(centre - d), value(centre + d)) << d;
            EXPECT_NEAR(mass, 255, 4);
            EXPECT_NEAR(std::sqrt(moment / mass) / sigma, 1.0, 0.04);
            EXPECT_EQ(value(centre - int(std::ceil(3 * sigma)) - 1), 0);  // nothing beyond the kernel
        }
    }
}

TEST(Blur, SaturationZeroGivesGreyKeepingLumaAndOneChangesNothing) {
    for (const bool withAlpha : {false, true}) {
        SCOPED_TRACE(withAlpha ? "with alpha" : "opaque");
        const QImage input = randomImage(29, 17, withAlpha, 11);
        const QImage grey = Blur::apply(input, 0, 0.0), same = Blur::apply(input, 0, 1.0);
        ASSERT_EQ(same.size(), input.size());
        EXPECT_EQ(same.hasAlphaChannel(), withAlpha);
        int differing = 0, notGrey = 0, lumaMoved = 0;
        for (int y = 0; y < input.height(); ++y)
            for (int x = 0; x < input.width(); ++x) {
                const QRgb in = at(input, x, y), g = at(grey, x, y);
                differing += at(same, x, y) != in;
                notGrey += qRed(g) != qGreen(g) || qGreen(g) != qBlue(g);
                lumaMoved += std::abs(qGreen(g) - luma(in)) > 1.0;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(notGrey, 0);
        EXPECT_EQ(lumaMoved, 0);
    }
}

// Blurring must mix colours weighted by their coverage: a red square on a transparent background
// fades out in alpha while staying red, with no dark fringe.
TEST(Blur, TransparentSurroundingsFadeWithoutADarkFringe) {
    QImage input(32, 32, QImage::Format_ARGB32);
    input.fill(Qt::transparent);
    for (int y = 12; y < 20; ++y)
        for (int x = 12; x < 20; ++x) input.setPixel(x, y, qRgba(255, 0, 0, 255));
    input.setDevicePixelRatio(2.0);
    const QImage result = Blur::apply(input, 3, 1.3);
    ASSERT_TRUE(result.hasAlphaChannel());
    EXPECT_EQ(result.devicePixelRatio(), 2.0);
    EXPECT_EQ(qAlpha(at(result, 0, 0)), 0);
    int checked = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = at(result, x, y);
            if (qAlpha(p) < 16) continue;
            ++checked;
            SCOPED_TRACE(testing::Message() << x << "," << y << " alpha " << qAlpha(p));
            EXPECT_LE(qRed(p), qAlpha(p));
            EXPECT_NEAR(255.0 * qRed(p) / qAlpha(p), 255, 255.0 / qAlpha(p) + 0.5);
            EXPECT_EQ(qGreen(p), 0);
            EXPECT_EQ(qBlue(p), 0);
        }
    EXPECT_GT(checked, 100);
}

TEST(Blur, ReturnsItsInputWhenItCannotProcessIt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QImage picture = randomImage(8, 8, false, 5);
    struct Case {
        const char* name;
        QImage image;
        double sigma, saturation;
    } cases[] = {
        {"null image", QImage(), 4, 1},
        {"negative sigma", picture, -1, 1},
        {"sigma not a number", picture, nan, 1},
        {"infinite sigma", picture, inf, 1},
        {"sigma above the largest", picture, Blur::maxSigma * 2, 1},
        {"saturation not a number", picture, 4, nan},
        {"infinite saturation", picture, 4, -inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage result = Blur::apply(c.image, c.sigma, c.saturation);
        EXPECT_EQ(result.isNull(), c.image.isNull());
        EXPECT_EQ(result.cacheKey(), c.image.cacheKey());
    }
}

}  // namespace
}  // namespace tarnwick
