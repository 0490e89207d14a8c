import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// Privacy & Data: where the data lives, its export, and deleting it all.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model

    FormSection {
        title: pane.vm.text.dataHeading
        FormRow {
            PaneText {
                objectName: "privacyText"
                text: pane.vm.privacyText
                size: 12.5
                secondary: true
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
            }
        }
    }

    ColumnLayout {
        spacing: 8
        Layout.fillWidth: true
        FormSection {
            FormRow {
                PaneText { text: pane.vm.text.exportRow; size: 13; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                FormButton {
                    objectName: "export"
                    text: pane.vm.text.exportButton
                    onClicked: pane.vm.chooseExportFile(pane.Window.window)
                }
            }
            FormRow {
                PaneText { text: pane.vm.text.deleteRow; size: 13; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                FormButton {
                    objectName: "delete"
                    text: pane.vm.text.deleteButton
                    destructive: true
                    onClicked: confirm.open()
                }
            }
        }
        PaneText {
            objectName: "privacyMessage"
            visible: pane.vm.message !== ""
            text: pane.vm.message
            size: 12
            secondary: true
            wrapMode: Text.WordWrap
            Layout.leftMargin: 4
            Layout.fillWidth: true
        }
    }

    ConfirmDialog {
        id: confirm
        objectName: "confirmDialog"
        question: pane.vm.deleteQuestion
        warning: pane.vm.text.deleteWarning
        confirmText: pane.vm.text.deleteConfirm
        cancelText: pane.vm.text.cancel
        onConfirmed: pane.vm.deleteAll()
    }
}
