#include "platform/imaging/blur.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/imaging/backdrops.hpp"

namespace tarnwick {
namespace {

const auto premultiplied = QImage::Format_ARGB32_Premultiplied;

// Blurs `across` parallel lines (rows, or columns when `vertical`) of grey `level(i)` at position i,
// checks that they all come out alike, and returns one.
std::vector<int> blurLines(int length, int across, bool vertical, double sigma, const std::function<int(int)>& level) {
    QImage input(vertical ? across : length, vertical ? length : across, QImage::Format_RGB32);
    auto point = [&](int i, int j) { return vertical ? QPoint(j, i) : QPoint(i, j); };
    for (int i = 0; i < length; ++i)
        for (int j = 0; j < across; ++j) input.setPixel(point(i, j), qRgb(level(i), level(i), level(i)));
    const QImage result = Blur::apply(input, sigma, 1.0);
    std::vector<int> line(length);
    for (int i = 0; i < length; ++i) {
        line[i] = qGreen(result.pixel(point(i, 0)));
        for (int j = 1; j < across; ++j) EXPECT_EQ(qGreen(result.pixel(point(i, j))), line[i]) << i << "," << j;
    }
    return line;
}

TEST(Blur, ConstantImageStaysConstantToThePixel) {
    struct Case { QSize size; double sigma; QColor colour; QImage::Format format; } cases[] = {
        {{37, 23}, 3, QColor(200, 100, 50), QImage::Format_RGB32},
        {{3, 2}, Blur::maxSigma, QColor(1, 2, 3), QImage::Format_RGB32},  // kernel far wider than the image
        {{40, 30}, 2, QColor(255, 128, 0, 128), QImage::Format_ARGB32},
        {{20, 20}, 4, QColor(77, 77, 77), QImage::Format_Grayscale8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format << ", sigma " << c.sigma);
        QImage input(c.size, c.format);
        input.fill(c.colour);
        EXPECT_TRUE(Blur::apply(input, c.sigma, 1.0).convertToFormat(premultiplied) == input.convertToFormat(premultiplied));
    }
}

TEST(Blur, SpreadsAsTheGaussianOfTheGivenSigmaAlongRowsAndColumns) {
    for (const bool vertical : {false, true}) {
        SCOPED_TRACE(vertical ? "columns" : "rows");
        // A black-to-white step blurs into the Gaussian's cumulative distribution, symmetric about the step.
        const auto edge = blurLines(64, 6, vertical, 4, [](int i) { return i < 32 ? 0 : 255; });
        EXPECT_TRUE(edge.front() == 0 && edge.back() == 255) << edge.front() << " " << edge.back();  // clamped, not wrapped
        for (int d = 0; d < 16; ++d) {
            EXPECT_NEAR(edge[31 - d] + edge[32 + d], 255, 1) << d;
            EXPECT_NEAR(edge[32 + d], 127.5 * std::erfc(-(d + 0.5) / (4 * std::sqrt(2.0))), 2.0) << d;
            EXPECT_LE(edge[30 - d], edge[31 - d]) << d;
        }
        // One bright pixel spreads into a symmetric Gaussian that keeps its mass and whose measured
        // standard deviation is sigma (the cut at 3 sigma narrows it by about 1.4%).
        for (const double sigma : {1.5, 4.0}) {
            SCOPED_TRACE(testing::Message() << "sigma " << sigma);
            const auto v = blurLines(81, 3, vertical, sigma, [](int i) { return i == 40 ? 255 : 0; });
            double mass = 0, moment = 0;
            for (int i = 0; i < 81; ++i) mass += v[i], moment += v[i] * double(i - 40) * (i - 40);
            for (int d = 1; d < 20; ++d) EXPECT_EQ(v[40 - d], v[40 + d]) << d;
            EXPECT_NEAR(mass, 255, 4);
            EXPECT_NEAR(std::sqrt(moment / mass) / sigma, 1.0, 0.04);
            EXPECT_EQ(v[40 - int(std::ceil(3 * sigma)) - 1], 0);  // nothing beyond the kernel
        }
    }
}

TEST(Blur, SaturationZeroGivesGreyKeepingLumaAndOneChangesNothing) {
    const QImage input = Backdrops::sunsetSketch().convertToFormat(premultiplied);  // hard-edged colours
    const QImage grey = Blur::apply(input, 0, 0.0).convertToFormat(premultiplied);
    EXPECT_TRUE(Blur::apply(input, 0, 1.0).convertToFormat(premultiplied) == input);
    for (int y = 0; y < input.height(); ++y)
        for (int x = 0; x < input.width(); ++x) {
            const QRgb in = input.pixel(x, y), g = grey.pixel(x, y);
            ASSERT_TRUE(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g)) << x << "," << y;
            ASSERT_NEAR(qGreen(g), 0.2126 * qRed(in) + 0.7152 * qGreen(in) + 0.0722 * qBlue(in), 1.0) << x << "," << y;
        }
}

}  // namespace
}  // namespace tarnwick
