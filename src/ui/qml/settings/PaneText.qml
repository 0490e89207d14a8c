import QtQuick

// Text of the settings window in the desktop's text colour; `secondary` dims it for notes.
KitText {
    property bool secondary: false
    readonly property color primary: palette.windowText

    color: secondary ? Qt.rgba(primary.r, primary.g, primary.b, 0.62) : primary
}
