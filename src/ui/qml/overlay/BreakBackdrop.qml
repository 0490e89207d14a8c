import QtQuick
import Tarnwick.Ui  // the module's C++ types

// Behind a break: the blurred desktop picture cropped to fill the screen, else the sunset
// stretched over it, and a scrim darkening towards the bottom.
Item {
    id: backdrop
    property var image
    property var sunset
    property bool useImage: false

    clip: true
    Accessible.ignored: true

    Picture {
        anchors.fill: parent
        image: backdrop.useImage ? backdrop.image : backdrop.sunset
        crop: backdrop.useImage
        scrimTop: 0.18
        scrimBottom: 0.42
    }
}
