import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// Wellness Reminders: blink and posture nudges, each with a preview.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        FormRow {
            TileLabel {
                title: pane.vm.text.blinkTitle
                subtitle: pane.vm.text.blinkSubtitle
                symbol: "eye.fill"
                colors: Tiles.pink
                Layout.fillWidth: true
            }
            FormButton {
                objectName: "previewBlink"
                text: pane.vm.text.preview
                Accessible.name: pane.vm.text.previewBlink
                onClicked: pane.vm.previewBlink()
            }
        }
        FormRow { ChoicePicker { objectName: "blinkEvery"; picker: pane.vm.blinkEvery } }
    }

    FormSection {
        footer: pane.vm.text.wellnessFooter
        FormRow {
            TileLabel {
                title: pane.vm.text.postureTitle
                subtitle: pane.vm.text.postureSubtitle
                symbol: "figure.stand"
                colors: Tiles.green
                Layout.fillWidth: true
            }
            FormButton {
                objectName: "previewPosture"
                text: pane.vm.text.preview
                Accessible.name: pane.vm.text.previewPosture
                onClicked: pane.vm.previewPosture()
            }
        }
        FormRow { ChoicePicker { objectName: "postureEvery"; picker: pane.vm.postureEvery } }
    }
}
