// The views module: Qt Quick, the QML module Tarnwick.Ui and the one QML engine, behind the
// small Views interface the program loads it through.

#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include "ui/ui_engine.hpp"
#include "ui/view_caches.hpp"
#include "ui/views.hpp"

Q_IMPORT_QML_PLUGIN(Tarnwick_UiPlugin)

namespace tarnwick {
namespace {

class QuickViews final : public Views {
public:
    QuickViews() {
        view_caches::ensureWindowIcon();
        // Views are drawn by Qt Quick's own painter: a break redraws only the digits that change,
        // where a graphics context would redraw whole screens, and no context has to start first.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    QObject* create(const QString& file, const QVariantMap& properties) override {
        view_caches::ensureWindowIcon();
        return m_ui.create(file, properties);
    }
    bool trim() override {
        // With no view left, the engine goes whole, and what views kept for one another with it.
        if (m_ui.release()) {
            view_caches::drop();
            return true;
        }
        m_ui.trim();
        return false;
    }

private:
    UiEngine m_ui;
};

}  // namespace
}  // namespace tarnwick

extern "C" Q_DECL_EXPORT tarnwick::Views* tarnwickCreateViews() { return new tarnwick::QuickViews; }
