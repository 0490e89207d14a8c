#pragma once

// The program's item in the system tray: the arch-and-line glyph, with the time to the next break
// (or the phase's mark) drawn into it when the countdown is on, a panel that opens on a click, and
// a menu with the same commands on a right click. Both are the program's own windows, so screen
// readers reach them and they look like the rest of it.

#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWindow>

#include <functional>
#include <memory>

#include "app/app_model.hpp"
#include "ui/menu_bar_view_model.hpp"
#include "platform/x11/pointer_press_watch.hpp"

namespace tarnwick {

class MenuBarViewModel;
class TrayMenuModel;
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
    QWindow* panel() const { return m_panel; }
    QWindow* menu() const { return m_menu; }
    // The menu exported to a StatusNotifierItem host, which draws it; nullptr on an XEmbed tray.
    QMenu* hostMenu() const { return m_hostMenu.get(); }
    TrayTitle shown() const { return m_shown; }

public Q_SLOTS:
    // Opens the panel against the icon, or closes it when it is open.
    void toggle();
    void openPanel();
    void closePanel();
    // The same for the menu a right click opens.
    void toggleMenu();
    void openMenu();
    void closeMenu();

private Q_SLOTS:
    // The panel or the menu closes before the window opens.
    void onSettings();
    void onStats();
    // Marks the first frame after the panel opens, for the benchmark.
    void traceFrame();
    // Size the panel or the menu to its content against the icon it opened from: the edge next to
    // the tray stays where it is while the content grows or shrinks.
    void fitPanel();
    void fitMenu();
    // A button went down somewhere: outside the open panel or menu and the icon, it closes, as it
    // does when it loses the focus (a click on the bare desktop may move no focus at all).
    void onPointerPress();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Makes the QML window of `file` for `vm` once, as a frameless tool window; nullptr without views.
    QWindow* makePopup(const QString& file, QObject* vm);
    // Shows `popup` against the icon (or the pointer) with the keyboard, and watches for presses.
    void present(QWindow* popup);
    // Where `popup` belongs at its content's height, against the icon it opened from.
    QRect frameOf(QWindow* popup) const;
    void fit(QWindow* popup);
    void fillHostMenu();
    // Hides it; false when it was not shown.
    bool dismiss(QWindow* popup);

    AppModel& m_model;
    ViewsLoader& m_views;
    QSystemTrayIcon m_tray;
    MenuBarViewModel* m_vm = nullptr;
    TrayMenuModel* m_menuVm = nullptr;
    QPointer<QWindow> m_panel;
    // Under sway the popups' places and sizes are asked of sway itself (see makePopup).
    bool m_swayPlaces = false;
    QPointer<QWindow> m_menu;
    std::unique_ptr<QMenu> m_hostMenu;
    PointerPressWatch m_presses;
    QRect m_anchorRect;  // the icon, or the pointer that opened the panel or the menu
    QRect m_freeArea;    // of the screen it opened on
    TrayTitle m_shown;
    Instant m_steadyFrom{}, m_steadyUntil{};  // while now is in between, the texts stay as they are
    bool m_imageDrawn = false;
    // When each last closed: a click on the icon that closed one does not open it again.
    qint64 m_panelClosedAtMs = -1, m_menuClosedAtMs = -1;
    bool m_awaitingFrame = false;
};

}  // namespace tarnwick
