#pragma once

// Tells when another application became active: the window manager's _NET_ACTIVE_WINDOW moved
// to a window that belongs to a different owner than before, and not to this program.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <optional>

namespace tarnwick {

// Who an active window belongs to: its process, or the window itself when it names no process.
// An empty owner (no pid, no window) stands for "nothing is active".
struct ActiveOwner {
    std::optional<std::int32_t> pid;
    std::uint32_t window = 0;
    bool operator==(const ActiveOwner&) const = default;
};

// Whether moving the activation from `before` to `after` means another application became
// active. Windows of one process count as one application; this program's never count.
bool otherApplicationActivated(const ActiveOwner& before, const ActiveOwner& after, bool afterIsOurs);

class ActiveWindowWatcher final : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Needs a QGuiApplication; off X11 it never signals.
    explicit ActiveWindowWatcher(QObject* parent = nullptr);
    ~ActiveWindowWatcher() override;

Q_SIGNALS:
    // Emitted after the event that caused it has been handled, on the main thread.
    void otherApplicationActive();

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    ActiveOwner currentOwner(bool* ours) const;

    std::uint32_t m_root = 0;
    std::uint32_t m_activeAtom = 0;
    ActiveOwner m_owner;
};

}  // namespace tarnwick
