import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A break background as a card: its preview (the card's children), 136 × 78 with rounded
// corners, outlined in the accent colour when chosen, and its title under it. The whole card is
// the button; Space and Return choose it.
T.RadioButton {
    id: card
    property string title
    property bool selected: false
    default property alias preview: previewBox.data
    // The colour around the card, which its preview's corners take.
    property color surroundColor: palette.window
    readonly property color primary: palette.windowText

    padding: 4
    implicitWidth: column.implicitWidth + leftPadding + rightPadding
    implicitHeight: column.implicitHeight + topPadding + bottomPadding
    Accessible.name: title
    // Shown as chosen only while the model says so; a click asks, the model answers.
    checked: selected
    autoExclusive: false
    onClicked: checked = Qt.binding(function() { return card.selected })
    Keys.onReturnPressed: card.clicked()
    Keys.onEnterPressed: card.clicked()
    Accessible.onPressAction: card.clicked()

    ColumnLayout {
        id: column
        x: card.leftPadding
        y: card.topPadding
        spacing: 8
        Item {
            implicitWidth: 136
            implicitHeight: 78
            Item {
                id: previewBox
                anchors.fill: parent
            }
            CornerMask {
                anchors.fill: parent
                radius: 8
                color: card.surroundColor
            }
            RoundedShape {
                anchors.fill: parent
                anchors.margins: card.selected ? -3 : 0
                continuous: false
                radius: card.selected ? 11 : 8
                color: "transparent"
                borderColor: card.selected ? card.palette.highlight
                                           : Qt.rgba(card.primary.r, card.primary.g, card.primary.b, 0.10)
                borderWidth: card.selected ? 2.5 : 1
            }
            FocusRing {
                anchors.fill: parent
                visible: card.visualFocus && !card.selected
                gap: 4
                radius: 12
            }
        }
        PaneText {
            text: card.title
            size: 12
            font.weight: card.selected ? Font.DemiBold : Font.Normal
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
            Accessible.ignored: true
        }
    }
}
