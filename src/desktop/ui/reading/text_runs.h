#pragma once
// Writes runs of bold or plain text into a rich-text box, as the box's own insertion
// point would: each run in black, one after another.

#include <vector>

#include "interpretation/planets_in_signs.h"

class QTextEdit;

namespace grahavani {

// Replaces what the box held. Each CR LF becomes one line break.
void ReplaceWithRuns(QTextEdit& box, const std::vector<TextRun>& runs);

}  // namespace grahavani
