#pragma once

// The one QML engine of the program, made the first time a view is needed: between breaks,
// with no window open, Tarnwick does not pay for Qt Quick.

#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

class QQmlEngine;

namespace tarnwick {

class UiEngine {
public:
    UiEngine();
    ~UiEngine();
    UiEngine(const UiEngine&) = delete;
    UiEngine& operator=(const UiEngine&) = delete;

    bool created() const { return m_engine != nullptr; }
    // The engine, made on first use with the Tarnwick.Ui module importable.
    QQmlEngine& engine();

    // Instantiates a QML file of the module (for example "BreakPanel.qml") with the
    // given initial properties; nullptr, with the errors logged, when it cannot be created.
    // The caller owns the object.
    QObject* create(const QString& file, const QVariantMap& properties = {});
    // How many objects create() made are still alive.
    int liveViews() const;
    // Collects the script heap's garbage and drops compiled files no live object uses.
    void trim();
    // Destroys the engine, with its script heap, compiled files and singletons, when no object it
    // made is alive; the next create() makes a new one. False, and nothing done, while one lives.
    bool release();

private:
    std::unique_ptr<QQmlEngine> m_engine;
    // What create() handed out; an entry turns null when its object is destroyed.
    mutable std::vector<QPointer<QObject>> m_views;
};

}  // namespace tarnwick
