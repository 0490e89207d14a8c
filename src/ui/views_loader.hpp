#pragma once

// Loads the views module on first use and keeps it for the life of the program.

#include <memory>

#include <QLibrary>
#include <QStringList>

#include "ui/memory_release.hpp"
#include "ui/views.hpp"

namespace tarnwick {

class ViewsLoader {
public:
    // `folders` are searched in order for the module; by default the program's own folder and
    // the folder the module is installed in, found from the program's (see defaultFolders).
    explicit ViewsLoader(QStringList folders = defaultFolders());
    ~ViewsLoader();

    static QStringList defaultFolders();

    bool loaded() const { return m_views != nullptr; }
    // The views, loading the module now if need be; nullptr, with one console line saying why,
    // when the module cannot be loaded (the program then runs on without windows).
    Views* views();
    // Hands back what the views that are gone left behind, to the views and then from the heap to
    // the system; with no view left, also the QML engine, the views' caches and the pages of code
    // they ran (see MemoryRelease). Nothing when the module was never loaded.
    void trim();

private:
    QStringList m_folders;
    QLibrary m_library;
    std::unique_ptr<Views> m_views;
    bool m_failed = false;
    MemoryRelease m_memory;
};

}  // namespace tarnwick
