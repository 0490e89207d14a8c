import QtQuick
import Tarnwick.Ui  // the module's C++ types

// One day of the chart: the skipped bar stacked on the taken bar, 2 apart, standing on the plot's
// floor, and the weekday 6 below it. A bar of no breaks is not drawn. Screen readers read the
// column as one element, e.g. "Mon: 3 taken, 1 skipped".
Item {
    id: day
    property string label
    property real takenShare
    property real skippedShare
    property string accessibleText
    property real plotHeight: 170
    property color primary: palette.windowText

    implicitHeight: plotHeight + 6 + caption.implicitHeight
    Accessible.role: Accessible.StaticText
    Accessible.name: accessibleText

    Column {
        width: day.width
        y: day.plotHeight - height
        spacing: 2
        RoundedShape {
            visible: day.skippedShare > 0
            width: day.width
            height: day.skippedShare * day.plotHeight
            radius: 3
            color: Qt.rgba(day.primary.r, day.primary.g, day.primary.b, 0.18)
        }
        RoundedShape {
            id: taken
            objectName: "takenBar"
            visible: day.takenShare > 0
            width: day.width
            height: day.takenShare * day.plotHeight
            radius: 3
            gradient: SunsetGradient { x2: taken.width; y2: taken.height }
        }
    }
    KitText {
        id: caption
        y: day.plotHeight + 6
        width: day.width
        horizontalAlignment: Text.AlignHCenter
        text: day.label
        size: 11
        color: Qt.rgba(day.primary.r, day.primary.g, day.primary.b, 0.6)
        Accessible.ignored: true
    }
}
