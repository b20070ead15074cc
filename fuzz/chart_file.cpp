// Reads any bytes as a chart file, as opening one does: the values must decode, pass
// or fail the entry form's checks without fault, and a chart that passes must compute.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/birth_entries.h"
#include "chart/compute_chart.h"
#include "formats/chart_file.h"
#include "formats/text_codec.h"
#include "formats/text_report.h"

namespace {

void RequireRoundTrip(const std::string& text) {
    if (grahavani::DecodeText(grahavani::EncodeText(text)) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace grahavani;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BirthEntries entries;
    entries.TimeZoneRow = size % 71;
    entries.DaylightSaving = size % 2 == 0;
    ReadChartFile(bytes, entries);
    for (const std::string* text : {&entries.Name, &entries.Day, &entries.Month, &entries.City,
                                    &entries.LatitudeDegrees, &entries.Country}) {
        RequireRoundTrip(*text);
    }
    if (!CheckBirthEntries(entries)) {
        const BirthRecord birth = ToBirthRecord(entries);
        ChartResult chart;
        ComputeChart(birth, chart);
        if (BuildTextReport(birth, chart).empty()) std::abort();
        if (WriteChartFile(entries).empty()) std::abort();
    }
    return 0;
}
