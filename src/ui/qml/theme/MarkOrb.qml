import QtQuick

// The program's emblem: the orb with the horizon mark in white.
Orb {
    id: markOrb
    HorizonMark {
        width: 0.62 * markOrb.size
        height: width
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 0.02 * markOrb.size
        lineWidth: 0.075 * markOrb.size
    }
}
