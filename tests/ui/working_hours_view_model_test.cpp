// The working hours as the settings window reads and edits them: the model on fake ports and a
// manual clock, schedule.json in a temporary folder, no view.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>

#include "model_rig.hpp"
#include "ui/ui_engine.hpp"
#include "ui/working_hours_view_model.hpp"

namespace tarnwick {
namespace {

constexpr int hour = 60;

TEST(WorkingHoursSteps, MoveByQuartersToTheNearestQuarterFirstAndAroundTheClock) {
    struct Case {
        int minutes, quarters, expected;
    } cases[] = {
        {9 * hour, 1, 9 * hour + 15},       {9 * hour, -1, 8 * hour + 45},     {9 * hour + 5, 1, 9 * hour + 15},
        {9 * hour + 5, -1, 9 * hour},       {9 * hour + 5, 2, 9 * hour + 30},  {9 * hour + 5, -2, 8 * hour + 45},
        {23 * hour + 45, 1, 0},             {23 * hour + 50, 1, 0},            {0, -1, 23 * hour + 45},
        {10, -1, 0},                        {9 * hour, 0, 9 * hour},           {9 * hour, 96, 9 * hour},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minutes << " by " << c.quarters);
        EXPECT_EQ(steppedTime(c.minutes, c.quarters), c.expected);
    }
}

TEST(WorkingHoursSteps, ANewRangeIsNineToSixOnAnEmptyDayElseFourHoursAnHourAfterTheLast) {
    struct Case {
        std::vector<MinuteRange> ranges;
        MinuteRange expected;
    } cases[] = {
        {{}, {9 * hour, 18 * hour}},
        {{{9 * hour, 12 * hour}}, {13 * hour, 17 * hour}},
        {{{13 * hour, 17 * hour}, {8 * hour, 9 * hour + 30}}, {10 * hour + 30, 14 * hour + 30}},
        {{{18 * hour, 22 * hour + 30}}, {23 * hour + 30, 3 * hour + 30}},
        {{{22 * hour, 2 * hour}}, {3 * hour, 7 * hour}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ranges.size());
        const MinuteRange made = rangeAfter(c.ranges);
        EXPECT_EQ(made, c.expected);
        EXPECT_TRUE(isValid(made));
    }
}

struct Hours : ::testing::Test, fakes::ModelRig {
    Hours() {
        vm.setModel(model.get());
        QObject::connect(model.get(), &AppModel::workingHoursChanged, [this] { ++modelChanges; });
        QObject::connect(&vm, &WorkingHoursViewModel::enabledChanged, [this] { ++enabledSignals; });
        QObject::connect(&vm, &WorkingHoursViewModel::daysChanged, [this] { ++daysSignals; });
        QObject::connect(&vm, &WorkingHoursViewModel::summaryChanged, [this] { ++summarySignals; });
        QObject::connect(&vm, &WorkingHoursViewModel::errorChanged, [this] { ++errorSignals; });
    }
    void resetCounts() { modelChanges = enabledSignals = daysSignals = summarySignals = errorSignals = 0; }

    QByteArray fileBytes() const {
        QFile file(folder + QStringLiteral("/schedule.json"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QJsonObject file() const { return QJsonDocument::fromJson(fileBytes()).object(); }
    // A day of the file as "09:00-18:00" pieces, comma-separated.
    QString fileDay(const char* day) const {
        QStringList ranges;
        for (const QJsonValue& range : file().value("days").toObject().value(QLatin1String(day)).toArray())
            ranges << range.toArray().at(0).toString() + "-" + range.toArray().at(1).toString();
        return ranges.join(',');
    }
    // A day as shown, in the same form.
    QString shownDay(int day) const {
        QStringList ranges;
        for (const QVariant& range : vm.days().at(day).toMap().value("ranges").toList())
            ranges << range.toMap().value("start").toString() + "-" + range.toMap().value("end").toString();
        return ranges.join(',');
    }
    QVariantMap range(int day, int index) const {
        return vm.days().at(day).toMap().value("ranges").toList().value(index).toMap();
    }
    const WorkingHours& current() const { return model->workingHours().hours(); }

    WorkingHoursViewModel vm;
    int modelChanges = 0, enabledSignals = 0, daysSignals = 0, summarySignals = 0, errorSignals = 0;
};

TEST_F(Hours, TheFirstSwitchOnGivesWeekdaysNineToSixAndOffKeepsTheRangesForNextTime) {
    EXPECT_FALSE(vm.enabled());
    ASSERT_EQ(vm.days().size(), 7);
    for (int day = 0; day < 7; ++day) EXPECT_EQ(shownDay(day), "");
    EXPECT_TRUE(fileBytes().isEmpty()) << "nothing written before the user changes something";
    const QString offSummary = vm.summary();

    vm.setEnabled(true);
    EXPECT_TRUE(vm.enabled());
    EXPECT_EQ(current(), defaultWorkingHours());
    EXPECT_EQ(modelChanges, 1);
    EXPECT_EQ(enabledSignals, 1);
    EXPECT_EQ(daysSignals, 1);
    EXPECT_EQ(summarySignals, 1);
    EXPECT_NE(vm.summary(), offSummary);
    for (int day = 0; day < 5; ++day) EXPECT_EQ(shownDay(day), "09:00-18:00") << day;
    EXPECT_EQ(shownDay(5), "");
    EXPECT_EQ(shownDay(6), "");
    // On disk at once.
    EXPECT_EQ(file().value("enabled"), QJsonValue(true));
    EXPECT_EQ(fileDay("mon"), "09:00-18:00");
    EXPECT_EQ(fileDay("fri"), "09:00-18:00");
    EXPECT_EQ(fileDay("sat"), "");

    // Switching on again changes nothing.
    resetCounts();
    vm.setEnabled(true);
    EXPECT_EQ(modelChanges + enabledSignals + daysSignals, 0);

    // Off keeps the user's ranges, and on brings back those, not the default.
    ASSERT_TRUE(vm.setEnd(0, 0, "17:00"));
    vm.setEnabled(false);
    EXPECT_FALSE(vm.enabled());
    EXPECT_EQ(file().value("enabled"), QJsonValue(false));
    EXPECT_EQ(fileDay("mon"), "09:00-17:00");
    EXPECT_EQ(vm.summary(), offSummary);
    vm.setEnabled(true);
    EXPECT_EQ(shownDay(0), "09:00-17:00");
    EXPECT_EQ(fileDay("mon"), "09:00-17:00");
}

TEST_F(Hours, EachDayAndRangeCarriesTheNamesOfItsControls) {
    vm.setEnabled(true);
    vm.addRange(0);
    const QStringList names = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (int day = 0; day < 7; ++day) {
        const QVariantMap entry = vm.days().at(day).toMap();
        EXPECT_EQ(entry.value("name").toString(), names[day]);
        EXPECT_EQ(entry.value("addName").toString(), "Add a range on " + names[day]);
    }
    EXPECT_EQ(range(0, 0).value("startName").toString(), "Monday, range 1 start");
    EXPECT_EQ(range(0, 1).value("endName").toString(), "Monday, range 2 end");
    EXPECT_EQ(range(0, 1).value("removeName").toString(), "Remove Monday range 2");
    EXPECT_EQ(range(4, 0).value("startName").toString(), "Friday, range 1 start");
}

TEST_F(Hours, TimesThatAreNotHoursAndMinutesAreRefusedWithTheReasonAndNothingIsSaved) {
    vm.setEnabled(true);
    const QByteArray before = fileBytes();
    const WorkingHours hoursBefore = current();
    resetCounts();
    for (const char* typed : {"25:00", "24:00", "12:60", "9:00", "0900", "09.00", "09:00:00", "-1:00", "ab:cd", "",
                              "09:0", "\u0661\u0660:\u0663\u0660"}) {
        SCOPED_TRACE(typed);
        EXPECT_FALSE(vm.setStart(2, 0, QString::fromUtf8(typed)));
        EXPECT_FALSE(vm.setEnd(2, 0, QString::fromUtf8(typed)));
        EXPECT_EQ(vm.errorDay(), 2);
        EXPECT_TRUE(vm.error().contains("HH:MM")) << vm.error().toStdString();
        if (*typed) {
            EXPECT_TRUE(vm.error().contains(QString::fromUtf8(typed))) << "the error quotes what was typed";
        }
    }
    EXPECT_EQ(current(), hoursBefore);
    EXPECT_EQ(shownDay(2), "09:00-18:00");
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(modelChanges, 0);
    EXPECT_EQ(daysSignals, 0);

    // An end where the range starts is no range either.
    EXPECT_FALSE(vm.setEnd(2, 0, "09:00"));
    EXPECT_FALSE(vm.setStart(2, 0, "18:00"));
    EXPECT_TRUE(vm.error().contains("same time")) << vm.error().toStdString();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(modelChanges, 0);

    // The next edit that is made clears the error; spaces around a time do no harm.
    EXPECT_TRUE(vm.setStart(2, 0, " 08:30 "));
    EXPECT_EQ(vm.error(), "");
    EXPECT_EQ(vm.errorDay(), -1);
    EXPECT_EQ(shownDay(2), "08:30-18:00");
    EXPECT_EQ(fileDay("wed"), "08:30-18:00");
    EXPECT_EQ(modelChanges, 1);
    // No such day or range: refused without an error to show.
    EXPECT_FALSE(vm.setStart(7, 0, "10:00"));
    EXPECT_FALSE(vm.setStart(-1, 0, "10:00"));
    EXPECT_FALSE(vm.setEnd(2, 1, "10:00"));
    EXPECT_FALSE(vm.setEnd(5, 0, "10:00"));
    EXPECT_EQ(vm.error(), "");
    EXPECT_EQ(modelChanges, 1);
}

TEST_F(Hours, ARangeThatEndsBeforeItStartsRunsPastMidnight) {
    vm.setEnabled(true);
    vm.addRange(6);
    ASSERT_TRUE(vm.setEnd(6, 0, "23:00"));
    ASSERT_TRUE(vm.setStart(6, 0, "22:00"));
    EXPECT_FALSE(range(6, 0).value("crossesMidnight").toBool());
    ASSERT_TRUE(vm.setEnd(6, 0, "02:00"));
    EXPECT_TRUE(range(6, 0).value("crossesMidnight").toBool());
    EXPECT_FALSE(range(0, 0).value("crossesMidnight").toBool());
    EXPECT_EQ(fileDay("sun"), "22:00-02:00");
    EXPECT_EQ(current().days[6], (std::vector<MinuteRange>{{22 * hour, 2 * hour}}));
    // Midnight itself is a time like any other, at either end.
    ASSERT_TRUE(vm.setEnd(6, 0, "00:00"));
    EXPECT_TRUE(range(6, 0).value("crossesMidnight").toBool());
    EXPECT_EQ(fileDay("sun"), "22:00-00:00");
}

TEST_F(Hours, CopyMondayGivesTuesdayToFridayMondaysRangesInOneSave) {
    vm.setEnabled(true);
    ASSERT_TRUE(vm.setEnd(0, 0, "12:30"));
    vm.addRange(0);
    ASSERT_TRUE(vm.setStart(0, 1, "13:30"));
    ASSERT_TRUE(vm.setEnd(0, 1, "18:00"));
    vm.removeRange(3, 0);  // Thursday off
    vm.addRange(5);        // Saturday on
    resetCounts();

    vm.copyMondayToWeekdays();
    EXPECT_EQ(modelChanges, 1);
    EXPECT_EQ(daysSignals, 1);
    EXPECT_EQ(enabledSignals, 0);
    for (const char* day : {"mon", "tue", "wed", "thu", "fri"}) {
        SCOPED_TRACE(day);
        EXPECT_EQ(fileDay(day), "09:00-12:30,13:30-18:00");
    }
    EXPECT_EQ(fileDay("sat"), "09:00-18:00") << "the weekend keeps its own";
    EXPECT_EQ(fileDay("sun"), "");
    EXPECT_EQ(shownDay(3), "09:00-12:30,13:30-18:00");

    // Again, nothing to change: nothing saved, nothing signalled.
    vm.copyMondayToWeekdays();
    EXPECT_EQ(modelChanges, 1);
    EXPECT_EQ(daysSignals, 1);

    // A Monday without hours gives the weekdays none.
    vm.removeRange(0, 0);
    vm.removeRange(0, 0);
    vm.copyMondayToWeekdays();
    for (const char* day : {"mon", "tue", "wed", "thu", "fri"}) EXPECT_EQ(fileDay(day), "") << day;
    EXPECT_EQ(fileDay("sat"), "09:00-18:00");
}

TEST_F(Hours, AddingAndRemovingRangesSavesEachChange) {
    vm.setEnabled(true);
    resetCounts();
    vm.addRange(5);
    EXPECT_EQ(shownDay(5), "09:00-18:00");
    vm.addRange(5);
    EXPECT_EQ(shownDay(5), "09:00-18:00,19:00-23:00");
    EXPECT_EQ(fileDay("sat"), "09:00-18:00,19:00-23:00");
    EXPECT_EQ(modelChanges, 2);

    vm.removeRange(5, 0);
    EXPECT_EQ(shownDay(5), "19:00-23:00");
    EXPECT_EQ(range(5, 0).value("startName").toString(), "Saturday, range 1 start") << "renumbered";
    EXPECT_EQ(fileDay("sat"), "19:00-23:00");
    EXPECT_EQ(modelChanges, 3);

    // Out of range: nothing.
    vm.removeRange(5, 1);
    vm.removeRange(5, -1);
    vm.removeRange(7, 0);
    vm.addRange(7);
    vm.addRange(-1);
    EXPECT_EQ(modelChanges, 3);

    // With no ranges left on any day, breaks come at any time, and the note says so.
    const QString withRanges = vm.summary();
    for (int day = 0; day < 6; ++day)
        while (!current().days[std::size_t(day)].empty()) vm.removeRange(day, 0);
    EXPECT_TRUE(vm.enabled());
    EXPECT_FALSE(model->workingHours().restricts());
    EXPECT_NE(vm.summary(), withRanges);
    EXPECT_TRUE(vm.summary().contains("any time")) << vm.summary().toStdString();
}

TEST_F(Hours, UpAndDownStepByQuartersAndPassOverTheOtherEnd) {
    vm.setEnabled(true);
    ASSERT_TRUE(vm.setEnd(0, 0, "17:50"));
    EXPECT_TRUE(vm.stepEnd(0, 0, 1));
    EXPECT_EQ(shownDay(0), "09:00-18:00");
    EXPECT_TRUE(vm.stepStart(0, 0, -2));
    EXPECT_EQ(shownDay(0), "08:30-18:00");
    EXPECT_EQ(fileDay("mon"), "08:30-18:00");

    ASSERT_TRUE(vm.setEnd(0, 0, "08:45"));
    EXPECT_TRUE(vm.stepEnd(0, 0, -1));
    EXPECT_EQ(shownDay(0), "08:30-08:15") << "past the start, into the next day";
    EXPECT_TRUE(range(0, 0).value("crossesMidnight").toBool());
    EXPECT_FALSE(vm.stepEnd(0, 3, 1));
    EXPECT_FALSE(vm.stepEnd(0, 0, 0));
}

TEST_F(Hours, SignalsFireOnlyWhenWhatIsShownChanges) {
    vm.setEnabled(true);
    resetCounts();
    // The same time as shown: no save, no signal.
    EXPECT_TRUE(vm.setStart(0, 0, "09:00"));
    EXPECT_EQ(modelChanges + enabledSignals + daysSignals + summarySignals + errorSignals, 0);

    EXPECT_TRUE(vm.setStart(0, 0, "09:30"));
    EXPECT_EQ(modelChanges, 1);
    EXPECT_EQ(daysSignals, 1);
    EXPECT_EQ(enabledSignals + summarySignals + errorSignals, 0);

    // A refusal shows the error once, and the same refusal again signals nothing.
    EXPECT_FALSE(vm.setStart(0, 0, "nine"));
    EXPECT_FALSE(vm.setStart(0, 0, "nine"));
    EXPECT_EQ(errorSignals, 1);
    EXPECT_EQ(daysSignals, 1);
    // A schedule changed elsewhere (a delete-all, another window) shows at once.
    WorkingHours other = current();
    other.days[6] = {{10 * hour, 14 * hour}};
    model->setWorkingHours(other);
    EXPECT_EQ(daysSignals, 2);
    EXPECT_EQ(shownDay(6), "10:00-14:00");
    model->deleteAllData();
    EXPECT_FALSE(vm.enabled());
    EXPECT_EQ(shownDay(0), "");
}

// The section makes its own view model in QML from the model it is given.
TEST(WorkingHoursFromQml, AViewMakesOneFromTheModelAndItsEditsReachTheModel) {
    fakes::ModelRig rig;
    UiEngine ui;
    QQmlComponent component(&ui.engine());
    component.setData(R"(
import QtQml
import Tarnwick.Ui
QtObject {
    required property AppModel app
    property WorkingHoursViewModel hours: WorkingHoursViewModel { model: app }
    readonly property string mondayStart: hours.enabled ? hours.days[0].ranges[0].start : ""
}
)",
                      QUrl(QStringLiteral("qrc:/hours.qml")));
    std::unique_ptr<QObject> view(component.createWithInitialProperties({{"app", QVariant::fromValue(rig.model.get())}}));
    ASSERT_NE(view, nullptr) << component.errorString().toStdString();
    auto* hours = view->property("hours").value<WorkingHoursViewModel*>();
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(hours->model(), rig.model.get());
    hours->setEnabled(true);
    EXPECT_EQ(view->property("mondayStart").toString(), "09:00");
    EXPECT_TRUE(rig.model->workingHours().hours().enabled);
}

}  // namespace
}  // namespace tarnwick
