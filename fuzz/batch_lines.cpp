// Reads any bytes as a batch of JSON lines: every line must be answered by exactly
// one output line holding a JSON object, a chart or an error, without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "batch_charts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    std::ostringstream out, err;
    grahavani::RunBatch(in, out, err);

    std::size_t lines = 0;
    for (std::size_t start = 0; start < bytes.size(); ++lines) {
        const std::size_t end = bytes.find('\n', start);
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    std::istringstream written(out.str());
    std::size_t answered = 0;
    for (std::string line; std::getline(written, line); ++answered) {
        if (!nlohmann::json::accept(line)) std::abort();
    }
    if (answered != lines) std::abort();
    return 0;
}
