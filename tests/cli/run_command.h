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

// Runs with `out` as standard output; the run's `out` is left empty.
inline CommandRun RunCommand(std::vector<std::string> args, std::ostream& out) {
    args.insert(args.begin(), "grahavani-chart");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream err;
    const int status = RunChartCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, "", err.str()};
}

inline CommandRun RunCommand(std::vector<std::string> args) {
    std::ostringstream out;
    CommandRun run = RunCommand(std::move(args), out);
    run.out = out.str();
    return run;
}

}  // namespace grahavani::test
