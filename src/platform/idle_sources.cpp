#include "platform/idle_sources.hpp"

#include <algorithm>

namespace tarnwick {

IdleSourceChain::IdleSourceChain(std::vector<std::unique_ptr<IdleSource>> sources) {
    for (auto& source : sources) {
        if (source) m_entries.push_back({std::move(source), std::nullopt});
    }
}

std::optional<double> IdleSourceChain::idleSeconds(double now) {
    bool earlierAnswers = false;
    for (Entry& entry : m_entries) {
        if (earlierAnswers) break;
        IdleSource& source = *entry.source;
        const bool gaveUp = entry.askedAt && !source.answering() && !source.awaitingReply();
        // now < askedAt: the clock moved back; ask rather than wait for it to catch up.
        const bool retryDue = !gaveUp || now - *entry.askedAt >= retryAfter || now < *entry.askedAt;
        if (!source.awaitingReply() && retryDue) {
            source.ask(now);
            entry.askedAt = now;
        }
        earlierAnswers = source.answering();
    }
    const auto [source, idle] = first(now);
    m_serving = source;
    return idle;
}

std::optional<double> IdleSourceChain::peek(double now) const { return first(now).second; }

std::pair<const IdleSource*, std::optional<double>> IdleSourceChain::first(double now) const {
    for (const Entry& entry : m_entries) {
        if (auto idle = entry.source->idleSeconds(now)) return {entry.source.get(), idle};
    }
    return {nullptr, std::nullopt};
}

bool IdleSourceChain::decided() const {
    if (m_serving) return true;
    return std::all_of(m_entries.begin(), m_entries.end(), [](const Entry& e) {
        return e.askedAt && !e.source->awaitingReply() && !e.source->answering();
    });
}

bool IdleSourceChain::awaitingReplies() const {
    return std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.source->awaitingReply(); });
}

InhibitorPoll::InhibitorPoll(std::vector<std::unique_ptr<InhibitorSource>> sources) {
    for (auto& source : sources) {
        if (source) m_sources.push_back(std::move(source));
    }
}

bool InhibitorPoll::inhibited(double now) {
    if (!m_askedAt || now - *m_askedAt >= askEvery || now < *m_askedAt) {
        for (auto& source : m_sources) source->ask();
        m_askedAt = now;
    }
    return held();
}

bool InhibitorPoll::held() const {
    return std::any_of(m_sources.begin(), m_sources.end(), [](const auto& s) { return s->inhibited(); });
}

bool InhibitorPoll::settled() const { return m_askedAt && !awaitingReplies(); }

QStringList InhibitorPoll::answeringNames() const {
    QStringList names;
    for (const auto& source : m_sources) {
        if (source->answering()) names << source->name();
    }
    return names;
}

bool InhibitorPoll::awaitingReplies() const {
    return std::any_of(m_sources.begin(), m_sources.end(), [](const auto& s) { return s->awaitingReply(); });
}

}  // namespace tarnwick
