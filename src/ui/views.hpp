#pragma once

// What the program asks of its views. The views and Qt Quick live in a module of their own
// (tarnwick_views), loaded the first time a view is needed, so that between breaks, with no
// window open, the program never loads Qt Quick at all.

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace tarnwick {

class Views {
public:
    virtual ~Views() = default;
    // Instantiates a QML file of the Tarnwick.Ui module (for example "BreakPanel.qml") with the
    // given initial properties; nullptr when it cannot be created. The caller owns the object.
    virtual QObject* create(const QString& file, const QVariantMap& properties) = 0;
    // Lets go of what views that are gone left behind: the script heap's garbage and compiled
    // files no view uses; with no view left, the QML engine itself and the drawing caches. What a
    // later view needs is made again then. True when no view was left, so all of it went.
    virtual bool trim() = 0;
};

}  // namespace tarnwick

// The module's one entry point, looked up by name when it is loaded.
extern "C" tarnwick::Views* tarnwickCreateViews();
