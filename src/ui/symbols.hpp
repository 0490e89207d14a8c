#pragma once

// The symbols the interface draws, by the names its views use ("eye.fill", "pause.fill", …),
// each an SVG of the bundled icon set, and the item that draws one in a colour.

#include <QColor>
#include <QQuickPaintedItem>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace tarnwick {

// The resource path of a symbol's SVG; empty for an unknown name.
QString symbolResource(const QString& name);
// Every symbol name of the table, in sorted order.
QStringList symbolNames();

// Draws one symbol in `color`, scaled to fit its box with its aspect kept. An unknown name
// draws nothing. Symbols are decoration: the text beside them carries the meaning.
class SymbolIcon : public QQuickPaintedItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(Symbol)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(qreal size READ size WRITE setSize NOTIFY sizeChanged)
    // Whether `name` is in the table, so something is drawn.
    Q_PROPERTY(bool known READ known NOTIFY nameChanged)

public:
    explicit SymbolIcon(QQuickItem* parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString& name);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    qreal size() const { return m_size; }
    void setSize(qreal size);
    bool known() const { return !m_resource.isEmpty(); }

    void paint(QPainter* painter) override;

Q_SIGNALS:
    void nameChanged();
    void colorChanged();
    void sizeChanged();

private:
    QString m_name;
    QString m_resource;
    QColor m_color = Qt::white;
    qreal m_size = 16;
};

// The symbol table for views and tests that list every symbol.
class SymbolTable : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Symbols)
    QML_SINGLETON
    Q_PROPERTY(QStringList names READ names CONSTANT)

public:
    using QObject::QObject;
    QStringList names() const { return symbolNames(); }
};

}  // namespace tarnwick
