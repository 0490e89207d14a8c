#include "ui/view_caches.hpp"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QtGui/private/qfont_p.h>

#include "ui/app_icon.hpp"
#include "ui/shadow.hpp"

namespace tarnwick::view_caches {

void drop() {
    Shadow::dropCache();
    QPixmapCache::clear();
    // The icon holds every size up to 512 pixels, decoded; windows to come set it again.
    QGuiApplication::setWindowIcon(QIcon());
    // The font engines the views drew with, their glyphs and shaping tables. Fonts still in use
    // (the tray's, the menu's) keep their engines; the rest are made again when next drawn.
    QFontCache::instance()->clear();
}

void ensureWindowIcon() {
    // Set with the first window, not at start: loading it wakes every image plugin.
    if (QGuiApplication::windowIcon().isNull()) QGuiApplication::setWindowIcon(applicationIcon());
}

}  // namespace tarnwick::view_caches
