#include "ui/break_view_models.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCoreApplication>

#include "core/format.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct BreakTr {
    Q_DECLARE_TR_FUNCTIONS(Break)
};

constexpr double pointerLeadSeconds = 5;
constexpr double minimumHeadsUpSeconds = 5;

using view::text;
using view::whole;

// A count as the translation system takes it.
int count(qint64 n) { return int(std::clamp<qint64>(n, INT_MIN, INT_MAX)); }

// Whether the break's subtitle is the core's own, to be shown translated: the user's messages
// replace an eye break's subtitle whenever one is not blank, and are shown as written. The model
// picks the copy seeded by the break's start second; without messages that pick is the built-in one.
bool builtInSubtitle(const phase::OnBreak& onBreak, const BreakCopy& copy, const Settings& settings) {
    if (onBreak.kind == BreakKind::micro) {
        for (const std::string& message : settings.customMessages) {
            if (!QString::fromStdString(message).trimmed().isEmpty()) return false;
        }
    }
    return copy.subtitle == BreakCopy::pick(onBreak.kind, whole(epochSeconds(onBreak.startedAt)), {}).subtitle;
}

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
    if (kind == u"blink") return BreakTr::tr("Blink slowly");
    if (kind == u"posture") return BreakTr::tr("Sit up straight");
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
        v.hintText = tr("Hardcore mode: this break can't be skipped");
    } else {
        v.hintText = tr("%n skips left this week", nullptr, count(m_model.skipsLeftThisWeek()));
    }

    const SkipState& skipState = m_model.skipState();
    if (auto* wait = std::get_if<skip::Wait>(&skipState)) {
        //: %1 is a number of seconds
        v.waitText = tr("Skip in %1s").arg(wait->seconds);
    }
    v.canSkip = std::holds_alternative<skip::Available>(skipState);

    auto* onBreak = std::get_if<phase::OnBreak>(&m_model.phase());
    const auto& copy = m_model.breakCopy();
    v.visible = onBreak && copy;
    if (!v.visible) return v;  // the backdrop alone needs no texts, and nothing ticks

    const Instant now = m_model.now();
    v.clockText = view::localTime(now);
    v.title = i18n::coreText(copy->title);
    v.subtitle = builtInSubtitle(*onBreak, *copy, settings) ? i18n::coreText(copy->subtitle) : text(copy->subtitle);
    const double remaining = (onBreak->endsAt - now).count();
    v.countdownText = text(format::countdown(remaining));
    v.secondsLeft = std::max<qint64>(whole(remaining), 0);
    return v;
}

BreakViewModel::EscapeHint BreakViewModel::escapeHint() {
    //: %1 is the Escape key, drawn as a key cap between the words
    const QString sentence = tr("Press %1 twice to skip the break");
    const qsizetype key = sentence.indexOf(u"%1");
    if (key < 0) return {sentence, {}};
    return {sentence.left(key).trimmed(), sentence.mid(key + 2).trimmed()};
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
        v.bigText = tr("Any second now");
        v.smallText = tr("Waiting for a pause in your typing.");
    } else {
        v.bigText = text(format::countdown(remaining));
        v.smallText = headsUp->kind == BreakKind::long_
                          ? tr("A longer break is next. A good moment to stand up.")
                          : tr("Almost time. Wrap up what you're doing.");
    }
    const qint64 pointerSeconds = std::max<qint64>(whole(std::ceil(remaining)), 1);
    //: %n is the number of seconds left
    v.pointerText = tr("Starting break in %n", nullptr, count(pointerSeconds));
    return v;
}

void HeadsUpViewModel::refresh() {
    Values next = compute();
    if (next == m_values) return;
    m_values = std::move(next);
    Q_EMIT changed();
}

QStringList HeadsUpViewModel::snoozeLabels() const {
    QStringList labels;
    //: Put the break off by %1 minutes
    for (int minutes : snoozeMinutes()) labels.append(tr("+%1m", "snooze, minutes short").arg(minutes));
    return labels;
}

void HeadsUpViewModel::skip() { m_model.skip(); }

void HeadsUpViewModel::startNow() { m_model.startNow(); }

void HeadsUpViewModel::snooze(qint64 minutes) { m_model.snooze(minutes); }

}  // namespace tarnwick
