#include "platform/x11/x11_windows.hpp"

#include <QGuiApplication>
#include <QScreen>

#include <unistd.h>

#include <array>
#include <string_view>
#include <utility>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {
namespace {

constexpr std::array<std::pair<std::string_view, WindowType>, 14> typeNames{{
    {"_NET_WM_WINDOW_TYPE_NORMAL", WindowType::normal},
    {"_NET_WM_WINDOW_TYPE_DIALOG", WindowType::dialog},
    {"_NET_WM_WINDOW_TYPE_DESKTOP", WindowType::desktop},
    {"_NET_WM_WINDOW_TYPE_DOCK", WindowType::dock},
    {"_NET_WM_WINDOW_TYPE_TOOLBAR", WindowType::toolbar},
    {"_NET_WM_WINDOW_TYPE_MENU", WindowType::menu},
    {"_NET_WM_WINDOW_TYPE_UTILITY", WindowType::utility},
    {"_NET_WM_WINDOW_TYPE_SPLASH", WindowType::splash},
    {"_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", WindowType::dropdownMenu},
    {"_NET_WM_WINDOW_TYPE_POPUP_MENU", WindowType::popupMenu},
    {"_NET_WM_WINDOW_TYPE_TOOLTIP", WindowType::tooltip},
    {"_NET_WM_WINDOW_TYPE_NOTIFICATION", WindowType::notification},
    {"_NET_WM_WINDOW_TYPE_COMBO", WindowType::combo},
    {"_NET_WM_WINDOW_TYPE_DND", WindowType::dnd},
}};

// Upper bounds for list properties; far above what a desktop holds.
constexpr std::uint32_t maxClients = 4096;
constexpr std::uint32_t maxAtoms = 64;

struct Atoms {
    xcb_atom_t pid, type, state, hidden;
    std::array<xcb_atom_t, typeNames.size()> types;
};

Atoms internAtoms(xcb_connection_t* c) {
    Atoms a{};
    a.pid = x11::atom(c, "_NET_WM_PID");
    a.type = x11::atom(c, "_NET_WM_WINDOW_TYPE");
    a.state = x11::atom(c, "_NET_WM_STATE");
    a.hidden = x11::atom(c, "_NET_WM_STATE_HIDDEN");
    for (std::size_t i = 0; i < typeNames.size(); ++i) a.types[i] = x11::atom(c, typeNames[i].first);
    return a;
}

// The requests for one window, all sent before any reply is awaited, so a whole client list
// costs one round trip.
struct Pending {
    xcb_window_t id;
    xcb_get_property_cookie_t pid, type, state;
    xcb_get_geometry_cookie_t geometry;
    xcb_translate_coordinates_cookie_t origin;
};

Pending request(xcb_connection_t* c, xcb_window_t root, xcb_window_t w, const Atoms& a) {
    return Pending{
        w,
        xcb_get_property(c, 0, w, a.pid, XCB_ATOM_CARDINAL, 0, 1),
        xcb_get_property(c, 0, w, a.type, XCB_ATOM_ATOM, 0, maxAtoms),
        xcb_get_property(c, 0, w, a.state, XCB_ATOM_ATOM, 0, maxAtoms),
        xcb_get_geometry(c, w),
        xcb_translate_coordinates(c, w, root, 0, 0),
    };
}

std::optional<ClientWindow> receive(xcb_connection_t* c, const Pending& p, const Atoms& a) {
    using namespace x11;
    auto pid = collect<xcb_get_property_reply_t>(c, xcb_get_property_reply, p.pid);
    auto type = collect<xcb_get_property_reply_t>(c, xcb_get_property_reply, p.type);
    auto state = collect<xcb_get_property_reply_t>(c, xcb_get_property_reply, p.state);
    auto geometry = collect<xcb_get_geometry_reply_t>(c, xcb_get_geometry_reply, p.geometry);
    auto origin = collect<xcb_translate_coordinates_reply_t>(c, xcb_translate_coordinates_reply, p.origin);
    if (!geometry) return std::nullopt;  // the window is gone

    ClientWindow window;
    window.id = p.id;
    if (const auto v = values32(pid.get(), XCB_ATOM_CARDINAL); !v.empty() && v.front() != 0) {
        window.pid = static_cast<std::int32_t>(v.front());
    }
    for (const std::uint32_t t : values32(type.get(), XCB_ATOM_ATOM)) {
        for (std::size_t i = 0; i < typeNames.size(); ++i) {
            if (a.types[i] != XCB_ATOM_NONE && t == a.types[i]) window.types.push_back(typeNames[i].second);
        }
    }
    for (const std::uint32_t s : values32(state.get(), XCB_ATOM_ATOM)) {
        if (a.hidden != XCB_ATOM_NONE && s == a.hidden) window.hidden = true;
    }
    if (origin) {
        window.geometry = WindowGeometry{double(origin->dst_x), double(origin->dst_y),
                                         double(geometry->width), double(geometry->height)};
    }
    return window;
}

std::vector<ScreenSize> screenSizes() {
    std::vector<ScreenSize> sizes;
    for (const QScreen* screen : QGuiApplication::screens()) {
        // Qt reports logical pixels; windows are measured in device pixels.
        const double ratio = screen->devicePixelRatio();
        const QRect g = screen->geometry();
        sizes.push_back(ScreenSize{g.width() * ratio, g.height() * ratio});
    }
    return sizes;
}

}  // namespace

std::optional<WindowSnapshot> X11Windows::snapshot() const {
    xcb_connection_t* c = x11::connection();
    const xcb_window_t root = x11::rootWindow(c);
    if (!c || root == XCB_NONE) return std::nullopt;
    const Atoms a = internAtoms(c);

    WindowSnapshot snap;
    snap.ownPid = static_cast<std::int32_t>(::getpid());
    snap.screens = screenSizes();

    const auto active = x11::activeWindow(c, root);
    const auto clients = x11::readProperty32(c, root, x11::atom(c, "_NET_CLIENT_LIST"),
                                             XCB_ATOM_WINDOW, maxClients);
    std::vector<Pending> pending;
    pending.reserve(clients.size() + 1);
    if (active) pending.push_back(request(c, root, *active, a));
    for (const xcb_window_t w : clients) pending.push_back(request(c, root, w, a));

    std::size_t i = 0;
    if (active) snap.active = receive(c, pending[i++], a);
    for (; i < pending.size(); ++i) {
        if (auto window = receive(c, pending[i], a)) snap.clients.push_back(std::move(*window));
    }
    return snap;
}

bool X11Windows::frontAppIsFullscreen() const {
    const auto snap = snapshot();
    return snap && tarnwick::frontAppIsFullscreen(*snap);
}

}  // namespace tarnwick
