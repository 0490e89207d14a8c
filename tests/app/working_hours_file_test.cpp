#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include "app/persistence.hpp"
#include "app/working_hours_file.hpp"
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

QStringList setAside(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("schedule.json.unreadable-*")}, QDir::Files);
}

MinuteRange range(int startHour, int startMinute, int endHour, int endMinute) {
    return {startHour * 60 + startMinute, endHour * 60 + endMinute};
}

// Monday split at lunch, Friday short, a Sunday night shift across midnight.
WorkingHours sample() {
    WorkingHours hours;
    hours.enabled = true;
    hours.days[0] = {range(9, 0, 12, 30), range(13, 30, 18, 0)};
    hours.days[4] = {range(9, 0, 15, 0)};
    hours.days[6] = {range(22, 0, 2, 0)};
    return hours;
}

}  // namespace

TEST(WorkingHoursReader, ReadsTheDocumentedShapeAndLeavesOutWhatIsAbsent) {
    const struct Case {
        const char* name;
        const char* text;
        WorkingHours expected;
    } cases[] = {
        {"the full shape",
         R"({"enabled": true, "days": {"mon": [["09:00", "12:30"], ["13:30", "18:00"]], "tue": [], "fri": [["09:00", "15:00"]],
             "sun": [["22:00", "02:00"]]}})",
         sample()},
        {"an empty object", "{}", WorkingHours{}},
        {"nulls read as absent", R"({"enabled": null, "days": {"mon": null}})", WorkingHours{}},
        {"days without the switch", R"({"days": {"sat": [["10:00", "11:00"]]}})",
         [] {
             WorkingHours hours;
             hours.days[5] = {range(10, 0, 11, 0)};
             return hours;
         }()},
        {"midnight at either end", R"({"enabled": false, "days": {"wed": [["00:00", "06:00"], ["18:00", "00:00"]]}})",
         [] {
             WorkingHours hours;
             hours.days[2] = {range(0, 0, 6, 0), range(18, 0, 0, 0)};
             return hours;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readWorkingHours(c.text);
        EXPECT_EQ(read.fault, "");
        ASSERT_TRUE(read.hours);
        EXPECT_EQ(*read.hours, c.expected);
    }
}

TEST(WorkingHoursReader, EveryBrokenRuleMakesTheFileUnreadable) {
    const struct Case {
        const char* name;
        const char* text;
        const char* fault;  // a part of the fault
    } cases[] = {
        {"not JSON", "enabled = true", "parse error"},
        {"not an object", R"([["09:00", "18:00"]])", "not an object"},
        {"the switch as a string", R"({"enabled": "yes"})", "\"enabled\""},
        {"the switch as a number", R"({"enabled": 1})", "\"enabled\""},
        {"days as a list", R"({"days": [[["09:00", "18:00"]]]})", "\"days\""},
        {"a day as a string", R"({"days": {"mon": "09:00-18:00"}})", "\"mon\" is not a list"},
        {"a range of one time", R"({"days": {"mon": [["09:00"]]}})", "\"mon\" range 1 is not a pair"},
        {"a range of three times", R"({"days": {"mon": [["09:00", "10:00", "11:00"]]}})", "not a pair"},
        {"a time as a number", R"({"days": {"mon": [["09:00", 1800]]}})", "not a pair"},
        {"a range as an object", R"({"days": {"mon": [{"start": "09:00", "end": "18:00"}]}})", "not a pair"},
        {"a range ending where it starts", R"({"days": {"tue": [["08:00", "09:00"], ["09:00", "09:00"]]}})",
         "\"tue\" range 2 ends where it starts"},
        {"hour 25", R"({"days": {"mon": [["09:00", "25:00"]]}})", "\"25:00\" is not a time of day"},
        {"hour 24", R"({"days": {"mon": [["09:00", "24:00"]]}})", "\"24:00\""},
        {"single digits", R"({"days": {"mon": [["9:5", "18:00"]]}})", "\"9:5\""},
        {"minute 60", R"({"days": {"mon": [["09:60", "18:00"]]}})", "\"09:60\""},
        {"minute 99", R"({"days": {"mon": [["09:00", "17:99"]]}})", "\"17:99\""},
        {"spaces around a time", R"({"days": {"mon": [[" 09:00", "18:00"]]}})", "\" 09:00\""},
        {"seconds", R"({"days": {"mon": [["09:00:00", "18:00"]]}})", "\"09:00:00\""},
        {"a day spelled out", R"({"days": {"monday": [["09:00", "18:00"]]}})", "unknown day \"monday\""},
        {"a day capitalised", R"({"days": {"Mon": [["09:00", "18:00"]]}})", "unknown day \"Mon\""},
        {"nested too deep", R"({"days": {"mon": [[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]}})",
         "nested more than 32"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readWorkingHours(c.text);
        EXPECT_FALSE(read.hours);
        EXPECT_NE(read.fault.find(c.fault), std::string::npos) << read.fault;
    }
    const auto large = readWorkingHours(std::string(2 << 20, ' ') + "{}");
    EXPECT_FALSE(large.hours);
    EXPECT_EQ(large.fault, "larger than 1 MB");
}

TEST(WorkingHoursReader, EveryMinuteOfTheDayIsWrittenAndReadBack) {
    for (int minute = 0; minute < minutesPerDay; ++minute) {
        const std::string text = timeOfDayText(minute);
        ASSERT_EQ(parseTimeOfDay(text), minute) << text;
    }
    EXPECT_EQ(timeOfDayText(545), "09:05");
    EXPECT_EQ(timeOfDayText(minutesPerDay), "");
    EXPECT_EQ(timeOfDayText(-1), "");
}

TEST(WorkingHoursReader, WritesAllSevenDaysAndOnlyValidRanges) {
    WorkingHours hours = sample();
    hours.days[2] = {range(10, 0, 10, 0), {-5, 60}, range(7, 0, 8, 0)};  // two that cannot be kept
    const json written = workingHoursJson(hours);
    EXPECT_EQ(written, json::parse(R"({"enabled": true, "days": {
        "mon": [["09:00", "12:30"], ["13:30", "18:00"]], "tue": [], "wed": [["07:00", "08:00"]], "thu": [],
        "fri": [["09:00", "15:00"]], "sat": [], "sun": [["22:00", "02:00"]]}})"));
    hours.days[2] = {range(7, 0, 8, 0)};
    EXPECT_EQ(readWorkingHours(written.dump()).hours, hours);
}

class WorkingHoursFileTest : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/Tarnwick");
    Persistence persistence{folder};
};

TEST_F(WorkingHoursFileTest, AMissingFileIsOffAndNothingIsSetAside) {
    ConsoleCapture console;
    EXPECT_EQ(persistence.loadWorkingHours(), WorkingHours{});
    EXPECT_EQ(console.text(), "");
    EXPECT_FALSE(QFile::exists(persistence.schedulePath()));
    EXPECT_TRUE(setAside(folder).isEmpty());
}

TEST_F(WorkingHoursFileTest, SavesBesideTheSettingsAsSortedPrettyJsonAndLoadsBack) {
    ASSERT_TRUE(persistence.saveWorkingHours(sample()));
    EXPECT_EQ(QFileInfo(persistence.schedulePath()).dir(), QFileInfo(persistence.settingsPath()).dir());
    const QByteArray text = readAll(persistence.schedulePath());
    EXPECT_TRUE(text.startsWith("{\n  \"days\": {\n    \"fri\": [\n      [\n        \"09:00\",")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("  \"enabled\": true\n}\n")) << text.toStdString();
    EXPECT_EQ(QFile::permissions(persistence.schedulePath()).toInt() & 0x0077, 0) << "the user's alone";
    Persistence again(folder);
    EXPECT_EQ(again.loadWorkingHours(), sample());
}

TEST_F(WorkingHoursFileTest, ABadFileIsSetAsideByteForByteAndNotWrittenOver) {
    const QByteArray cases[] = {
        R"({"enabled": "yes"})",
        R"({"enabled": true, "days": {"mon": [["18:00", "18:00"]]}})",
        R"({"enabled": true, "days": {"mon": [["09:00", "25:00"]]}})",
        "{\"enabled\": tru",
    };
    for (const auto& contents : cases) {
        SCOPED_TRACE(contents.toStdString());
        QTemporaryDir dir;
        Persistence p(dir.path());
        writeAll(p.schedulePath(), contents);
        ConsoleCapture console;
        EXPECT_EQ(p.loadWorkingHours(), WorkingHours{});
        const std::string line = console.text();
        const auto aside = setAside(dir.path());
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readAll(dir.filePath(aside.first())), contents);
        EXPECT_FALSE(QFile::exists(p.schedulePath()));
        EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
        EXPECT_NE(line.find(dir.filePath(aside.first()).toStdString()), std::string::npos) << line;
        EXPECT_NE(line.find("the working hours are off"), std::string::npos) << line;
        // A new save makes a new file and leaves the copy alone.
        EXPECT_TRUE(p.saveWorkingHours(defaultWorkingHours()));
        EXPECT_EQ(readAll(dir.filePath(aside.first())), contents);
        EXPECT_EQ(Persistence(dir.path()).loadWorkingHours(), defaultWorkingHours());
    }
}

TEST_F(WorkingHoursFileTest, AFolderInItsPlaceIsNeitherReadNorMovedNorReplaced) {
    ASSERT_TRUE(QDir().mkpath(persistence.schedulePath()));
    ConsoleCapture console;
    EXPECT_EQ(persistence.loadWorkingHours(), WorkingHours{});
    EXPECT_NE(console.text().find("is a folder, not a file"), std::string::npos);
    EXPECT_FALSE(persistence.saveWorkingHours(sample()));
    EXPECT_TRUE(QFileInfo(persistence.schedulePath()).isDir());
    EXPECT_TRUE(setAside(folder).isEmpty());
}

TEST_F(WorkingHoursFileTest, TheExportCarriesTheScheduleAndDeleteAllRemovesIt) {
    const QString destination = temp.path() + QStringLiteral("/export.json");
    // Without a schedule file the export is as it was.
    ASSERT_EQ(persistence.exportTo(Settings{}, {}, instantAt(now), destination), std::nullopt);
    EXPECT_FALSE(json::parse(readAll(destination).toStdString()).contains("schedule"));

    ASSERT_TRUE(persistence.saveWorkingHours(sample()));
    ASSERT_EQ(persistence.exportTo(Settings{}, {}, instantAt(now), destination), std::nullopt);
    const json envelope = json::parse(readAll(destination).toStdString());
    EXPECT_EQ(envelope.at("schedule"), workingHoursJson(sample()));
    EXPECT_EQ(envelope.at("settings").get<Settings>(), Settings{});
    EXPECT_EQ(envelope.size(), 4u);

    // A bad file is left for loading to set aside, and is not exported.
    writeAll(persistence.schedulePath(), R"({"enabled": 3})");
    ASSERT_EQ(persistence.exportTo(Settings{}, {}, instantAt(now), destination), std::nullopt);
    EXPECT_FALSE(json::parse(readAll(destination).toStdString()).contains("schedule"));
    EXPECT_TRUE(setAside(folder).isEmpty());

    ASSERT_TRUE(persistence.saveWorkingHours(sample()));
    ASSERT_TRUE(persistence.save(Settings{}));
    persistence.deleteAll();
    EXPECT_FALSE(QFile::exists(persistence.schedulePath()));
    EXPECT_FALSE(QFile::exists(persistence.settingsPath()));
    EXPECT_TRUE(QDir(folder).exists());
}
