#include "pdf_program.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unistd.h>

#include "chart_command.h"

namespace grahavani {

bool AsksForPdf(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--pdf" || argument.starts_with("--pdf=")) return true;
    }
    return false;
}

int RunPdfProgram(char** argv, std::ostream& err) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string program = (self.parent_path() / PdfProgramName).string();
    ::execv(program.c_str(), argv);
    err << "grahavani-chart: cannot start " << program << " for --pdf: " << std::strerror(errno) << "\n";
    return ExitBadBirthData;
}

}  // namespace grahavani
