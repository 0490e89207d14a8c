// The views module: Qt Quick, the QML module Tarnwick.Ui and the one QML engine, behind the
// small Views interface the program loads it through.

#include <QGuiApplication>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include "ui/app_icon.hpp"

#include "ui/ui_engine.hpp"
#include "ui/views.hpp"

Q_IMPORT_QML_PLUGIN(Tarnwick_UiPlugin)

namespace tarnwick {
namespace {

class QuickViews final : public Views {
public:
    QuickViews() {
        // The icon is set with the first window, not at start: loading it wakes every image plugin.
        QGuiApplication::setWindowIcon(applicationIcon());
        // Views are drawn by Qt Quick's own painter: a break redraws only the digits that change,
        // where a graphics context would redraw whole screens, and no context has to start first.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    QObject* create(const QString& file, const QVariantMap& properties) override {
        return m_ui.create(file, properties);
    }
    void trim() override { m_ui.trim(); }

private:
    UiEngine m_ui;
};

}  // namespace
}  // namespace tarnwick

extern "C" Q_DECL_EXPORT tarnwick::Views* tarnwickCreateViews() { return new tarnwick::QuickViews; }
