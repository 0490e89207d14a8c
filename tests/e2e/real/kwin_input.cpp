// Input through KWin, as from the seat's own devices, for the tests on a real Plasma session:
// KWin's fake-input protocol feeds its input pipeline, so the idle notifications, the panel and
// the windows see what a user's mouse and keyboard would do. X11 tools reach XWayland only.
//
//   tarnwick_kwin_input poke           a one-pixel pointer movement, there and back
//   tarnwick_kwin_input click N X Y    the pointer to X,Y, then N left clicks (2: a double click)
//   tarnwick_kwin_input key [CODE...]  keys pressed in order and released in reverse (evdev codes;
//                                      by default the left Shift key, which types nothing)
//
// Exits 0 once KWin has taken the requests, 1 with a message when it offers no fake input.

#include <wayland-client.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "fake-input-client-protocol.h"

namespace {

constexpr unsigned buttonLeft = 0x110;  // BTN_LEFT of linux/input-event-codes.h
constexpr unsigned keyLeftShift = 42;   // KEY_LEFTSHIFT
constexpr unsigned released = 0, pressed = 1;

struct Globals {
    org_kde_kwin_fake_input* input = nullptr;
    unsigned version = 0;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0 || globals->input) return;
    globals->version = std::min<unsigned>(version, 4);
    globals->input = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, globals->version));
}
void removed(void*, wl_registry*, uint32_t) {}
constexpr wl_registry_listener registryListener{announced, removed};

int usage() {
    std::fprintf(stderr, "usage: tarnwick_kwin_input poke | click N X Y | key [CODE...]\n");
    return 2;
}

// A short pause between presses, as a hand makes; a double click's two stay well within its time.
void rest() { std::this_thread::sleep_for(std::chrono::milliseconds(60)); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if (!(command == "poke" && argc == 2) && !(command == "key" && argc <= 6) && !(command == "click" && argc == 5))
        return usage();

    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "tarnwick_kwin_input: no Wayland display to connect to\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.input) {
        std::fprintf(stderr, "tarnwick_kwin_input: the compositor offers no org_kde_kwin_fake_input\n");
        wl_display_disconnect(display);
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(globals.input, "Tarnwick tests", "input for end-to-end tests");

    if (command == "poke") {
        org_kde_kwin_fake_input_pointer_motion(globals.input, wl_fixed_from_int(1), 0);
        org_kde_kwin_fake_input_pointer_motion(globals.input, wl_fixed_from_int(-1), 0);
    } else if (command == "key") {
        if (globals.version < 4) {
            std::fprintf(stderr, "tarnwick_kwin_input: the compositor's fake input has no keyboard\n");
            return 1;
        }
        std::vector<unsigned> keys;
        for (int i = 2; i < argc; ++i) keys.push_back(static_cast<unsigned>(std::atoi(argv[i])));
        if (keys.empty()) keys.push_back(keyLeftShift);
        for (const unsigned key : keys) org_kde_kwin_fake_input_keyboard_key(globals.input, key, pressed);
        wl_display_roundtrip(display);
        for (auto key = keys.rbegin(); key != keys.rend(); ++key)
            org_kde_kwin_fake_input_keyboard_key(globals.input, *key, released);
    } else {
        const int clicks = std::atoi(argv[2]);
        if (globals.version < 3) {
            std::fprintf(stderr, "tarnwick_kwin_input: the compositor's fake input cannot place the pointer\n");
            return 1;
        }
        org_kde_kwin_fake_input_pointer_motion_absolute(globals.input, wl_fixed_from_int(std::atoi(argv[3])),
                                                        wl_fixed_from_int(std::atoi(argv[4])));
        wl_display_roundtrip(display);
        rest();
        for (int i = 0; i < clicks; ++i) {
            org_kde_kwin_fake_input_button(globals.input, buttonLeft, pressed);
            org_kde_kwin_fake_input_button(globals.input, buttonLeft, released);
            wl_display_roundtrip(display);
            if (i + 1 < clicks) rest();
        }
    }
    const bool taken = wl_display_roundtrip(display) >= 0;
    org_kde_kwin_fake_input_destroy(globals.input);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!taken) std::fprintf(stderr, "tarnwick_kwin_input: the compositor closed the connection\n");
    return taken ? 0 : 1;
}
