#pragma once

// Reads the window manager's view of the desktop (EWMH properties on Qt's xcb connection) and
// answers whether the front application is full screen.

#include <QAbstractNativeEventFilter>

#include <chrono>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "platform/x11/fullscreen.hpp"

namespace tarnwick {

class X11Windows final : private QAbstractNativeEventFilter {
public:
    // `maxAge` bounds how long an answer is kept without any change having been seen.
    explicit X11Windows(std::chrono::seconds maxAge = std::chrono::seconds(30)) : m_maxAge(maxAge) {}
    ~X11Windows() override;
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    // The state of the desktop right now; absent when the application does not run on X11.
    // Windows that vanish while being read are left out; unreadable fields stay empty.
    std::optional<WindowSnapshot> snapshot() const;

    // False when it cannot tell (no X11, no window manager, no active window). The desktop is read
    // again only after the active window, the client list, or a client's state, type, process or
    // size changed (as the events Qt dispatches say), or the screens did: the probe runs every
    // second while a break is near or the user is away. Needs a QGuiApplication.
    bool frontAppIsFullscreen();

    // How many times frontAppIsFullscreen has read the desktop.
    int reads() const { return m_reads; }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool startWatching();
    void watchClients(const WindowSnapshot& snap, bool* added);

    std::chrono::seconds m_maxAge;
    bool m_filtering = false;
    std::optional<bool> m_answer;  // nothing once a change was seen
    std::vector<ScreenSize> m_answerScreens;
    std::chrono::steady_clock::time_point m_answeredAt;
    std::unordered_set<std::uint32_t> m_watched;  // client windows whose changes are selected
    std::uint32_t m_root = 0, m_activeAtom = 0, m_clientListAtom = 0;
    std::uint32_t m_pidAtom = 0, m_typeAtom = 0, m_stateAtom = 0;
    int m_reads = 0;
};

}  // namespace tarnwick
