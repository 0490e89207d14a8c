#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include "app/persistence.hpp"

using namespace tarnwick;
using nlohmann::json;

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
        {"history with one bad outcome",
         R"([{"date":"2026-03-02T08:15:00Z","kind":"micro","outcome":"taken"},)"
         R"({"date":"2026-03-02T08:35:00Z","kind":"micro","outcome":"Taken"}])",
         false},
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
    // Saving leaves out the year-0 record (older than 400 days) and keeps the other as it was read.
    ASSERT_TRUE(persistence.save(far, instantAt(now)));
    EXPECT_TRUE(readAll(persistence.historyPath()).contains("\"9999-12-31T23:59:59Z\""));
    EXPECT_EQ(persistence.loadHistory(), std::vector<BreakRecord>{far.back()});
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
    const std::vector<BreakRecord> history{
        {instantAt(now - 401 * 86400.0), BreakKind::micro, Outcome::taken},
        {instantAt(now - 400 * 86400.0), BreakKind::long_, Outcome::skipped},  // exactly at the limit
        {instantAt(now - 399 * 86400.0 + 0.6), BreakKind::micro, Outcome::natural},
    };
    ASSERT_TRUE(persistence.save(history, instantAt(now)));
    const auto loaded = persistence.loadHistory();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], history[1]);
    EXPECT_EQ(loaded[1].date, instantAt(now - 399 * 86400.0));
    EXPECT_EQ(history.size(), 3u);

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
    EXPECT_EQ(envelope.at("history").size(), 3u);
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
