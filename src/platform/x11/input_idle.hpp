#pragma once

// Idle time and recent typing on X11: the screen saver extension's idle counter, and raw key
// presses from XInput 2 of which only the moment is kept.

#include <QAbstractNativeEventFilter>

#include <chrono>
#include <cstdint>
#include <optional>

#include "app/ports.hpp"

namespace tarnwick {

class X11InputIdle final : public InputIdle, private QAbstractNativeEventFilter {
public:
    // What secondsSinceKeyDown answers before any key press was seen, or when key presses
    // cannot be observed: about 31 years.
    static constexpr double noKeyDown = 1.0e9;

    // Needs a QGuiApplication; without X11 both answers mean "not busy".
    X11InputIdle();
    ~X11InputIdle() override;
    X11InputIdle(const X11InputIdle&) = delete;
    X11InputIdle& operator=(const X11InputIdle&) = delete;

    // Seconds since the last input of any kind; 0 when the server cannot tell. Asked once a
    // second, it answers from the request it sent the call before, aged by the time since, so the
    // server's reply arrives while the program sleeps instead of costing a wait of its own.
    double idleSeconds() override;
    // Seconds since the last key press seen by this object.
    double secondsSinceKeyDown() override;

    bool idleObservable() const { return m_idleAvailable; }
    bool typingObservable() const { return m_xinputOpcode != 0; }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    std::uint8_t m_xinputOpcode = 0;  // 0: XInput 2 missing, no typing is seen
    bool m_idleAvailable = false;
    std::uint32_t m_root = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastKeyDown;
    // The idle-time request in flight and when it was sent.
    std::optional<unsigned> m_pendingRequest;
    std::chrono::steady_clock::time_point m_pendingSentAt;
};

}  // namespace tarnwick
