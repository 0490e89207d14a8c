#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "app/persistence.hpp"
#include "console_capture.hpp"

using namespace tarnwick;
using nlohmann::json;
using tarnwick::fakes::ConsoleCapture;

namespace {

constexpr double now = 1'780'000'000;  // 2026-05-28

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QStringList setAside(const QString& folder, const QString& name) {
    return QDir(folder).entryList({name + QStringLiteral(".unreadable-*")}, QDir::Files);
}

// The permission bits of a path, without following a final symbolic link; -1 when there is none.
int modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// The usual umask of a desktop session, for as long as it lives.
class UsualUmask {
public:
    UsualUmask() : m_saved(::umask(022)) {}
    ~UsualUmask() { ::umask(m_saved); }

private:
    mode_t m_saved;
};

QString record(const char* date, const char* kind = "micro", const char* outcome = "taken") {
    return QStringLiteral(R"({"date":"%1","kind":"%2","outcome":"%3"})").arg(date, kind, outcome);
}

class PersistenceTest : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/data/Tarnwick");
    Persistence persistence{folder};
};

}  // namespace

TEST_F(PersistenceTest, FirstStartCreatesTheFolderAndWritesNothing) {
    EXPECT_EQ(persistence.loadSettings(), Settings{});
    EXPECT_TRUE(persistence.loadHistory().empty());
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    persistence.deleteAll();  // nothing to delete: nothing happens
    EXPECT_TRUE(QDir(folder).exists());
}

TEST_F(PersistenceTest, SettingsRoundTripAsSortedPrettyJson) {
    Settings settings;
    settings.customMessages = {"Stretch", "Breathe \"deeply\""};
    settings.enforcement = BreakEnforcement::casual;
    ASSERT_TRUE(persistence.save(settings));
    const QByteArray text = readAll(persistence.settingsPath());
    EXPECT_TRUE(text.startsWith("{\n  \"blinkEveryMinutes\": 8,\n  \"breakBackground\": \"wallpaper\",\n"));
    EXPECT_EQ(persistence.loadSettings(), settings);
    EXPECT_EQ(json::parse(text.toStdString()).size(), 23u);

    writeAll(persistence.settingsPath(), "{}");
    EXPECT_EQ(persistence.loadSettings(), Settings{});
    EXPECT_TRUE(setAside(folder, "settings.json").isEmpty());
}

TEST_F(PersistenceTest, UnreadableFilesAreSetAsideByteForByteBeforeDefaultsAreUsed) {
    struct Case {
        const char* name;
        QByteArray contents;
        bool isSettings;
    } cases[] = {
        {"settings with a wrong type", R"({"microEnabled": "yes", "longMinutes": 10})", true},
        {"settings that are not JSON", "microEnabled = true", true},
        {"history that is not an array", R"({"date": "2026-03-02T08:15:00Z"})", false},
        {"history whose only record has a bad outcome",
         R"([{"date":"2026-03-02T08:35:00Z","kind":"micro","outcome":"Taken"}])", false},
        {"history cut off", R"([{"date":"2026-03-02T08:15:00Z","kind":"micro","outcome":"tak)", false},
        {"history with a date past year 9999",
         R"([{"date":"9999-12-31T23:59:59-01:00","kind":"micro","outcome":"taken"}])", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        Persistence p(dir.path());
        const QString path = c.isSettings ? p.settingsPath() : p.historyPath();
        writeAll(path, c.contents);
        if (c.isSettings) {
            EXPECT_EQ(p.loadSettings(), Settings{});
        } else {
            EXPECT_TRUE(p.loadHistory().empty());
        }
        const auto aside = setAside(dir.path(), QFileInfo(path).fileName());
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readAll(dir.path() + u'/' + aside.first()), c.contents);
        EXPECT_FALSE(QFile::exists(path));
        // A new save does not touch what was set aside.
        if (c.isSettings) p.save(Settings{});
        else p.save(std::vector<BreakRecord>{}, instantAt(now));
        EXPECT_EQ(readAll(dir.path() + u'/' + aside.first()), c.contents);
    }
}

TEST_F(PersistenceTest, FarDatesSurviveASaveAndALoadUnchanged) {
    const std::vector<BreakRecord> far{
        {parseDate("0000-01-01T00:00:00Z"), BreakKind::micro, Outcome::held},
        {parseDate("9999-12-31T23:59:59Z"), BreakKind::long_, Outcome::taken},
    };
    const QByteArray text = R"([{"date":"0000-01-01T00:00:00Z","kind":"micro","outcome":"held"},)"
                            R"({"date":"9999-12-31T23:59:59Z","kind":"long","outcome":"taken"}])";
    persistence.folder();
    writeAll(persistence.historyPath(), text);
    ASSERT_EQ(persistence.loadHistory(), far);
    // No history of 400 days follows the year-0 record, so it is not plainly old: both stay, as read.
    ASSERT_TRUE(persistence.save(far, instantAt(now)));
    EXPECT_TRUE(readAll(persistence.historyPath()).contains("\"9999-12-31T23:59:59Z\""));
    EXPECT_EQ(persistence.loadHistory(), far);
}

TEST_F(PersistenceTest, TwoBadFilesInTheSameSecondKeepBothCopies) {
    persistence.folder();
    writeAll(persistence.historyPath(), "first");
    persistence.loadHistory();
    writeAll(persistence.historyPath(), "second");
    persistence.loadHistory();
    EXPECT_EQ(setAside(folder, "history.json").size(), 2);
}

TEST_F(PersistenceTest, HistoryKeepsFourHundredDaysWithWholeSecondDates) {
    // A break a day for 401 days, the last of them just now, with one record at a fraction of a second.
    std::vector<BreakRecord> history;
    for (int day = 401; day >= 0; --day) history.push_back({instantAt(now - day * 86400.0), BreakKind::micro, Outcome::taken});
    history[2].date = instantAt(now - 399 * 86400.0 + 0.6);
    ASSERT_TRUE(persistence.save(history, instantAt(now)));
    const auto loaded = persistence.loadHistory();
    ASSERT_EQ(loaded.size(), 401u) << "only the record of 401 days ago goes";
    EXPECT_EQ(loaded[0], history[1]) << "the one exactly at the limit stays";
    EXPECT_EQ(loaded[1].date, instantAt(now - 399 * 86400.0));
    EXPECT_EQ(history.size(), 402u);

    // The export holds the whole list, with its keys in order.
    const QString destination = temp.path() + QStringLiteral("/tarnwick-data.json");
    EXPECT_EQ(persistence.exportTo(Settings{}, history, instantAt(now), destination), std::nullopt);
    const std::string text = readAll(destination).toStdString();
    const auto exportedAt = text.find("\"exportedAt\""), historyKey = text.find("\"history\""),
               settingsKey = text.find("\"settings\"");
    EXPECT_LT(exportedAt, historyKey);
    EXPECT_LT(historyKey, settingsKey);
    const json envelope = json::parse(text);
    EXPECT_EQ(envelope.at("exportedAt"), "2026-05-28T20:26:40Z");
    EXPECT_EQ(envelope.at("history").size(), 402u);
    EXPECT_EQ(envelope.at("settings").get<Settings>(), Settings{});
    EXPECT_LT(text.find("\"blinkEveryMinutes\""), text.find("\"customMessages\""));
}

TEST_F(PersistenceTest, ExportFailuresComeBackAsTheSystemsDescription) {
    for (QString destination : {temp.path() + QStringLiteral("/missing/folder/out.json"),
                                QStringLiteral("/proc/tarnwick-data.json")}) {
        SCOPED_TRACE(destination.toStdString());
        const auto error = persistence.exportTo(Settings{}, {}, instantAt(now), destination);
        ASSERT_TRUE(error.has_value());
        EXPECT_FALSE(error->isEmpty());
        EXPECT_FALSE(error->startsWith(QStringLiteral("Couldn't"))) << error->toStdString();
        EXPECT_FALSE(QFile::exists(destination));
    }
}

TEST_F(PersistenceTest, FailedSavesAreSilentAndDeleteRemovesBothFiles) {
    Persistence blocked(temp.path() + QStringLiteral("/file-in-the-way"));
    writeAll(temp.path() + QStringLiteral("/file-in-the-way"), "not a folder");
    EXPECT_FALSE(blocked.save(Settings{}));
    EXPECT_FALSE(blocked.save(std::vector<BreakRecord>{}, instantAt(now)));

    persistence.save(Settings{});
    persistence.save(std::vector<BreakRecord>{}, instantAt(now));
    persistence.deleteAll();
    EXPECT_FALSE(QFile::exists(persistence.settingsPath()));
    EXPECT_FALSE(QFile::exists(persistence.historyPath()));
    EXPECT_TRUE(QDir(folder).exists());
}

// A clock set wrong, for a run or for good, never costs records: a save trims only what the history
// itself shows to be more than 400 days old.
TEST(HistoryRetention, AClockYearsAheadOrBehindLosesNoRecord) {
    constexpr double day = 86400, year = 365 * day;
    // 100 records, one every 20 minutes, ending an hour before `now`.
    auto hundred = [](double from) {
        std::vector<BreakRecord> records;
        for (int i = 0; i < 100; ++i) records.push_back({instantAt(from + i * 1200.0), BreakKind::micro, Outcome::taken});
        return records;
    };
    auto plus = [](std::vector<BreakRecord> records, double at, std::size_t count = 1) {
        for (std::size_t i = 0; i < count; ++i) records.push_back({instantAt(at + double(i)), BreakKind::long_, Outcome::skipped});
        return records;
    };
    const double before = now - 100 * 1200.0 - 3600;
    struct Case {
        const char* name;
        std::vector<BreakRecord> history;
        double savedAt;
    } cases[] = {
        // The run after the clock went ahead records its breaks at the wrong time and saves them.
        {"401 days ahead", plus(hundred(before), now + 401 * day), now + 401 * day},
        {"three years ahead", plus(hundred(before), now + 3 * year, 5), now + 3 * year + 4},
        {"ahead, then set right again", plus(plus(hundred(before), now + 3 * year, 5), now + 600), now + 600},
        {"three years behind", plus(hundred(before), now - 3 * year, 5), now - 3 * year + 4},
        // The breaks recorded while the clock was years behind look older than 400 days once it is right.
        {"behind, then set right again", plus(plus(hundred(before), now - 3 * year, 5), now + 600), now + 600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        Persistence p(dir.path());
        ASSERT_TRUE(p.save(c.history, instantAt(c.savedAt)));
        const auto loaded = p.loadHistory();
        EXPECT_EQ(loaded.size(), c.history.size());
        // Trimmed again later at the right time, the history is the same.
        ASSERT_TRUE(p.save(loaded, instantAt(now + 3600)));
        EXPECT_EQ(p.loadHistory().size(), c.history.size());
    }
}

TEST(HistoryRetention, DailyUseStillKeepsExactlyTheLastFourHundredDays) {
    constexpr double day = 86400;
    struct Case {
        const char* name;
        int days;                // a break a day, the last one now
        int holidayFrom, holidayTo;  // days ago without any break, both included
        std::size_t kept;
    } cases[] = {
        {"a year and a half", 550, -1, -1, 401},
        {"with three weeks away", 550, 120, 140, 401 - 21},
        {"with a long weekend away", 450, 300, 302, 401 - 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BreakRecord> history;
        for (int ago = c.days; ago >= 0; --ago) {
            if (ago > c.holidayTo || ago < c.holidayFrom) history.push_back({instantAt(now - ago * day), BreakKind::micro, Outcome::taken});
        }
        QTemporaryDir dir;
        Persistence p(dir.path());
        ASSERT_TRUE(p.save(history, instantAt(now)));
        const auto loaded = p.loadHistory();
        EXPECT_EQ(loaded.size(), c.kept);
        ASSERT_FALSE(loaded.empty());
        EXPECT_EQ(loaded.front().date, instantAt(now - 400 * day));
    }
}

TEST_F(PersistenceTest, ExportRefusesASymbolicLinkAndCreatesAPrivateFile) {
    UsualUmask umask;
    const QString victim = temp.path() + QStringLiteral("/someone-elses.txt");
    writeAll(victim, "theirs\n");
    struct Case {
        const char* name;
        QString target;
    } cases[] = {{"a link to a file", victim}, {"a link to nothing yet", temp.path() + QStringLiteral("/planted.json")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString destination = temp.path() + QStringLiteral("/tarnwick-data.json");
        QFile::remove(destination);
        ASSERT_TRUE(QFile::link(c.target, destination));
        const auto error = persistence.exportTo(Settings{}, {}, instantAt(now), destination);
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->contains(QStringLiteral("symbolic link"))) << error->toStdString();
        EXPECT_EQ(QFileInfo(destination).symLinkTarget(), QFileInfo(c.target).absoluteFilePath()) << "the link stays";
        EXPECT_EQ(readAll(victim), "theirs\n");
        EXPECT_FALSE(QFile::exists(temp.path() + QStringLiteral("/planted.json")));
        ASSERT_TRUE(QFile::remove(destination));
    }
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1)
        << "no temporary file is left";

    // A new export is for the user alone; one that replaces an older keeps the mode that one had.
    const QString fresh = temp.path() + QStringLiteral("/fresh.json");
    ASSERT_EQ(persistence.exportTo(Settings{}, {}, instantAt(now), fresh), std::nullopt);
    EXPECT_EQ(modeOf(fresh), 0600);
    const QString shared = temp.path() + QStringLiteral("/shared.json");
    writeAll(shared, "older export");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0640), 0);
    ASSERT_EQ(persistence.exportTo(Settings{}, {}, instantAt(now), shared), std::nullopt);
    EXPECT_EQ(modeOf(shared), 0640);
    EXPECT_TRUE(readAll(shared).contains("\"exportedAt\""));
}

TEST(PersistenceModes, WhatTarnwickCreatesIsPrivateAndWhatTheUserChoseStays) {
    UsualUmask umask;
    QTemporaryDir temp;
    {
        SCOPED_TRACE("nothing there yet");
        const QString share = temp.path() + QStringLiteral("/new/share"), folder = share + QStringLiteral("/Tarnwick");
        Persistence p(folder);
        ASSERT_TRUE(p.save(Settings{}));
        ASSERT_TRUE(p.save(std::vector<BreakRecord>{{instantAt(now), BreakKind::micro, Outcome::taken}}, instantAt(now)));
        EXPECT_EQ(modeOf(folder), 0700);
        EXPECT_EQ(modeOf(share), 0700) << "parents it makes are private too";
        EXPECT_EQ(modeOf(p.settingsPath()), 0600);
        EXPECT_EQ(modeOf(p.historyPath()), 0600);
        // Rewritten, they stay so.
        ASSERT_TRUE(p.save(Settings{}));
        EXPECT_EQ(modeOf(p.settingsPath()), 0600);
    }
    {
        SCOPED_TRACE("a folder and a file the user made");
        const QString folder = temp.path() + QStringLiteral("/mine/Tarnwick");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0750), 0);
        writeAll(folder + QStringLiteral("/settings.json"), "{}");
        ASSERT_EQ(::chmod(QFile::encodeName(folder + QStringLiteral("/settings.json")).constData(), 0644), 0);
        Persistence p(folder);
        EXPECT_EQ(p.loadSettings(), Settings{});
        ASSERT_TRUE(p.save(Settings{}));
        ASSERT_TRUE(p.save(std::vector<BreakRecord>{}, instantAt(now)));
        EXPECT_EQ(modeOf(folder), 0750);
        EXPECT_EQ(modeOf(p.settingsPath()), 0644);
        EXPECT_EQ(modeOf(p.historyPath()), 0600);
    }
}

TEST_F(PersistenceTest, AHistoryWithBadRecordsKeepsTheGoodOnesAndSaysWhereTheOriginalWent) {
    const QByteArray contents = (QStringLiteral("[") + record("2026-03-02T08:15:00Z") + u',' +
                                 record("2026-03-02T08:35:00Z", "micro", "Taken") + QStringLiteral(",17,") +
                                 record("2026-03-02T09:00:00Z", "long", "skipped") + u',' +
                                 QStringLiteral(R"({"date":"yesterday","kind":"micro","outcome":"taken"}])"))
                                    .toUtf8();
    persistence.folder();
    writeAll(persistence.historyPath(), contents);
    ConsoleCapture console;
    const auto loaded = persistence.loadHistory();
    const std::string line = console.text();
    EXPECT_EQ(loaded, (std::vector<BreakRecord>{{parseDate("2026-03-02T08:15:00Z"), BreakKind::micro, Outcome::taken},
                                                {parseDate("2026-03-02T09:00:00Z"), BreakKind::long_, Outcome::skipped}}));
    const auto aside = setAside(folder, "history.json");
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readAll(folder + u'/' + aside.first()), contents) << "the original is kept byte for byte";
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_EQ(line.rfind("Tarnwick: ", 0), 0u) << line;
    EXPECT_NE(line.find((folder + u'/' + aside.first()).toStdString()), std::string::npos) << line;
    EXPECT_NE(line.find("2 readable records"), std::string::npos) << line;

    // The next save writes the good records, and the copy set aside stays as it was.
    ASSERT_TRUE(persistence.save(loaded, instantAt(now)));
    EXPECT_EQ(Persistence(folder).loadHistory(), loaded);
    EXPECT_EQ(readAll(folder + u'/' + aside.first()), contents);
}

TEST(PersistenceConsole, EveryFileSetAsideIsNamedOnOneConsoleLine) {
    struct Case {
        const char* name;
        const char* file;
        QByteArray contents;
    } cases[] = {
        {"settings that are not JSON", "settings.json", "microEnabled = true"},
        {"settings with a wrong type", "settings.json", R"({"microEnabled": "yes"})"},
        {"history that is not JSON", "history.json", "[{"},
        {"history that is not a list", "history.json", R"({"date": "2026-03-02T08:15:00Z"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        Persistence p(dir.path());
        writeAll(dir.filePath(QString::fromLatin1(c.file)), c.contents);
        ConsoleCapture console;
        p.loadSettings();
        p.loadHistory();
        const std::string line = console.text();
        const auto aside = setAside(dir.path(), QString::fromLatin1(c.file));
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
        EXPECT_EQ(line.rfind("Tarnwick: ", 0), 0u) << line;
        EXPECT_NE(line.find(dir.filePath(aside.first()).toStdString()), std::string::npos) << line;
    }
    // Files that read well say nothing.
    QTemporaryDir dir;
    Persistence p(dir.path());
    p.save(Settings{});
    p.save(std::vector<BreakRecord>{{instantAt(now), BreakKind::micro, Outcome::taken}}, instantAt(now));
    ConsoleCapture console;
    p.loadSettings();
    p.loadHistory();
    EXPECT_EQ(console.text(), "");
}

TEST_F(PersistenceTest, FilesBeyondTheSizeCapOrNestedTooDeepAreSetAsideWhole) {
    const QString good = record("2026-03-02T08:15:00Z");
    QByteArray huge = ("[" + good + ",").toUtf8();
    huge.append(QByteArray(qsizetype(64) << 20, ' '));
    huge.append(good.toUtf8() + "]");
    QByteArray deep = ("[" + good + "," + QStringLiteral(R"({"date":"2026-03-02T08:35:00Z","kind":"micro","outcome":"taken","note":)")).toUtf8();
    deep.append(QByteArray(200, '[') + QByteArray(200, ']') + "}]");
    struct Case {
        const char* name;
        const char* file;
        QByteArray contents;
    } cases[] = {
        {"a valid history larger than any real one", "history.json", huge},
        {"a record nested 200 levels deep", "history.json", deep},
        {"settings nested 200 levels deep",
         "settings.json", R"({"customMessages": [)" + QByteArray(200, '[') + QByteArray(200, ']') + "]}"},
        {"settings of two megabytes", "settings.json",
         R"({"customMessages": [")" + QByteArray(2 << 20, 'x') + "\"]}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        Persistence p(dir.path());
        const QString path = dir.filePath(QString::fromLatin1(c.file));
        writeAll(path, c.contents);
        ConsoleCapture console;
        EXPECT_EQ(p.loadSettings(), Settings{});
        const auto history = p.loadHistory();
        console.text();
        EXPECT_LE(history.size(), 1u) << "at most the record before the deep one";
        const auto aside = setAside(dir.path(), QString::fromLatin1(c.file));
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(QFileInfo(dir.filePath(aside.first())).size(), c.contents.size());
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(PersistenceTest, SomethingOtherThanAFileIsNeitherReadNorMovedNorReplaced) {
    persistence.folder();
    ASSERT_TRUE(QDir().mkpath(persistence.settingsPath()));
    ASSERT_TRUE(QDir().mkpath(persistence.historyPath()));
    ConsoleCapture console;
    EXPECT_EQ(persistence.loadSettings(), Settings{});
    EXPECT_TRUE(persistence.loadHistory().empty());
    const std::string lines = console.text();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
    EXPECT_TRUE(QFileInfo(persistence.settingsPath()).isDir());
    EXPECT_TRUE(QFileInfo(persistence.historyPath()).isDir());
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("*.unreadable-*")}, QDir::AllEntries).isEmpty());
    EXPECT_FALSE(persistence.save(Settings{}));
    EXPECT_FALSE(persistence.save(std::vector<BreakRecord>{}, instantAt(now)));
    // Once it is gone, saving works again.
    ASSERT_TRUE(QDir(persistence.settingsPath()).removeRecursively());
    EXPECT_TRUE(persistence.save(Settings{}));
}
