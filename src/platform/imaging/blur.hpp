#pragma once

// The soft background behind a break: an edge-clamped Gaussian blur followed by a saturation change.

#include <QImage>

namespace tarnwick::Blur {

// Largest sigma processed. Beyond it the kernel dwarfs any picture it could be applied to, and its
// buffers would grow without bound; such a request gets its input back.
inline constexpr double maxSigma = 1000;

// Blurs with a Gaussian of `sigma` pixels (kernel cut at 3 sigma, pixels beyond the edges repeat the
// edge), then moves each colour away from (saturation > 1) or towards (< 1) its Rec. 709 luma;
// saturation 1 leaves colours as they are, 0 makes them grey. The result has the input's size,
// device pixel ratio and colour space. Returns the input unchanged when it cannot be processed:
// a null image, a sigma that is negative, not finite or above maxSigma, a saturation that is not
// finite, or memory that cannot be had.
QImage apply(const QImage& image, double sigma, double saturation);

}  // namespace tarnwick::Blur
