import QtQuick
import Tarnwick.Ui  // the module's C++ types

// A rounded panel of the stats window. Its content sits over the shape rather than inside it: a
// shape draws through a layer, and shapes inside that layer would not show with the software
// renderer the views use.
Item {
    id: card
    property real radius: 12
    property color color: "transparent"
    default property alias content: holder.data

    RoundedShape {
        anchors.fill: parent
        radius: card.radius
        color: card.color
    }
    Item {
        id: holder
        anchors.fill: parent
    }
}
