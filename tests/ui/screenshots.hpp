#pragma once

// Where Qt Quick tests put the pictures they take, for a person to look at.

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "screenshot_path.hpp"

class Screenshots : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    // The absolute path of a picture with the given file name, marked with the ratio when not 1.
    Q_INVOKABLE QString path(const QString& name) const { return tarnwick::screenshotPath(name); }
};
