// The Wayland idle source against a compositor in the test's own process: what it binds of what is
// offered, the timeouts it asks for, the figure from the events, and how it gives way to the next
// source when the compositor offers nothing or goes away. (The real compositors' side is in the
// end-to-end tests on sway.)

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

#include "fake_compositor.hpp"
#include "platform/idle_sources.hpp"
#include "platform/wayland/wayland_idle_source.hpp"

namespace tarnwick {
namespace {

using testing::FakeCompositor;

class WaylandIdle : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    // Runs both ends until `done` holds, for at most `rounds` rounds of 5 ms.
    bool pumpUntil(FakeCompositor& compositor, const std::function<bool()>& done, int rounds = 400) {
        for (int i = 0; i < rounds; ++i) {
            compositor.pump();
            QCoreApplication::processEvents();
            if (done()) return true;
            QThread::usleep(5000);
        }
        return false;
    }
    void pumpAWhile(FakeCompositor& compositor) {
        pumpUntil(compositor, [] { return false; }, 40);
    }

    double m_now = 1000;
    WaylandIdleSource::Clock clock() {
        return [this] { return m_now; };
    }

private:
    QTemporaryDir m_runtime;
};

TEST_F(WaylandIdle, BindsTheNewestProtocolOfferedWithAShortAndALongNotification) {
    struct Case {
        const char* name;
        FakeCompositor::Offers offers;
        WaylandIdleSource::Protocol protocol;
        bool inputOnly, kde;
        const char* sourceName;
    } cases[] = {
        {"ext version 2: input only, past other programs' inhibitors", {2, true, true},
         WaylandIdleSource::Protocol::ExtIdleNotifyInput, true, false, "ext-idle-notify (Wayland)"},
        {"ext version 1", {1, false, true}, WaylandIdleSource::Protocol::ExtIdleNotify, false, false,
         "ext-idle-notify (Wayland)"},
        {"KDE's protocol only, as wlroots serves it", {0, true, true}, WaylandIdleSource::Protocol::KdeIdle, false,
         true, "KDE idle (Wayland)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCompositor compositor(c.offers, QStringLiteral("wl-test"));
        ASSERT_TRUE(compositor.listening());
        WaylandIdleSource source(45, clock(), QStringLiteral("wl-test"));
        source.ask(m_now);
        EXPECT_TRUE(source.awaitingReply());
        ASSERT_TRUE(
            pumpUntil(compositor, [&] { return source.answering() && compositor.notifications().size() == 2; }));
        EXPECT_EQ(source.protocol(), c.protocol);
        EXPECT_EQ(source.name(), QString::fromUtf8(c.sourceName));
        EXPECT_FALSE(source.awaitingReply());
        const auto& notes = compositor.notifications();
        EXPECT_EQ(notes[0].timeoutMs, 1000u);
        EXPECT_EQ(notes[1].timeoutMs, 45000u);
        for (const auto& note : notes) {
            EXPECT_EQ(note.inputOnly, c.inputOnly);
            EXPECT_EQ(note.kde, c.kde);
        }
        EXPECT_EQ(source.idleSeconds(m_now), 0.0) << "no event yet";
    }
}

TEST_F(WaylandIdle, TheFigureFollowsTheEventsAndGrowsWithTheClockBetweenThem) {
    for (bool kde : {false, true}) {
        SCOPED_TRACE(kde ? "KDE idle" : "ext-idle-notify");
        FakeCompositor compositor({kde ? 0u : 2u, kde, true}, QStringLiteral("wl-events"));
        WaylandIdleSource source(45, clock(), QStringLiteral("wl-events"));
        source.ask(m_now);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return compositor.notifications().size() == 2; }));

        compositor.sendIdled(0);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return source.idleSeconds(m_now).value_or(0) > 0; }));
        EXPECT_DOUBLE_EQ(*source.idleSeconds(m_now), 1) << "idle since a second before the event";
        EXPECT_DOUBLE_EQ(*source.idleSeconds(m_now + 30), 31);

        m_now += 44;
        compositor.sendIdled(1);
        pumpAWhile(compositor);
        EXPECT_DOUBLE_EQ(*source.idleSeconds(m_now + 10), 55);

        compositor.sendResumed(0);
        compositor.sendResumed(1);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return source.idleSeconds(m_now) == 0.0; }));
        EXPECT_TRUE(source.answering());
    }
}

TEST_F(WaylandIdle, NothingOfferedOrTheCompositorGoneLeavesTheNextSourceInCharge) {
    // The next source in the chain: always answers 7.
    class Seven final : public IdleSource {
    public:
        QString name() const override { return QStringLiteral("seven"); }
        void ask(double) override {}
        std::optional<double> idleSeconds(double) const override { return 7; }
        bool answering() const override { return true; }
        bool awaitingReply() const override { return false; }
    };
    auto chainOf = [this](const QString& display) {
        std::vector<std::unique_ptr<IdleSource>> sources;
        sources.push_back(std::make_unique<WaylandIdleSource>(45, clock(), display));
        sources.push_back(std::make_unique<Seven>());
        return IdleSourceChain(std::move(sources));
    };

    {
        SCOPED_TRACE("a seat but no idle protocol");
        FakeCompositor compositor({0, false, true}, QStringLiteral("wl-none"));
        IdleSourceChain chain = chainOf(QStringLiteral("wl-none"));
        chain.idleSeconds(m_now);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return !chain.awaitingReplies(); }));
        EXPECT_EQ(chain.idleSeconds(m_now), 7.0);
        EXPECT_EQ(chain.serving()->name(), QStringLiteral("seven"));
        EXPECT_TRUE(compositor.notifications().empty());
    }
    {
        SCOPED_TRACE("no compositor at that name");
        IdleSourceChain chain = chainOf(QStringLiteral("wl-nobody"));
        EXPECT_EQ(chain.idleSeconds(m_now), 7.0);
        EXPECT_FALSE(chain.awaitingReplies());
    }
    {
        SCOPED_TRACE("the compositor closes the connection while idle");
        FakeCompositor compositor({2, false, true}, QStringLiteral("wl-gone"));
        IdleSourceChain chain = chainOf(QStringLiteral("wl-gone"));
        chain.idleSeconds(m_now);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return compositor.notifications().size() == 2; }));
        compositor.sendIdled(0);
        ASSERT_TRUE(pumpUntil(compositor, [&] { return chain.idleSeconds(m_now + 100) == 101.0; }));
        EXPECT_EQ(chain.serving()->name(), QStringLiteral("ext-idle-notify (Wayland)"));

        compositor.dropClients();
        ASSERT_TRUE(pumpUntil(compositor, [&] { return chain.idleSeconds(m_now) == 7.0; }))
            << "the figure of a closed connection is not kept";
        EXPECT_EQ(chain.serving()->name(), QStringLiteral("seven"));
    }
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
