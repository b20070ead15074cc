#pragma once
// A profile's picture in the box of its tab.

#include <QString>

class QLabel;

namespace grahavani {

// Draws the picture into the whole of the picture box, with `lettering` for the name across a
// nakshatra's (empty keeps its own); an empty path leaves the box as it is.
void ShowPicture(QLabel& pictureBox, const QString& path, const QString& lettering = {});

}  // namespace grahavani
