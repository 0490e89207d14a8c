// Runs the Qt Quick tests of tests/ui/qml with the Tarnwick.Ui module linked in.

#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tarnwick_UiPlugin)

class Setup : public QObject {
    Q_OBJECT
public Q_SLOTS:
    // Drawn as the program draws them.
    void applicationAvailable() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tarnwick_ui, Setup)

#include "quick_main.moc"
