#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/process/single_instance.hpp"

using namespace tarnwick;

TEST(SingleInstance, ASecondStartAsksTheFirstToShowItselfAndGivesWay) {
    QTemporaryDir data;
    SingleInstance first(data.path()), second(data.path());
    EXPECT_FALSE(second.notifyRunning(500)) << "nobody is running yet";
    ASSERT_TRUE(first.claim());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
    EXPECT_FALSE(second.claim());
    bool answered = false;
    std::thread asker([&] { answered = second.notifyRunning(2000); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 3000));
    asker.join();
    EXPECT_TRUE(answered);
}

TEST(SingleInstance, ALockLeftByACrashedInstanceIsTakenOver) {
    QTemporaryDir data;
    const pid_t child = fork();
    if (child == 0) _exit((new QLockFile(data.path() + "/tarnwick.lock"))->tryLock(0) ? 0 : 1);  // dies holding it
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(data.path() + "/tarnwick.lock"));
    EXPECT_TRUE(SingleInstance(data.path()).claim());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
