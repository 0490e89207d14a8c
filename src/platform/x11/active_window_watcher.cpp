#include "platform/x11/active_window_watcher.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <unistd.h>

#include "platform/x11/xcb_support.hpp"

namespace tarnwick {

bool otherApplicationActivated(const ActiveOwner& before, const ActiveOwner& after, bool afterIsOurs) {
    return !afterIsOurs && !(before == after);
}

ActiveWindowWatcher::ActiveWindowWatcher(QObject* parent) : QObject(parent) {
    xcb_connection_t* c = x11::connection();
    m_root = x11::rootWindow(c);
    if (!c || m_root == XCB_NONE) return;
    m_activeAtom = x11::atom(c, "_NET_ACTIVE_WINDOW");
    if (m_activeAtom == XCB_ATOM_NONE) return;
    x11::addRootEventMask(c, m_root, XCB_EVENT_MASK_PROPERTY_CHANGE);
    bool ours = false;
    m_owner = currentOwner(&ours);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ActiveWindowWatcher::~ActiveWindowWatcher() {
    if (m_activeAtom == XCB_ATOM_NONE) return;
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

ActiveOwner ActiveWindowWatcher::currentOwner(bool* ours) const {
    xcb_connection_t* c = x11::connection();
    const auto active = x11::activeWindow(c, m_root);
    *ours = false;
    if (!active) return {};
    ActiveOwner owner{x11::windowPid(c, *active), *active};
    if (owner.pid) {
        *ours = *owner.pid == static_cast<std::int32_t>(::getpid());
    } else {
        for (const QWindow* w : QGuiApplication::allWindows()) {
            if (w->handle() && w->winId() == *active) *ours = true;
        }
    }
    if (owner.pid) owner.window = 0;  // one application, whichever of its windows
    return owner;
}

bool ActiveWindowWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    if (property->window != m_root || property->atom != m_activeAtom) return false;

    bool ours = false;
    const ActiveOwner owner = currentOwner(&ours);
    const bool other = otherApplicationActivated(m_owner, owner, ours);
    m_owner = owner;
    if (other) QMetaObject::invokeMethod(this, &ActiveWindowWatcher::otherApplicationActive, Qt::QueuedConnection);
    return false;  // Qt watches the root's properties too.
}

}  // namespace tarnwick
