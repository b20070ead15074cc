#pragma once
// The pictures of the nakshatra, lagna and rashi profiles, kept as SVG files in the
// program's resources: each image list keys its pictures by nakshatra or English sign name.

#include <string_view>

#include <QString>

class QLabel;

namespace grahavani {

enum class ImageList { Nakshatra, Lagna, Rashi };

// The resource path of the list's picture with this key, or empty when it has none.
QString PicturePath(ImageList list, std::string_view key);

// Draws the picture into the whole of the picture box; an empty path leaves the box as it is.
void ShowPicture(QLabel& pictureBox, const QString& path);

}  // namespace grahavani
