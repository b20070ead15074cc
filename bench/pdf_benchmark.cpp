// How long the horoscope PDF takes to write, from the computed horoscope of one birth to the
// file's bytes, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include "chart/chart_timing.h"
#include "chart/compute_chart.h"
#include "chart/shadbala_input.h"
#include "render/horoscope_pdf.h"
#include "render/offscreen_gui.h"

namespace {

// New Delhi, 15 August 1947, 00:00 IST, by the precise engine.
grahavani::Horoscope Delhi1947() {
    grahavani::Horoscope h;
    grahavani::BirthRecord& b = h.Birth;
    b.Name = "राम कुमार";
    b.Day = 15;
    b.Month = 8;
    b.Year = 1947;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.ZoneOffsetSeconds = 19800;
    b.LatitudeDegrees = 28;
    b.LatitudeMinutes = 39;
    b.LongitudeDegrees = 77;
    b.LongitudeMinutes = 13;
    b.IsEast = true;
    b.City = "New Delhi";
    b.State = "Delhi";
    b.Country = "India";
    h.ZoneText = "Indian Time, IST, +5.3";
    h.Options = {grahavani::Engine::Precise, grahavani::LunarNode::Mean};
    grahavani::ComputeChart(b, h.Chart, h.Options);
    h.Timing = grahavani::ComputeChartTiming(b, h.Chart, grahavani::DashaYear::Julian,
                                             grahavani::SunriseRule::ApparentLimb);
    h.Strengths = grahavani::ComputeShadbala(grahavani::ShadbalaInputOf(b, h.Chart, grahavani::SunriseRule::ApparentLimb));
    return h;
}

// Every page laid out and painted: the tables, the dasha periods and the readings with their pictures.
void HoroscopePdf(benchmark::State& state, grahavani::Paper paper) {
    grahavani::EnsureOffscreenGui();
    const grahavani::Horoscope horoscope = Delhi1947();
    std::size_t bytes = 0;
    for (auto _ : state) bytes = grahavani::HoroscopePdf(horoscope, paper).size();
    state.counters["Bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(HoroscopePdf, A4, grahavani::Paper::A4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HoroscopePdf, Letter, grahavani::Paper::Letter)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
