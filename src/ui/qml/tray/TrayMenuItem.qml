import QtQuick
import QtQuick.Templates as T
import Tarnwick.Ui  // the module's C++ types

// One command of the tray menu (a menu item to screen readers): its title on a row that lights up under the pointer or the
// keyboard's focus, with a rule above it where a group begins. Return, Enter or Space chooses it.
T.MenuItem {
    id: item
    property bool separated: false
    property color primary: palette.windowText
    readonly property int ruleSpace: separated ? 9 : 0

    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    topInset: ruleSpace
    topPadding: ruleSpace + 6
    bottomPadding: 6
    leftPadding: 12
    rightPadding: 12
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    Accessible.role: Accessible.MenuItem
    Accessible.name: text
    Accessible.onPressAction: item.clicked()
    Keys.onReturnPressed: item.clicked()
    Keys.onEnterPressed: item.clicked()

    Rectangle {
        visible: item.separated
        y: 4
        width: item.width
        height: 1
        color: Qt.rgba(item.primary.r, item.primary.g, item.primary.b, 0.12)
    }
    background: RoundedShape {
        radius: 6
        color: Qt.rgba(item.primary.r, item.primary.g, item.primary.b, item.hovered || item.activeFocus ? 0.09 : 0)
    }
    contentItem: KitText {
        text: item.text
        size: 13
        color: item.primary
        Accessible.ignored: true
    }
}
