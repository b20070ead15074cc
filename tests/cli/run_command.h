#pragma once
// Runs grahavani-chart in-process and keeps what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "chart_command.h"

namespace grahavani::test {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

inline CommandRun RunCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "grahavani-chart");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = RunChartCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace grahavani::test
