#include "ui/ui_engine.hpp"

#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>

Q_LOGGING_CATEGORY(lcUi, "tarnwick.ui", QtInfoMsg)

namespace tarnwick {

UiEngine::UiEngine() = default;
UiEngine::~UiEngine() = default;

QQmlEngine& UiEngine::engine() {
    if (!m_engine) {
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        qCDebug(lcUi) << "QML engine created";
    }
    return *m_engine;
}

void UiEngine::trim() {
    if (!m_engine) return;
    m_engine->collectGarbage();
    m_engine->trimComponentCache();
}

QObject* UiEngine::create(const QString& file, const QVariantMap& properties) {
    QQmlComponent component(&engine(), QUrl(QStringLiteral("qrc:/qt/qml/Tarnwick/Ui/") + file));
    QObject* object = component.isReady() ? component.createWithInitialProperties(properties) : nullptr;
    if (!object) {
        qCWarning(lcUi).noquote() << "cannot create" << file << component.errorString();
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}

}  // namespace tarnwick
