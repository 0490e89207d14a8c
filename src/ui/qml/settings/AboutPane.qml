import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// About: the emblem, the name, the version, a word of care, and what serves this desktop.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        FormRow {
            verticalPadding: 16
            ColumnLayout {
                spacing: 12
                Layout.fillWidth: true
                Layout.bottomMargin: 8
                MarkOrb {
                    size: 72
                    Layout.topMargin: 8
                    Layout.alignment: Qt.AlignHCenter
                }
                PaneText {
                    text: pane.vm.text.appName
                    size: 22
                    font.weight: Font.Bold
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
                PaneText {
                    objectName: "version"
                    text: pane.vm.versionText
                    size: 12
                    secondary: true
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
                PaneText {
                    text: pane.vm.text.tagline
                    size: 13
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
            }
        }
    }

    FormSection {
        FormRow {
            PaneText {
                text: pane.vm.text.disclaimer
                size: 12
                secondary: true
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
            }
        }
    }

    FormSection {
        title: pane.vm.text.detailsHeading
        FormRow {
            objectName: "details"
            ColumnLayout {
                spacing: 4
                Layout.fillWidth: true
                Repeater {
                    model: pane.vm.details
                    PaneText {
                        required property string modelData
                        text: modelData
                        size: 12
                        secondary: true
                        wrapMode: Text.WordWrap
                        Layout.fillWidth: true
                    }
                }
            }
        }
    }
}
