import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// One time range of a day: its start and end fields, "next day" when it runs past midnight, and
// its remove button. The note's place is kept in every range, so the remove buttons line up.
RowLayout {
    id: range
    required property int index
    property WorkingHoursViewModel hours: null
    property int day: -1
    readonly property var entry: hours && day >= 0 ? hours.days[day].ranges[index] ?? null : null
    signal removeRequested(int index)

    function focusStart() { start.forceActiveFocus(Qt.TabFocusReason) }
    function focusRemove() { remove.forceActiveFocus(Qt.TabFocusReason) }

    spacing: 6
    Layout.fillWidth: true

    TimeField {
        id: start
        objectName: "hoursStart-" + range.day + "-" + range.index
        value: range.entry ? range.entry.start : ""
        label: range.entry ? range.entry.startName : ""
        description: range.hours ? range.hours.timeDescription : ""
        onCommitted: (text) => range.hours.setStart(range.day, range.index, text)
        onStepped: (quarters) => range.hours.stepStart(range.day, range.index, quarters)
    }
    PaneText {
        text: "\u2013"
        size: 13
        secondary: true
        Accessible.ignored: true
    }
    TimeField {
        id: end
        objectName: "hoursEnd-" + range.day + "-" + range.index
        value: range.entry ? range.entry.end : ""
        label: range.entry ? range.entry.endName : ""
        description: range.hours ? range.hours.timeDescription : ""
        onCommitted: (text) => range.hours.setEnd(range.day, range.index, text)
        onStepped: (quarters) => range.hours.stepEnd(range.day, range.index, quarters)
    }
    PaneText {
        objectName: "hoursNextDay-" + range.day + "-" + range.index
        readonly property bool shown: range.entry ? range.entry.crossesMidnight : false
        opacity: shown ? 1 : 0
        text: range.hours ? range.hours.nextDayText : ""
        size: 11.5
        secondary: true
        Accessible.ignored: !shown
    }
    IconButton {
        id: remove
        objectName: "hoursRemove-" + range.day + "-" + range.index
        symbol: "minus.circle.fill"
        symbolSize: 16
        accessibleName: range.entry ? range.entry.removeName : ""
        Layout.leftMargin: 2
        onClicked: range.removeRequested(range.index)
    }
    Item { Layout.fillWidth: true }
}
