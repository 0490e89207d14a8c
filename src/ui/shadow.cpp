#include "ui/shadow.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

#include "platform/imaging/blur.hpp"

namespace tarnwick {

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
    if (m_cache.size() != pixels) {
        QImage shape(pixels, QImage::Format_ARGB32_Premultiplied);
        shape.fill(Qt::transparent);
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        const QRectF caster(m_blur, m_blur, width() - 2 * m_blur, height() - 2 * m_blur);
        const qreal radius = std::min(m_cornerRadius, std::min(caster.width(), caster.height()) / 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(m_color.red(), m_color.green(), m_color.blue()));
        p.drawRoundedRect(caster, radius, radius);
        p.end();
        // A Gaussian whose reach (three sigma) is about the blur distance.
        m_cache = Blur::apply(shape, std::max(0.5, m_blur * dpr / 2.5), 1.0);
    }
    painter->setOpacity(m_color.alphaF());
    painter->drawImage(QRectF(0, 0, width(), height()), m_cache);
}

}  // namespace tarnwick
