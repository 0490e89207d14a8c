#include "app/private_folder.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace tarnwick {

void makePrivateFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(clean).isDir()) return;
    qsizetype from = 1;
    for (;;) {
        const qsizetype slash = clean.indexOf(u'/', from);
        const QString part = slash < 0 ? clean : clean.left(slash);
        if (::mkdir(QFile::encodeName(part).constData(), 0700) != 0 && errno != EEXIST) return;
        if (slash < 0) return;
        from = slash + 1;
    }
}

}  // namespace tarnwick
