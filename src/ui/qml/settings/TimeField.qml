import QtQuick
import QtQuick.Templates as T
import QtQuick.Window
import Tarnwick.Ui  // the module's C++ types

// A time of day typed as "HH:MM" in a small box in the picker's colours. What is typed goes out
// through `committed` on Return or when the focus leaves; whatever the model makes of it, the field
// then shows `value` again. Escape brings the value back; Up and Down ask for a step through
// `stepped`. The whole time is selected when the keyboard brings the focus, so typing replaces it.
T.TextField {
    id: field
    // The time shown, "09:00".
    property string value
    property string label
    property string description
    readonly property color primary: palette.windowText
    signal committed(string text)
    signal stepped(int quarters)

    function commit() {
        if (field.text !== field.value)
            field.committed(field.text)
        field.text = Qt.binding(function() { return field.value })
    }

    text: value
    color: palette.text
    selectionColor: palette.highlight
    selectedTextColor: palette.highlightedText
    font.family: Fonts.family
    font.pointSize: 13 * 72 / (Screen.logicalPixelDensity * 25.4)
    maximumLength: 5
    inputMethodHints: Qt.ImhPreferNumbers
    horizontalAlignment: TextInput.AlignHCenter
    verticalAlignment: TextInput.AlignVCenter
    leftPadding: 8
    rightPadding: 8
    topPadding: 4
    bottomPadding: 4
    implicitWidth: 62
    implicitHeight: Math.max(26, contentHeight + topPadding + bottomPadding)
    selectByMouse: true
    Accessible.role: Accessible.EditableText
    Accessible.name: label
    Accessible.description: description

    onActiveFocusChanged: {
        if (field.activeFocus) {
            if (field.focusReason !== Qt.MouseFocusReason)
                field.selectAll()
        } else {
            field.commit()
        }
    }
    Keys.onReturnPressed: field.commit()
    Keys.onEnterPressed: field.commit()
    Keys.onEscapePressed: (event) => {
        event.accepted = field.text !== field.value
        field.text = Qt.binding(function() { return field.value })
    }
    Keys.onUpPressed: {
        field.commit()
        field.stepped(1)
        field.selectAll()
    }
    Keys.onDownPressed: {
        field.commit()
        field.stepped(-1)
        field.selectAll()
    }

    background: RoundedShape {
        objectName: "timeBox"
        radius: 6
        continuous: false
        color: field.palette.base
        borderColor: field.activeFocus ? field.palette.highlight
                                       : Qt.rgba(field.primary.r, field.primary.g, field.primary.b, 0.2)
        borderWidth: field.activeFocus ? 2 : 1
    }
}
