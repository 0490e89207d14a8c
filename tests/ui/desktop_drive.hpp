#pragma once

// Driving the virtual desktop from a test: running a tool to its end, and xdotool's keys and clicks.
// Positions are in points, as Qt gives them; xdotool is handed the screen's device pixels.

#include <cmath>
#include <optional>

#include <QGuiApplication>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QProcess>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QTest>

namespace tarnwick::drive {

// Runs a program to its end while the test's event loop turns; its standard output, or nothing
// when it could not start, took longer than `timeoutMs` or failed.
inline std::optional<QString> run(const QString& program, const QStringList& arguments, int timeoutMs = 5000) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(2000) || !QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, timeoutMs))
        return std::nullopt;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool xdotool(const QStringList& arguments) { return run(QStringLiteral("xdotool"), arguments).has_value(); }

// The X screen's pixel under a point given in points: the same one at every device pixel ratio.
inline QStringList devicePixel(QPointF at) {
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    return {QString::number(std::lround(at.x() * ratio)), QString::number(std::lround(at.y() * ratio))};
}

// Moves the pointer to `at`.
inline bool moveTo(QPointF at) { return xdotool(QStringList{QStringLiteral("mousemove")} + devicePixel(at)); }

// Moves the pointer to `at` and clicks the left button there.
inline bool clickAt(QPointF at) {
    return xdotool(QStringList{QStringLiteral("mousemove")} + devicePixel(at) + QStringList{QStringLiteral("click"), QStringLiteral("1")});
}

// Where a point of a Qt Quick item is on screen, `within` measured from the item's top-left corner,
// given its window's place: the offsets of it and of every item above it. (Qt Quick's own mapping
// is not reachable through the meta-object system.)
inline QPointF onScreen(const QObject* item, QPointF within, QPoint windowPosition) {
    QPointF point = within;
    for (const QObject* i = item; i; i = i->property("parent").value<QObject*>())
        point += QPointF(i->property("x").toReal(), i->property("y").toReal());
    return point + QPointF(windowPosition);
}

// Where the middle of a Qt Quick item is on screen.
inline QPoint centreOnScreen(const QObject* item, QPoint windowPosition) {
    const QPointF middle(item->property("width").toReal() / 2, item->property("height").toReal() / 2);
    return onScreen(item, middle, windowPosition).toPoint();
}

}  // namespace tarnwick::drive
