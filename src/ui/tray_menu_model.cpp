#include "ui/tray_menu_model.hpp"

#include <QVariantMap>

namespace tarnwick {

namespace {

constexpr double halfHourSeconds = 1800, hourSeconds = 3600;

bool breakPending(const Phase& phase) {
    return std::holds_alternative<phase::HeadsUp>(phase) || std::holds_alternative<phase::Held>(phase);
}

}  // namespace

TrayMenuModel::TrayMenuModel(AppModel& model, QObject* parent) : QObject(parent), m_model(model), m_items(compute()) {
    connect(&m_model, &AppModel::phaseChanged, this, &TrayMenuModel::refresh);
}

std::vector<TrayMenuModel::Item> TrayMenuModel::compute() const {
    const Phase& phase = m_model.phase();
    std::vector<Item> items{
        {Command::firstBreak, breakPending(phase) ? tr("Start break now") : tr("Eye break now")},
        {Command::longBreak, tr("Long break now")},
    };
    if (std::holds_alternative<phase::Paused>(phase)) {
        items.push_back({Command::resume, tr("Resume breaks"), true});
    } else {
        items.push_back({Command::pause30, tr("Pause 30 min"), true});
        items.push_back({Command::pause60, tr("Pause 1 hour")});
        items.push_back({Command::pauseTomorrow, tr("Pause until tomorrow")});
    }
    items.push_back({Command::stats, tr("Stats"), true});
    items.push_back({Command::settings, tr("Settings")});
    items.push_back({Command::quit, tr("Quit"), true});
    return items;
}

QVariantList TrayMenuModel::items() const {
    QVariantList list;
    for (const Item& item : m_items) {
        list.append(QVariantMap{{QStringLiteral("title"), item.title}, {QStringLiteral("separated"), item.separated}});
    }
    return list;
}

void TrayMenuModel::refresh() {
    std::vector<Item> next = compute();
    if (next == m_items) return;
    m_items = std::move(next);
    Q_EMIT changed();
}

void TrayMenuModel::trigger(int index) {
    if (index < 0 || std::size_t(index) >= m_items.size()) return;
    // The phase may change below and with it the list: the command is taken first.
    const Command command = m_items[std::size_t(index)].command;
    switch (command) {
    case Command::firstBreak:
        if (breakPending(m_model.phase())) {
            m_model.startNow();
        } else {
            m_model.takeBreak(BreakKind::micro);
        }
        break;
    case Command::longBreak: m_model.takeBreak(BreakKind::long_); break;
    case Command::pause30: m_model.pauseFor(halfHourSeconds); break;
    case Command::pause60: m_model.pauseFor(hourSeconds); break;
    case Command::pauseTomorrow: m_model.pauseUntilTomorrow(); break;
    case Command::resume: m_model.resume(); break;
    case Command::stats: Q_EMIT statsRequested(); return;
    case Command::settings: Q_EMIT settingsRequested(); return;
    case Command::quit: Q_EMIT quitRequested(); return;
    }
    Q_EMIT closeRequested();
}

}  // namespace tarnwick
