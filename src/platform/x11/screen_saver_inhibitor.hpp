#pragma once

// The X screen saver suspended by another program (video players call `xdg-screensaver suspend`
// or turn the saver off with `xset s off`): the screen saver extension then reports it disabled.

#include <QObject>

#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/idle_sources.hpp"

namespace tarnwick {

// A saver that was already disabled when first seen is the user's own setting, not a program
// holding it off: counted as suspended it would hide every absence for good. So "disabled" counts
// only once the saver has been seen enabled.
class SaverSuspendRule {
public:
    // Whether the saver counts as suspended by a program, given that it reports disabled or not.
    bool suspended(bool disabled);

private:
    bool m_seenEnabled = false;
};

class X11ScreenSaverInhibitor final : public QObject, public InhibitorSource {
public:
    // How long the server has to answer. The reply is picked up when next looked for (the next
    // tick), which costs no wake-up of its own; one not in by then, this long or more after the
    // question, counts as none.
    static constexpr std::chrono::milliseconds replyWithin{100};

    // Needs Qt on X11 with the screen saver extension; without them it never answers.
    explicit X11ScreenSaverInhibitor(QObject* parent = nullptr);
    ~X11ScreenSaverInhibitor() override;
    X11ScreenSaverInhibitor(const X11ScreenSaverInhibitor&) = delete;
    X11ScreenSaverInhibitor& operator=(const X11ScreenSaverInhibitor&) = delete;

    QString name() const override { return QStringLiteral("X screen saver"); }
    void ask() override;
    bool inhibited() const override { return collect(), m_inhibited; }
    bool answering() const override { return collect(), m_answering; }
    bool awaitingReply() const override { return collect(), m_pending.has_value(); }

private:
    // Takes in the reply to the question on its way, if it has come or is too late.
    void collect() const;

    bool m_available = false;
    std::uint32_t m_root = 0;
    std::chrono::steady_clock::time_point m_askedAt;
    // The question on its way (its sequence number) and the last answer, taken in when looked at.
    mutable std::optional<unsigned> m_pending;
    mutable bool m_answering = false, m_inhibited = false;
    mutable SaverSuspendRule m_rule;
};

}  // namespace tarnwick
