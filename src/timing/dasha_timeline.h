#pragma once
// The Vimshottari, Yogini and Ashtottari dashas to five levels. A system is a cycle of rulers,
// each ruling for a whole number of years; a period of L years is divided among all the
// rulers in the system's order, beginning with its own, each sub-period lasting
// L × (its years) / (the cycle's years). The first mahadasha is entered at birth part-way
// through, by the part of its arc the Moon has already run.
//
// Every boundary at every level is a whole number of ticks from the first mahadasha's start,
// a tick being (cycle years)^-4 of a dasha year, so sub-periods tile their period exactly and
// one period ends at the very instant the next begins.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "timing/dasha_year.h"

namespace grahavani {

enum class DashaSystem { Vimshottari, Yogini, Ashtottari };
inline constexpr std::array<std::string_view, 3> DashaSystemNames = {"Vimshottari", "Yogini", "Ashtottari"};

// Level 1 is the mahadasha, 5 the prana dasha.
inline constexpr int DeepestDashaLevel = 5;
inline constexpr std::array<std::string_view, 5> DashaLevelNames = {
    "Mahadasha", "Antardasha", "Pratyantardasha", "Sookshmadasha", "Pranadasha"};

struct DashaRuler {
    std::string_view Lord;    // the planet
    std::string_view Yogini;  // the yogini's name in the Yogini system; else empty
    int Years = 0;
};

// The system's rulers in its order, and the years of a whole cycle (120, 36, 108).
std::span<const DashaRuler> DashaRulers(DashaSystem system);
int DashaCycleYears(DashaSystem system);

// A period at any level.
struct DashaPeriod {
    std::uint8_t Ruler = 0;  // an index into DashaRulers
    std::uint8_t Level = 1;  // 1 to DeepestDashaLevel
    std::int64_t StartTick = 0;
    std::int64_t EndTick = 0;
};

// The sub-periods of one period: all the system's rulers, from the period's own.
struct DashaSubPeriods {
    std::array<DashaPeriod, 9> Periods{};
    std::size_t Count = 0;
    const DashaPeriod* begin() const { return Periods.data(); }
    const DashaPeriod* end() const { return Periods.data() + Count; }
};

// The unrun part of the birth mahadasha as a horoscope states it, in dasha years of twelve
// 30-day months: Months 0-11, Days 0-29.
struct DashaBalance {
    std::uint8_t Ruler = 0;
    int Years = 0;
    int Months = 0;
    int Days = 0;
};

// The periods running at one moment, from the mahadasha down to the prana dasha.
using RunningDashas = std::array<DashaPeriod, DeepestDashaLevel>;

struct DashaTimeline {
    DashaSystem System = DashaSystem::Vimshottari;
    double YearDays = 0;
    double FirstStartJulianDayUT = 0;  // where the first mahadasha began, at or before birth
    // The one in force at birth and every one after it that begins less than 120 dasha
    // years after the birth (the Vimshottari: the nine of one cycle).
    std::vector<DashaPeriod> Mahadashas;
    DashaBalance Balance;

    std::int64_t TicksPerYear() const;
    double JulianDayAt(std::int64_t tick) const;
    // Empty for a period at the deepest level.
    DashaSubPeriods SubPeriods(const DashaPeriod& period) const;
    // The chain that holds the instant (a period holds its start, not its end); none outside
    // the mahadashas.
    std::optional<RunningDashas> RunningAt(double julianDayUT) const;
};

// From the Moon's sidereal longitude in degrees and the birth instant.
DashaTimeline ComputeDashaTimeline(DashaSystem system, double moonSiderealLongitude,
                                   double birthJulianDayUT, DashaYear year);

}  // namespace grahavani
