#include "timing/dasha_timeline.h"

#include <cmath>

#include "model/arc_division.h"

namespace grahavani {
namespace {

constexpr std::array<DashaRuler, 9> VimshottariRulers = {{
    {"Ketu", "", 7}, {"Venus", "", 20}, {"Sun", "", 6}, {"Moon", "", 10}, {"Mars", "", 7},
    {"Rahu", "", 18}, {"Jupiter", "", 16}, {"Saturn", "", 19}, {"Mercury", "", 17}}};

constexpr std::array<DashaRuler, 8> YoginiRulers = {{
    {"Moon", "Mangala", 1}, {"Sun", "Pingala", 2}, {"Jupiter", "Dhanya", 3}, {"Mars", "Bhramari", 4},
    {"Mercury", "Bhadrika", 5}, {"Saturn", "Ulka", 6}, {"Venus", "Siddha", 7}, {"Rahu", "Sankata", 8}}};

constexpr std::array<DashaRuler, 8> AshtottariRulers = {{
    {"Sun", "", 6}, {"Moon", "", 15}, {"Mars", "", 8}, {"Mercury", "", 17}, {"Saturn", "", 10},
    {"Jupiter", "", 19}, {"Rahu", "", 12}, {"Venus", "", 21}}};

// The Ashtottari groups of nakshatras, in the rulers' order: the first nakshatra of each
// (Ashwini 0 … Revati 26) and how many it holds. Abhijit lies inside Saturn's three.
struct NakshatraGroup {
    int First;
    int Count;
};
constexpr std::array<NakshatraGroup, 8> AshtottariGroups = {{
    {5, 4}, {9, 3}, {12, 4}, {16, 3}, {19, 3}, {22, 3}, {25, 4}, {2, 3}}};

constexpr std::int64_t FourthPower(std::int64_t n) { return n * n * n * n; }

// Where the Moon enters the system: the first ruler and the part of its years already run.
struct DashaEntry {
    std::size_t Ruler = 0;
    double RunFraction = 0;
};

DashaEntry EntryOf(DashaSystem system, double moonSiderealLongitude) {
    const double nakshatras = ArcsTraversed(moonSiderealLongitude, 40, 3);
    const int nakshatra = ArcIndex(moonSiderealLongitude, 40, 3, 27);
    const double withinNakshatra = nakshatras - nakshatra;
    switch (system) {
        case DashaSystem::Vimshottari:
            return {static_cast<std::size_t>(nakshatra % 9), withinNakshatra};
        case DashaSystem::Yogini:
            // The nakshatra's number (Ashwini 1) plus 3, divided by 8: the remainder 1 is
            // Mangala, 0 Sankata.
            return {static_cast<std::size_t>((nakshatra + 1 + 3 + 7) % 8), withinNakshatra};
        case DashaSystem::Ashtottari:
            break;
    }
    for (std::size_t ruler = 0; ruler < AshtottariGroups.size(); ++ruler) {
        const NakshatraGroup group = AshtottariGroups[ruler];
        const int intoGroup = (nakshatra - group.First + 27) % 27;
        if (intoGroup < group.Count) return {ruler, (intoGroup + withinNakshatra) / group.Count};
    }
    return {};  // every nakshatra lies in a group
}

DashaBalance BalanceOf(std::size_t ruler, double unrunYears) {
    DashaBalance balance;
    balance.Ruler = static_cast<std::uint8_t>(ruler);
    balance.Years = static_cast<int>(std::floor(unrunYears));
    const double months = 12 * (unrunYears - balance.Years);
    balance.Months = static_cast<int>(std::floor(months));
    balance.Days = static_cast<int>(std::lround(30 * (months - balance.Months)));
    if (balance.Days == 30) {
        balance.Days = 0;
        ++balance.Months;
    }
    if (balance.Months == 12) {
        balance.Months = 0;
        ++balance.Years;
    }
    return balance;
}

}  // namespace

double DashaYearDays(DashaYear year) {
    switch (year) {
        case DashaYear::Gregorian: return 365.2425;
        case DashaYear::Savana: return 360;
        case DashaYear::Julian: break;
    }
    return 365.25;
}

std::span<const DashaRuler> DashaRulers(DashaSystem system) {
    switch (system) {
        case DashaSystem::Yogini: return YoginiRulers;
        case DashaSystem::Ashtottari: return AshtottariRulers;
        case DashaSystem::Vimshottari: break;
    }
    return VimshottariRulers;
}

int DashaCycleYears(DashaSystem system) {
    switch (system) {
        case DashaSystem::Yogini: return 36;
        case DashaSystem::Ashtottari: return 108;
        case DashaSystem::Vimshottari: break;
    }
    return 120;
}

std::int64_t DashaTimeline::TicksPerYear() const { return FourthPower(DashaCycleYears(System)); }

double DashaTimeline::JulianDayAt(std::int64_t tick) const {
    return FirstStartJulianDayUT + static_cast<double>(tick) * YearDays / static_cast<double>(TicksPerYear());
}

DashaSubPeriods DashaTimeline::SubPeriods(const DashaPeriod& period) const {
    DashaSubPeriods subs;
    if (period.Level >= DeepestDashaLevel) return subs;
    const auto rulers = DashaRulers(System);
    const std::int64_t cycle = DashaCycleYears(System);
    const std::int64_t length = period.EndTick - period.StartTick;
    std::int64_t tick = period.StartTick;
    for (std::size_t step = 0; step < rulers.size(); ++step) {
        const std::size_t ruler = (period.Ruler + step) % rulers.size();
        const std::int64_t end = tick + length / cycle * rulers[ruler].Years;
        subs.Periods[subs.Count++] = {static_cast<std::uint8_t>(ruler),
                                      static_cast<std::uint8_t>(period.Level + 1), tick, end};
        tick = end;
    }
    return subs;
}

std::optional<RunningDashas> DashaTimeline::RunningAt(double julianDayUT) const {
    const auto holds = [&](const DashaPeriod& period) {
        return JulianDayAt(period.StartTick) <= julianDayUT && julianDayUT < JulianDayAt(period.EndTick);
    };
    RunningDashas running;
    const DashaPeriod* found = nullptr;
    for (const DashaPeriod& period : Mahadashas) {
        if (holds(period)) found = &period;
    }
    if (!found) return std::nullopt;
    running[0] = *found;
    for (std::size_t level = 1; level < running.size(); ++level) {
        const DashaSubPeriods subs = SubPeriods(running[level - 1]);
        // Rounding can leave an instant a hair outside every sub-period: the last then holds it.
        running[level] = subs.Periods[subs.Count - 1];
        for (const DashaPeriod& sub : subs) {
            if (julianDayUT < JulianDayAt(sub.EndTick)) {
                running[level] = sub;
                break;
            }
        }
    }
    return running;
}

DashaTimeline ComputeDashaTimeline(DashaSystem system, double moonSiderealLongitude,
                                   double birthJulianDayUT, DashaYear year) {
    DashaTimeline timeline;
    timeline.System = system;
    timeline.YearDays = DashaYearDays(year);
    const auto rulers = DashaRulers(system);
    const DashaEntry entry = EntryOf(system, moonSiderealLongitude);
    const double firstYears = rulers[entry.Ruler].Years;
    timeline.FirstStartJulianDayUT = birthJulianDayUT - entry.RunFraction * firstYears * timeline.YearDays;
    timeline.Balance = BalanceOf(entry.Ruler, firstYears * (1 - entry.RunFraction));

    const std::int64_t ticksPerYear = timeline.TicksPerYear();
    // The birth and the end of what is written, in years from the first start.
    const double birthYears = entry.RunFraction * firstYears;
    const double lastStartYears = birthYears + 120;
    std::int64_t startYears = 0;
    for (std::size_t step = 0;; ++step) {
        const bool done = system == DashaSystem::Vimshottari ? step == rulers.size()
                                                             : static_cast<double>(startYears) >= lastStartYears;
        if (done) break;
        const std::size_t ruler = (entry.Ruler + step) % rulers.size();
        const std::int64_t endYears = startYears + rulers[ruler].Years;
        timeline.Mahadashas.push_back({static_cast<std::uint8_t>(ruler), 1, startYears * ticksPerYear,
                                       endYears * ticksPerYear});
        startYears = endYears;
    }
    return timeline;
}

}  // namespace grahavani
