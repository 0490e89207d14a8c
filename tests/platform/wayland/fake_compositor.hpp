#pragma once

// A Wayland server in the test's own process that offers a seat and the idle protocols as asked,
// records the notifications a client makes, and sends their events when the test says.

#include <QString>

#include <cstdint>
#include <vector>

struct wl_display;
struct wl_event_loop;
struct wl_resource;

namespace tarnwick::testing {

class FakeCompositor {
public:
    struct Offers {
        uint32_t extIdleNotifyVersion = 0;  // 0: not offered
        bool kdeIdle = false;
        bool seat = true;
    };
    struct Notification {
        uint32_t timeoutMs = 0;
        bool inputOnly = false;  // made by get_input_idle_notification
        bool kde = false;        // an org_kde_kwin_idle_timeout
        wl_resource* resource = nullptr;
    };

    // Listens on `socketName` in $XDG_RUNTIME_DIR.
    FakeCompositor(Offers offers, const QString& socketName);
    ~FakeCompositor();
    FakeCompositor(const FakeCompositor&) = delete;
    FakeCompositor& operator=(const FakeCompositor&) = delete;

    // Handles what clients sent and sends what is queued, without waiting.
    void pump();
    void sendIdled(std::size_t notification);
    void sendResumed(std::size_t notification);
    // Closes every client's connection, as a compositor that quits.
    void dropClients();

    const std::vector<Notification>& notifications() const { return m_notifications; }
    bool listening() const { return m_listening; }

    // For the protocol handlers.
    void add(Notification notification) { m_notifications.push_back(notification); }
    void forget(wl_resource* resource);

private:
    wl_display* m_display = nullptr;
    wl_event_loop* m_loop = nullptr;
    bool m_listening = false;
    std::vector<Notification> m_notifications;
};

}  // namespace tarnwick::testing
