// Throughput of the chart engine: one chart computed and its report written; the same with
// the dasha, navamsa and panchang added; and the sunrise search on its own.
#include <benchmark/benchmark.h>

#include <array>

#include "chart/compute_chart.h"
#include "engines/precise/sunrise.h"
#include "formats/text_report.h"
#include "timing/local_time.h"
#include "timing/navamsa.h"
#include "timing/panchang.h"
#include "timing/vimshottari.h"

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

std::vector<grahavani::BirthRecord> Births() {
    std::vector<grahavani::BirthRecord> births;
    for (std::int64_t i = 0; i < 1024; ++i) births.push_back(BirthOf(i * 7919));
    return births;
}

void ComputeChartAndReport(benchmark::State& state) {
    const std::vector<grahavani::BirthRecord> births = Births();
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

// The longitudes and the instant of a chart, spread over the zodiac and the years from the
// chart's own numbers: as cheap as reading them from the chart.
struct TimingInputs {
    std::array<double, 11> Longitudes;
    double BirthJulianDayUT = 0;
};

TimingInputs TimingInputsOf(const grahavani::ChartResult& chart) {
    TimingInputs inputs;
    for (std::size_t body = 0; body < inputs.Longitudes.size(); ++body) {
        inputs.Longitudes[body] = chart.AscendantDegrees + 37.7 * static_cast<double>(body);
    }
    inputs.BirthJulianDayUT = 2415020 + chart.BirthDayNumber;
    return inputs;
}

constexpr int IndianOffset = 19800;

// The dasha, navamsa and panchang of a chart, without the sunrise.
void ComputeTiming(const TimingInputs& in) {
    benchmark::DoNotOptimize(grahavani::ComputeNavamsa(in.Longitudes));
    benchmark::DoNotOptimize(grahavani::ComputeVimshottari(in.Longitudes[1], in.BirthJulianDayUT,
                                                           grahavani::DashaYear::Julian));
    benchmark::DoNotOptimize(grahavani::ComputePanchang(
        in.Longitudes[0], in.Longitudes[1], in.BirthJulianDayUT, IndianOffset, std::nullopt));
}

void ComputeChartReportAndTiming(benchmark::State& state) {
    const std::vector<grahavani::BirthRecord> births = Births();
    grahavani::ChartResult chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        grahavani::ComputeChart(birth, chart);
        benchmark::DoNotOptimize(grahavani::BuildTextReport(birth, chart));
        ComputeTiming(TimingInputsOf(chart));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComputeChartReportAndTiming);

// The 180 dates of one dasha written to the minute, as its output needs them.
void WriteDashaDates(benchmark::State& state) {
    const grahavani::Vimshottari dasha = grahavani::ComputeVimshottari(
        123.4, 2432412.5, grahavani::DashaYear::Julian);
    for (auto _ : state) {
        for (const auto& period : dasha.Periods) {
            for (const auto& sub : period.Antardashas) {
                benchmark::DoNotOptimize(
                    grahavani::FormatLocalMinute(sub.StartJulianDayUT, IndianOffset));
                benchmark::DoNotOptimize(
                    grahavani::FormatLocalMinute(sub.EndJulianDayUT, IndianOffset));
            }
            benchmark::DoNotOptimize(
                grahavani::FormatLocalMinute(period.StartJulianDayUT, IndianOffset));
            benchmark::DoNotOptimize(
                grahavani::FormatLocalMinute(period.EndJulianDayUT, IndianOffset));
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WriteDashaDates);

void FindSunriseOfBirthDate(benchmark::State& state) {
    const std::vector<grahavani::BirthRecord> births = Births();
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        const date::year_month_day day{date::year{birth.Year}, date::month(unsigned(birth.Month)),
                                       date::day(unsigned(birth.Day))};
        benchmark::DoNotOptimize(
            grahavani::FindSunrise(day, IndianOffset, birth.LatitudeDegrees + 0.65, 77.22));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FindSunriseOfBirthDate);

}  // namespace

BENCHMARK_MAIN();
