#pragma once

// Whether a compositing manager runs on the X screen (the _NET_WM_CM_S<n> selection has an
// owner), followed as it starts and stops. Without one, translucent windows show black where
// they should be clear, so the interface draws opaque, shaped panels instead.

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

namespace tarnwick {

class CompositingWatch final : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)
public:
    // Needs a QGuiApplication; off X11 it answers false and never signals.
    explicit CompositingWatch(QObject* parent = nullptr);
    ~CompositingWatch() override;

    bool active() const { return m_active; }

Q_SIGNALS:
    void activeChanged();

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool ownerPresent() const;

    std::uint32_t m_selection = 0;
    std::uint8_t m_xfixesEvent = 0;  // first event code of XFixes; 0 when changes are not followed
    bool m_active = false;
};

}  // namespace tarnwick
