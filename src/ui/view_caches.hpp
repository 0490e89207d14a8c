#pragma once

// What views leave behind for the next view to reuse, kept by Qt and by the module's own items:
// blurred shadow shapes, cached pixmaps, the window icon's pictures, the font engines with their
// glyphs and shaping tables. Dropped once no view is left; the next view makes what it needs.

namespace tarnwick::view_caches {

// Drops all of it. Only with no view alive, which would otherwise draw it all anew.
void drop();
// Sets the program's icon for the windows to come, unless it is set.
void ensureWindowIcon();

}  // namespace tarnwick::view_caches
