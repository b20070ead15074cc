#pragma once
// Start-up of the desktop program: fonts, the entry form, and the event loop until
// the program ends.

namespace grahavani {

int RunDesktopProgram(int argc, char* argv[]);

}  // namespace grahavani
