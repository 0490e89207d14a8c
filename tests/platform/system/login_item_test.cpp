#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "platform/autostart/login_item.hpp"

namespace tarnwick {
namespace {

std::string readText(const std::string& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string fixture(const std::string& name) {
    return readText(std::string(TARNWICK_SYSTEM_FIXTURES) + "/autostart/" + name);
}

TEST(AutostartFile, SwitchedOffEntriesRequireApproval) {
    struct Case { const char* file; LoginItemStatus expected; } cases[] = {
        {"written.desktop", LoginItemStatus::enabled},
        {"hidden.desktop", LoginItemStatus::requiresApproval},
        {"gnome-disabled.desktop", LoginItemStatus::requiresApproval},
        {"other-group.desktop", LoginItemStatus::enabled},   // the switches sit in an action group
        {"commented.desktop", LoginItemStatus::enabled},     // comments and a localised Hidden[de]
        {"spaced.desktop", LoginItemStatus::requiresApproval},
        {"before-group.desktop", LoginItemStatus::enabled},  // a key before any group is not the entry's
        {"crlf.desktop", LoginItemStatus::requiresApproval},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string text = fixture(c.file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(autostartFileStatus(text), c.expected);
    }
}

TEST(AutostartFile, BooleanSpellingsAndEmptyFiles) {
    struct Case { const char* text; LoginItemStatus expected; } cases[] = {
        {"", LoginItemStatus::enabled},
        {"[Desktop Entry]\nHidden=1\n", LoginItemStatus::requiresApproval},
        {"[Desktop Entry]\nHidden=false\nX-GNOME-Autostart-enabled=true\n", LoginItemStatus::enabled},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=0", LoginItemStatus::requiresApproval},
        {"[Desktop Entry]\nHidden=yes\n", LoginItemStatus::enabled},  // not a boolean the desktop reads
        {"[Desktop Entry]\nHiddenness=true\n", LoginItemStatus::enabled},
        {"[Desktop Entry Extra]\nHidden=true\n", LoginItemStatus::enabled},
        {"[Desktop Entry]\n[Other]\nHidden=true\n", LoginItemStatus::enabled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(autostartFileStatus(c.text), c.expected);
    }
}

TEST(AutostartFile, ExecValuesAreQuotedAndEscapedWhenNeeded) {
    struct Case { const char* path; const char* expected; } cases[] = {
        {"/usr/bin/tarnwick", "/usr/bin/tarnwick"},
        {"/opt/My Apps/tarnwick", "\"/opt/My Apps/tarnwick\""},
        {"/opt/100%/tarnwick", "/opt/100%%/tarnwick"},
        {"/opt/a$b/tarnwick", "\"/opt/a\\\\$b/tarnwick\""},
        {"/opt/say \"hi\"/t", "\"/opt/say \\\\\"hi\\\\\"/t\""},
        {"/opt/back\\slash/t", "\"/opt/back\\\\\\\\slash/t\""},  // four backslashes, as the format asks
        {"/opt/it's/t", "\"/opt/it's/t\""},
        {"/opt/new\nline/t", "\"/opt/new\\nline/t\""},
        {"/opt/Bücher/tarnwick", "/opt/Bücher/tarnwick"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(desktopExecValue(c.path), c.expected);
    }
}

TEST(AutostartFile, WrittenEntryIsEnabledAndStartsTheProgram) {
    const std::string text = autostartFileContents("/opt/My Apps/tarnwick");
    EXPECT_EQ(autostartFileStatus(text), LoginItemStatus::enabled);
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\n"));
    for (const char* line : {"\nType=Application\n", "\nName=Tarnwick\n", "\nExec=\"/opt/My Apps/tarnwick\"\n",
                             "\nIcon=tarnwick\n", "\nX-GNOME-Autostart-enabled=true\n", "\nComment="}) {
        SCOPED_TRACE(line);
        EXPECT_NE(text.find(line), std::string::npos);
    }
}

// Collects what fd 2 receives while `action` runs.
std::string stderrDuring(const std::function<void()>& action) {
    std::fflush(stderr);
    char pathTemplate[] = "/tmp/tarnwick-stderr-XXXXXX";
    int capture = mkstemp(pathTemplate);
    int saved = dup(STDERR_FILENO);
    dup2(capture, STDERR_FILENO);
    action();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    close(capture);
    std::string text = readText(pathTemplate);
    unlink(pathTemplate);
    return text;
}

const std::string failurePrefix = "Tarnwick: launch at login change failed: ";

void expectOneFailureLine(const std::string& output) {
    EXPECT_TRUE(output.starts_with(failurePrefix)) << output;
    EXPECT_GT(output.size(), failurePrefix.size() + 1) << "the error is described";
    ASSERT_FALSE(output.empty());
    EXPECT_EQ(output.back(), '\n');
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
}

class XdgLoginItemTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString configRoot() const { return dir.path() + "/config"; }  // does not exist yet
    std::string entryPath() const { return (configRoot() + "/autostart/tarnwick.desktop").toStdString(); }
};

TEST_F(XdgLoginItemTest, SetAndStatusRoundTrip) {
    XdgLoginItem item(configRoot(), "/opt/My Apps/tarnwick");
    EXPECT_EQ(item.status(), LoginItemStatus::notRegistered);

    std::string output = stderrDuring([&] { EXPECT_TRUE(item.set(true)); });
    EXPECT_EQ(output, "");
    EXPECT_EQ(item.status(), LoginItemStatus::enabled);
    EXPECT_EQ(readText(entryPath()), autostartFileContents("/opt/My Apps/tarnwick"));
    EXPECT_TRUE(item.set(true)) << "registering twice is fine";
    EXPECT_EQ(QDir(configRoot() + "/autostart").entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left beside the entry";

    // The user switches it off in the desktop's startup settings.
    std::ofstream(entryPath(), std::ios::app) << "Hidden=true\n";
    EXPECT_EQ(item.status(), LoginItemStatus::requiresApproval);

    output = stderrDuring([&] {
        EXPECT_TRUE(item.set(false));
        EXPECT_TRUE(item.set(false)) << "an absent entry is already off";
    });
    EXPECT_EQ(output, "");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(entryPath())));
    EXPECT_EQ(item.status(), LoginItemStatus::notRegistered);
}

TEST_F(XdgLoginItemTest, RelativeProgramPathsAreWrittenAbsolute) {
    XdgLoginItem item(configRoot(), "bin/tarnwick");
    ASSERT_TRUE(item.set(true));
    const std::string text = readText(entryPath());
    const std::string expected = "\nExec=" + desktopExecValue(QDir::current().absoluteFilePath("bin/tarnwick").toStdString()) + "\n";
    EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST_F(XdgLoginItemTest, UnknownProgramPathIsNotFoundAndCannotBeRegistered) {
    XdgLoginItem item(configRoot(), "");
    EXPECT_EQ(item.status(), LoginItemStatus::notFound);
    const std::string output = stderrDuring([&] { EXPECT_FALSE(item.set(true)); });
    expectOneFailureLine(output);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(entryPath())));
}

TEST_F(XdgLoginItemTest, FailuresReturnFalseAndWriteExactlyOneLine) {
    struct Case {
        const char* name;
        std::function<void(const QString& root)> arrange;
        bool on;
    } cases[] = {
        {"the autostart folder is a file",
         [](const QString& root) {
             QDir().mkpath(root);
             std::ofstream((root + "/autostart").toStdString()) << "in the way";
         },
         true},
        {"the entry's place is a folder",
         [](const QString& root) { QDir().mkpath(root + "/autostart/tarnwick.desktop/keep"); }, true},
        {"the entry to remove is a folder with content",
         [](const QString& root) { QDir().mkpath(root + "/autostart/tarnwick.desktop/keep"); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseDir;
        const QString root = caseDir.path() + "/config";
        c.arrange(root);
        XdgLoginItem item(root, "/usr/bin/tarnwick");
        bool result = true;
        const std::string output = stderrDuring([&] { result = item.set(c.on); });
        EXPECT_FALSE(result);
        expectOneFailureLine(output);
    }
}

// Runs `action` as an ordinary user: root writes into read-only folders, so as root it runs in a child
// process that first gives up root for the "nobody" account.
bool asOrdinaryUser(const std::function<bool()>& action) {
    if (geteuid() != 0) return action();
    std::fflush(stderr);
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        const bool result = action();
        std::fflush(stderr);
        _exit(result ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(XdgLoginItemTest, ReadOnlyFolderFails) {
    QDir().mkpath(configRoot() + "/autostart");
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readable | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(configRoot(), readable | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(configRoot() + "/autostart", readable));
    XdgLoginItem item(configRoot(), "/usr/bin/tarnwick");
    bool result = true;
    const std::string output = stderrDuring([&] { result = asOrdinaryUser([&] { return item.set(true); }); });
    EXPECT_FALSE(result);
    expectOneFailureLine(output);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(entryPath())));
    QFile::setPermissions(configRoot() + "/autostart", readable | QFile::WriteOwner);
}

TEST_F(XdgLoginItemTest, DefaultsFollowXdgConfigHomeAndTheRunningProgram) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("XDG_CONFIG_HOME", configRoot().toStdString().c_str(), 1);
    XdgLoginItem item;
    EXPECT_EQ(item.filePath(), configRoot() + "/autostart/tarnwick.desktop");
    ASSERT_TRUE(item.set(true));
    const std::string text = readText(entryPath());
    EXPECT_NE(text.find("\nExec=" + desktopExecValue(currentExecutablePath().toStdString()) + "\n"), std::string::npos);
    EXPECT_TRUE(currentExecutablePath().endsWith("tarnwick_system_tests"));
    if (saved) setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tarnwick
