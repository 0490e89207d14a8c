#include "ui/views_loader.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcViews, "tarnwick.views", QtInfoMsg)

namespace tarnwick {

ViewsLoader::ViewsLoader(QStringList folders) : m_folders(std::move(folders)) {}

// The views hold Qt Quick objects; they go before the library that holds their code, which
// stays loaded until the process ends.
ViewsLoader::~ViewsLoader() { m_views.reset(); }

QStringList ViewsLoader::defaultFolders() {
    // Built, the module sits beside the program; installed, the program is in <prefix>/bin and the
    // module in <prefix>/TARNWICK_VIEWS_INSTALL_DIR.
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(QDir(here).filePath(QStringLiteral("../" TARNWICK_VIEWS_INSTALL_DIR)))};
}

void ViewsLoader::trim() {
    if (!m_views) return;
    if (m_views->trim()) {
        // No view is left: the pages they ran go back too.
        const std::size_t kb = m_memory.handBack();
        qCDebug(lcViews) << "views released, with" << kb << "KiB of code and read-only data";
    } else {
        MemoryRelease::trimHeap();
    }
}

Views* ViewsLoader::views() {
    if (m_views || m_failed) return m_views.get();
    QStringList tried;
    m_memory.noteBeforeViews();
    for (const QString& folder : m_folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("libtarnwick_views.so"));
        if (!QFileInfo::exists(path)) continue;
        m_library.setFileName(path);
        // Keep the module for good: windows made from it may outlive any one caller.
        m_library.setLoadHints(QLibrary::PreventUnloadHint);
        using Create = Views* (*)();
        if (auto create = reinterpret_cast<Create>(m_library.resolve("tarnwickCreateViews"))) {
            m_views.reset(create());
            if (m_views) return m_views.get();
        }
        tried << m_library.errorString();
    }
    m_failed = true;
    qCWarning(lcViews).noquote() << "Tarnwick: cannot show windows: the views module did not load ("
                                 << (tried.isEmpty() ? QStringLiteral("not found in ") + m_folders.join(u", ")
                                                     : tried.join(u"; "))
                                 << ")";
    return nullptr;
}

}  // namespace tarnwick
