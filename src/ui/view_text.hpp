#pragma once

// Small conversions the view models share: core text to Qt text, whole numbers, and the time of
// day as the user's locale writes it.

#include <algorithm>
#include <cmath>
#include <string_view>

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include "core/time.hpp"

namespace tarnwick::view {

inline QString text(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

// Whole numbers a view can show or key on; the clamp keeps the conversion defined.
inline qint64 whole(double value) { return qint64(std::clamp(value, -9.2e18, 9.2e18)); }

// The locale's short time without seconds: some locales' short format (C, POSIX) carries them.
inline QString shortTimeFormat() {
    static const QString format = [] {
        QString f = QLocale::system().timeFormat(QLocale::ShortFormat);
        f.remove(QRegularExpression(QStringLiteral("[:.]ss")));
        return f;
    }();
    return format;
}

// The local time of day in the user's short form, e.g. "15:45" or "3:45 PM".
inline QString localTime(Instant instant) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(whole(std::floor(epochSeconds(instant))));
    return QLocale::system().toString(local.time(), shortTimeFormat());
}

}  // namespace tarnwick::view
