import QtQuick
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// One entry of a pop-up menu: the label, highlighted under the pointer or the keyboard, with a
// check mark beside the chosen one.
T.ItemDelegate {
    id: entry
    required property int index
    required property string modelData
    readonly property ChoiceList list: entry.ListView.view as ChoiceList
    readonly property bool chosen: list !== null && list.chosenIndex === entry.index

    width: list ? list.width : implicitWidth
    text: modelData
    highlighted: entry.ListView.isCurrentItem
    hoverEnabled: true
    leftPadding: 24
    rightPadding: 10
    topPadding: 4
    bottomPadding: 4
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.role: Accessible.ListItem
    Accessible.name: text
    Accessible.selected: chosen

    contentItem: PaneText {
        text: entry.text
        size: 13
        color: entry.highlighted ? entry.palette.highlightedText : entry.palette.text
        Accessible.ignored: true
    }
    // A rectangle, not a shape: pop-up items leave the scene when the menu closes, and the
    // software renderer cannot draw a shape again once it has.
    background: Item {
        Rectangle {
            anchors.fill: parent
            radius: 5
            color: entry.highlighted ? entry.palette.highlight : "transparent"
        }
        Symbol {
            visible: entry.chosen
            x: 7
            anchors.verticalCenter: parent.verticalCenter
            name: "checkmark.circle.fill"
            size: 11
            color: entry.highlighted ? entry.palette.highlightedText : entry.palette.text
        }
    }
}
