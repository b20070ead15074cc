#pragma once
// The timing of a computed chart: the birth place's clock, the panchang with the sunrise of the
// birth date, and the Vimshottari periods.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "model/birth_record.h"
#include "model/chart_result.h"
#include "timing/panchang.h"
#include "timing/vimshottari.h"

namespace grahavani {

struct BirthTiming {
    // The clock of the chart ahead of universal time: the entered civil time less JulianDayUT.
    int ClockOffsetSeconds = 0;
    Panchang Limbs;
    std::string SunriseReason;  // why the birth date has no sunrise; empty when it has one
    DashaYear Year = DashaYear::Julian;
    Vimshottari Dashas;
};

BirthTiming ComputeBirthTiming(const BirthRecord& birth, const ChartResult& chart, DashaYear year);

// The period that contains the instant (its start included, its end not), if any.
template <typename Period, std::size_t Count>
std::optional<std::size_t> PeriodContaining(const std::array<Period, Count>& periods,
                                            double julianDayUT) {
    for (std::size_t index = 0; index < Count; ++index) {
        if (periods[index].StartJulianDayUT <= julianDayUT &&
            julianDayUT < periods[index].EndJulianDayUT) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace grahavani
