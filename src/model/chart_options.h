#pragma once
// How a chart is computed: which engine, and which lunar node stands for Rahu.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace grahavani {

enum class Engine { Classic, Precise };
enum class LunarNode { Mean, True };

struct ChartOptions {
    Engine engine = Engine::Classic;
    LunarNode node = LunarNode::Mean;
};

inline constexpr std::array<std::string_view, 2> EngineNames = {"classic", "precise"};
inline constexpr std::array<std::string_view, 2> LunarNodeNames = {"mean", "true"};

inline std::string_view EngineName(Engine engine) {
    return EngineNames[static_cast<std::size_t>(engine)];
}

inline std::optional<Engine> EngineNamed(std::string_view name) {
    if (name == EngineNames[0]) return Engine::Classic;
    if (name == EngineNames[1]) return Engine::Precise;
    return std::nullopt;
}

}  // namespace grahavani
