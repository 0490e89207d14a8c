import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// Screen Breaks: the presets, eye and long breaks, the heads-up, enforcement and skips.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        title: pane.vm.text.rhythmHeading
        FormRow {
            verticalPadding: 14
            PresetCard {
                objectName: "preset-classic"
                preset: pane.vm.presets[0]
                selected: pane.vm.selectedPreset === preset.id
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                onClicked: pane.model.applyPreset(preset.id)
            }
            PresetCard {
                objectName: "preset-focus"
                preset: pane.vm.presets[1]
                selected: pane.vm.selectedPreset === preset.id
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                onClicked: pane.model.applyPreset(preset.id)
            }
            PresetCard {
                objectName: "preset-gentle"
                preset: pane.vm.presets[2]
                selected: pane.vm.selectedPreset === preset.id
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                onClicked: pane.model.applyPreset(preset.id)
            }
        }
    }

    FormSection {
        title: pane.vm.text.eyeHeading
        FormRow {
            FormToggle {
                objectName: "microEnabled"
                text: pane.vm.text.eyeTitle
                subtitle: pane.vm.text.eyeSubtitle
                symbol: "eye.fill"
                colors: Tiles.pink
                value: pane.model.settings.microEnabled
                onToggledTo: (on) => pane.model.settings.microEnabled = on
            }
        }
        FormRow { ChoicePicker { objectName: "microEvery"; picker: pane.vm.microEvery } }
        FormRow { ChoicePicker { objectName: "microDuration"; picker: pane.vm.microDuration } }
    }

    FormSection {
        title: pane.vm.text.longHeading
        FormRow {
            FormToggle {
                objectName: "longEnabled"
                text: pane.vm.text.longTitle
                subtitle: pane.vm.text.longSubtitle
                symbol: "figure.walk"
                colors: Tiles.orange
                value: pane.model.settings.longEnabled
                onToggledTo: (on) => pane.model.settings.longEnabled = on
            }
        }
        FormRow { ChoicePicker { objectName: "longEvery"; picker: pane.vm.longEvery } }
        FormRow { ChoicePicker { objectName: "longDuration"; picker: pane.vm.longDuration } }
    }

    FormSection {
        title: pane.vm.text.headsUpHeading
        FormRow { ChoicePicker { objectName: "headsUp"; picker: pane.vm.headsUp } }
    }

    FormSection {
        title: pane.vm.text.enforcementHeading
        footer: pane.vm.text.enforcementFooter
        FormRow {
            verticalPadding: 14
            EnforcementCard {
                objectName: "enforcement-casual"
                mode: pane.vm.enforcements[0]
                skipText: pane.vm.text.skipBreak
                selected: pane.vm.enforcement === mode.id
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: pane.model.settings.enforcement = mode.id
            }
            EnforcementCard {
                objectName: "enforcement-balanced"
                mode: pane.vm.enforcements[1]
                skipText: pane.vm.text.skipBreak
                selected: pane.vm.enforcement === mode.id
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: pane.model.settings.enforcement = mode.id
            }
            EnforcementCard {
                objectName: "enforcement-hardcore"
                mode: pane.vm.enforcements[2]
                skipText: pane.vm.text.skipBreak
                selected: pane.vm.enforcement === mode.id
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: pane.model.settings.enforcement = mode.id
            }
        }
        FormRow { ChoicePicker { objectName: "skips"; picker: pane.vm.skips } }
    }
}
