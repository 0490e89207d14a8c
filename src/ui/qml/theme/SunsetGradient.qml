import QtQuick
import QtQuick.Shapes

// The brand fill: orchid, rose and amber, evenly spaced, from the top-left corner to the
// bottom-right corner of the box set by x2 and y2.
LinearGradient {
    x1: 0
    y1: 0
    GradientStop { position: 0; color: Theme.orchid }
    GradientStop { position: 0.5; color: Theme.rose }
    GradientStop { position: 1; color: Theme.amber }
}
