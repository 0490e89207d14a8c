#pragma once

// Whether the window in front fills a screen, asked of KWin on a Wayland session, where native
// Wayland windows are invisible to the X11 window manager's properties. KWin runs a small script
// that reports the active window back to this program over the session bus.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "platform/native_fullscreen.hpp"
#include "platform/x11/fullscreen.hpp"

class QTemporaryFile;

namespace tarnwick {

// What the script tells of KWin's active window.
struct KWinWindowReport {
    int question = 0;         // the serial of the question it answers
    bool found = false;       // there is an active window; the fields below describe it
    bool fullScreen = false;  // KWin's full-screen state
    bool normal = false;      // an ordinary application window (not a dock, desktop, panel, OSD)
    bool desktop = false;     // the desktop itself
    bool lockScreen = false;  // the screen locker's window, in front of everything while locked
    qint64 pid = 0;           // 0 when KWin does not know
    double width = 0, height = 0;     // the window's frame, in logical pixels
    std::vector<ScreenSize> screens;  // the screens' sizes, in logical pixels
    bool operator==(const KWinWindowReport&) const = default;
};

// The script's JSON report; absent when the text is not one.
std::optional<KWinWindowReport> parseKWinReport(const QString& json);

// Full screen as for X11 windows: an ordinary window of another program, in KWin's full-screen
// state or of some screen's size (a borderless game). This program's own panels, the desktop and
// the screen locker never count.
bool kwinWindowIsFullscreen(const KWinWindowReport& report, qint64 ownPid);

// The script KWin runs: it reports the active window once, to `service` (this program's unique
// bus name) at `path`, with the method Report of `interface`, taking one JSON text that carries
// the serial of the `question` it answers.
QString kwinReportScript(const QString& service, const QString& path, const QString& interface, int question);

class KWinFullscreen : public QObject, public NativeFullscreen {
    Q_OBJECT
public:
    // A question unanswered after this long counts as no answer.
    static constexpr int answerBudgetMs = 100;
    // An answer serves the ticks of this long after it came; the probe asks once a second.
    static constexpr int answerLifetimeMs = 2500;

    explicit KWinFullscreen(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~KWinFullscreen() override;

    // Whether KWin's scripting interface is on the bus; asked once, within the budget.
    bool available();

    // KWin's latest fresh answer, false when there is none; never waits. Asks again in the
    // background, so the next call has a fresh answer. An answer later than the budget, or to an
    // earlier question, is dropped: it may describe a window that has since gone.
    bool frontWindowIsFullscreen() override;

    // For tests: the process id whose windows never count (this program's by default).
    void setOwnPid(qint64 pid) { m_ownPid = pid; }

private:
    class Receiver;
    void ask();
    void run(int id, int pathStyle, bool orTheOther);
    void finishQuestion();
    void receive(const QString& sender, const QString& json);

    QDBusConnection m_bus;
    QString m_path;
    QString m_pluginName;
    std::unique_ptr<QTemporaryFile> m_script;
    std::unique_ptr<Receiver> m_receiver;
    std::optional<bool> m_available;
    qint64 m_ownPid;
    QString m_kwinOwner;  // KWin's unique bus name, learnt from its replies
    int m_question = 0;   // the serial of the latest question
    int m_runPaths = 0;   // how this KWin names a loaded script's object: 0 as Plasma 6, 1 as Plasma 5
    bool m_asking = false;
    std::optional<bool> m_answer;
    QElapsedTimer m_answeredAt;
};

}  // namespace tarnwick
