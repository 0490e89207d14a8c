import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// The call to action: white semibold text on a sunset capsule with a rose shadow.
T.Button {
    id: button
    property string symbol

    topPadding: 9
    bottomPadding: 9
    leftPadding: 18
    rightPadding: 18
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    opacity: down ? 0.85 : 1
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: button.clicked()

    // Fillers at both ends (their margins cancel the spacing) keep the label centred when the
    // button is made wider than it.
    contentItem: RowLayout {
        spacing: 6
        Item { Layout.fillWidth: true; Layout.rightMargin: -6 }
        Symbol {
            visible: button.symbol !== ""
            name: button.symbol
            size: 14
            color: "white"
            Layout.alignment: Qt.AlignVCenter
        }
        KitText {
            text: button.text
            size: 13.5
            font.weight: Font.DemiBold
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
        Item { Layout.fillWidth: true; Layout.leftMargin: -6 }
    }

    background: Item {
        Shadow {
            x: -blur
            y: 3 - blur
            width: parent.width + 2 * blur
            height: parent.height + 2 * blur
            blur: 8
            cornerRadius: parent.height / 2
            color: Qt.rgba(Theme.rose.r, Theme.rose.g, Theme.rose.b, 0.30)
        }
        RoundedShape {
            anchors.fill: parent
            continuous: false
            radius: height / 2
            gradient: SunsetGradient { x2: button.width; y2: button.height }
            borderColor: Qt.rgba(1, 1, 1, 0.20)
            borderWidth: 1
        }
    }
}
