import QtQuick

// The keyboard focus shown around a card: a ring in the accent colour 3 px outside its edge.
RoundedShape {
    property real gap: 3

    anchors.margins: -gap
    radius: 10
    color: "transparent"
    borderColor: Qt.rgba(palette.highlight.r, palette.highlight.g, palette.highlight.b, 0.55)
    borderWidth: 2
    Accessible.ignored: true
}
