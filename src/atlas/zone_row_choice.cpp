#include "atlas/zone_row_choice.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/reference_tables.h"
#include "model/text_utilities.h"

namespace grahavani {
namespace {

constexpr std::int32_t kOneHourSeconds = 3600;

// "Eastern Standard Time,EST,-5.0" gives "EST".
std::string_view RowAbbreviation(std::string_view text) {
    const auto first = text.find(',');
    if (first == std::string_view::npos) return {};
    const auto second = text.find(',', first + 1);
    return TrimBlanks(text.substr(first + 1, second - first - 1));
}

bool IsShiftedClockRow(std::string_view text) {
    constexpr std::array<std::string_view, 3> kShifted{"Daylight", "Summer", "War"};
    return std::any_of(kShifted.begin(), kShifted.end(),
                       [&](std::string_view word) { return text.find(word) != std::string_view::npos; });
}

std::optional<std::size_t> RowWithOffset(std::int32_t offsetSeconds, std::size_t currentRow,
                                         std::string_view abbreviation) {
    const auto matches = [&](std::size_t row) { return ZoneRowOffsetSeconds(row) == offsetSeconds; };
    if (currentRow < TimeZoneCount && matches(currentRow)) return currentRow;
    std::optional<std::size_t> plain, any;
    for (std::size_t row = 0; row < TimeZoneCount; ++row) {
        if (!matches(row)) continue;
        const std::string_view text = TimeZoneList[row].displayText;
        if (RowAbbreviation(text) == abbreviation) return row;
        if (!plain && !IsShiftedClockRow(text)) plain = row;
        if (!any) any = row;
    }
    return plain ? plain : any;
}

}  // namespace

ZoneRowChoice ChooseZoneRow(const ZoneClock& clock, std::size_t currentRow, const std::string& extraRowName) {
    const bool tick = clock.DaylightSaving && clock.DaylightSavingSeconds == kOneHourSeconds;
    const std::int32_t offset = tick ? clock.StandardOffsetSeconds() : clock.OffsetSeconds;
    if (const auto row = RowWithOffset(offset, currentRow, clock.Abbreviation)) {
        return {*row, tick, std::nullopt, offset};
    }
    return {TimeZoneCount, false, ExtraZoneRow{extraRowName, clock.OffsetSeconds}, clock.OffsetSeconds};
}

}  // namespace grahavani
