#include "platform/imaging/backdrops.hpp"

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "platform/imaging/blur.hpp"

namespace tarnwick::Backdrops {
namespace {

constexpr int sunsetWidth = 320, sunsetHeight = 200;
constexpr double sunsetSigma = 28, sunsetSaturation = 1.0;

struct Circle {
    QColor colour;
    QRectF bounds;  // x, y, width, height with y pointing up from the bottom-left corner
};

// Later circles paint over earlier ones.
const Circle sunsetCircles[] = {
    {QColor(106, 63, 208), {-60, 70, 230, 230}},
    {QColor(240, 98, 155), {170, 10, 190, 190}},
    {QColor(247, 166, 90), {70, -90, 170, 170}},
    {QColor(43, 89, 195), {230, 130, 150, 150}},
};

// A rectangle given with y up from the bottom edge, in Qt's y-down coordinates.
QRectF flipped(const QRectF& r, double height) {
    return {r.x(), height - r.y() - r.height(), r.width(), r.height()};
}

}  // namespace

QImage sunsetSketch() {
    QImage image(sunsetWidth, sunsetHeight, QImage::Format_RGB32);
    image.fill(QColor(26, 16, 51));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const Circle& circle : sunsetCircles) {
        painter.setBrush(circle.colour);
        painter.drawEllipse(flipped(circle.bounds, sunsetHeight));
    }
    painter.end();
    return image;
}

const QImage& sunset() {
    static const QImage image = Blur::apply(sunsetSketch(), sunsetSigma, sunsetSaturation);
    return image;
}

}  // namespace tarnwick::Backdrops
