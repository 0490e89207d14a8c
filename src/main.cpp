// Tarnwick: wires the Linux platform into the application model and runs the event loop.

#include <chrono>
#include <csignal>
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

#include "app/app_model.hpp"
#include "app/persistence.hpp"
#include "app/session_facts.hpp"
#include "control/command_line.hpp"
#include "control/control_service.hpp"
#include "platform/autostart/login_item.hpp"
#include "platform/dbus/kwin_fullscreen.hpp"
#include "platform/dbus/screen_lock.hpp"
#include "platform/dbus/sleep_monitor.hpp"
#include "platform/imaging/wallpaper.hpp"
#include "platform/linux_busy_probes.hpp"
#include "platform/process/single_instance.hpp"
#include "platform/proc/system_clock.hpp"
#include "platform/session_input_idle.hpp"
#include "platform/session_type.hpp"
#include "platform/sound/qt_sound_player.hpp"
#include "platform/startup_display.hpp"
#include "platform/sway/sway_fullscreen.hpp"
#include "platform/xwayland_wait.hpp"
#include "platform/x11/display_check.hpp"
#include "ui/app_delegate.hpp"
#include "ui/i18n/language.hpp"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "dev"
#endif

namespace {

Q_LOGGING_CATEGORY(lcSession, "tarnwick.session", QtInfoMsg)

int signalPipe[2] = {-1, -1};

// How long a start on Wayland waits for XWayland before it gives up.
constexpr std::chrono::seconds xwaylandWaitLimit{30};

// SIGTERM and SIGINT end the event loop normally, so the instance lock is released.
void quitOnSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = [](int) {
        const char byte = 1;
        [[maybe_unused]] auto written = ::write(signalPipe[0], &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

// Chooses the Qt platform before the application object exists. False, after one console line,
// when there is no display the program can use.
bool prepareDisplay(int argc, char** argv) {
    using namespace tarnwick;
    StartEnvironment environment = StartEnvironment::fromProcess(argc, argv);
    DisplayDecision decision = decideDisplay(environment);
    if (decision.plan == DisplayPlan::needsXWayland &&
        waylandSocketExists(environment.waylandDisplay, qEnvironmentVariable("XDG_RUNTIME_DIR"))) {
        // GNOME starts XWayland on demand: a start early at login waits for it, and asks for it.
        std::fprintf(stderr, "Tarnwick: waiting for XWayland...\n");
        std::fflush(stderr);
        if (const auto display = waitForXWayland(xwaylandWaitLimit, xDisplayAnswers)) {
            qputenv("DISPLAY", display->toLocal8Bit());
            environment.display = *display;
            decision = decideDisplay(environment);
        }
    }
    QString problem = decision.message;
    if (problem.isEmpty() && decision.usesX && !xDisplayAnswers(environment.display))
        problem = unreachableDisplayMessage(environment.display);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return false;
    }
    // The break panels, the hot key and full-screen detection need X11: on Wayland, XWayland.
    if (decision.plan == DisplayPlan::forceXcb) qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // `tarnwick status`, `tarnwick pause 1h`, ...: talk to the running instance and end here.
    if (const auto code = tarnwick::cli::runCommandLine(argc, argv)) return *code;
    if (!prepareDisplay(argc, argv)) return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    tarnwick::i18n::installTranslations(app);
    quitOnSignals(app);

    using namespace tarnwick;
    Persistence persistence(Persistence::defaultFolder());

    // A start that finds a running Tarnwick hands over to it, whatever that one's lock state.
    SingleInstance instance(persistence.folder());
    switch (instance.start()) {
    case SingleInstance::Start::first:
        break;
    case SingleInstance::Start::handedOver:
        return 0;
    case SingleInstance::Start::unreachable:
        std::fprintf(stderr, "Tarnwick: not started: %s.\n", instance.problem().toLocal8Bit().constData());
        return 1;
    }
    if (!instance.holdsLock()) {
        std::fprintf(stderr, "Tarnwick: settings and history are not saved: the data folder %s cannot be written (%s); "
                             "they are kept in memory and saved as soon as it can be.\n",
                     QFile::encodeName(persistence.folderPath()).constData(),
                     instance.problem().toLocal8Bit().constData());
        std::fflush(stderr);
    }
    // Another session's Tarnwick took the data folder while this one waited for it: only one may save there.
    QObject::connect(&instance, &SingleInstance::supplanted, &app, [](const QString& why) {
        std::fprintf(stderr, "Tarnwick: ending: %s.\n", why.toLocal8Bit().constData());
        std::fflush(stderr);
        QCoreApplication::exit(1);
    });

    const bool wayland = isWaylandSession();
    // On Wayland, KWin or sway can tell of native Wayland windows in front, where they run.
    KWinFullscreen kwin;
    SwayFullscreen sway;
    NativeFullscreen* native = nullptr;
    FullscreenSource fullscreen = FullscreenSource::x11Windows;
    if (wayland && kwin.available()) {
        native = &kwin;
        fullscreen = FullscreenSource::x11WindowsAndKWin;
    } else if (wayland && sway.available()) {
        native = &sway;
        fullscreen = FullscreenSource::x11WindowsAndSway;
    }
    qCDebug(lcSession).noquote() << "session:" << (wayland ? "Wayland, through XWayland" : "X11") << "- full screen:"
                                 << (native == &kwin ? "KWin scripting and EWMH" : native == &sway ? "sway IPC and EWMH" : "EWMH");

    SystemClock clock;
    SessionInputIdle input;
    LinuxBusyProbes probes(native);
    QtSoundPlayer sounds;
    XdgLoginItem loginItem;
    DbusScreenLock screenLock;
    LogindSleepMonitor sleepMonitor;
    AppModel model(Ports{clock, input, probes, sounds, loginItem, screenLock, sleepMonitor}, persistence);

    SessionFacts facts;
    facts.wayland = wayland;
    facts.fullscreen = fullscreen;
    AppDelegate delegate(model, Wallpaper::shared(), facts);
    delegate.followFacts([&input](SessionFacts& live) {
        live.idleSource = input.idleSourceName();
        live.idleInhibitors = input.inhibitorSourcesText();
    });
    delegate.launch();
    // Scripts and status bars reach it on the session bus.
    ControlService control(model, windowsOf(delegate));
    control.publish(QDBusConnection::sessionBus());
    // Starting Tarnwick again opens the running one's panel.
    QObject::connect(&instance, &SingleInstance::activationRequested, [&delegate] { delegate.showPanel(); });
    return app.exec();
}
