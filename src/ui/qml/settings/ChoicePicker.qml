import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// A pop-up menu across the row: its title on the left, the chosen label on the right. It shows a
// picker model (or the labels and index given) and reports a choice through `chosen`; a picker
// model takes the choice itself. Space or Return opens the menu, the arrows move through it.
RowLayout {
    id: row
    property ChoicePickerModel picker: null
    property string title: picker ? picker.title : ""
    property var labels: picker ? picker.labels : []
    property int currentIndex: picker ? picker.currentIndex : -1
    readonly property color primary: palette.windowText
    signal chosen(int index)

    spacing: 12
    enabled: picker ? picker.enabled : true
    opacity: enabled ? 1 : 0.45
    Layout.fillWidth: true

    onChosen: (index) => {
        if (row.picker)
            row.picker.choose(index)
    }

    // The menu is as wide as its widest label, measured as it is drawn.
    readonly property real widestLabel: Math.ceil(measure.implicitWidth)
    Column {
        id: measure
        visible: false
        Repeater {
            model: row.labels
            PaneText {
                required property string modelData
                text: modelData
                size: 13
            }
        }
    }

    PaneText {
        text: row.title
        size: 13
        wrapMode: Text.WordWrap
        Layout.fillWidth: true
        Accessible.ignored: true
    }

    T.ComboBox {
        id: box
        objectName: row.objectName !== "" ? row.objectName + "Box" : ""
        model: row.labels
        currentIndex: row.currentIndex
        leftPadding: 10
        rightPadding: 28
        topPadding: 4
        bottomPadding: 4
        implicitWidth: Math.max(120, row.widestLabel + leftPadding + rightPadding)
        implicitHeight: Math.max(26, implicitContentHeight + topPadding + bottomPadding)
        hoverEnabled: true
        Accessible.role: Accessible.ComboBox
        Accessible.name: row.title
        Accessible.description: box.displayText

        // The menu shows the model's value, whatever was chosen in it.
        onActivated: (index) => {
            row.chosen(index)
            box.currentIndex = Qt.binding(function() { return row.currentIndex })
        }
        Accessible.onPressAction: box.popup.open()
        Keys.onReturnPressed: (event) => {
            if (!box.popup.visible) {
                box.popup.open()
                event.accepted = true
            } else {
                event.accepted = false
            }
        }

        contentItem: PaneText {
            text: box.displayText
            size: 13
            color: box.palette.buttonText
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            Accessible.ignored: true
        }
        indicator: Shape {
            x: box.width - width - 10
            y: (box.height - height) / 2
            width: 8
            height: 12
            Accessible.ignored: true
            ShapePath {
                strokeColor: box.palette.buttonText
                strokeWidth: 1.4
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                startX: 1; startY: 4.5
                PathLine { x: 4; y: 1.5 }
                PathLine { x: 7; y: 4.5 }
                PathMove { x: 1; y: 7.5 }
                PathLine { x: 4; y: 10.5 }
                PathLine { x: 7; y: 7.5 }
            }
        }
        background: RoundedShape {
            objectName: "boxShape"
            radius: 6
            continuous: false
            color: box.down ? Qt.darker(box.palette.button, 1.1) : box.palette.button
            borderColor: box.visualFocus ? box.palette.highlight
                                         : Qt.rgba(row.primary.r, row.primary.g, row.primary.b, 0.2)
            borderWidth: box.visualFocus ? 2 : 1
        }
        delegate: ChoiceItem {}
        popup: T.Popup {
            y: box.height + 3
            width: Math.max(box.width, row.widestLabel + 40)
            implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
            padding: 4
            contentItem: ChoiceList {
                implicitHeight: contentHeight
                model: box.delegateModel
                currentIndex: box.highlightedIndex
                chosenIndex: box.currentIndex
            }
            // A rectangle, not a shape, as everything in a pop-up (see ChoiceItem).
            background: Rectangle {
                radius: 8
                color: box.palette.base
                border.color: Qt.rgba(row.primary.r, row.primary.g, row.primary.b, 0.22)
                border.width: 1
            }
        }
    }
}
