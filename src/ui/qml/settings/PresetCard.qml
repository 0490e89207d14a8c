import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A preset as a card: its name and one-line summary, outlined in the accent colour while the
// settings match it. The whole card is the button; Space and Return choose it.
T.RadioButton {
    id: card
    // {id, name, summary}
    property var preset: ({})
    readonly property string name: preset.name ?? ""
    readonly property string summary: preset.summary ?? ""
    property bool selected: false
    readonly property color primary: palette.windowText

    hoverEnabled: true
    padding: 10
    implicitWidth: 150
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.name: name
    Accessible.description: summary
    // Shown as chosen only while the model says so; a click asks, the model answers.
    checked: selected
    autoExclusive: false
    onClicked: checked = Qt.binding(function() { return card.selected })
    Keys.onReturnPressed: card.clicked()
    Keys.onEnterPressed: card.clicked()
    Accessible.onPressAction: card.clicked()

    contentItem: ColumnLayout {
        spacing: 3
        PaneText {
            text: card.name
            size: 13
            font.weight: Font.DemiBold
            Layout.fillWidth: true
            Accessible.ignored: true
        }
        PaneText {
            text: card.summary
            size: 11
            secondary: true
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Accessible.ignored: true
        }
        Item { Layout.fillHeight: true }
    }
    indicator: null
    background: Item {
        RoundedShape {
            anchors.fill: parent
            radius: 10
            color: Qt.rgba(card.primary.r, card.primary.g, card.primary.b, card.hovered ? 0.08 : 0.05)
            borderColor: card.selected ? card.palette.highlight
                                       : Qt.rgba(card.primary.r, card.primary.g, card.primary.b, 0.08)
            borderWidth: card.selected ? 2 : 1
        }
        FocusRing {
            anchors.fill: parent
            visible: card.visualFocus
            radius: 10
        }
    }
}
