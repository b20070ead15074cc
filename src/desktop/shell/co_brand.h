#pragma once
// Which promotional label of the entry form is seen, drawn at random at start-up.

#include <optional>

#include "desktop/ui/entry/frm_main.h"

namespace grahavani {

// For u in [0, 1): 6u + 1 rounded half to even; 1, 3, 5 the co-brand label,
// 2, 4, 6 the full-brand label, 7 neither (the form keeps the one it had).
std::optional<BrandLabel> BrandLabelForDraw(double u);

void CoBrand_Randomize(frmMain& form, double u);

}  // namespace grahavani
