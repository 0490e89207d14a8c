import QtQuick

// The list inside a pop-up menu; its entries read which one is chosen from it.
ListView {
    property int chosenIndex: -1

    clip: true
    interactive: false
    highlightMoveDuration: 0
    Accessible.role: Accessible.List
}
