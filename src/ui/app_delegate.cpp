#include "ui/app_delegate.hpp"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QScreen>

#include "platform/dbus/portal_hot_key.hpp"
#include "platform/imaging/wallpaper.hpp"
#include "platform/x11/hot_key.hpp"
#include "ui/overlay_controller.hpp"
#include "ui/settings_view_model.hpp"
#include "ui/status_controller.hpp"
#include "ui/window_controller.hpp"

namespace tarnwick {

namespace {
struct AppTr {
    Q_DECLARE_TR_FUNCTIONS(App)
};
Q_LOGGING_CATEGORY(lcSession, "tarnwick.session", QtInfoMsg)
}  // namespace

AppDelegate::AppDelegate(AppModel& model, Wallpaper& wallpaper, SessionFacts facts)
    : m_model(model), m_wallpaper(wallpaper), m_facts(std::move(facts)) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::launch() {
    m_overlays = std::make_unique<OverlayController>(m_model, m_views, [this](const QScreen& screen) {
        return m_wallpaper.image(screen.name()).value_or(QImage());
    });

    QPointer<OverlayController> overlays(m_overlays.get());
    m_model.onBlink = [overlays] {
        if (overlays) overlays->remind(QStringLiteral("blink"));
    };
    m_model.onPosture = [overlays] {
        if (overlays) overlays->remind(QStringLiteral("posture"));
    };

    // The ordinary windows, one at most of each.
    auto mainWallpaper = [this] {
        QScreen* main = QGuiApplication::primaryScreen();
        return main ? m_wallpaper.image(main->name()).value_or(QImage()) : QImage();
    };
    // The stats and welcome windows make their own view models from the model.
    auto modelOnly = [this](QObject*) { return QVariantMap{{QStringLiteral("model"), QVariant::fromValue(&m_model)}}; };
    m_windows = std::make_unique<WindowController>(
        m_views, std::vector<WindowKind>{
                     settingsWindowKind(m_model, mainWallpaper, QCoreApplication::applicationVersion(),
                                        [this] {
                                            SessionFacts facts = m_facts;
                                            if (m_liveFacts) m_liveFacts(facts);
                                            return facts;
                                        }),
                     {QStringLiteral("stats"), QStringLiteral("StatsWindow.qml"), AppTr::tr("Tarnwick Stats"),
                      QSize(760, 560), QSize(760, 560), modelOnly},
                     {QStringLiteral("onboarding"), QStringLiteral("OnboardingWindow.qml"),
                      AppTr::tr("Welcome to Tarnwick"), QSize(640, 560), QSize(640, 560), modelOnly},
                 });

    // An open window may show seconds (the live signals, a countdown): the model ticks every second
    // until it is gone.
    QObject::connect(m_windows.get(), &WindowController::opened, m_windows.get(),
                     [this](const QString&, QWindow* window) { m_model.holdEverySecond(window, true); });

    m_status = std::make_unique<StatusController>(m_model, m_views);
    m_status->openSettings = [this] { m_windows->open(QStringLiteral("settings")); };
    m_status->openStats = [this] { m_windows->open(QStringLiteral("stats")); };

    // Ctrl+Alt+B: an eye break now. An X grab fires only while an X11 window has the focus, so on
    // Wayland the desktop portal's global shortcut takes over once it is bound; the grab serves
    // until then, and again should the portal refuse or close it.
    grabHotKey();
    m_facts.hotKey = HotKeySource::xGrab;
    qCDebug(lcSession).noquote() << "hot key: X key grab" << (m_facts.wayland ? "until the desktop portal binds it" : "");
    if (m_facts.wayland) {
        //: The global shortcut's description, shown in the desktop's shortcut settings
        m_portalHotKey = std::make_unique<PortalHotKey>(QDBusConnection::sessionBus(), AppTr::tr("Take an eye break now"),
                                                        QStringLiteral("CTRL+ALT+b"),
                                                        [this] { m_model.takeBreak(BreakKind::micro); },
                                                        portalMayAskToBind(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
        QObject::connect(m_portalHotKey.get(), &PortalHotKey::stateChanged, m_portalHotKey.get(),
                         [this](PortalHotKey::State state) {
                             if (state == PortalHotKey::State::bound) {
                                 m_hotKey.reset();
                                 m_facts.hotKey = HotKeySource::desktopPortal;
                                 qCDebug(lcSession) << "hot key: desktop portal global shortcut";
                             } else if (state == PortalHotKey::State::unavailable) {
                                 if (!m_hotKey) grabHotKey();
                                 m_facts.hotKey = HotKeySource::xGrab;
                                 qCDebug(lcSession) << "hot key: X key grab";
                             }
                         });
    }

    m_model.start();
    m_model.syncLaunchAtLogin();
    if (!m_model.settings().onboarded) m_windows->open(QStringLiteral("onboarding"));
}

void AppDelegate::grabHotKey() {
    m_hotKey = std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers,
                                        [this] { m_model.takeBreak(BreakKind::micro); });
}

void AppDelegate::showPanel() {
    if (m_status) m_status->openPanel();
}

}  // namespace tarnwick
