#include "ui/app_icon.hpp"

namespace tarnwick {

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        icon.addFile(QStringLiteral(":/icons/app/tarnwick-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace tarnwick
