#pragma once

// The model on fake ports and a manual clock, with the steps the control tests take it through.

#include <functional>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "model_rig.hpp"

// Texts as a person reads them in a failure.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tarnwick::fakes {

// The local short time of a UTC wall-clock time on 2026-03-`day`, as the status sentence writes it.
inline QString shortTime(int day, int hour, int minute = 0) {
    const QTime local = QDateTime(QDate(2026, 3, day), QTime(hour, minute), Qt::UTC).toLocalTime().time();
    if (QLocale::system().timeFormat(QLocale::ShortFormat).contains(QStringLiteral("ss")))
        return local.toString(QStringLiteral("HH:mm"));
    return QLocale::system().toString(local, QLocale::ShortFormat);
}

struct ControlRig : ModelRig {
    ControlRig() {
        edit([](Settings& s) { s.blinkEveryMinutes = 0; });  // nudges play no part here
    }
    void tickAt(double epoch) {
        clock.set(epoch);
        model->tick();
        model->finishSaves();
    }
    // Only `kind` is on, due two minutes from now: 90 s on, its 30 s heads-up begins.
    void soon(BreakKind kind) {
        const double from = clock.epoch();
        edit([kind](Settings& s) {
            s.microEnabled = kind == BreakKind::micro;
            s.longEnabled = kind == BreakKind::long_;
            s.microEveryMinutes = s.longEveryMinutes = 2;
        });
        tickAt(from + 90);
        ASSERT_TRUE(std::holds_alternative<phase::HeadsUp>(model->phase()));
    }
    // A micro break due, held by a call.
    void held() {
        soon(BreakKind::micro);
        probes.camera = true;
        tickAt(clock.epoch() + 31);
        ASSERT_TRUE(std::holds_alternative<phase::Held>(model->phase()));
    }
};

}  // namespace tarnwick::fakes
