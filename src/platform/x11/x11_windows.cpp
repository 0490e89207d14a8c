#include "platform/x11/x11_windows.hpp"

#include <QCoreApplication>
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

X11Windows::~X11Windows() {
    if (!m_filtering) return;
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool X11Windows::startWatching() {
    if (m_filtering) return true;
    xcb_connection_t* c = x11::connection();
    m_root = x11::rootWindow(c);
    if (!c || m_root == XCB_NONE || !QCoreApplication::instance()) return false;
    m_activeAtom = x11::atom(c, "_NET_ACTIVE_WINDOW");
    m_clientListAtom = x11::atom(c, "_NET_CLIENT_LIST");
    m_pidAtom = x11::atom(c, "_NET_WM_PID");
    m_typeAtom = x11::atom(c, "_NET_WM_WINDOW_TYPE");
    m_stateAtom = x11::atom(c, "_NET_WM_STATE");
    x11::addRootEventMask(c, m_root, XCB_EVENT_MASK_PROPERTY_CHANGE);
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_filtering = true;
    return true;
}

// Selects property and structure changes on the client windows not watched yet, adding to the mask
// this connection already has on each (Qt's own windows keep theirs).
void X11Windows::watchClients(const WindowSnapshot& snap, bool* added) {
    xcb_connection_t* c = x11::connection();
    std::vector<xcb_window_t> fresh;
    const auto consider = [&](const ClientWindow& w) {
        if (w.id != XCB_NONE && m_watched.insert(w.id).second) fresh.push_back(w.id);
    };
    if (snap.active) consider(*snap.active);
    for (const ClientWindow& w : snap.clients) consider(w);
    *added = !fresh.empty();
    if (fresh.empty()) return;
    for (xcb_window_t gone : x11::addEventMask(c, fresh, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY)) {
        m_watched.erase(gone);
    }
}

bool X11Windows::frontAppIsFullscreen() {
    if (!startWatching()) {
        const auto snap = snapshot();
        return snap && tarnwick::frontAppIsFullscreen(*snap);
    }
    const auto now = std::chrono::steady_clock::now();
    if (m_answer && m_answerScreens == screenSizes() && now - m_answeredAt < m_maxAge) return *m_answer;

    ++m_reads;
    m_answer.reset();  // a change seen while reading makes this answer stale at once
    auto snap = snapshot();
    bool added = false;
    if (snap) watchClients(*snap, &added);
    // A window first watched now may have changed between its reading and its selection.
    if (added) snap = snapshot();
    if (!snap) return false;
    m_answer = tarnwick::frontAppIsFullscreen(*snap);
    m_answerScreens = snap->screens;
    m_answeredAt = now;
    return *m_answer;
}

bool X11Windows::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* e = static_cast<const xcb_property_notify_event_t*>(message);
        if (e->window == m_root) {
            if (e->atom == m_activeAtom || e->atom == m_clientListAtom) m_answer.reset();
        } else if (m_watched.contains(e->window) &&
                   (e->atom == m_stateAtom || e->atom == m_typeAtom || e->atom == m_pidAtom)) {
            m_answer.reset();
        }
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* e = static_cast<const xcb_configure_notify_event_t*>(message);
        if (e->event == e->window && m_watched.contains(e->window)) m_answer.reset();
        break;
    }
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY: {
        // Both events start with the same fields: the window selected on, then the one concerned.
        const auto* e = static_cast<const xcb_map_notify_event_t*>(message);
        if (e->event == e->window && m_watched.contains(e->window)) m_answer.reset();
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* e = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (e->event == e->window && m_watched.erase(e->window)) m_answer.reset();
        break;
    }
    default:
        break;
    }
    return false;  // Qt handles its own windows' events as ever
}

}  // namespace tarnwick
