#include "ui/shadow.hpp"

#include <QPainter>

#include <map>
#include <tuple>
#include <QPainterPath>
#include <QQuickWindow>

#include "platform/imaging/blur.hpp"

namespace tarnwick {

namespace {

using Key = std::tuple<int, int, qreal, qreal, qreal, QRgb>;

// Panels made while others show share their shadows: each shape is blurred once while the views
// are up, not once per panel.
std::map<Key, QImage>& shapes() {
    static std::map<Key, QImage> cache;
    return cache;
}

QImage blurredShape(QSize pixels, qreal dpr, qreal blur, qreal cornerRadius, QRgb rgb) {
    auto& cache = shapes();
    const Key key{pixels.width(), pixels.height(), dpr, blur, cornerRadius, rgb};
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    QImage shape(pixels, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    const QSizeF size = QSizeF(pixels) / dpr;
    const QRectF caster(blur, blur, size.width() - 2 * blur, size.height() - 2 * blur);
    const qreal radius = std::min(cornerRadius, std::min(caster.width(), caster.height()) / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(rgb));
    p.drawRoundedRect(caster, radius, radius);
    p.end();
    // A Gaussian whose reach (three sigma) is about the blur distance.
    QImage blurred = Blur::apply(shape, std::max(0.5, blur * dpr / 2.5), 1.0);
    if (cache.size() > 32) cache.clear();
    cache.emplace(key, blurred);
    return blurred;
}

}  // namespace

void Shadow::dropCache() { shapes().clear(); }

Shadow::Shadow(QQuickItem* parent) : QQuickPaintedItem(parent) {
    connect(this, &Shadow::shapeChanged, this, [this] {
        m_cache = {};
        update();
    });
    connect(this, &QQuickItem::widthChanged, this, [this] { m_cache = {}; });
    connect(this, &QQuickItem::heightChanged, this, [this] { m_cache = {}; });
}

void Shadow::paint(QPainter* painter) {
    if (width() <= 2 * m_blur || height() <= 2 * m_blur) return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (QSizeF(width(), height()) * dpr).toSize();
    if (m_cache.size() != pixels) m_cache = blurredShape(pixels, dpr, m_blur, m_cornerRadius, m_color.rgb());
    painter->setOpacity(m_color.alphaF());
    painter->drawImage(QRectF(0, 0, width(), height()), m_cache);
}

}  // namespace tarnwick
