#pragma once

// Generated pictures shown behind a break when the desktop picture is not wanted or not available.

#include <QImage>

namespace tarnwick::Backdrops {

// 320 × 200 pixels of soft violet, pink, orange and blue blobs on deep violet, drawn and blurred on
// first use and kept for the life of the process. Main thread only.
const QImage& sunset();

// The same picture before the blur, for anyone who wants to check the layout.
QImage sunsetSketch();

}  // namespace tarnwick::Backdrops
