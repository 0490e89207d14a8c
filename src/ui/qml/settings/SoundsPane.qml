import QtQuick
import Tarnwick.Ui  // the module's C++ types

// Sounds: at the start and end of a break, which sound, and a way to hear it.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        title: pane.vm.text.soundsHeading
        FormRow {
            FormToggle {
                objectName: "soundOnStart"
                text: pane.vm.text.soundOnStart
                value: pane.model.settings.soundOnStart
                onToggledTo: (on) => pane.model.settings.soundOnStart = on
            }
        }
        FormRow {
            FormToggle {
                objectName: "soundOnEnd"
                text: pane.vm.text.soundOnEnd
                value: pane.model.settings.soundOnEnd
                onToggledTo: (on) => pane.model.settings.soundOnEnd = on
            }
        }
        FormRow {
            ChoicePicker {
                objectName: "soundName"
                title: pane.vm.text.soundPicker
                labels: pane.vm.soundLabels
                currentIndex: pane.vm.soundIndex
                onChosen: (index) => pane.vm.chooseSound(index)
            }
            IconButton {
                objectName: "playSound"
                symbol: "play.circle.fill"
                symbolSize: 17
                accessibleName: pane.vm.text.playSound
                onClicked: pane.vm.playSound()
            }
        }
    }
}
