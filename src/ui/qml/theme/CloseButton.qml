import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A small round cross on glass; `label` is its tooltip and what screen readers call it.
T.Button {
    id: button
    property string label

    implicitWidth: 22
    implicitHeight: 22
    hoverEnabled: true
    opacity: down ? 0.7 : 1
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: button.clicked()
    ToolTip.visible: hovered
    ToolTip.text: label

    background: RoundedShape {
        continuous: false
        radius: 11
        color: Theme.glassFill
    }
    contentItem: Item {
        Symbol {
            anchors.centerIn: parent
            name: "xmark"
            size: 11
            color: Qt.rgba(1, 1, 1, 0.7)
        }
    }
}
