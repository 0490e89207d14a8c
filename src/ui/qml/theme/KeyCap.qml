import QtQuick

// One key of a keyboard shortcut, drawn as a small cap; the text takes `color`.
Item {
    id: cap
    property string label
    property color color: "white"

    implicitWidth: text.implicitWidth + 10
    implicitHeight: text.implicitHeight + 3
    Accessible.role: Accessible.StaticText
    Accessible.name: label

    RoundedShape {
        anchors.fill: parent
        radius: 4
        color: Qt.rgba(1, 1, 1, 0.16)
        borderColor: Qt.rgba(1, 1, 1, 0.18)
        borderWidth: 1
    }
    KitText {
        id: text
        anchors.centerIn: parent
        text: cap.label
        size: 10.5
        font.weight: Font.DemiBold
        color: cap.color
        Accessible.ignored: true
    }
}
