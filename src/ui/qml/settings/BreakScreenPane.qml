import QtQuick
import QtQuick.Layouts
import Tarnwick.Ui  // the module's C++ types

// Break Screen: the background with its previews, a try-out break, and the user's own messages.
FormPane {
    id: pane
    required property SettingsViewModel vm
    required property AppModel model
    // Set while a message is being added, so its new field takes the focus.
    property bool adding: false

    FormSection {
        id: backgroundSection
        title: pane.vm.text.backgroundHeading
        FormRow {
            verticalPadding: 14
            spacing: 18
            BackgroundCard {
                objectName: "background-wallpaper"
                title: pane.vm.backgrounds[0].title
                selected: pane.vm.background === "wallpaper"
                surroundColor: backgroundSection.cardColor
                onClicked: pane.model.settings.breakBackground = "wallpaper"
                BreakBackdrop {
                    anchors.fill: parent
                    image: pane.vm.wallpaper
                    sunset: pane.vm.sunset
                    useImage: pane.vm.hasWallpaper
                }
            }
            BackgroundCard {
                objectName: "background-gradient"
                title: pane.vm.backgrounds[1].title
                selected: pane.vm.background === "gradient"
                surroundColor: backgroundSection.cardColor
                onClicked: pane.model.settings.breakBackground = "gradient"
                BreakBackdrop {
                    anchors.fill: parent
                    sunset: pane.vm.sunset
                }
            }
            Item { Layout.fillWidth: true }
        }
        FormRow {
            PaneText { text: pane.vm.text.seeBreak; size: 13; Layout.fillWidth: true }
            FormButton {
                objectName: "tryBreak"
                text: pane.vm.text.tryBreak
                onClicked: pane.vm.tryBreak()
            }
        }
    }

    FormSection {
        title: pane.vm.text.messagesHeading
        footer: pane.vm.messagesFooter
        Repeater {
            model: pane.vm.messageCount
            onItemAdded: (index, item) => {
                const row = item as MessageRow
                row.vm = pane.vm
                // The row just added takes the keyboard focus.
                if (pane.adding) {
                    pane.adding = false
                    row.focusField()
                }
            }
            MessageRow {}
        }
        FormRow {
            FormButton {
                objectName: "addMessage"
                text: pane.vm.text.addMessage
                symbol: "plus"
                onClicked: {
                    pane.adding = true
                    pane.vm.addMessage()
                }
            }
            Item { Layout.fillWidth: true }
        }
    }
}
