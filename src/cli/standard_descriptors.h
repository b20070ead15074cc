#pragma once
// Descriptors 0 to 2 held open, so no file the command opens takes their numbers: its
// messages would land in an -o file made while standard error was closed. A closed
// standard output stays unwritable: its /dev/null is open for reading only.

namespace grahavani {

// Gives false where one could not be held.
bool HoldStandardDescriptors();

}  // namespace grahavani
