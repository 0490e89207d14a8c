#pragma once

// What the virtual desktop's screen shows, read at its device pixels at positions given in points,
// so one check holds at every device pixel ratio.

#include <algorithm>
#include <cmath>
#include <string>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPointF>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRect>
#include <QScreen>
#include <QWindow>

#include "desktop_drive.hpp"

namespace tarnwick::pixels {

// What the screen shows of a rectangle given in points, at its device pixels; the image's
// devicePixelRatio says how many make one point.
inline QImage grab(QRect area) {
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// The colour of the device pixel under a point of the screen given in points.
inline QColor shownAt(QPointF point) {
    const QPoint corner(int(std::floor(point.x())) - 1, int(std::floor(point.y())) - 1);
    const QImage image = grab(QRect(corner, QSize(3, 3)));
    if (image.isNull()) return {};
    const QPointF device = (point - QPointF(corner)) * image.devicePixelRatio();
    return image.pixelColor(std::clamp(int(std::floor(device.x())), 0, image.width() - 1),
                            std::clamp(int(std::floor(device.y())), 0, image.height() - 1));
}

// The largest difference of one channel between two colours, 0 to 255.
inline int distance(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The colour a fraction of the way from one colour to another.
inline QColor between(const QColor& from, const QColor& to, qreal fraction) {
    const auto mix = [fraction](int a, int b) { return int(std::lround(a + (b - a) * fraction)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

// A point of a window's item and the colour it should show there: the item by its object name,
// or a path of names ("firstTile/icon") for one inside another; the point in points from the
// item's top-left corner.
struct Probe {
    const char* item;
    QPointF within;
    QColor expected;
    int tolerance = 30;
};

// The first item named `name` under `from`, through the items' own tree (which holds what
// repeaters and loaders make) as well as the objects'.
inline QObject* findNamed(QObject* from, const QString& name) {
    QObjectList below = from->children();
    if (auto* window = qobject_cast<QQuickWindow*>(from)) below.prepend(window->contentItem());
    if (auto* item = qobject_cast<QQuickItem*>(from))
        for (QQuickItem* child : item->childItems())
            if (!below.contains(child)) below << child;
    for (QObject* child : below)
        if (child->objectName() == name) return child;
    for (QObject* child : below)
        if (QObject* found = findNamed(child, name)) return found;
    return nullptr;
}

// The item at a path of object names under `root`; null when one is missing.
inline QObject* find(QObject* root, const QString& path) {
    QObject* found = root;
    for (const QString& name : path.split(u'/')) found = found ? findNamed(found, name) : nullptr;
    return found;
}

// Empty when the window shows the probe's colour at its point, else what it shows instead.
inline std::string mismatch(QWindow* window, const Probe& probe) {
    QObject* item = window ? find(window, QString::fromLatin1(probe.item)) : nullptr;
    if (!item) return std::string("no item ") + probe.item;
    const QColor shown = shownAt(drive::onScreen(item, probe.within, window->position()));
    if (distance(shown, probe.expected) <= probe.tolerance) return {};
    return (QStringLiteral("%1 shows %2 where %3 belongs")
                .arg(QLatin1String(probe.item), shown.name(), probe.expected.name()))
        .toStdString();
}

}  // namespace tarnwick::pixels
