#include "fake_compositor.hpp"

#include <wayland-server.h>

#include "ext-idle-notify-v1-server-protocol.h"
#include "kde-idle-server-protocol.h"

namespace tarnwick::testing {

namespace {

void destroyResource(wl_client*, wl_resource* resource) { wl_resource_destroy(resource); }

FakeCompositor* owner(wl_resource* resource) {
    return static_cast<FakeCompositor*>(wl_resource_get_user_data(resource));
}

void forgetNotification(wl_resource* resource) {
    if (auto* compositor = owner(resource)) compositor->forget(resource);
}

// The seat: no capabilities, nothing to do.
void seatGetNothing(wl_client*, wl_resource*, uint32_t) {}
const struct wl_seat_interface seatImplementation = {seatGetNothing, seatGetNothing, seatGetNothing, destroyResource};

void bindSeat(wl_client* client, void*, uint32_t version, uint32_t id) {
    wl_resource* resource = wl_resource_create(client, &wl_seat_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &seatImplementation, nullptr, nullptr);
    wl_seat_send_capabilities(resource, 0);
}

// ext-idle-notify
const struct ext_idle_notification_v1_interface extNotificationImplementation = {destroyResource};

void makeExtNotification(wl_client* client, wl_resource* notifier, uint32_t id, uint32_t timeout, bool inputOnly) {
    auto* compositor = owner(notifier);
    wl_resource* resource =
        wl_resource_create(client, &ext_idle_notification_v1_interface, wl_resource_get_version(notifier), id);
    wl_resource_set_implementation(resource, &extNotificationImplementation, compositor, forgetNotification);
    compositor->add({timeout, inputOnly, false, resource});
}
void getIdleNotification(wl_client* client, wl_resource* notifier, uint32_t id, uint32_t timeout, wl_resource*) {
    makeExtNotification(client, notifier, id, timeout, false);
}
void getInputIdleNotification(wl_client* client, wl_resource* notifier, uint32_t id, uint32_t timeout, wl_resource*) {
    makeExtNotification(client, notifier, id, timeout, true);
}
const struct ext_idle_notifier_v1_interface extNotifierImplementation = {destroyResource, getIdleNotification,
                                                                          getInputIdleNotification};

void bindExtNotifier(wl_client* client, void* data, uint32_t version, uint32_t id) {
    wl_resource* resource = wl_resource_create(client, &ext_idle_notifier_v1_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &extNotifierImplementation, data, nullptr);
}

// org_kde_kwin_idle
void simulateActivity(wl_client*, wl_resource*) {}
const struct org_kde_kwin_idle_timeout_interface kdeTimeoutImplementation = {destroyResource, simulateActivity};

void getIdleTimeout(wl_client* client, wl_resource* idle, uint32_t id, wl_resource*, uint32_t timeout) {
    auto* compositor = owner(idle);
    wl_resource* resource = wl_resource_create(client, &org_kde_kwin_idle_timeout_interface, 1, id);
    wl_resource_set_implementation(resource, &kdeTimeoutImplementation, compositor, forgetNotification);
    compositor->add({timeout, false, true, resource});
}
const struct org_kde_kwin_idle_interface kdeIdleImplementation = {getIdleTimeout};

void bindKdeIdle(wl_client* client, void* data, uint32_t version, uint32_t id) {
    wl_resource* resource = wl_resource_create(client, &org_kde_kwin_idle_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &kdeIdleImplementation, data, nullptr);
}

}  // namespace

FakeCompositor::FakeCompositor(Offers offers, const QString& socketName) {
    m_display = wl_display_create();
    m_loop = wl_display_get_event_loop(m_display);
    if (offers.seat) wl_global_create(m_display, &wl_seat_interface, 1, this, bindSeat);
    if (offers.extIdleNotifyVersion > 0)
        wl_global_create(m_display, &ext_idle_notifier_v1_interface, static_cast<int>(offers.extIdleNotifyVersion),
                         this, bindExtNotifier);
    if (offers.kdeIdle) wl_global_create(m_display, &org_kde_kwin_idle_interface, 1, this, bindKdeIdle);
    m_listening = wl_display_add_socket(m_display, socketName.toLocal8Bit().constData()) == 0;
}

FakeCompositor::~FakeCompositor() {
    dropClients();
    wl_display_destroy(m_display);
}

void FakeCompositor::pump() {
    wl_event_loop_dispatch(m_loop, 0);
    wl_display_flush_clients(m_display);
}

void FakeCompositor::sendIdled(std::size_t n) {
    const Notification& note = m_notifications.at(n);
    if (note.kde) org_kde_kwin_idle_timeout_send_idle(note.resource);
    else ext_idle_notification_v1_send_idled(note.resource);
    wl_display_flush_clients(m_display);
}

void FakeCompositor::sendResumed(std::size_t n) {
    const Notification& note = m_notifications.at(n);
    if (note.kde) org_kde_kwin_idle_timeout_send_resumed(note.resource);
    else ext_idle_notification_v1_send_resumed(note.resource);
    wl_display_flush_clients(m_display);
}

void FakeCompositor::dropClients() {
    wl_list* clients = wl_display_get_client_list(m_display);
    while (!wl_list_empty(clients)) wl_client_destroy(wl_client_from_link(clients->next));
}

void FakeCompositor::forget(wl_resource* resource) {
    for (Notification& note : m_notifications) {
        if (note.resource == resource) note.resource = nullptr;
    }
}

}  // namespace tarnwick::testing
