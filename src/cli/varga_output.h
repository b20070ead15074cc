#pragma once
// What of the divisional charts and strengths a JSON chart holds beside the chart itself.

namespace grahavani {

struct VargaOutput {
    bool Vargas = false;        // "Vargas": the sixteen divisional charts
    bool Ashtakavarga = false;  // "Ashtakavarga": the bhinna rows and the sarva
    bool Shadbala = false;      // "Shadbala": the six strengths of the seven planets

    // As the one-chart --json writes them: all three.
    static constexpr VargaOutput All() { return {true, true, true}; }
};

}  // namespace grahavani
