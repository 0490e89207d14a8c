import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// General: launch at login, the tray countdown, the keyboard shortcuts and the working hours.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        title: pane.vm.text.startupHeading
        FormRow {
            ColumnLayout {
                spacing: 4
                Layout.fillWidth: true
                FormToggle {
                    objectName: "launchAtLogin"
                    text: pane.vm.text.launchAtLogin
                    value: pane.model.settings.launchAtLogin
                    onToggledTo: (on) => pane.vm.setLaunchAtLogin(on)
                }
                PaneText {
                    objectName: "loginMessage"
                    visible: pane.vm.loginMessage !== ""
                    text: pane.vm.loginMessage
                    size: 11.5
                    color: pane.vm.loginError ? "#D93A3A" : Qt.rgba(pane.primary.r, pane.primary.g, pane.primary.b, 0.62)
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
            }
        }
    }

    FormSection {
        title: pane.vm.text.trayHeading
        footer: pane.vm.text.trayFooter
        FormRow {
            FormToggle {
                objectName: "trayCountdown"
                text: pane.vm.text.trayCountdown
                value: pane.model.settings.menuBarCountdown
                onToggledTo: (on) => pane.model.settings.menuBarCountdown = on
            }
        }
    }

    FormSection {
        title: pane.vm.text.shortcutHeading
        FormRow {
            ColumnLayout {
                spacing: 4
                Layout.fillWidth: true
                RowLayout {
                    spacing: 10
                    Layout.fillWidth: true
                    PaneText { text: pane.vm.text.shortcutBreak; size: 13; Layout.fillWidth: true }
                    PaneText { text: pane.vm.text.shortcutBreakKeys; size: 12.5; font.family: "monospace"; secondary: true }
                }
                PaneText {
                    objectName: "hotKeyNote"
                    visible: pane.vm.hotKeyNote !== ""
                    text: pane.vm.hotKeyNote
                    size: 11.5
                    secondary: true
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
            }
        }
        FormRow {
            PaneText { text: pane.vm.text.shortcutSkip; size: 13; Layout.fillWidth: true }
            PaneText { text: pane.vm.text.shortcutSkipKeys; size: 12.5; font.family: "monospace"; secondary: true }
        }
    }

    WorkingHoursSection {
        objectName: "workingHours"
        model: pane.model
    }
}
