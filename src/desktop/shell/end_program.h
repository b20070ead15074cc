#pragma once
// The one way the program ends: every window is closed, then the event loop stops.

namespace grahavani {

class ChartSession;

void EndProgram(ChartSession& session);

}  // namespace grahavani
