import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T

// A question before something that cannot be undone, over the dimmed window: the question, a
// warning, Cancel (which has the focus) and the destructive action. Escape cancels.
T.Popup {
    id: dialog
    property string question
    property string warning
    property string confirmText
    property string cancelText
    readonly property color primary: palette.windowText
    signal confirmed()

    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: 360
    implicitHeight: contentHeight + topPadding + bottomPadding
    padding: 20
    modal: true
    focus: true
    closePolicy: T.Popup.CloseOnEscape

    onOpened: cancelButton.forceActiveFocus(Qt.TabFocusReason)

    T.Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.32) }

    // Rectangles, not shapes, in a pop-up: its items leave the scene when it closes, and the
    // software renderer cannot draw a shape again once it has.
    background: Rectangle {
        radius: 12
        color: dialog.palette.window
        border.color: Qt.rgba(dialog.primary.r, dialog.primary.g, dialog.primary.b, 0.18)
        border.width: 1
    }
    ColumnLayout {
        spacing: 8
        width: dialog.availableWidth
        Accessible.role: Accessible.Dialog
        Accessible.name: dialog.question
        Accessible.description: dialog.warning

        PaneText {
            text: dialog.question
            size: 15
            font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        PaneText {
            text: dialog.warning
            size: 12.5
            secondary: true
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        RowLayout {
            spacing: 8
            Layout.topMargin: 10
            Item { Layout.fillWidth: true }
            FormButton {
                id: cancelButton
                objectName: "cancelDelete"
                text: dialog.cancelText
                onClicked: dialog.close()
            }
            FormButton {
                objectName: "confirmDelete"
                text: dialog.confirmText
                destructive: true
                onClicked: {
                    dialog.close()
                    dialog.confirmed()
                }
            }
        }
    }
}
