#include "formats/chart_file.h"

#include <array>
#include <charconv>
#include <map>

#include "model/reference_tables.h"
#include "model/text_utilities.h"
#include "formats/text_codec.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

// The clock's lines are few; more lines than this after the fifteenth are not looked at.
constexpr std::size_t ClockLineLimit = 16;
// No clock was ever further than this from universal time.
constexpr std::int32_t LargestOffsetSeconds = 18 * 3600;
// A blank, the lowest character a stored text holds, shifted.
constexpr unsigned char LowestShiftedText = ' ' + 85;

constexpr std::string_view ZoneKey = "Zone";
constexpr std::string_view DaylightSavingKey = "DaylightSaving";
constexpr std::string_view OffsetKey = "OffsetSeconds";
constexpr std::string_view TimeZoneKey = "TimeZone";

void AppendLine(std::string& bytes, std::string_view text) {
    bytes += EncodeText(text);
    bytes += "\r\n";
}

void AppendClockLine(std::string& bytes, std::string_view key, std::string_view value) {
    AppendLine(bytes, std::string(key) + "=" + std::string(value));
}

// The zone text and, where the row does not stand for it, the exact offset.
void AppendZoneLines(std::string& bytes, const BirthEntries& e) {
    std::optional<std::int32_t> offset;
    if (e.TimeZoneRow < TimeZoneCount) {
        AppendClockLine(bytes, ZoneKey, TimeZoneList[e.TimeZoneRow].displayText);
        if (e.ZoneOffsetSeconds != ZoneRowOffsetSeconds(e.TimeZoneRow)) offset = e.ZoneOffsetSeconds;
    } else if (e.TimeZoneRow == TimeZoneCount && e.ExtraZone) {
        AppendClockLine(bytes, ZoneKey, e.ExtraZone->Text);
        offset = e.ExtraZone->OffsetSeconds;
    } else {
        return;
    }
    AppendClockLine(bytes, DaylightSavingKey, e.DaylightSaving ? "1" : "0");
    if (offset) AppendClockLine(bytes, OffsetKey, std::to_string(*offset));
}

// Splits off the first line, without its CR LF or LF.
std::string_view TakeLine(std::string_view& bytes) {
    const auto end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    return line;
}

std::string_view ProblemText(std::string_view english, Language language) {
    return Translated(language, "formats/chart_file.cpp ReadZone", english);
}

std::string BadLine(std::string_view key, std::string_view value, std::string_view expected, Language language) {
    return Filled(ProblemText("The chart file's %1 line holds \"%2\": expected %3", language),
                  {key, value, ProblemText(expected, language)});
}

// The entries' zone from the clock's lines, or the message of the first bad one.
std::optional<std::string> ReadZone(const std::map<std::string, std::string, std::less<>>& clock,
                                    BirthEntries& e, Language language) {
    const std::string& zone = clock.find(ZoneKey)->second;
    if (zone.empty()) return BadLine(ZoneKey, zone, "the text of a time-zone row", language);
    bool tick = false;
    if (const auto found = clock.find(DaylightSavingKey); found != clock.end()) {
        if (found->second != "0" && found->second != "1") {
            return BadLine(DaylightSavingKey, found->second, "0 or 1", language);
        }
        tick = found->second == "1";
    }
    std::optional<std::int32_t> offset;
    if (const auto found = clock.find(OffsetKey); found != clock.end()) {
        const std::string& text = found->second;
        std::int32_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || end != text.data() + text.size() || value < -LargestOffsetSeconds ||
            value > LargestOffsetSeconds) {
            return BadLine(OffsetKey, text, "whole seconds from -64800 to 64800", language);
        }
        offset = value;
    }
    const auto row = ZoneRowOfText(zone);
    if (!row && !offset) {
        return Filled(ProblemText("The chart file's zone \"%1\" is no row of the zone list and the file gives no %2 "
                                  "line for it",
                                  language),
                      {zone, OffsetKey});
    }
    e.DaylightSaving = tick;
    if (row) {
        e.TimeZoneRow = *row;
        e.ZoneOffsetSeconds = offset;
    } else {
        e.TimeZoneRow = TimeZoneCount;
        e.ExtraZone = ExtraZoneRow{zone, *offset};
        e.ZoneOffsetSeconds.reset();
    }
    return std::nullopt;
}

}  // namespace

std::string WriteChartFile(const BirthEntries& e, std::string_view atlasTimeZone) {
    const std::array<std::string_view, ChartFileLineCount> values = {
        e.Name, e.Day, e.Month, e.Year, e.Hour, e.Minute,
        e.LatitudeDegrees, e.LatitudeMinutes, e.IsSouth ? "South" : "North",
        e.LongitudeDegrees, e.LongitudeMinutes, e.IsEast ? "East" : "West",
        e.City, e.State, e.Country};
    std::string bytes;
    for (const std::string_view value : values) AppendLine(bytes, TrimBlanks(value));
    AppendZoneLines(bytes, e);
    if (!atlasTimeZone.empty()) AppendClockLine(bytes, TimeZoneKey, atlasTimeZone);
    return bytes;
}

bool CouldBeChartFile(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > ChartFileReadLimit) return false;
    std::size_t counted = 0, low = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0) return false;
        // A character the shift cannot hold is an escape: a name in Devanagari is little else.
        if (const std::size_t escape = StoredEscapeLength(bytes.substr(i))) {
            i += escape;
            continue;
        }
        ++i;
        if (byte == '\r' || byte == '\n') continue;
        ++counted;
        if (byte < LowestShiftedText) ++low;
    }
    return low * 2 <= counted;
}

std::string NotAChartFileMessage(std::string_view path, Language language) {
    return Filled(Translated(language, "formats/chart_file.cpp NotAChartFileMessage", "%1 is not a chart file"), {path});
}

std::variant<ChartFileClock, std::string> ReadChartFile(std::string_view bytes, BirthEntries& entries,
                                                        Language language) {
    bytes = bytes.substr(0, ChartFileReadLimit);
    std::array<std::string, ChartFileLineCount> values;
    for (std::string& value : values) {
        if (bytes.empty()) break;
        value = DecodeText(TakeLine(bytes));
    }
    std::map<std::string, std::string, std::less<>> clock;
    for (std::size_t i = 0; i < ClockLineLimit && !bytes.empty(); ++i) {
        const std::string line = DecodeText(TakeLine(bytes));
        const auto equals = line.find('=');
        if (equals != std::string::npos) clock[line.substr(0, equals)] = line.substr(equals + 1);
    }

    BirthEntries e = entries;
    ChartFileClock read;
    if (clock.contains(ZoneKey)) {
        if (auto problem = ReadZone(clock, e, language)) return std::move(*problem);
        read.StatesZone = true;
    }
    if (const auto found = clock.find(TimeZoneKey); found != clock.end()) read.AtlasTimeZone = found->second;
    e.Name = values[0];
    e.Day = values[1];
    e.Month = values[2];
    e.Year = values[3];
    e.Hour = values[4];
    e.Minute = values[5];
    e.LatitudeDegrees = values[6];
    e.LatitudeMinutes = values[7];
    e.IsSouth = values[8] != "North";
    e.LongitudeDegrees = values[9];
    e.LongitudeMinutes = values[10];
    e.IsEast = values[11] == "East";
    e.City = values[12];
    e.State = values[13];
    e.Country = values[14];
    entries = std::move(e);
    return read;
}

}  // namespace grahavani
