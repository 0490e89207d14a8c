#pragma once

// The places idle time and idle inhibitors are read from, and how several of them are asked.
// Every source answers asynchronously: a question goes out on one tick and its reply serves the
// next, so a slow or missing service never holds up the caller.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tarnwick {

// Seconds since the last input of any kind, from one service.
class IdleSource {
public:
    virtual ~IdleSource() = default;
    virtual QString name() const = 0;
    // Sends a question unless one is still on its way. `now`: seconds on the caller's monotonic clock.
    virtual void ask(double now) = 0;
    // The last reply aged to `now`; nothing when there was none lately.
    virtual std::optional<double> idleSeconds(double now) const = 0;
    // Whether the last question was answered (false before the first reply).
    virtual bool answering() const = 0;
    virtual bool awaitingReply() const = 0;
};

// Whether another program holds an idle inhibitor, from one service.
class InhibitorSource {
public:
    virtual ~InhibitorSource() = default;
    virtual QString name() const = 0;
    // Sends a question unless one is still on its way.
    virtual void ask() = 0;
    // The last reply; false when the last question went unanswered.
    virtual bool inhibited() const = 0;
    virtual bool answering() const = 0;
    virtual bool awaitingReply() const = 0;
};

// Idle sources in order of preference. A source is asked while none before it answers; one that
// gave no answer is asked again only every `retryAfter` seconds. The answer comes from the first
// source with a recent reply.
class IdleSourceChain {
public:
    static constexpr double retryAfter = 10;

    explicit IdleSourceChain(std::vector<std::unique_ptr<IdleSource>> sources);

    // Asks the sources that are due, then answers from the replies in.
    std::optional<double> idleSeconds(double now);
    // The answer from the replies in, without asking.
    std::optional<double> peek(double now) const;
    // The source the last answer came from; null when none had one.
    const IdleSource* serving() const { return m_serving; }
    // A source serves, or every source has been asked and none answers.
    bool decided() const;
    bool awaitingReplies() const;

private:
    struct Entry {
        std::unique_ptr<IdleSource> source;
        std::optional<double> askedAt;
    };
    std::pair<const IdleSource*, std::optional<double>> first(double now) const;

    std::vector<Entry> m_entries;
    const IdleSource* m_serving = nullptr;
};

// Inhibitor sources, all asked together at most once every `askEvery` seconds. Held means some
// source's last reply said so.
class InhibitorPoll {
public:
    static constexpr double askEvery = 10;

    explicit InhibitorPoll(std::vector<std::unique_ptr<InhibitorSource>> sources);

    // Asks when due, then answers from the replies in.
    bool inhibited(double now);
    // The answer from the replies in, without asking.
    bool held() const;
    // Every source has answered or given up on its first question.
    bool settled() const;
    // The names of the sources that answered their last question, in order.
    QStringList answeringNames() const;
    bool awaitingReplies() const;
    const std::vector<std::unique_ptr<InhibitorSource>>& sources() const { return m_sources; }

private:
    std::vector<std::unique_ptr<InhibitorSource>> m_sources;
    std::optional<double> m_askedAt;
};

}  // namespace tarnwick
