#pragma once
// The program's fonts, asked for by the names the layout was designed with.

#include <QFont>

namespace grahavani {

// Maps Verdana and MS Sans Serif to the fonts installed here, with Devanagari and Tamil
// fallbacks for names typed in those scripts. Call once, before any window exists.
void RegisterFontSubstitutes();

QFont VerdanaFont(double pointSize, bool bold = false);
// The toolkit's classic default face, kept for the few controls that use it.
QFont SansSerifFont();

}  // namespace grahavani
