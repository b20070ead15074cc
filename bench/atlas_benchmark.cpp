// Place search as the user types, over the whole atlas: each keystroke must answer within 5 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "atlas/place_search.h"

namespace {

// The first search builds the folded index, once, on the first keystroke; registered first so that
// it runs before any other search has built it.
void BM_FirstSearchBuildsIndex(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(grahavani::FindPlaces("Kolkata", 10));
}
BENCHMARK(BM_FirstSearchBuildsIndex)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every prefix of a few typical entries, the way a completer sees them one keystroke at a time.
void BM_FindPlacesPerKeystroke(benchmark::State& state) {
    const std::string entries[] = {"Springfield, Illinois", "sao paulo", "London, GB", "Varanasi, India", "Bombay"};
    grahavani::FindPlaces("warm up the index", 1);
    std::size_t keystrokes = 0;
    for (auto _ : state) {
        for (const auto& entry : entries) {
            for (std::size_t length = 1; length <= entry.size(); ++length) {
                benchmark::DoNotOptimize(grahavani::FindPlaces(std::string_view(entry).substr(0, length), 10));
                ++keystrokes;
            }
        }
    }
    state.counters["per_keystroke"] =
        benchmark::Counter(static_cast<double>(keystrokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindPlacesPerKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
