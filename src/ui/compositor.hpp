#pragma once

// Views ask whether translucency works on this desktop through the Compositor singleton.

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "platform/x11/compositing_watch.hpp"

namespace tarnwick {

class Compositor : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Whether a compositing manager runs: translucent panels are possible.
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)

public:
    explicit Compositor(QObject* parent = nullptr) : QObject(parent) {
        connect(&m_watch, &CompositingWatch::activeChanged, this, &Compositor::activeChanged);
    }
    bool active() const { return m_watch.active(); }

Q_SIGNALS:
    void activeChanged();

private:
    CompositingWatch m_watch;
};

}  // namespace tarnwick
