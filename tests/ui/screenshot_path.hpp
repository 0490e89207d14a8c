#pragma once

// Where a picture a test takes goes: the screenshot folder, with the device pixel ratio in the
// name when it is not 1 ("heads-up@2x.png"), so runs at other ratios keep their own pictures.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

namespace tarnwick {

inline QString screenshotPath(const QString& name) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QString file = name;
    if (!qFuzzyCompare(ratio, 1.0)) {
        const QFileInfo info(name);
        file = QStringLiteral("%1@%2x.%3").arg(info.completeBaseName(), QString::number(ratio), info.suffix());
    }
    return QDir(QStringLiteral(TARNWICK_SCREENSHOT_FOLDER)).filePath(file);
}

}  // namespace tarnwick
