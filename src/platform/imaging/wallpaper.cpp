#include "platform/imaging/wallpaper.hpp"

#include <QColorSpace>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "platform/imaging/blur.hpp"
#include "platform/imaging/linux_desktop_pictures.hpp"

namespace tarnwick {

Wallpaper::Wallpaper(DesktopPictures& pictures, Loader loader)
    : m_pictures(pictures), m_loader(std::move(loader)) {}

std::optional<QImage> Wallpaper::image(const QString& screenName) {
    try {
        const auto location = m_pictures.location(screenName.toStdString());
        if (!location) return std::nullopt;
        const auto path = desktop_pictures::localPath(QString::fromStdString(*location));
        if (!path) return std::nullopt;
        if (const auto cached = m_cache.constFind(*path); cached != m_cache.cend()) return *cached;

        // A slideshow description names other pictures; this shows one picture or none.
        if (path->endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) return std::nullopt;
        // Folders (rotating picture sets) give nothing, and neither do pipes and devices, which
        // could block the reader.
        if (!QFileInfo(*path).isFile()) return std::nullopt;
        const QImage decoded = m_loader ? m_loader(*path) : QImage();
        if (decoded.isNull() || decoded.width() <= 0) return std::nullopt;

        const QImage blurred = Blur::apply(downscale(decoded, maxWidth), sigma, saturation);
        m_cache.insert(*path, blurred);
        return blurred;
    } catch (...) {
        return std::nullopt;  // out of memory, or a loader that threw: no picture this time
    }
}

Wallpaper& Wallpaper::shared() {
    static LinuxDesktopPictures pictures;
    static Wallpaper wallpaper(pictures);
    return wallpaper;
}

QImage Wallpaper::decode(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && stored.width() > 0 && stored.height() > 0) {
        // The width that counts is the one shown, after the orientation tag is applied.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const int shownWidth = turned ? stored.height() : stored.width();
        if (shownWidth > maxWidth) {
            const double scale = double(maxWidth) / shownWidth;
            reader.setScaledSize(QSize(std::max(1, qRound(stored.width() * scale)),
                                       std::max(1, qRound(stored.height() * scale))));
        }
    }
    QImage image = reader.read();
    if (image.isNull()) return {};
    const QColorSpace space = image.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    return image;
}

QImage Wallpaper::downscale(const QImage& image, int width) {
    if (image.isNull() || image.width() <= 0 || width <= 0) return image;
    const double scale = std::min(double(width) / image.width(), 1.0);
    if (scale >= 1.0) return image;
    const QSize size(std::max(1, qRound(image.width() * scale)), std::max(1, qRound(image.height() * scale)));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tarnwick
