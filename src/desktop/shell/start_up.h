#pragma once
// Start-up of the desktop program: one copy per user, the update reminder, the entry
// form, and the event loop until the program ends.

namespace grahavani {

int RunDesktopProgram(int argc, char* argv[]);

}  // namespace grahavani
