// A process killed with SIGKILL at random moments while it saves: the files always parse, and
// every record whose save had returned before the kill is there.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/persistence.hpp"

extern char** environ;

using namespace tarnwick;

namespace {

constexpr double t0 = 1'772'438'400;

BreakRecord recordNumber(std::size_t n) {
    return {instantAt(t0 + double(n)), n % 3 == 0 ? BreakKind::long_ : BreakKind::micro,
            n % 2 == 0 ? Outcome::taken : Outcome::skipped};
}

// The saver: loads what is there, then appends and saves without end, telling the parent through
// `fd` the number of records held by each save that has returned.
[[noreturn]] void runSaver(const char* folder, int fd) {
    Persistence persistence{QString::fromLocal8Bit(folder)};
    auto history = persistence.loadHistory();
    Settings settings = persistence.loadSettings();
    for (;;) {
        history.push_back(recordNumber(history.size()));
        if (!persistence.save(history, instantAt(t0 + double(history.size())))) _exit(3);
        const std::uint32_t count = std::uint32_t(history.size());
        if (::write(fd, &count, sizeof count) != sizeof count) _exit(4);
        settings.microSeconds = 5 + std::int64_t(history.size() % 50);
        if (!persistence.save(settings)) _exit(5);
    }
}

}  // namespace

TEST(SaveCrash, FilesAlwaysParseAndKeepEverySavedRecord) {
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/Tarnwick");
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pauseMicroseconds(0, 4000);
    std::size_t confirmed = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        int pipeEnds[2];
        ASSERT_EQ(::pipe2(pipeEnds, O_CLOEXEC), 0);
        const std::string fd = std::to_string(pipeEnds[1]), path = folder.toStdString();
        ::fcntl(pipeEnds[1], F_SETFD, 0);  // the saver inherits the write end
        char* argv[] = {const_cast<char*>("/proc/self/exe"), const_cast<char*>("--saver"),
                        const_cast<char*>(path.c_str()), const_cast<char*>(fd.c_str()), nullptr};
        pid_t saver = 0;
        ASSERT_EQ(::posix_spawn(&saver, "/proc/self/exe", nullptr, nullptr, argv, environ), 0);
        ::close(pipeEnds[1]);
        // The kill falls somewhere in the saves that follow the first one.
        std::uint32_t count = 0;
        ASSERT_EQ(::read(pipeEnds[0], &count, sizeof count), ssize_t(sizeof count)) << "the saver did not start";
        confirmed = std::max<std::size_t>(confirmed, count);
        ::usleep(useconds_t(pauseMicroseconds(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself with " << WEXITSTATUS(status);
        while (::read(pipeEnds[0], &count, sizeof count) == sizeof count) confirmed = std::max<std::size_t>(confirmed, count);
        ::close(pipeEnds[0]);

        // What is on disk parses, and holds every confirmed record in order, and nothing else.
        Persistence reader(folder);
        const auto history = reader.loadHistory();
        reader.loadSettings();
        ASSERT_TRUE(QDir(folder).entryList({QStringLiteral("*.unreadable-*")}, QDir::Files).isEmpty())
            << "a file could not be read after a kill";
        ASSERT_GE(history.size(), confirmed);
        for (std::size_t i = 0; i < history.size(); ++i) ASSERT_EQ(history[i], recordNumber(i)) << i;
        confirmed = history.size();
    }
    EXPECT_GE(confirmed, 300u) << "every round saved at least once before its kill";
    // No temporary files are left to pile up beside the data.
    EXPECT_LE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2 + 300);
}

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--saver") == 0) runSaver(argv[2], std::atoi(argv[3]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
