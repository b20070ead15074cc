// Throughput of the chart engine: one chart computed and its report written.
#include <benchmark/benchmark.h>

#include "chart/compute_chart.h"
#include "formats/text_report.h"

namespace {

grahavani::BirthRecord BirthOf(std::int64_t i) {
    grahavani::BirthRecord b;
    b.Name = "Asha Rao";
    b.Day = static_cast<std::int16_t>(1 + i % 28);
    b.Month = static_cast<std::int16_t>(1 + i % 12);
    b.Year = static_cast<std::int16_t>(1900 + i % 151);
    b.Hour = static_cast<std::int16_t>(i % 25);
    b.Minute = static_cast<std::int16_t>(i % 60);
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.LongitudeDegrees = 77;
    b.LongitudeMinutes = 13;
    b.IsEast = true;
    b.LatitudeDegrees = static_cast<std::int16_t>(i % 60);
    b.LatitudeMinutes = 39;
    b.City = "New Delhi";
    b.State = "Delhi";
    b.Country = "India";
    return b;
}

void ComputeChartAndReport(benchmark::State& state) {
    std::vector<grahavani::BirthRecord> births;
    for (std::int64_t i = 0; i < 1024; ++i) births.push_back(BirthOf(i * 7919));
    grahavani::ChartResult chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        grahavani::ComputeChart(birth, chart);
        benchmark::DoNotOptimize(grahavani::BuildTextReport(birth, chart));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComputeChartAndReport);

}  // namespace

BENCHMARK_MAIN();
