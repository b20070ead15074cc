#include <iostream>

#include "chart_command.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return grahavani::RunChartCommand(argc, argv, std::cout, std::cerr);
}
