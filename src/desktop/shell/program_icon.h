#pragma once
// The program's own icon, for its windows and the about box.

#include <QIcon>

namespace grahavani {

QIcon ProgramIcon();

}  // namespace grahavani
