#pragma once
// A program without windows that paints through Qt: the GUI application it needs, made once on
// the offscreen platform, so that it runs with no display.

namespace grahavani {

// Makes the application unless one exists. Qt's own notices (fonts, the runtime folder) are
// kept off standard error from then on; only its critical messages are shown.
void EnsureOffscreenGui();

}  // namespace grahavani
