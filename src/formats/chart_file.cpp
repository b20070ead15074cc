#include "formats/chart_file.h"

#include <array>

#include "model/text_utilities.h"
#include "formats/text_codec.h"

namespace grahavani {

std::string WriteChartFile(const BirthEntries& e) {
    const std::array<std::string_view, ChartFileLineCount> values = {
        e.Name, e.Day, e.Month, e.Year, e.Hour, e.Minute,
        e.LatitudeDegrees, e.LatitudeMinutes, e.IsSouth ? "South" : "North",
        e.LongitudeDegrees, e.LongitudeMinutes, e.IsEast ? "East" : "West",
        e.City, e.State, e.Country};
    std::string bytes;
    for (const std::string_view value : values) {
        bytes += EncodeText(TrimBlanks(value));
        bytes += "\r\n";
    }
    return bytes;
}

void ReadChartFile(std::string_view bytes, BirthEntries& e) {
    bytes = bytes.substr(0, ChartFileReadLimit);
    std::array<std::string, ChartFileLineCount> values;
    for (std::string& value : values) {
        if (bytes.empty()) break;
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        value = DecodeText(line);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    }
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
}

}  // namespace grahavani
