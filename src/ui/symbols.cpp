#include "ui/symbols.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QQuickWindow>
#include <QSvgRenderer>

namespace tarnwick {

namespace {

// Symbol name -> icon file under :/icons/symbols. Filled shapes where the name says "fill",
// the bold line weight elsewhere so thin strokes stay legible at 12 px.
constexpr std::array<std::pair<const char*, const char*>, 32> table{{
    {"arrow.up", "arrow-up-bold"},
    {"chart.bar.fill", "chart-bar-fill"},
    {"checkmark.circle.fill", "check-circle-fill"},
    {"circle", "circle-bold"},
    {"clock", "clock-bold"},
    {"command", "keyboard-fill"},  // a Linux keyboard has no command key: the shortcut's tip shows a keyboard
    {"escape", "arrow-circle-up-left-bold"},
    {"eye.fill", "eye-fill"},
    {"figure.stand", "person-fill"},
    {"figure.walk", "person-simple-walk-fill"},
    {"flame.fill", "flame-fill"},
    {"forward.fill", "fast-forward-fill"},
    {"gamecontroller.fill", "game-controller-fill"},
    {"gearshape.fill", "gear-six-fill"},
    {"hand.raised.fill", "hand-palm-fill"},
    {"heart.fill", "heart-fill"},
    {"hourglass", "hourglass-medium-bold"},
    {"info", "info-bold"},
    {"keyboard.fill", "keyboard-fill"},
    {"lock.fill", "lock-fill"},
    {"menubar.rectangle", "browser-bold"},
    {"minus.circle.fill", "minus-circle-fill"},
    {"nosign", "prohibit-bold"},
    {"pause.fill", "pause-fill"},
    {"photo.fill", "image-fill"},
    {"play.circle.fill", "play-circle-fill"},
    {"play.fill", "play-fill"},
    {"plus", "plus-bold"},
    {"power", "power-bold"},
    {"speaker.wave.2.fill", "speaker-high-fill"},
    {"video.fill", "video-camera-fill"},
    {"xmark", "x-bold"},
}};

// One parsed renderer per file, shared by every item that draws it.
QSvgRenderer* renderer(const QString& resource) {
    static QHash<QString, QSvgRenderer*> cache;
    auto it = cache.find(resource);
    if (it == cache.end()) it = cache.insert(resource, new QSvgRenderer(resource));
    return *it;
}

}  // namespace

QString symbolResource(const QString& name) {
    for (const auto& [symbol, file] : table) {
        if (name == QLatin1String(symbol)) return QStringLiteral(":/icons/symbols/%1.svg").arg(QLatin1String(file));
    }
    return {};
}

QStringList symbolNames() {
    QStringList names;
    for (const auto& entry : table) names << QString::fromLatin1(entry.first);
    std::sort(names.begin(), names.end());
    return names;
}

SymbolIcon::SymbolIcon(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
    setImplicitSize(m_size, m_size);
}

void SymbolIcon::setName(const QString& name) {
    if (name == m_name) return;
    m_name = name;
    m_resource = symbolResource(name);
    Q_EMIT nameChanged();
    update();
}

void SymbolIcon::setColor(const QColor& color) {
    if (color == m_color) return;
    m_color = color;
    Q_EMIT colorChanged();
    update();
}

void SymbolIcon::setSize(qreal size) {
    if (qFuzzyCompare(size, m_size)) return;
    m_size = size;
    setImplicitSize(size, size);
    Q_EMIT sizeChanged();
}

void SymbolIcon::paint(QPainter* painter) {
    if (m_resource.isEmpty() || width() <= 0 || height() <= 0) return;
    QSvgRenderer* svg = renderer(m_resource);
    if (!svg->isValid()) return;
    // Draw the shape into its own layer, then colour it: the icons are one-colour drawings.
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    QImage layer((QSizeF(width(), height()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QSizeF box = svg->viewBoxF().size().scaled(QSizeF(width(), height()), Qt::KeepAspectRatio);
    svg->render(&p, QRectF(QPointF((width() - box.width()) / 2, (height() - box.height()) / 2), box));
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(QRectF(0, 0, width(), height()), m_color);
    p.end();
    painter->drawImage(QRectF(0, 0, width(), height()), layer);
}

}  // namespace tarnwick
