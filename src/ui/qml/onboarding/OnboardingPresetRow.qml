import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// One timing preset to choose from: a mark (a sunset disc with a tick when chosen, a ring
// otherwise), the name with its summary, and a tag at the end. The whole row reacts; screen
// readers read it as a radio button. Clicking only asks: `chosen` comes from the view model.
T.RadioButton {
    id: row
    property string name
    property string summary
    property string tag
    property bool chosen: false

    checkable: false
    autoExclusive: false
    checked: chosen
    indicator: null
    padding: 12
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.name: name
    //: A timing preset's description for screen readers: %1 is its summary, %2 its tag
    Accessible.description: qsTr("%1, %2").arg(summary).arg(tag)

    background: RoundedShape {
        radius: 12
        color: Qt.rgba(1, 1, 1, row.chosen ? 0.14 : 0.06)
        borderColor: Qt.rgba(1, 1, 1, row.chosen ? 0.30 : 0.10)
        borderWidth: 1
    }
    ViewFocusRing { shown: row.visualFocus; radius: 15; borderColor: "white" }

    contentItem: RowLayout {
        spacing: 12
        Item {
            implicitWidth: 17
            implicitHeight: 17
            Layout.alignment: Qt.AlignVCenter
            Symbol {
                visible: !row.chosen
                anchors.fill: parent
                name: "circle"
                size: 17
                color: Qt.rgba(1, 1, 1, 0.5)
            }
            RoundedShape {
                visible: row.chosen
                anchors.fill: parent
                continuous: false
                radius: width / 2
                gradient: SunsetGradient { x2: 17; y2: 17 }
                Shape {
                    anchors.fill: parent
                    ShapePath {
                        strokeColor: "white"
                        strokeWidth: 1.9
                        fillColor: "transparent"
                        capStyle: ShapePath.RoundCap
                        joinStyle: ShapePath.RoundJoin
                        startX: 4.8
                        startY: 8.8
                        PathLine { x: 7.4; y: 11.4 }
                        PathLine { x: 12.3; y: 5.9 }
                    }
                }
            }
        }
        ColumnLayout {
            spacing: 2
            Layout.fillWidth: true
            KitText { text: row.name; size: 14; font.weight: Font.DemiBold; Accessible.ignored: true }
            KitText {
                Layout.fillWidth: true
                text: row.summary
                size: 12
                color: Qt.rgba(1, 1, 1, 0.65)
                wrapMode: Text.WordWrap
                Accessible.ignored: true
            }
        }
        KitText {
            Layout.alignment: Qt.AlignVCenter
            text: row.tag
            size: 11
            font.weight: Font.Medium
            color: Qt.rgba(1, 1, 1, 0.6)
            Accessible.ignored: true
        }
    }
}
