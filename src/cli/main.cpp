#include <cerrno>
#include <fcntl.h>
#include <iostream>

#include "chart_command.h"
#include "render/horoscope_pdf.h"
#include "render/match_pdf.h"
#include "render/offscreen_gui.h"

namespace {

// Descriptors 0 to 2 held open, so no file the command opens takes their numbers: its
// messages would land in an -o file made while standard error was closed. A closed
// standard output stays unwritable: its /dev/null is open for reading only.
bool HoldStandardDescriptors() {
    for (const int descriptor : {0, 1, 2}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        const int flags = descriptor == 2 ? O_WRONLY : O_RDONLY;
        if (::open("/dev/null", flags) != descriptor) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HoldStandardDescriptors()) return grahavani::ExitBadBirthData;
    std::ios::sync_with_stdio(false);
    // Qt starts only for a PDF, so every other command keeps its speed.
    const grahavani::PdfPrinters printers{
        [](const grahavani::Horoscope& horoscope, grahavani::Paper paper) {
            grahavani::EnsureOffscreenGui();
            return grahavani::HoroscopePdf(horoscope, paper);
        },
        [](const grahavani::MatchedChart& boy, const grahavani::MatchedChart& girl, grahavani::Paper paper) {
            grahavani::EnsureOffscreenGui();
            return grahavani::MatchPdf(boy, girl, paper);
        }};
    return grahavani::RunChartCommand(argc, argv, std::cout, std::cerr, printers);
}
