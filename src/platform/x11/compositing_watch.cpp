#include "platform/x11/compositing_watch.hpp"

#include <QCoreApplication>
#include <QMetaObject>

#include <string>

#include <xcb/xfixes.h>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {

namespace {

// The X screen number Qt connected to, from DISPLAY (":0.1" is screen 1).
int screenNumber() {
    const char* display = std::getenv("DISPLAY");
    if (!display) return 0;
    const std::string text(display);
    const auto colon = text.rfind(':');
    const auto dot = text.find('.', colon == std::string::npos ? 0 : colon);
    return dot == std::string::npos ? 0 : std::atoi(text.c_str() + dot + 1);
}

}  // namespace

CompositingWatch::CompositingWatch(QObject* parent) : QObject(parent) {
    xcb_connection_t* c = x11::connection();
    const xcb_window_t root = x11::rootWindow(c);
    if (!c || root == XCB_NONE) return;
    m_selection = x11::atom(c, "_NET_WM_CM_S" + std::to_string(screenNumber()));
    if (m_selection == XCB_ATOM_NONE) return;
    m_active = ownerPresent();

    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!ext || !ext->present) return;
    auto version = x11::collect<xcb_xfixes_query_version_reply_t>(
        c, xcb_xfixes_query_version_reply, xcb_xfixes_query_version(c, 1, 0));
    if (!version) return;
    xcb_xfixes_select_selection_input(c, root, m_selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(c);
    m_xfixesEvent = ext->first_event;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

CompositingWatch::~CompositingWatch() {
    if (m_xfixesEvent == 0) return;
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool CompositingWatch::ownerPresent() const {
    xcb_connection_t* c = x11::connection();
    if (!c) return false;
    auto reply = x11::collect<xcb_get_selection_owner_reply_t>(c, xcb_get_selection_owner_reply,
                                                               xcb_get_selection_owner(c, m_selection));
    return reply && reply->owner != XCB_NONE;
}

bool CompositingWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != m_xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY) return false;
    const auto* notify = static_cast<const xcb_xfixes_selection_notify_event_t*>(message);
    if (notify->selection != m_selection) return false;
    const bool active = notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && notify->owner != XCB_NONE;
    if (active != m_active) {
        m_active = active;
        QMetaObject::invokeMethod(this, &CompositingWatch::activeChanged, Qt::QueuedConnection);
    }
    return false;  // Qt follows selections of its own too.
}

}  // namespace tarnwick
