#pragma once

// Where Qt Quick tests put the pictures they take, for a person to look at.

#include <QDir>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class Screenshots : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    // The absolute path of a picture with the given file name.
    Q_INVOKABLE QString path(const QString& name) const {
        return QDir(QStringLiteral(TARNWICK_SCREENSHOT_FOLDER)).filePath(name);
    }
};
