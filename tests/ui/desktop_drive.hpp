#pragma once

// Driving the virtual desktop from a test: running a tool to its end, and xdotool's keys and clicks.

#include <optional>

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QProcess>
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

// Moves the pointer to `at` and clicks the left button there.
inline bool clickAt(QPoint at) {
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

// Where the middle of a Qt Quick item is on screen, given its window's place: the offsets of it and
// of every item above it. (Qt Quick's own mapping is not reachable through the meta-object system.)
inline QPoint centreOnScreen(const QObject* item, QPoint windowPosition) {
    QPointF centre(item->property("width").toReal() / 2, item->property("height").toReal() / 2);
    for (const QObject* i = item; i; i = i->property("parent").value<QObject*>())
        centre += QPointF(i->property("x").toReal(), i->property("y").toReal());
    return (centre + QPointF(windowPosition)).toPoint();
}

}  // namespace tarnwick::drive
