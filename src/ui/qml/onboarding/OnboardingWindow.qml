import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// The welcome window, "Welcome to Tarnwick", 640 × 560: three steps over the sunset (a timing
// preset; breaks wait while you're busy, and launch at login; you're all set), step marks, Back
// from the second step on, and the primary button, which Return presses on every step.
// Confirming the last step marks onboarding done and closes the window.
//
// Its creator passes one property:
//   model: the AppModel.
// The window makes its own OnboardingViewModel from it. It emits `finished` once onboarding is
// done, just before it closes; closing it any other way leaves onboarding to do at the next start.
Window {
    id: root
    required property AppModel model
    signal finished()

    title: vm.windowTitle
    width: 640
    height: 560
    minimumWidth: 640
    maximumWidth: 640
    minimumHeight: 560
    maximumHeight: 560
    color: "black"

    OnboardingViewModel {
        id: vm
        model: root.model
        onFinished: {
            root.finished()
            root.close()
        }
    }

    // Return presses the primary button on every step, wherever the keyboard is.
    Shortcut {
        sequences: ["Return", "Enter"]
        onActivated: vm.next()
    }

    // The control that had the keyboard may have gone with its step: the keyboard goes back to
    // the window's content, from where Tab reaches the new step's controls. Checked once the
    // step's bindings have all settled.
    readonly property int step: vm.step
    onStepChanged: keyboardCheck.restart()
    Timer {
        id: keyboardCheck
        interval: 0
        onTriggered: {
            const item = root.activeFocusItem
            if (!item || !item.enabled || !item.visible || item === root.contentItem) content.forceActiveFocus()
        }
    }

    Item {
        id: content
        // Right-to-left languages mirror the whole surface.
        LayoutMirroring.enabled: Application.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        focus: true

        Picture {
            anchors.fill: parent
            image: vm.backdrop
            crop: true
            opacity: 0.85
            Accessible.ignored: true
        }
        Rectangle {
            anchors.fill: parent
            color: Qt.rgba(0, 0, 0, 0.45)
        }

        Item {
            id: stage
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: footer.top
            anchors.leftMargin: 44
            anchors.rightMargin: 44
            anchors.topMargin: 44

            // Step 1: welcome, and how often.
            OnboardingStep {
                objectName: "step1"
                shown: vm.step === 1
                width: stage.width
                height: stage.height
                ColumnLayout {
                    width: parent.width
                    spacing: 0
                    MarkOrb { size: 76; Layout.alignment: Qt.AlignHCenter }
                    KitText {
                        Layout.topMargin: 16
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.welcomeTitle
                        size: 30
                        font.weight: Font.Bold
                    }
                    KitText {
                        Layout.topMargin: 8
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.welcomeText
                        size: 14
                        color: Qt.rgba(1, 1, 1, 0.75)
                    }
                    ColumnLayout {
                        Layout.topMargin: 22
                        Layout.fillWidth: true
                        spacing: 8
                        OnboardingPresetRow {
                            id: preset0
                            objectName: "preset0"
                            Layout.fillWidth: true
                            name: vm.presets[0].name
                            summary: vm.presets[0].summary
                            tag: vm.presets[0].tag
                            chosen: vm.presetIndex === 0
                            onClicked: vm.presetIndex = 0
                            Keys.onDownPressed: preset1.forceActiveFocus(Qt.TabFocusReason)
                        }
                        OnboardingPresetRow {
                            id: preset1
                            objectName: "preset1"
                            Layout.fillWidth: true
                            name: vm.presets[1].name
                            summary: vm.presets[1].summary
                            tag: vm.presets[1].tag
                            chosen: vm.presetIndex === 1
                            onClicked: vm.presetIndex = 1
                            Keys.onUpPressed: preset0.forceActiveFocus(Qt.BacktabFocusReason)
                            Keys.onDownPressed: preset2.forceActiveFocus(Qt.TabFocusReason)
                        }
                        OnboardingPresetRow {
                            id: preset2
                            objectName: "preset2"
                            Layout.fillWidth: true
                            name: vm.presets[2].name
                            summary: vm.presets[2].summary
                            tag: vm.presets[2].tag
                            chosen: vm.presetIndex === 2
                            onClicked: vm.presetIndex = 2
                            Keys.onUpPressed: preset1.forceActiveFocus(Qt.BacktabFocusReason)
                        }
                    }
                }
            }

            // Step 2: breaks wait while you're busy; launch at login.
            OnboardingStep {
                objectName: "step2"
                shown: vm.step === 2
                width: stage.width
                height: stage.height
                ColumnLayout {
                    width: parent.width
                    spacing: 0
                    IconTile { symbol: "pause.fill"; colors: Tiles.purple; size: 64; Layout.alignment: Qt.AlignHCenter }
                    KitText {
                        Layout.topMargin: 18
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.busyTitle
                        size: 28
                        font.weight: Font.Bold
                    }
                    KitText {
                        Layout.topMargin: 8
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.busyText
                        size: 13.5
                        color: Qt.rgba(1, 1, 1, 0.75)
                    }
                    // The three chips in a row, or one above the other where a language's words
                    // make the row wider than the step.
                    GridLayout {
                        id: chipRow
                        Layout.topMargin: 22
                        Layout.alignment: Qt.AlignHCenter
                        columns: chip0.implicitWidth + chip1.implicitWidth + chip2.implicitWidth + 16 > stage.width - 40 ? 1 : 3
                        columnSpacing: 8
                        rowSpacing: 8
                        OnboardingChip { id: chip0; Layout.alignment: Qt.AlignHCenter; title: vm.chips[0].title; symbol: vm.chips[0].symbol; colors: Tiles.red }
                        OnboardingChip { id: chip1; Layout.alignment: Qt.AlignHCenter; title: vm.chips[1].title; symbol: vm.chips[1].symbol; colors: Tiles.orange }
                        OnboardingChip { id: chip2; Layout.alignment: Qt.AlignHCenter; title: vm.chips[2].title; symbol: vm.chips[2].symbol; colors: Tiles.purple }
                    }
                    RoundedShape {
                        id: loginCard
                        Layout.topMargin: 24
                        Layout.fillWidth: true
                        implicitHeight: login.implicitHeight + 28
                        radius: 12
                        color: Qt.rgba(1, 1, 1, 0.08)
                        borderColor: Qt.rgba(1, 1, 1, 0.12)
                        borderWidth: 1
                        RowLayout {
                            id: login
                            x: 14
                            y: 14
                            width: loginCard.width - 28
                            spacing: 12
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 2
                                // A click on the label flips the switch, as a click on it does.
                                TapHandler { onTapped: vm.launchAtLogin = !vm.launchAtLogin }
                                KitText { text: vm.loginTitle; size: 14; font.weight: Font.DemiBold; Accessible.ignored: true }
                                KitText {
                                    Layout.fillWidth: true
                                    text: vm.loginSubtitle
                                    size: 12
                                    color: Qt.rgba(1, 1, 1, 0.65)
                                    wrapMode: Text.WordWrap
                                    Accessible.ignored: true
                                }
                            }
                            KitSwitch {
                                id: loginSwitch
                                objectName: "login"
                                spacing: 0
                                palette.highlight: Theme.rose
                                checked: vm.launchAtLogin
                                onToggled: vm.launchAtLogin = checked
                                Accessible.name: vm.loginTitle
                                Accessible.description: vm.loginSubtitle
                            }
                        }
                    }
                }
            }

            // Step 3: you're all set.
            OnboardingStep {
                objectName: "step3"
                shown: vm.step === 3
                width: stage.width
                height: stage.height
                ColumnLayout {
                    width: parent.width
                    spacing: 0
                    MarkOrb { size: 76; Layout.alignment: Qt.AlignHCenter }
                    KitText {
                        Layout.topMargin: 16
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.doneTitle
                        size: 30
                        font.weight: Font.Bold
                    }
                    KitText {
                        objectName: "doneText"
                        Layout.topMargin: 8
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: vm.doneText
                        size: 14
                        color: Qt.rgba(1, 1, 1, 0.75)
                    }
                    RoundedShape {
                        Layout.topMargin: 24
                        Layout.fillWidth: true
                        implicitHeight: tips.implicitHeight + 32
                        radius: 12
                        color: Qt.rgba(1, 1, 1, 0.08)
                        ColumnLayout {
                            id: tips
                            x: 16
                            y: 16
                            width: parent.width - 32
                            spacing: 10
                            Repeater {
                                model: vm.tips
                                RowLayout {
                                    id: tip
                                    required property var modelData
                                    spacing: 10
                                    Item {
                                        implicitWidth: 20
                                        implicitHeight: 18
                                        Symbol {
                                            anchors.centerIn: parent
                                            name: tip.modelData.symbol
                                            size: 17
                                            color: Theme.amber
                                        }
                                    }
                                    KitText { Layout.fillWidth: true; text: tip.modelData.text; size: 13; wrapMode: Text.WordWrap }
                                }
                            }
                        }
                    }
                    KitText {
                        Layout.topMargin: 18
                        Layout.alignment: Qt.AlignHCenter
                        text: vm.disclaimer
                        size: 11.5
                        color: Qt.rgba(1, 1, 1, 0.55)
                    }
                }
            }
        }

        // The footer: where the user is, Back, and the primary button.
        RowLayout {
            id: footer
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: 32
            anchors.rightMargin: 32
            anchors.bottomMargin: 26
            spacing: 10

            Row {
                spacing: 6
                Layout.alignment: Qt.AlignVCenter
                Accessible.role: Accessible.StaticText
                Accessible.name: vm.stepText
                Rectangle { height: 6; radius: 3; width: vm.step === 1 ? 18 : 6; color: vm.step === 1 ? "white" : Qt.rgba(1, 1, 1, 0.3); Behavior on width { NumberAnimation { duration: 250 } } }
                Rectangle { height: 6; radius: 3; width: vm.step === 2 ? 18 : 6; color: vm.step === 2 ? "white" : Qt.rgba(1, 1, 1, 0.3); Behavior on width { NumberAnimation { duration: 250 } } }
                Rectangle { height: 6; radius: 3; width: vm.step === 3 ? 18 : 6; color: vm.step === 3 ? "white" : Qt.rgba(1, 1, 1, 0.3); Behavior on width { NumberAnimation { duration: 250 } } }
            }
            Item { Layout.fillWidth: true }
            GlassButton {
                id: backButton
                objectName: "back"
                visible: vm.showBack
                text: vm.backText
                onClicked: vm.back()
                ViewFocusRing { shown: backButton.visualFocus; borderColor: "white" }
            }
            SunsetButton {
                id: primaryButton
                objectName: "primary"
                text: vm.primaryText
                onClicked: vm.next()
                ViewFocusRing { shown: primaryButton.visualFocus; borderColor: "white" }
            }
        }
    }
}
