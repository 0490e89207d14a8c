#pragma once

// What a Qt Quick test item looks like on screen at the window's device pixel ratio: its window's
// picture at device resolution, read at positions given in points, so one check holds at every
// ratio.

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// An item's picture as its window drew it. Positions are in points from the item's top-left corner.
class DeviceImage : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    // Device pixels to a point.
    Q_PROPERTY(qreal ratio READ ratio CONSTANT)
    // The item's size in device pixels.
    Q_PROPERTY(int width READ width CONSTANT)
    Q_PROPERTY(int height READ height CONSTANT)

public:
    DeviceImage(QImage window, QPointF origin, QSizeF size, qreal ratio);

    qreal ratio() const { return m_ratio; }
    int width() const;
    int height() const;

    // The colour of the device pixel under the middle of the point (x, y): the same part of the
    // item at every ratio.
    Q_INVOKABLE QColor at(qreal x, qreal y) const;
    Q_INVOKABLE int red(qreal x, qreal y) const { return at(x, y).red(); }
    Q_INVOKABLE int green(qreal x, qreal y) const { return at(x, y).green(); }
    Q_INVOKABLE int blue(qreal x, qreal y) const { return at(x, y).blue(); }
    // One device pixel of the item, counted from its top-left device pixel.
    Q_INVOKABLE QColor pixel(int x, int y) const;
    Q_INVOKABLE bool save(const QString& path) const;

private:
    QPoint devicePoint(QPointF point) const;
    QImage m_window;
    QPointF m_origin;  // the item's top-left corner in the window, in points
    QSizeF m_size;     // in points
    qreal m_ratio;
};

class DevicePixels : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    // What the item's window shows of it now; null when it is in no window.
    Q_INVOKABLE DeviceImage* grab(QQuickItem* item) const;
};
