// Throughput of the chart engines: one chart computed and its report written, beside a bare
// Swiss Ephemeris chart loop as the yardstick for a batch's cost; the chart with the dasha,
// navamsa and panchang added; the sunrise search on its own under each rule; the JSON line; the
// vargas with the ashtakavarga and shadbala; and kundali matching.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <random>
#include <vector>

#include "chart/chart_timing.h"
#include "chart/compute_chart.h"
#include "chart/shadbala_input.h"
#include "cli/chart_json.h"
#include "engines/precise/sunrise.h"
#include "formats/text_report.h"
#include "formats/windows1252.h"
#include "matching/chart_match.h"
#include "timing/local_time.h"
#include "timing/navamsa.h"
#include "timing/panchang.h"
#include "timing/dasha_timeline.h"
#include "vargas/ashtakavarga.h"
#include "vargas/shadbala.h"
#include "vargas/varga.h"

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
    b.ZoneOffsetSeconds = 19800;
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

void ComputeChartAndReport(benchmark::State& state, grahavani::Engine engine) {
    const auto births = Births();
    grahavani::ChartResult chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        grahavani::ComputeChart(birth, chart, {engine, grahavani::LunarNode::Mean});
        benchmark::DoNotOptimize(grahavani::BuildTextReport(birth, chart));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(ComputeChartAndReport, Classic, grahavani::Engine::Classic);
BENCHMARK_CAPTURE(ComputeChartAndReport, Precise, grahavani::Engine::Precise);

// The yardstick of a batch: the library alone as a bare chart loop on one thread (the Sun to
// Saturn and the mean node, sidereal Lahiri, the equal-house ascendant and midheaven, the
// ayanamsa) at pseudo-random instants over 1900-2050 and places up to 60° of latitude, so
// each chart reads the files afresh as a batch of distinct births does.
void BareSwissEphemeris(benchmark::State& state) {
    struct Instant {
        double julianDayUT, latitude, longitude;
    };
    std::mt19937_64 random(18);
    std::uniform_real_distribution<double> day(swe_julday(1900, 1, 1, 0, SE_GREG_CAL),
                                               swe_julday(2051, 1, 1, 0, SE_GREG_CAL));
    std::uniform_real_distribution<double> latitude(-60, 60), longitude(-180, 180);
    std::vector<Instant> instants(4096);
    for (Instant& instant : instants) instant = {day(random), latitude(random), longitude(random)};
    swe_set_ephe_path(nullptr);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    char error[AS_MAXCH];
    double values[6], cusps[13], angles[10], ayanamsa = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        const Instant& at = instants[next++ % instants.size()];
        for (int body = SE_SUN; body <= SE_SATURN; ++body) {
            const int speed = body >= SE_MERCURY ? SEFLG_SPEED : 0;
            swe_calc_ut(at.julianDayUT, body, SEFLG_SWIEPH | SEFLG_SIDEREAL | speed, values, error);
            benchmark::DoNotOptimize(values[0]);
        }
        swe_calc_ut(at.julianDayUT, SE_MEAN_NODE, SEFLG_SWIEPH | SEFLG_SIDEREAL, values, error);
        swe_houses_ex(at.julianDayUT, SEFLG_SIDEREAL, at.latitude, at.longitude, 'E', cusps, angles);
        swe_get_ayanamsa_ex_ut(at.julianDayUT, SEFLG_SWIEPH, &ayanamsa, error);
        benchmark::DoNotOptimize(values[0] + angles[0] + ayanamsa);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BareSwissEphemeris);

constexpr int IndianOffset = 19800;

// The dasha, navamsa and panchang of a chart, without the sunrise.
void ComputeTiming(const grahavani::ChartResult& chart) {
    const auto& longitudes = chart.Longitudes;
    benchmark::DoNotOptimize(grahavani::ComputeNavamsa(longitudes));
    benchmark::DoNotOptimize(grahavani::ComputeDashaTimeline(grahavani::DashaSystem::Vimshottari,
        longitudes[grahavani::MoonBody], chart.JulianDayUT, grahavani::DashaYear::Julian));
    benchmark::DoNotOptimize(grahavani::ComputePanchang(
        longitudes[grahavani::SunBody], longitudes[grahavani::MoonBody], chart.JulianDayUT,
        IndianOffset, std::nullopt));
}

void ComputeChartReportAndTiming(benchmark::State& state) {
    const std::vector<grahavani::BirthRecord> births = Births();
    grahavani::ChartResult chart;
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        grahavani::ComputeChart(birth, chart);
        benchmark::DoNotOptimize(grahavani::BuildTextReport(birth, chart));
        ComputeTiming(chart);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ComputeChartReportAndTiming);

void FindSunriseOfBirthDate(benchmark::State& state, grahavani::SunriseRule rule) {
    const std::vector<grahavani::BirthRecord> births = Births();
    std::size_t next = 0;
    for (auto _ : state) {
        const grahavani::BirthRecord& birth = births[next++ % births.size()];
        const date::year_month_day day{date::year{birth.Year}, date::month(unsigned(birth.Month)),
                                       date::day(unsigned(birth.Day))};
        benchmark::DoNotOptimize(
            grahavani::FindSunrise(day, IndianOffset, birth.LatitudeDegrees + 0.65, 77.22, rule));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(FindSunriseOfBirthDate, ApparentLimb, grahavani::SunriseRule::ApparentLimb);
BENCHMARK_CAPTURE(FindSunriseOfBirthDate, ApparentCentre, grahavani::SunriseRule::ApparentCentre);
BENCHMARK_CAPTURE(FindSunriseOfBirthDate, TrueCentre, grahavani::SunriseRule::TrueCentre);

// One chart's JSON line with its timing, the chart, report and timing computed beforehand.
void WriteChartLine(benchmark::State& state, grahavani::TimingOutput output) {
    const grahavani::BirthRecord birth = BirthOf(1947);
    grahavani::ChartResult chart;
    grahavani::ComputeChart(birth, chart);
    const std::string report = grahavani::FromWindows1252(grahavani::BuildTextReport(birth, chart));
    const grahavani::ChartTiming timing =
        grahavani::ComputeChartTiming(birth, chart, output.Year, output.Sunrise);
    grahavani::ChartJsonWriter writer(output);
    std::size_t lineBytes = 0;
    for (auto _ : state) lineBytes = writer.Line(chart, report, &timing).size();
    state.SetItemsProcessed(state.iterations());
    state.counters["LineBytes"] = static_cast<double>(lineBytes);
}
BENCHMARK_CAPTURE(WriteChartLine, Antardashas, grahavani::TimingOutput{});
// Every system to the prana dasha, as a one-chart --json --dasha-depth 5 writes it.
BENCHMARK_CAPTURE(WriteChartLine, PranadashasOfEverySystem,
                  grahavani::TimingOutput{.DashaDepth = 5, .DashaAtLocalSeconds = std::nullopt, .Systems = {true, true, true}})
    ->Unit(benchmark::kMillisecond);

// The sixteen vargas of the ascendant and the nine bodies, the ashtakavarga and the shadbala,
// from charts whose positions, latitudes and day were found beforehand.
void VargasAshtakavargaAndShadbala(benchmark::State& state) {
    std::vector<std::pair<grahavani::ChartResult, grahavani::ShadbalaInput>> charts;
    for (const grahavani::BirthRecord& birth : Births()) {
        grahavani::ChartResult chart;
        grahavani::ComputeChart(birth, chart);
        charts.emplace_back(chart, grahavani::ShadbalaInputOf(birth, chart, grahavani::SunriseRule::ApparentLimb));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [chart, input] = charts[next++ % charts.size()];
        for (const int division : grahavani::VargaDivisions) {
            for (std::size_t point = 0; point <= grahavani::AscendantPoint; ++point) {
                benchmark::DoNotOptimize(grahavani::VargaPlaceOf(division, chart.Longitudes[point]));
            }
        }
        benchmark::DoNotOptimize(grahavani::ComputeAshtakavarga(chart));
        benchmark::DoNotOptimize(grahavani::ComputeShadbala(input));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(VargasAshtakavargaAndShadbala);

// Every pair of the 108 star-padas matched, boy against girl: kootas, notes, Manglik, poruthams.
void MatchEveryStarPadaPair(benchmark::State& state) {
    std::vector<std::array<double, grahavani::BodyCount>> charts(108);
    for (std::size_t quarter = 0; quarter < charts.size(); ++quarter) {
        charts[quarter][grahavani::MoonBody] = static_cast<double>(quarter) * 10 / 3 + 1;
        charts[quarter][grahavani::MarsBody] = static_cast<double>(quarter) * 7;  // Manglik for some
    }
    for (auto _ : state) {
        for (const auto& boy : charts) {
            for (const auto& girl : charts) benchmark::DoNotOptimize(grahavani::MatchCharts(boy, girl));
        }
    }
    state.SetItemsProcessed(state.iterations() * 108 * 108);
}
BENCHMARK(MatchEveryStarPadaPair)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
