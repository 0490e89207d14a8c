#pragma once

// Tells of every press of a pointer button anywhere on the X display while it watches, from
// XInput 2 raw events. Nothing is grabbed, so each press still goes where it was going; turns of
// the wheel are not presses. A popup closes on a press outside it even where such a click moves
// no keyboard focus.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

namespace tarnwick {

class PointerPressWatch final : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Needs a QGuiApplication; off X11, or without XInput 2, it never signals.
    explicit PointerPressWatch(QObject* parent = nullptr);
    ~PointerPressWatch() override;

    // Presses are watched, and their events selected from the server, only while on.
    void setWatching(bool on);
    bool watching() const { return m_watching; }

Q_SIGNALS:
    // A button went down; emitted after the event was handled, on the main thread.
    void pressed();

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    std::uint8_t m_opcode = 0;
    bool m_watching = false;
};

}  // namespace tarnwick
