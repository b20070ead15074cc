// grahavani: the desktop program.

#include "desktop/shell/start_up.h"

int main(int argc, char* argv[]) { return grahavani::RunDesktopProgram(argc, argv); }
