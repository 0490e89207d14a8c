#pragma once

// The typeface views draw text in: Inter where it is installed, whose proportions the layouts
// are drawn for, else the desktop's own font.

#include <QFontDatabase>
#include <QGuiApplication>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tarnwick {

class Fonts : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString family READ family CONSTANT)

public:
    using QObject::QObject;
    QString family() const {
        static const QString chosen = QFontDatabase::hasFamily(QStringLiteral("Inter"))
                                          ? QStringLiteral("Inter")
                                          : QGuiApplication::font().family();
        return chosen;
    }
};

}  // namespace tarnwick
