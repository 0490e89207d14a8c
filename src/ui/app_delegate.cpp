#include "ui/app_delegate.hpp"

#include <QPointer>
#include <QScreen>

#include "platform/imaging/wallpaper.hpp"
#include "platform/x11/hot_key.hpp"
#include "ui/overlay_controller.hpp"
#include "ui/status_controller.hpp"

namespace tarnwick {

AppDelegate::AppDelegate(AppModel& model, Wallpaper& wallpaper) : m_model(model), m_wallpaper(wallpaper) {}

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

    m_status = std::make_unique<StatusController>(m_model, m_views);

    // Ctrl+Alt+B: an eye break now.
    m_hotKey = std::make_unique<HotKey>(HotKey::defaultKeysym, HotKey::defaultModifiers,
                                        [this] { m_model.takeBreak(BreakKind::micro); });

    m_model.start();
    m_model.syncLaunchAtLogin();
}

void AppDelegate::showPanel() {
    if (m_status) m_status->openPanel();
}

}  // namespace tarnwick
