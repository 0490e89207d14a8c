#pragma once

// Turns the model's phase into floating panels above everything on the desktop: the heads-up
// card at the top of the main screen, the countdown that follows the pointer in the last
// seconds before a break, a break panel on every screen, and the blink and posture orbs. It owns
// the keyboard path out of a break (Escape twice) and keeps it working when the user switches to
// another application.

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <optional>
#include <vector>

#include "app/app_model.hpp"
#include "platform/dbus/shell_overview.hpp"
#include "platform/x11/active_window_watcher.hpp"
#include "platform/x11/compositing_watch.hpp"

class QScreen;

namespace tarnwick {

class ViewsLoader;

class OverlayController : public QObject {
    Q_OBJECT
public:
    enum class Showing { none, headsUp, onBreak };

    static constexpr double cursorLead = 5.0;           // seconds before a break the pointer countdown shows
    static constexpr qint64 escapePairMs = 1000;        // two Escapes closer than this skip
    static constexpr int breakFadeInMs = 600, headsUpFadeInMs = 250, cursorFadeInMs = 200;
    static constexpr int closeFadeOutMs = 300, cursorFadeOutMs = 150, reminderLifetimeMs = 4600;
    // After the last panel fades out, the memory its views left behind is handed back this much later.
    static constexpr int trimDelayMs = 2000;

    // `wallpaper` gives a screen's blurred desktop picture (a null image when there is none).
    using WallpaperSource = std::function<QImage(const QScreen&)>;

    OverlayController(AppModel& model, ViewsLoader& views, WallpaperSource wallpaper, QObject* parent = nullptr);
    ~OverlayController() override;

    void reconcile();
    void build(Showing showing);
    void close(bool animated);
    void rebuild();
    void updateCursorCountdown();
    // "blink" or "posture": dropped while a heads-up or a break is up or another orb shows.
    void remind(const QString& kind);
    void reclaimKeyboard();

    Showing showing() const { return m_showing; }
    // What is on screen now, for tests and benchmarks.
    std::vector<QWindow*> panels() const;
    QWindow* cursorPanel() const { return m_cursorPanel; }
    QWindow* reminderPanel() const { return m_reminderPanel; }

Q_SIGNALS:
    // Every panel of the current build is shown (the fade may still run).
    void panelsShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands the views' leftovers back once the panels now closing are gone.
    void trimSoon();
    enum class Kind { breakScreen, breakOther, headsUp, cursor, reminder };
    QWindow* makePanel(const QString& file, QVariantMap properties, const QRect& geometry, Kind kind);
    void present(QWindow* panel, Kind kind, int fadeInMs);
    void fadeOut(QWindow* panel, int ms);
    void moveCursorPanel();
    void watchScreen(QScreen* screen);
    void onEscape();

    AppModel& m_model;
    ViewsLoader& m_views;
    WallpaperSource m_wallpaper;
    CompositingWatch m_compositing;
    ActiveWindowWatcher m_activation;
    ShellOverview m_overview;
    Showing m_showing = Showing::none;
    std::vector<QPointer<QWindow>> m_panels;
    QPointer<QWindow> m_mainBreakPanel;
    QPointer<QWindow> m_cursorPanel;
    QTimer m_cursorTimer;
    QPointer<QWindow> m_reminderPanel;
    bool m_keyFilter = false;
    QElapsedTimer m_clock;
    std::optional<qint64> m_lastEscapeMs;
};

}  // namespace tarnwick
