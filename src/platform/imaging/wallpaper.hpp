#pragma once

// The blurred desktop picture of a screen, shown behind a break and as the settings preview.

#include <QHash>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "app/ports.hpp"

namespace tarnwick {

class Wallpaper {
public:
    static constexpr int maxWidth = 640;           // pixels; narrower pictures are never enlarged
    static constexpr double sigma = 24;            // blur, in pixels of the shrunk picture
    static constexpr double saturation = 1.15;     // a little livelier than the picture itself

    // Reads the picture at a local path; a null image when it cannot be decoded. The result may
    // already be shrunk, as long as it is no narrower than min(picture width, maxWidth).
    using Loader = std::function<QImage(const QString& path)>;

    explicit Wallpaper(DesktopPictures& pictures, Loader loader = &Wallpaper::decode);

    // The shrunk, blurred desktop picture of the named screen (QScreen::name()). Nothing when the
    // desktop names no picture, or names a folder, a slideshow description, something that is not
    // a regular file, or a file that does not decode; none of those is remembered, so a later call
    // tries again. A finished picture is kept for the life of this object under its location, and
    // served from there even after its file is gone.
    std::optional<QImage> image(const QString& screenName);

    // The process-wide one, on the user's own desktop settings. Main thread only.
    static Wallpaper& shared();

    // Decodes at most maxWidth wide (the decoder shrinks while reading where it can), upright as
    // the picture's orientation tag asks, in sRGB.
    static QImage decode(const QString& path);
    // The image scaled by min(width / its width, 1) in both directions.
    static QImage downscale(const QImage& image, int width);

private:
    DesktopPictures& m_pictures;
    Loader m_loader;
    QHash<QString, QImage> m_cache;  // by local path; only grows
};

}  // namespace tarnwick
