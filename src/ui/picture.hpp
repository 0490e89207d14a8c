#pragma once

// Draws an image handed over from C++ (the blurred desktop picture, the sunset backdrop):
// cropped to fill the item with its aspect kept, or stretched to it.

#include <QImage>
#include <QQuickPaintedItem>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace tarnwick {

class Picture : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    // A QImage; anything else shows nothing.
    Q_PROPERTY(QVariant image READ image WRITE setImage NOTIFY imageChanged)
    // Cropped to fill (true) or stretched (false).
    Q_PROPERTY(bool crop READ crop WRITE setCrop NOTIFY cropChanged)
    Q_PROPERTY(bool empty READ empty NOTIFY imageChanged)
    // Darkens the picture from black at `scrimTop` opacity at the top to `scrimBottom` at the
    // bottom, painted once with it rather than redrawn over it on every frame.
    Q_PROPERTY(qreal scrimTop MEMBER m_scrimTop NOTIFY scrimChanged)
    Q_PROPERTY(qreal scrimBottom MEMBER m_scrimBottom NOTIFY scrimChanged)

public:
    explicit Picture(QQuickItem* parent = nullptr);

    QVariant image() const { return m_image; }
    void setImage(const QVariant& image);
    bool crop() const { return m_crop; }
    void setCrop(bool crop);
    bool empty() const { return m_image.isNull(); }

    void paint(QPainter* painter) override;

Q_SIGNALS:
    void imageChanged();
    void cropChanged();
    void scrimChanged();

private:
    QImage m_image;
    bool m_crop = true;
    qreal m_scrimTop = 0, m_scrimBottom = 0;
};

}  // namespace tarnwick
