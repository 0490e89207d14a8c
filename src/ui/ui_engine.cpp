#include "ui/ui_engine.hpp"

#include <algorithm>

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

int UiEngine::liveViews() const {
    std::erase_if(m_views, [](const QPointer<QObject>& view) { return view.isNull(); });
    return int(m_views.size());
}

void UiEngine::trim() {
    if (!m_engine) return;
    m_engine->collectGarbage();
    m_engine->trimComponentCache();
}

bool UiEngine::release() {
    if (liveViews() > 0) return false;
    if (m_engine) qCDebug(lcUi) << "QML engine released";
    m_engine.reset();
    return true;
}

QObject* UiEngine::create(const QString& file, const QVariantMap& properties) {
    QQmlComponent component(&engine(), QUrl(QStringLiteral("qrc:/qt/qml/Tarnwick/Ui/") + file));
    QObject* object = component.isReady() ? component.createWithInitialProperties(properties) : nullptr;
    if (!object) {
        qCWarning(lcUi).noquote() << "cannot create" << file << component.errorString();
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    liveViews();  // forgets the views that are gone, so the list stays as short as what is open
    m_views.emplace_back(object);
    return object;
}

}  // namespace tarnwick
