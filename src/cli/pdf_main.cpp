#include <iostream>

#include "chart_command.h"
#include "render/horoscope_pdf.h"
#include "render/match_pdf.h"
#include "render/offscreen_gui.h"
#include "standard_descriptors.h"

// grahavani-chart with the painted PDFs, Qt started on its offscreen platform only for one.
int main(int argc, char** argv) {
    if (!grahavani::HoldStandardDescriptors()) return grahavani::ExitBadBirthData;
    std::ios::sync_with_stdio(false);
    const grahavani::PdfPrinters printers{
        [](const grahavani::Horoscope& horoscope, grahavani::Paper paper) {
            grahavani::EnsureOffscreenGui();
            return grahavani::HoroscopePdf(horoscope, paper);
        },
        [](const grahavani::MatchedChart& boy, const grahavani::MatchedChart& girl, grahavani::Paper paper,
           grahavani::Language language) {
            grahavani::EnsureOffscreenGui();
            return grahavani::MatchPdf(boy, girl, paper, language);
        }};
    return grahavani::RunChartCommand(argc, argv, std::cout, std::cerr, printers);
}
