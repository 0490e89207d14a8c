#pragma once

// The frame of the program: creates and wires the long-lived objects at launch, in order.

#include <functional>
#include <memory>

#include "app/app_model.hpp"
#include "app/session_facts.hpp"
#include "ui/views_loader.hpp"

namespace tarnwick {

class HotKey;
class OverlayController;
class PortalHotKey;
class StatusController;
class Wallpaper;
class WindowController;

class AppDelegate {
public:
    // `facts` say which sources serve this session; the hot key's is settled here at launch.
    AppDelegate(AppModel& model, Wallpaper& wallpaper, SessionFacts facts = {});
    ~AppDelegate();

    // The launch sequence: the overlays, the nudges routed to them, the windows, the tray, the
    // hot key, the model's tick, launch at login brought into line, and the welcome window on a
    // first start.
    void launch();
    // Opens the tray panel, as a second start of the program asks.
    void showPanel();

    OverlayController* overlays() const { return m_overlays.get(); }
    StatusController* status() const { return m_status.get(); }
    WindowController* windows() const { return m_windows.get(); }
    const SessionFacts& facts() const { return m_facts; }
    // Fills in the facts that settle only while the program runs (which idle source answers).
    void followFacts(std::function<void(SessionFacts&)> update) { m_liveFacts = std::move(update); }

private:
    void grabHotKey();

    AppModel& m_model;
    Wallpaper& m_wallpaper;
    ViewsLoader m_views;
    std::unique_ptr<OverlayController> m_overlays;
    std::unique_ptr<StatusController> m_status;
    std::unique_ptr<WindowController> m_windows;
    SessionFacts m_facts;
    std::function<void(SessionFacts&)> m_liveFacts;
    std::unique_ptr<HotKey> m_hotKey;
    std::unique_ptr<PortalHotKey> m_portalHotKey;
};

}  // namespace tarnwick
