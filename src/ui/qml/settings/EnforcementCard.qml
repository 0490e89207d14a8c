import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// An enforcement mode as a card: a small picture of the break screen with the skip control as
// that mode shows it, the mode's name and its rule. The whole card is the button; Space and
// Return choose it.
T.RadioButton {
    id: card
    // {id, name, rule, symbol, dimmed}
    property var mode: ({})
    property string skipText
    property bool selected: false
    readonly property color primary: palette.windowText
    readonly property color skipColor: card.mode.dimmed ? Qt.rgba(1, 1, 1, 0.55) : "white"

    hoverEnabled: true
    padding: 4
    implicitWidth: 150
    implicitHeight: column.implicitHeight + topPadding + bottomPadding
    Accessible.name: mode.name ?? ""
    Accessible.description: mode.rule ?? ""
    // Shown as chosen only while the model says so; a click asks, the model answers.
    checked: selected
    autoExclusive: false
    onClicked: checked = Qt.binding(function() { return card.selected })
    Keys.onReturnPressed: card.clicked()
    Keys.onEnterPressed: card.clicked()
    Accessible.onPressAction: card.clicked()

    indicator: null
    background: RoundedShape {
        radius: 12
        color: Qt.rgba(card.primary.r, card.primary.g, card.primary.b, card.hovered ? 0.05 : 0)
    }

    ColumnLayout {
        id: column
        x: card.leftPadding
        y: card.topPadding
        width: card.availableWidth
        spacing: 4

        Item {
            id: preview
            Layout.fillWidth: true
            Layout.bottomMargin: 4
            implicitHeight: 64
            RoundedShape {
                anchors.fill: parent
                radius: 10
                gradient: LinearGradient {
                    x1: 0; y1: 0; x2: preview.width; y2: preview.height
                    GradientStop { position: 0; color: "#6E4BC7" }
                    GradientStop { position: 0.5; color: Theme.rose }
                    GradientStop { position: 1; color: Theme.amber }
                }
            }
            RoundedShape {
                visible: card.selected
                anchors.fill: parent
                anchors.margins: -3
                radius: 13
                color: "transparent"
                borderColor: card.palette.highlight
                borderWidth: 2.5
            }
            FocusRing {
                anchors.fill: parent
                visible: card.visualFocus && !card.selected
                gap: 4
                radius: 14
            }
            // The skip control in miniature.
            RoundedShape {
                anchors.centerIn: parent
                width: pill.implicitWidth + 20
                height: pill.implicitHeight + 10
                continuous: false
                radius: height / 2
                color: Qt.rgba(1, 1, 1, 0.18)
                borderWidth: 1
                borderColor: Qt.rgba(1, 1, 1, 0.25)
                RowLayout {
                    id: pill
                    anchors.centerIn: parent
                    spacing: 4
                    Symbol {
                        name: card.mode.symbol ?? ""
                        size: 11
                        color: card.skipColor
                        Layout.alignment: Qt.AlignVCenter
                    }
                    KitText {
                        text: card.skipText
                        size: 11.5
                        font.weight: Font.DemiBold
                        color: card.skipColor
                        Accessible.ignored: true
                    }
                }
            }
        }
        PaneText {
            text: card.mode.name ?? ""
            size: 12
            font.weight: card.selected ? Font.DemiBold : Font.Normal
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
            Accessible.ignored: true
        }
        PaneText {
            text: card.mode.rule ?? ""
            size: 11
            secondary: true
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
            Accessible.ignored: true
        }
    }
}
