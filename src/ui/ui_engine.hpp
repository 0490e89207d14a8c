#pragma once

// The one QML engine of the program, made the first time a view is needed: between breaks,
// with no window open, Tarnwick does not pay for Qt Quick.

#include <memory>

#include <QObject>
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
    // Collects the script heap's garbage and drops compiled files no live object uses.
    void trim();

private:
    std::unique_ptr<QQmlEngine> m_engine;
};

}  // namespace tarnwick
