#include "platform/imaging/backdrops.hpp"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <cstdlib>

namespace tarnwick {
namespace {

struct Named {
    const char* name;
    QColor colour;
};
const Named palette[] = {
    {"violet ground", QColor(26, 16, 51)}, {"purple", QColor(106, 63, 208)}, {"pink", QColor(240, 98, 155)},
    {"orange", QColor(247, 166, 90)},      {"blue", QColor(43, 89, 195)},
};

std::string nearestColour(QRgb pixel) {
    const Named* best = nullptr;
    int bestDistance = 0;
    for (const Named& named : palette) {
        const int dr = qRed(pixel) - named.colour.red(), dg = qGreen(pixel) - named.colour.green(),
                  db = qBlue(pixel) - named.colour.blue();
        const int distance = dr * dr + dg * dg + db * db;
        if (!best || distance < bestDistance) best = &named, bestDistance = distance;
    }
    return best->name;
}

// Where each colour must show, in y-down pixel coordinates: inside the part of each circle that
// no later circle covers, and a corner that no circle reaches. A picture drawn upside down puts
// the orange blob at the top and the purple one at the bottom.
struct Spot {
    int x, y;
    const char* expected;
} const spots[] = {
    {40, 20, "purple"},  {270, 110, "pink"}, {155, 190, "orange"},
    {315, 6, "blue"},    {8, 196, "violet ground"},
};

TEST(SunsetBackdrop, IsTheLayoutWithYUpSoftenedAndKept) {
    const QImage sketch = Backdrops::sunsetSketch();
    const QImage& sunset = Backdrops::sunset();
    ASSERT_EQ(sketch.size(), QSize(320, 200));
    ASSERT_EQ(sunset.size(), QSize(320, 200));
    EXPECT_FALSE(sunset.hasAlphaChannel());
    EXPECT_EQ(&Backdrops::sunset(), &sunset);
    for (const Spot& spot : spots) {
        SCOPED_TRACE(testing::Message() << spot.x << "," << spot.y);
        EXPECT_EQ(nearestColour(sketch.pixel(spot.x, spot.y)), spot.expected);
        EXPECT_EQ(nearestColour(sunset.pixel(spot.x, spot.y)), spot.expected);
    }
    // Later circles paint over earlier ones: where the pink circle meets the orange and the blue
    // ones, those are on top, in their exact colours.
    EXPECT_EQ(sketch.pixelColor(205, 155), QColor(247, 166, 90));
    EXPECT_EQ(sketch.pixelColor(290, 30), QColor(43, 89, 195));
    EXPECT_EQ(sketch.pixelColor(8, 196), QColor(26, 16, 51));

    // Soft: no step between neighbouring pixels anywhere, where the sketch has hard circle edges.
    int largestStep = 0;
    for (int y = 0; y < sunset.height(); ++y)
        for (int x = 1; x < sunset.width(); ++x) {
            const QRgb a = sunset.pixel(x - 1, y), b = sunset.pixel(x, y);
            largestStep = std::max({largestStep, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(largestStep, 4);

    // For a person to look at.
    QDir().mkpath(QStringLiteral(TARNWICK_IMAGING_OUTPUT));
    EXPECT_TRUE(sunset.save(QStringLiteral(TARNWICK_IMAGING_OUTPUT "/sunset.png")));
    EXPECT_TRUE(sketch.save(QStringLiteral(TARNWICK_IMAGING_OUTPUT "/sunset-sketch.png")));
}

}  // namespace
}  // namespace tarnwick
