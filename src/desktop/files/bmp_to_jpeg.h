#pragma once
// The bitmap-to-JPEG converter the picture save calls.

#include <optional>

#include <QString>

namespace grahavani {

// Writes the bitmap file `bmp` as the JPEG file `jpg` at the given quality (0 to 100).
// The JPEG appears whole or not at all, and never replaces a file already at its
// path. Returns the reason of a failure, or nothing.
std::optional<QString> BmpToJpeg(const QString& bmp, const QString& jpg, int quality);

}  // namespace grahavani
