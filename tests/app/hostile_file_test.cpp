// Data files that could hang or crash a start: a named pipe in place of a file, and files whose
// reading needs more memory than the process may have. Each load runs in a child process (this
// program started again) with a time limit and, where asked, a memory limit, so that a hang or an
// abort fails the test instead of stopping it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/persistence.hpp"

extern char** environ;

using namespace tarnwick;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizer = true;  // reserves far more address space than any limit allows
#else
constexpr bool addressSanitizer = false;
#endif

// The child: loads both files under `extraMegabytes` of address space beyond what it uses now
// (0: no limit), and exits 0 when both loads returned.
[[noreturn]] void runLoader(const char* folder, long extraMegabytes) {
    if (extraMegabytes > 0) {
        long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + rlim_t(extraMegabytes) * 1024 * 1024;
        const struct rlimit rl{limit, limit};
        if (::setrlimit(RLIMIT_AS, &rl) != 0) _exit(3);
    }
    Persistence persistence{QString::fromLocal8Bit(folder)};
    persistence.loadSettings();
    const auto history = persistence.loadHistory();
    std::printf("%zu records\n", history.size());
    std::fflush(stdout);
    _exit(0);
}

struct ChildEnd {
    bool finished = false;  // within the time limit
    int status = 0;
};

ChildEnd loadInChild(const QString& folder, long extraMegabytes, std::chrono::seconds limit) {
    const std::string path = folder.toStdString(), extra = std::to_string(extraMegabytes);
    char* argv[] = {const_cast<char*>("/proc/self/exe"), const_cast<char*>("--load"), const_cast<char*>(path.c_str()),
                    const_cast<char*>(extra.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) return {};
    ChildEnd outcome;
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (::waitpid(child, &outcome.status, WNOHANG) == child) {
            outcome.finished = true;
            return outcome;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &outcome.status, 0);
    return outcome;
}

QStringList setAside(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.unreadable-*")}, QDir::AllEntries | QDir::System);
}

bool isFifo(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

}  // namespace

TEST(HostileDataFiles, ANamedPipeInPlaceOfAFileNeitherHangsTheStartNorIsReplaced) {
    for (const char* name : {"settings.json", "history.json"}) {
        SCOPED_TRACE(name);
        QTemporaryDir temp;
        const QString pipe = temp.filePath(QString::fromLatin1(name));
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const ChildEnd outcome = loadInChild(temp.path(), 0, std::chrono::seconds(10));
        ASSERT_TRUE(outcome.finished) << "the start hung on the named pipe";
        EXPECT_TRUE(WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == 0);
        // Not a file of data: it stays where it is, and a save does not put a file in its place.
        EXPECT_TRUE(isFifo(pipe));
        EXPECT_TRUE(setAside(temp.path()).isEmpty());
        Persistence persistence(temp.path());
        EXPECT_FALSE(QString::fromLatin1(name) == QStringLiteral("settings.json") ? persistence.save(Settings{})
                                                                                 : persistence.save(std::vector<BreakRecord>{}, instantAt(1'780'000'000)));
        EXPECT_TRUE(isFifo(pipe));
    }
}

TEST(HostileDataFiles, UnderAMemoryLimitAStartNeverAbortsAndTheFileIsSetAside) {
    if (addressSanitizer) GTEST_SKIP() << "an address-space limit cannot be combined with AddressSanitizer";
    const QByteArray record = R"({"date":"2026-03-02T08:15:00Z","kind":"micro","outcome":"taken"},)";
    QByteArray valid = "[";
    while (valid.size() < (40 << 20)) valid.append(record);
    valid.chop(1);
    valid.append(']');
    struct Case {
        const char* name;
        QByteArray contents;
        long extraMegabytes;
    } cases[] = {
        // Each '[' costs a nested array of its own: 10 MB of them want most of a gigabyte.
        {"ten megabytes of [", QByteArray(10 << 20, '['), 200},
        // Under the size cap, and too large to read at all in the memory allowed.
        {"a 40 MB history with 24 MB to spare", valid, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("history.json"));
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(c.contents), c.contents.size());
        }
        const ChildEnd outcome = loadInChild(temp.path(), c.extraMegabytes, std::chrono::seconds(60));
        ASSERT_TRUE(outcome.finished) << "the load did not end";
        EXPECT_TRUE(WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == 0)
            << (WIFSIGNALED(outcome.status) ? "killed by signal " + std::to_string(WTERMSIG(outcome.status))
                                            : "exit status " + std::to_string(WEXITSTATUS(outcome.status)));
        const auto aside = setAside(temp.path());
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(QFileInfo(temp.filePath(aside.first())).size(), c.contents.size());
        EXPECT_FALSE(QFile::exists(path));
    }
}

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--load") == 0) runLoader(argv[2], std::atol(argv[3]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
