#include "ui/break_view_models.hpp"

#include <algorithm>
#include <cmath>


#include "core/format.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

constexpr double pointerLeadSeconds = 5;
constexpr double minimumHeadsUpSeconds = 5;

using view::text;
using view::whole;

// Every model signal that can move a value the break views show.
template <class ViewModel>
void follow(AppModel& model, ViewModel* viewModel, void (ViewModel::*refresh)()) {
    for (auto signal : {&AppModel::nowChanged, &AppModel::phaseChanged, &AppModel::settingsChanged,
                        &AppModel::skipStateChanged, &AppModel::breakCopyChanged,
                        &AppModel::skipsLeftThisWeekChanged}) {
        QObject::connect(&model, signal, viewModel, refresh);
    }
}

}  // namespace

bool pointerCountdownShown(const Phase& phase, Instant now) {
    auto* headsUp = std::get_if<phase::HeadsUp>(&phase);
    if (!headsUp) return false;
    const double remaining = (headsUp->breakAt - now).count();
    return remaining > 0 && remaining <= pointerLeadSeconds;
}

QString reminderText(const QString& kind) {
    if (kind == u"blink") return QStringLiteral("Blink slowly");
    if (kind == u"posture") return QStringLiteral("Sit up straight");
    return {};
}

BreakViewModel::BreakViewModel(AppModel& model, QObject* parent) : QObject(parent), m_model(model) {
    m_values = compute();
    follow(m_model, this, &BreakViewModel::refresh);
}

BreakViewModel::Values BreakViewModel::compute() const {
    const Settings& settings = m_model.settings();
    Values v;
    v.useWallpaper = settings.breakBackground == BreakBackground::wallpaper;
    v.hardcore = settings.enforcement == BreakEnforcement::hardcore;
    v.showEscapeHint = !v.hardcore;
    if (v.hardcore) {
        v.hintText = QStringLiteral("Hardcore mode: this break can't be skipped");
    } else {
        v.hintText = view::counted(m_model.skipsLeftThisWeek(), "skip", "skips") + QStringLiteral(" left this week");
    }

    const SkipState& skipState = m_model.skipState();
    if (auto* wait = std::get_if<skip::Wait>(&skipState)) {
        v.waitText = QString::asprintf("Skip in %llds", static_cast<long long>(wait->seconds));
    }
    v.canSkip = std::holds_alternative<skip::Available>(skipState);

    auto* onBreak = std::get_if<phase::OnBreak>(&m_model.phase());
    const auto& copy = m_model.breakCopy();
    v.visible = onBreak && copy;
    if (!v.visible) return v;  // the backdrop alone needs no texts, and nothing ticks

    const Instant now = m_model.now();
    v.clockText = view::localTime(now);
    v.title = text(copy->title);
    v.subtitle = text(copy->subtitle);
    const double remaining = (onBreak->endsAt - now).count();
    v.countdownText = text(format::countdown(remaining));
    v.secondsLeft = std::max<qint64>(whole(remaining), 0);
    return v;
}

void BreakViewModel::refresh() {
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

void BreakViewModel::skip() {
    // The published state is what the screen shows; a press racing a change is judged by it.
    if (std::holds_alternative<skip::Available>(m_model.skipState())) m_model.skip();
}

void BreakViewModel::lockScreen() { m_model.lockScreen(); }

HeadsUpViewModel::HeadsUpViewModel(AppModel& model, QObject* parent) : QObject(parent), m_model(model) {
    m_values = compute();
    follow(m_model, this, &HeadsUpViewModel::refresh);
}

HeadsUpViewModel::Values HeadsUpViewModel::compute() const {
    const Settings& settings = m_model.settings();
    Values v;
    v.showClose = settings.enforcement != BreakEnforcement::hardcore;

    auto* headsUp = std::get_if<phase::HeadsUp>(&m_model.phase());
    v.visible = headsUp != nullptr;
    if (!v.visible) return v;

    const double remaining = (headsUp->breakAt - m_model.now()).count();
    const double total = std::max(double(settings.headsUpSeconds), minimumHeadsUpSeconds);
    v.progress = std::clamp(remaining / total, 0.0, 1.0);
    v.waiting = remaining <= 0;
    v.secondsLeft = std::max<qint64>(whole(remaining), 0);
    if (v.waiting) {
        v.bigText = QStringLiteral("Any second now");
        v.smallText = QStringLiteral("Waiting for a pause in your typing.");
    } else {
        v.bigText = text(format::countdown(remaining));
        v.smallText = headsUp->kind == BreakKind::long_
                          ? QStringLiteral("A longer break is next. A good moment to stand up.")
                          : QStringLiteral("Almost time. Wrap up what you're doing.");
    }
    const qint64 pointerSeconds = std::max<qint64>(whole(std::ceil(remaining)), 1);
    v.pointerText = QString::asprintf("Starting break in %lld", static_cast<long long>(pointerSeconds));
    return v;
}

void HeadsUpViewModel::refresh() {
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

QStringList HeadsUpViewModel::snoozeLabels() const {
    return {QStringLiteral("+1m"), QStringLiteral("+5m"), QStringLiteral("+15m")};
}

void HeadsUpViewModel::skip() { m_model.skip(); }

void HeadsUpViewModel::startNow() { m_model.startNow(); }

void HeadsUpViewModel::snooze(qint64 minutes) { m_model.snooze(minutes); }

}  // namespace tarnwick
