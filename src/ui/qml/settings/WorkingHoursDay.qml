import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One weekday of the working hours: its name, its ranges one under another (or a note that it has
// none), the line that says why a typed time was refused, and the button that adds a range.
FormRow {
    id: row
    required property int index
    property WorkingHoursViewModel hours: null
    readonly property var day: hours ? hours.days[index] : null
    readonly property int rangeCount: day ? day.ranges.length : 0
    // Set while a range is being added, so its start field takes the focus.
    property bool adding: false

    verticalPadding: 7
    spacing: 12

    // The focus after a removal, the ranges made again by then: the range now in the removed one's
    // place, the one before it, or the add button when none is left.
    function focusAfterRemoval(removed) {
        const at = Math.min(removed, row.rangeCount - 1)
        if (at >= 0)
            (ranges.itemAt(at) as WorkingHoursRange).focusRemove()
        else
            add.forceActiveFocus(Qt.TabFocusReason)
    }

    PaneText {
        text: row.day ? row.day.name : ""
        size: 13
        Layout.preferredWidth: 92
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 4
    }
    ColumnLayout {
        spacing: 6
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
        PaneText {
            objectName: "hoursNone-" + row.index
            visible: row.rangeCount === 0
            text: row.hours ? row.hours.noRangesText : ""
            size: 13
            secondary: true
            Layout.fillWidth: true
            Layout.topMargin: 4
            Layout.bottomMargin: 4
        }
        Repeater {
            id: ranges
            model: row.rangeCount
            onItemAdded: (index, item) => {
                const range = item as WorkingHoursRange
                range.day = row.index
                range.hours = row.hours
                range.removeRequested.connect(function(at) {
                    row.hours.removeRange(row.index, at)
                    row.focusAfterRemoval(at)
                })
                if (row.adding && index === row.rangeCount - 1) {
                    row.adding = false
                    range.focusStart()
                }
            }
            WorkingHoursRange {}
        }
        PaneText {
            objectName: "hoursError-" + row.index
            visible: row.hours !== null && row.hours.errorDay === row.index
            text: row.hours ? row.hours.error : ""
            size: 11.5
            // The window's red, lighter on a dark card so the small text stays readable.
            color: row.palette.window.hslLightness < 0.5 ? "#FF7A7A" : "#D93A3A"
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Accessible.role: Accessible.AlertMessage
        }
    }
    FormButton {
        id: add
        objectName: "hoursAdd-" + row.index
        text: row.hours ? row.hours.addRangeText : ""
        symbol: "plus"
        Accessible.name: row.day ? row.day.addName : ""
        Layout.alignment: Qt.AlignTop
        onClicked: {
            row.adding = true
            row.hours.addRange(row.index)
        }
    }
}
