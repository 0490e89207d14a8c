#include "device_pixels.hpp"

#include <algorithm>
#include <cmath>

#include <QQmlEngine>
#include <QQuickWindow>

DeviceImage::DeviceImage(QImage window, QPointF origin, QSizeF size, qreal ratio)
    : m_window(std::move(window)), m_origin(origin), m_size(size), m_ratio(ratio) {}

int DeviceImage::width() const { return int(std::lround(m_size.width() * m_ratio)); }
int DeviceImage::height() const { return int(std::lround(m_size.height() * m_ratio)); }

QPoint DeviceImage::devicePoint(QPointF point) const {
    const QPointF device = (m_origin + point) * m_ratio;
    return {std::clamp(int(std::floor(device.x())), 0, m_window.width() - 1),
            std::clamp(int(std::floor(device.y())), 0, m_window.height() - 1)};
}

QColor DeviceImage::at(qreal x, qreal y) const {
    if (m_window.isNull()) return {};
    return m_window.pixelColor(devicePoint({x + 0.5, y + 0.5}));
}

QColor DeviceImage::pixel(int x, int y) const {
    if (m_window.isNull()) return {};
    const QPoint topLeft = devicePoint({});
    return m_window.pixelColor(std::clamp(topLeft.x() + x, 0, m_window.width() - 1),
                               std::clamp(topLeft.y() + y, 0, m_window.height() - 1));
}

bool DeviceImage::save(const QString& path) const {
    return m_window.copy(QRect(devicePoint({}), QSize(width(), height()))).save(path);
}

DeviceImage* DevicePixels::grab(QQuickItem* item) const {
    QQuickWindow* window = item ? item->window() : nullptr;
    if (!window) return nullptr;
    // The software renderer hands over its own picture of the window, in device pixels.
    const QImage picture = window->grabWindow();
    const qreal ratio = window->width() > 0 ? qreal(picture.width()) / window->width() : 1.0;
    auto* image = new DeviceImage(picture, item->mapToScene({0, 0}), item->size(), ratio);
    QQmlEngine::setObjectOwnership(image, QQmlEngine::JavaScriptOwnership);
    return image;
}
