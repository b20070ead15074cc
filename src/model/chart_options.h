#pragma once
// How a chart is computed: which engine, and which lunar node stands for Rahu.

#include <array>
#include <cstddef>
#include <string_view>

namespace grahavani {

enum class Engine { Classic, Precise };
enum class LunarNode { Mean, True };

struct ChartOptions {
    Engine engine = Engine::Classic;
    LunarNode node = LunarNode::Mean;
};

// "classic" or "precise", as the JSON output and grahavani-chart's --engine name them.
inline constexpr std::array<std::string_view, 2> EngineNames = {"classic", "precise"};

inline std::string_view EngineName(Engine engine) {
    return EngineNames[static_cast<std::size_t>(engine)];
}

}  // namespace grahavani
