import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One of the user's messages: the text as typed, stored on every edit, and its remove button.
FormRow {
    id: row
    required property int index
    property SettingsViewModel vm: null

    function focusField() { field.forceActiveFocus() }

    MessageField {
        id: field
        objectName: "message-" + row.index
        label: row.vm ? row.vm.text.messageLabel : ""
        placeholderText: row.vm ? row.vm.text.messagePlaceholder : ""
        text: row.vm ? row.vm.messages[row.index] ?? "" : ""
        Layout.fillWidth: true
        onTextEdited: if (row.vm) row.vm.setMessage(row.index, field.text)
    }
    IconButton {
        objectName: "removeMessage-" + row.index
        symbol: "minus.circle.fill"
        symbolSize: 16
        accessibleName: row.vm ? row.vm.text.removeMessage : ""
        onClicked: if (row.vm) row.vm.removeMessage(row.index)
    }
}
