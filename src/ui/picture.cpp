#include "ui/picture.hpp"

#include <QPainter>

namespace tarnwick {

Picture::Picture(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setOpaquePainting(true);
    connect(this, &Picture::scrimChanged, this, [this] { update(); });
}

void Picture::setImage(const QVariant& image) {
    m_image = image.value<QImage>();
    setOpaquePainting(!m_image.isNull() && !m_image.hasAlphaChannel());
    Q_EMIT imageChanged();
    update();
}

void Picture::setCrop(bool crop) {
    if (crop == m_crop) return;
    m_crop = crop;
    Q_EMIT cropChanged();
    update();
}

void Picture::paint(QPainter* painter) {
    if (m_image.isNull() || width() <= 0 || height() <= 0) return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(0, 0, width(), height());
    if (m_crop) {
        // The part of the image with the item's aspect, centred.
        const QSizeF size = target.size().scaled(m_image.size(), Qt::KeepAspectRatio);
        const QRectF source(QPointF((m_image.width() - size.width()) / 2, (m_image.height() - size.height()) / 2), size);
        painter->drawImage(target, m_image, source);
    } else {
        painter->drawImage(target, m_image);
    }
    if (m_scrimTop > 0 || m_scrimBottom > 0) {
        QLinearGradient scrim(0, 0, 0, height());
        scrim.setColorAt(0, QColor::fromRgbF(0, 0, 0, m_scrimTop));
        scrim.setColorAt(1, QColor::fromRgbF(0, 0, 0, m_scrimBottom));
        painter->fillRect(target, scrim);
    }
}

}  // namespace tarnwick
