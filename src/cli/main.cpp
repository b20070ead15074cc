#include <iostream>

#include "chart_command.h"
#include "pdf_program.h"
#include "standard_descriptors.h"

int main(int argc, char** argv) {
    if (!grahavani::HoldStandardDescriptors()) return grahavani::ExitBadBirthData;
    // A batch keeps its speed and its memory: only the PDF program loads Qt.
    if (grahavani::AsksForPdf(argc, argv)) return grahavani::RunPdfProgram(argv, std::cerr);
    std::ios::sync_with_stdio(false);
    return grahavani::RunChartCommand(argc, argv, std::cout, std::cerr);
}
