#pragma once

// The program's ordinary windows (settings, stats, onboarding), opened by key from a small table:
// at most one window per key; asking again raises and activates the open one; a closed window is
// forgotten, so the next request makes a new one, centred, with fresh state.

#include <functional>
#include <map>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariantMap>
#include <QWindow>

namespace tarnwick {

class ViewsLoader;

// One kind of window the program opens, and how to make it.
struct WindowKind {
    QString key;    // "settings"
    QString file;   // the QML file of the Tarnwick.Ui module, "SettingsWindow.qml"
    QString title;  // "Tarnwick Settings"
    QSize size;
    QSize minimumSize;
    // The view's initial properties. Objects made for it (view models) are parented to `owner`,
    // which goes with the window.
    std::function<QVariantMap(QObject* owner)> properties;
};

class WindowController : public QObject {
    Q_OBJECT
public:
    // After the last window closes, the memory its views left behind is handed back this much later.
    static constexpr int trimDelayMs = 2000;

    WindowController(ViewsLoader& views, std::vector<WindowKind> kinds, QObject* parent = nullptr);
    ~WindowController() override;

    // Shows the window of `key`, making it when none is open, and brings it to the front with the
    // keyboard. nullptr for an unknown key or when the view cannot be made.
    QWindow* open(const QString& key);
    // The open window of `key`, or nullptr.
    QWindow* window(const QString& key) const;
    const std::vector<WindowKind>& kinds() const { return m_kinds; }

Q_SIGNALS:
    // A new window of `key` was made and shown.
    void opened(const QString& key, QWindow* window);

private:
    QWindow* make(const WindowKind& kind);

    ViewsLoader& m_views;
    std::vector<WindowKind> m_kinds;
    std::map<QString, QPointer<QWindow>> m_open;
};

}  // namespace tarnwick
