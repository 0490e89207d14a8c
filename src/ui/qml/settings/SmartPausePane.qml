import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// Smart Pause: what holds a break, when time away counts as one, and the signals right now.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        title: pane.vm.text.holdHeading
        footer: pane.vm.text.holdFooter
        FormRow {
            FormToggle {
                objectName: "holdDuringCalls"
                text: pane.vm.text.callsTitle
                subtitle: pane.vm.text.callsSubtitle
                symbol: "video.fill"
                colors: Tiles.red
                value: pane.model.settings.holdDuringCalls
                onToggledTo: (on) => pane.model.settings.holdDuringCalls = on
            }
        }
        FormRow {
            ColumnLayout {
                spacing: 4
                Layout.fillWidth: true
                FormToggle {
                    objectName: "holdDuringFullscreen"
                    text: pane.vm.text.fullscreenTitle
                    subtitle: pane.vm.text.fullscreenSubtitle
                    symbol: "gamecontroller.fill"
                    colors: Tiles.orange
                    value: pane.model.settings.holdDuringFullscreen
                    onToggledTo: (on) => pane.model.settings.holdDuringFullscreen = on
                }
                PaneText {
                    objectName: "fullscreenNote"
                    visible: pane.vm.fullscreenNote !== ""
                    text: pane.vm.fullscreenNote
                    size: 11.5
                    secondary: true
                    wrapMode: Text.WordWrap
                    Layout.leftMargin: 32
                    Layout.fillWidth: true
                }
            }
        }
        FormRow {
            FormToggle {
                objectName: "holdWhileTyping"
                text: pane.vm.text.typingTitle
                subtitle: pane.vm.typingSubtitle
                symbol: "keyboard.fill"
                colors: Tiles.purple
                value: pane.model.settings.holdWhileTyping
                onToggledTo: (on) => pane.model.settings.holdWhileTyping = on
            }
        }
    }

    FormSection {
        title: pane.vm.text.naturalHeading
        FormRow { ChoicePicker { objectName: "naturalBreak"; picker: pane.vm.naturalBreak } }
    }

    FormSection {
        title: pane.vm.text.nowHeading
        footer: pane.vm.text.nowFooter
        FormRow {
            // The chips wrap onto a second line when they do not fit beside each other.
            Flow {
                objectName: "liveSignals"
                Layout.fillWidth: true
                spacing: 8
                LiveChip { info: pane.vm.liveSignals[0] }
                LiveChip { info: pane.vm.liveSignals[1] }
                LiveChip { info: pane.vm.liveSignals[2] }
                LiveChip { info: pane.vm.liveSignals[3] }
            }
        }
    }
}
