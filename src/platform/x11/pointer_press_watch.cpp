#include "platform/x11/pointer_press_watch.hpp"

#include <QCoreApplication>
#include <QMetaObject>

#include <xcb/xinput.h>

#include "platform/x11/raw_input.hpp"

namespace tarnwick {

namespace {

constexpr std::uint32_t pressMask = XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS;

// Buttons 4 to 7 are the wheel's four directions.
bool isWheel(std::uint32_t button) { return button >= 4 && button <= 7; }

}  // namespace

PointerPressWatch::PointerPressWatch(QObject* parent) : QObject(parent), m_opcode(x11::xinputOpcode()) {}

PointerPressWatch::~PointerPressWatch() { setWatching(false); }

void PointerPressWatch::setWatching(bool on) {
    if (on == m_watching || m_opcode == 0) return;
    if (on && !x11::selectRawEvents(pressMask)) return;
    m_watching = on;
    if (on) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else {
        if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
        x11::deselectRawEvents(pressMask);
    }
}

bool PointerPressWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!m_watching || eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC) return false;
    const auto* ge = static_cast<const xcb_ge_generic_event_t*>(message);
    if (ge->extension != m_opcode || ge->event_type != XCB_INPUT_RAW_BUTTON_PRESS) return false;
    if (isWheel(static_cast<const xcb_input_raw_button_press_event_t*>(message)->detail)) return false;
    // Whoever listens may close windows: not from inside Qt's event dispatch.
    QMetaObject::invokeMethod(this, &PointerPressWatch::pressed, Qt::QueuedConnection);
    return false;  // Others may watch the same events.
}

}  // namespace tarnwick
