import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// The glass button of break surfaces: white semibold text, with an optional symbol, on a
// capsule of translucent material. Prominent buttons are a little brighter.
T.Button {
    id: button
    property bool prominent: false
    property string symbol
    // Whether the material may be translucent; opaque where no compositing manager runs.
    property bool composited: Compositor.active
    // The label's size; a row of buttons whose labels are long in a language steps it down.
    property real textSize: 13

    topPadding: 8
    bottomPadding: 8
    leftPadding: 14
    rightPadding: 14
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    opacity: down ? 0.7 : 1
    scale: down ? 0.97 : 1
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
            // Its natural width where the button has it, else wrapped onto more lines.
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            wrapMode: button.width < button.implicitWidth - 0.5 ? Text.WordWrap : Text.NoWrap
            horizontalAlignment: Text.AlignHCenter
            text: button.text
            size: button.textSize
            font.weight: Font.DemiBold
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
        Item { Layout.fillWidth: true; Layout.leftMargin: -6 }
    }

    background: Item {
        RoundedShape {
            anchors.fill: parent
            continuous: false
            radius: height / 2
            color: button.composited ? Theme.materialTranslucent : Theme.materialOpaque
        }
        RoundedShape {
            anchors.fill: parent
            continuous: false
            radius: height / 2
            color: button.prominent ? Qt.rgba(1, 1, 1, 0.22) : Theme.glassFill
            borderWidth: 1
            borderColor: Theme.glassStroke
        }
    }
}
