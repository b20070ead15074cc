#pragma once
// The pictures of the profiles: a nakshatra's is keyed by its name, a sign's by its English
// name. Each key names an SVG file under assets/pictures/.

#include <string>
#include <string_view>

namespace grahavani {

// "Poorva Phalguni" -> "poorva-phalguni": the file stem of the picture with that key.
std::string PictureFileStem(std::string_view key);

}  // namespace grahavani
