#include "control/status_forms.hpp"

#include <algorithm>
#include <cmath>

#include <QJsonDocument>
#include <QStringList>

namespace tarnwick {

namespace {

const QStringList& instants() {
    static const QStringList names{QStringLiteral("BreakAt"),    QStringLiteral("StartedAt"),
                                   QStringLiteral("EndsAt"),     QStringLiteral("HeldSince"),
                                   QStringLiteral("PausedUntil"), QStringLiteral("NextBreakAt"),
                                   QStringLiteral("NextLongAt")};
    return names;
}

const QStringList& namesOrNone() {
    static const QStringList names{QStringLiteral("BreakKind"), QStringLiteral("HeldReason"),
                                   QStringLiteral("NextBreakKind")};
    return names;
}

QString jsonKey(const QString& property) { return property.left(1).toLower() + property.mid(1); }

}  // namespace

QJsonObject statusJson(const QVariantMap& properties) {
    QJsonObject object;
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        const QString& name = it.key();
        QJsonValue value = QJsonValue::fromVariant(it.value());
        if (instants().contains(name)) {
            value = it.value().toLongLong() == 0 ? QJsonValue() : QJsonValue(it.value().toLongLong());
        } else if (namesOrNone().contains(name) && it.value().toString().isEmpty()) {
            value = QJsonValue();
        }
        object.insert(jsonKey(name), value);
    }
    return object;
}

QJsonObject statusBarLine(const QVariantMap& properties) {
    const QString phase = properties.value(QStringLiteral("Phase")).toString();
    int percentage = 0;
    if (phase == QLatin1String("working")) {
        if (!properties.value(QStringLiteral("NextBreakKind")).toString().isEmpty()) {
            const double progress = properties.value(QStringLiteral("Progress")).toDouble();
            percentage = int(std::lround(std::clamp(std::isfinite(progress) ? progress : 0.0, 0.0, 1.0) * 100));
        }
    } else if (phase != QLatin1String("paused")) {
        percentage = 100;
    }
    return {
        {QStringLiteral("text"), properties.value(QStringLiteral("Text")).toString()},
        {QStringLiteral("tooltip"), properties.value(QStringLiteral("Sentence")).toString()},
        {QStringLiteral("class"), phase},
        {QStringLiteral("percentage"), percentage},
        {QStringLiteral("status"), statusJson(properties)},
    };
}

QJsonObject stoppedLine() {
    return {
        {QStringLiteral("text"), QString()},
        {QStringLiteral("tooltip"), QStringLiteral("Tarnwick is not running.")},
        {QStringLiteral("class"), QStringLiteral("stopped")},
        {QStringLiteral("percentage"), 0},
    };
}

QByteArray compactLine(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

}  // namespace tarnwick
