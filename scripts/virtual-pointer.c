/* virtual-pointer: adds a pointer device to a wlroots compositor's seat for as long as it runs.
 *
 * A headless sway has no input devices, and a seat without a pointer gives its clients no
 * wl_pointer: swaybar and XWayland would never see the clicks and motions that `swaymsg seat seat0
 * cursor ...` sends. This client creates one virtual pointer (wlr-virtual-pointer-unstable-v1)
 * and then only waits; the seat commands move it. with-real-desktop compiles it for each run:
 *   cc -o virtual-pointer virtual-pointer.c -lwayland-client
 * It prints "ready" once the compositor has the device, and ends when the compositor goes. */
#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

/* The two interfaces of the protocol, as far as this client uses them: the manager's first
 * request (create_virtual_pointer, opcode 0) and the device, which it sends nothing. */
static const struct wl_interface virtual_pointer_interface = {"zwlr_virtual_pointer_v1", 1, 0, NULL, 0, NULL};
static const struct wl_interface *create_types[] = {&wl_seat_interface, &virtual_pointer_interface};
static const struct wl_message manager_requests[] = {{"create_virtual_pointer", "?on", create_types}};
static const struct wl_interface manager_interface = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, manager_requests, 0, NULL};

static struct wl_seat *seat;
static struct wl_proxy *manager;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
    (void)data;
    (void)version;
    if (!seat && strcmp(interface, wl_seat_interface.name) == 0)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (!manager && strcmp(interface, manager_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

int main(void) {
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "virtual-pointer: no Wayland compositor to connect to\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !manager) {
        fprintf(stderr, "virtual-pointer: the compositor offers %s\n",
                seat ? "no virtual pointers (zwlr_virtual_pointer_manager_v1)" : "no seat");
        return 1;
    }
    struct wl_proxy *device = wl_proxy_marshal_constructor(manager, 0, &virtual_pointer_interface, seat, NULL);
    if (!device || wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "virtual-pointer: the compositor refused the device\n");
        return 1;
    }
    printf("ready\n");
    fflush(stdout);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
