#pragma once

// The program's item in the system tray: the arch-and-line glyph, with the time to the next break
// (or the phase) drawn into it when the countdown is on, a panel that opens on a click, and a
// menu with the same commands for trays that only ever show a menu.

#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWindow>

#include <functional>

#include "app/app_model.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "platform/x11/pointer_press_watch.hpp"

namespace tarnwick {

class MenuBarViewModel;
class ViewsLoader;

// The tray image at `size` pixels: the glyph alone, or a small glyph over the countdown's text or
// the phase's mark. White with a dark edge, so it reads on dark and light trays alike.
QImage trayImage(const TrayTitle& title, int size);
// The icon of `title`: `trayImage` at whatever size it is asked for, drawn when first asked.
QIcon trayIcon(const TrayTitle& title);

class StatusController : public QObject {
    Q_OBJECT
public:
    StatusController(AppModel& model, ViewsLoader& views, QObject* parent = nullptr);
    ~StatusController() override;

    std::function<void()> openSettings = [] {};
    std::function<void()> openStats = [] {};

    // Recomputes the image (only when its text changed) and the tooltip, and how long they hold.
    void updateTitle();
    QSystemTrayIcon& tray() { return m_tray; }
    QMenu& menu() { return m_menu; }
    QWindow* panel() const { return m_panel; }
    TrayTitle shown() const { return m_shown; }

public Q_SLOTS:
    // Opens the panel against the icon, or closes it when it is open.
    void toggle();
    void openPanel();
    void closePanel();

private Q_SLOTS:
    // The panel closes before the window opens.
    void onSettings();
    void onStats();
    // Marks the first frame after the panel opens, for the benchmark.
    void traceFrame();
    // Sizes the panel to its content and places it against the icon it opened from: the edge
    // next to the tray stays where it is while the content grows or shrinks.
    void fitPanel();
    // A button went down somewhere: outside the panel and the icon, the panel closes, as it does
    // when it loses the focus (a click on the bare desktop may move no focus at all).
    void onPointerPress();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void buildMenu();
    void updateMenu();

    AppModel& m_model;
    ViewsLoader& m_views;
    QSystemTrayIcon m_tray;
    QMenu m_menu;
    QAction* m_firstAction = nullptr;
    QAction* m_longAction = nullptr;
    QList<QAction*> m_pauseActions;
    QAction* m_resumeAction = nullptr;
    MenuBarViewModel* m_vm = nullptr;
    QPointer<QWindow> m_panel;
    PointerPressWatch m_presses;
    QRect m_anchorRect;  // the icon, or the pointer that opened the panel
    QRect m_freeArea;    // of the screen the panel opened on
    TrayTitle m_shown;
    Instant m_steadyFrom{}, m_steadyUntil{};  // while now is in between, the texts stay as they are
    bool m_imageDrawn = false;
    qint64 m_closedAtMs = -1;
    bool m_awaitingFrame = false;
};

}  // namespace tarnwick
