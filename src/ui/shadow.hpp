#pragma once

// A soft shadow under a rounded shape, blurred once in software and then only blitted: it draws
// the same on every renderer, with or without shader effects. Give it the caster's geometry
// grown by `blur` on every side.

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

namespace tarnwick {

class Shadow : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color MEMBER m_color NOTIFY shapeChanged)
    // The caster's corner radius; half its height makes a capsule or, when square, a disc.
    Q_PROPERTY(qreal cornerRadius MEMBER m_cornerRadius NOTIFY shapeChanged)
    // How far the shadow spreads beyond the caster's edge.
    Q_PROPERTY(qreal blur MEMBER m_blur NOTIFY shapeChanged)

public:
    explicit Shadow(QQuickItem* parent = nullptr);
    void paint(QPainter* painter) override;
    // Forgets the blurred shapes kept for later shadows (the ones shown keep theirs).
    static void dropCache();

Q_SIGNALS:
    void shapeChanged();

private:
    QColor m_color = QColor(0, 0, 0, 90);
    qreal m_cornerRadius = 0;
    qreal m_blur = 8;
    QImage m_cache;
};

}  // namespace tarnwick
