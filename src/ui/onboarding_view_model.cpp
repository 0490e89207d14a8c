#include "ui/onboarding_view_model.hpp"

#include <algorithm>
#include <climits>

#include <QCoreApplication>
#include <QVariantMap>

#include "platform/imaging/backdrops.hpp"
#include "ui/i18n/core_text.hpp"
#include "ui/view_text.hpp"

namespace tarnwick {

namespace {

struct OnboardingTr {
    Q_DECLARE_TR_FUNCTIONS(Onboarding)
};

}  // namespace

using view::text;

QString firstBreakText(Preset preset) {
    Settings fresh;
    apply(preset, fresh);
    const std::int64_t minutes = fresh.microEnabled ? fresh.microEveryMinutes : fresh.longEveryMinutes;
    return OnboardingTr::tr("Your first break is in %n minutes.", nullptr,
                            int(std::clamp<std::int64_t>(minutes, INT_MIN, INT_MAX)));
}

OnboardingViewModel::OnboardingViewModel(QObject* parent) : QObject(parent) {}

void OnboardingViewModel::setModel(AppModel* model) {
    if (model == m_model) return;
    m_model = model;
    Q_EMIT modelChanged();
}

QString OnboardingViewModel::stepText() const { return tr("Step %1 of %2").arg(m_step).arg(stepCount()); }

QString OnboardingViewModel::primaryText() const {
    return m_step < stepCount() ? tr("Continue") : tr("Start Tarnwick");
}

QString OnboardingViewModel::welcomeText() const {
    return tr("Eye breaks that wait for the right moment. How often should we remind you?");
}

QVariantList OnboardingViewModel::presets() const {
    QVariantList rows;
    for (Preset preset : allPresets) {
        rows.append(QVariantMap{
            {QStringLiteral("id"), text(id(preset))},
            {QStringLiteral("name"), i18n::coreText(name(preset))},
            {QStringLiteral("summary"), i18n::coreText(summary(preset))},
            {QStringLiteral("tag"), i18n::coreText(tag(preset))},
        });
    }
    return rows;
}

void OnboardingViewModel::choosePreset(int index) {
    if (index < 0 || index >= int(allPresets.size())) return;
    const Preset chosen = allPresets[std::size_t(index)];
    if (chosen == m_preset) return;
    m_preset = chosen;
    Q_EMIT changed();
}

QString OnboardingViewModel::busyText() const {
    return tr("No permissions needed. Tarnwick only checks whether the camera or mic is on and whether "
              "an app is full screen. Nothing is recorded.");
}

QVariantList OnboardingViewModel::chips() const {
    const auto chip = [](const QString& title, const char* symbol) {
        return QVariantMap{{QStringLiteral("title"), title}, {QStringLiteral("symbol"), QString::fromLatin1(symbol)}};
    };
    return {chip(tr("Meetings or calls"), "video.fill"), chip(tr("Full-screen games"), "gamecontroller.fill"),
            chip(tr("Typing"), "keyboard.fill")};
}

void OnboardingViewModel::setLaunchAtLogin(bool on) {
    if (on == m_launchAtLogin) return;
    m_launchAtLogin = on;
    Q_EMIT changed();
}

QString OnboardingViewModel::doneText() const {
    //: %1 is the sentence that tells when the first break comes, e.g. "Your first break is in 20 minutes."
    return tr("Tarnwick lives in your system tray. %1").arg(chosenFirstBreakText());
}

QVariantList OnboardingViewModel::tips() const {
    const auto tip = [](const char* symbol, const QString& line) {
        return QVariantMap{{QStringLiteral("symbol"), QString::fromLatin1(symbol)}, {QStringLiteral("text"), line}};
    };
    return {tip("menubar.rectangle", tr("Click the tray icon to pause or take a break")),
            tip("command", tr("Press Ctrl Alt B in any app for a break right now")),
            tip("escape", tr("Press esc twice to skip a break when you have to"))};
}

QVariant OnboardingViewModel::backdrop() const { return QVariant::fromValue(Backdrops::sunset()); }

void OnboardingViewModel::next() {
    if (!m_model || m_finished) return;
    switch (m_step) {
    case 1:
        m_model->applyPreset(m_preset);
        break;
    case 2: {
        // The choice is stored whether or not the desktop accepts the login item; the settings
        // window reports a login item that did not follow.
        Settings settings = m_model->settings();
        settings.launchAtLogin = m_launchAtLogin;
        m_model->setSettings(settings);
        (void)m_model->setLaunchAtLogin(m_launchAtLogin);
        break;
    }
    default: {
        Settings settings = m_model->settings();
        settings.onboarded = true;
        m_model->setSettings(settings);
        m_finished = true;
        Q_EMIT finished();
        return;
    }
    }
    ++m_step;
    Q_EMIT changed();
}

void OnboardingViewModel::back() {
    if (m_step <= 1 || m_finished) return;
    --m_step;
    Q_EMIT changed();
}

}  // namespace tarnwick
