// The model as views reach it: through QML, by property and by invokable.

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>

#include "model_rig.hpp"
#include "ui/ui_engine.hpp"

namespace tarnwick {
namespace {

// A view that only binds and forwards, as every view of the program does.
constexpr char view[] = R"(
import QtQml
import Tarnwick.Ui
QtObject {
    required property AppModel app
    readonly property string title: app.breakTitle
    readonly property string phase: app.phaseName
    readonly property int every: app.settings.microEveryMinutes
    function take(kind) { app.takeBreak(kind) }
    function edit() {
        app.settings.microEveryMinutes = 35
        app.settings.holdWhileTyping = false
        app.settings.enforcement = "hardcore"
        app.settings.customMessages = ["Stretch", "Drink some water"]
        app.settings.soundName = "Tink"
    }
}
)";

struct ModelFromQml : ::testing::Test {
    void SetUp() override {
        QQmlComponent component(&ui.engine());
        component.setData(view, QUrl(QStringLiteral("qrc:/view.qml")));
        object.reset(component.createWithInitialProperties({{"app", QVariant::fromValue(rig.model.get())}}));
        ASSERT_NE(object, nullptr) << component.errorString().toStdString();
    }

    fakes::ModelRig rig;
    UiEngine ui;
    std::unique_ptr<QObject> object;
};

TEST_F(ModelFromQml, TakeBreakStartsABreakOfThatKindAndBindingsFollowAtOnce) {
    for (auto [kind, expected] : {std::pair{"micro", BreakKind::micro}, std::pair{"long", BreakKind::long_}}) {
        SCOPED_TRACE(kind);
        rig.model->resume();
        QMetaObject::invokeMethod(object.get(), "take", Q_ARG(QVariant, QString::fromLatin1(kind)));
        const auto* onBreak = std::get_if<phase::OnBreak>(&rig.model->phase());
        ASSERT_NE(onBreak, nullptr);
        EXPECT_EQ(onBreak->kind, expected);
        EXPECT_EQ(object->property("phase").toString(), QStringLiteral("onBreak"));
        EXPECT_FALSE(object->property("title").toString().isEmpty());
    }
}

TEST_F(ModelFromQml, SettingsWrittenFromQmlAreSavedAndReachTheScheduler) {
    QMetaObject::invokeMethod(object.get(), "edit");
    Settings expected;
    expected.microEveryMinutes = 35;
    expected.holdWhileTyping = false;
    expected.enforcement = BreakEnforcement::hardcore;
    expected.customMessages = {"Stretch", "Drink some water"};
    expected.soundName = "Tink";
    EXPECT_EQ(rig.model->settings(), expected);
    EXPECT_EQ(rig.model->scheduler().settings(), expected);
    EXPECT_EQ(rig.persistence.loadSettings(), expected);
    EXPECT_EQ(object->property("every").toInt(), 35);
}

}  // namespace
}  // namespace tarnwick
