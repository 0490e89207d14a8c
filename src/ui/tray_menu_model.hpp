#pragma once

// The tray's right-click menu: the panel's commands as a list, for trays where a menu is all the
// user reaches. Drawn by the program in its own window, so screen readers find and press its items
// like any other control, and it looks like the rest of the program.

#include <QObject>
#include <QString>
#include <QVariantList>

#include <vector>

#include "app/app_model.hpp"

namespace tarnwick {

class TrayMenuModel : public QObject {
    Q_OBJECT
    // The items in order, each a map of "title" (what it says) and "separated" (a rule above it).
    Q_PROPERTY(QVariantList items READ items NOTIFY changed)

public:
    enum class Command { firstBreak, longBreak, pause30, pause60, pauseTomorrow, resume, stats, settings, quit };
    struct Item {
        Command command;
        QString title;
        bool separated = false;
        bool operator==(const Item&) const = default;
    };

    explicit TrayMenuModel(AppModel& model, QObject* parent = nullptr);

    // "Start break now" first while a break is announced or held, else "Eye break now"; the pauses,
    // or "Resume breaks" while paused; then the windows and quitting.
    const std::vector<Item>& entries() const { return m_items; }
    QVariantList items() const;

    // Carries out the item at `index` of the list as shown; any other index does nothing. A command
    // on the breaks closes the menu; the windows and quitting are the controller's to carry out.
    Q_INVOKABLE void trigger(int index);

Q_SIGNALS:
    void changed();
    void closeRequested();
    void statsRequested();
    void settingsRequested();
    void quitRequested();

private:
    std::vector<Item> compute() const;
    void refresh();

    AppModel& m_model;
    std::vector<Item> m_items;
};

}  // namespace tarnwick
