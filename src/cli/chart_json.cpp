#include "chart_json.h"

#include <cstdint>
#include <limits>

namespace grahavani {

namespace {

using nlohmann::json;

// Reads one field, or leaves a message in `error`.
class FieldReader {
public:
    explicit FieldReader(const json& object) : object_(object) {}

    const std::string& Error() const { return error_; }

    std::string Text(const char* name) {
        const json* field = Find(name);
        if (!field) return {};
        if (!field->is_string()) return Fail(name, "must be a text"), std::string{};
        return field->get<std::string>();
    }

    bool Flag(const char* name) {
        const json* field = Find(name);
        if (!field) return false;
        if (!field->is_boolean()) return Fail(name, "must be true or false"), false;
        return field->get<bool>();
    }

    std::int16_t Number(const char* name, std::int64_t least, std::int64_t most) {
        const json* field = Find(name);
        if (!field) return 0;
        const std::string range = "must be a whole number from " + std::to_string(least) +
                                  " to " + std::to_string(most);
        if (!field->is_number_integer()) return Fail(name, range), 0;
        // Unsigned numbers may lie beyond the signed range, so they are bounded first.
        const bool inRange =
            (!field->is_number_unsigned() ||
             field->get<std::uint64_t>() <= static_cast<std::uint64_t>(most)) &&
            field->get<std::int64_t>() >= least && field->get<std::int64_t>() <= most;
        if (!inRange) return Fail(name, range), 0;
        return static_cast<std::int16_t>(field->get<std::int64_t>());
    }

    std::int16_t Coordinate(const char* name) {
        return Number(name, std::numeric_limits<std::int16_t>::min(),
                      std::numeric_limits<std::int16_t>::max());
    }

private:
    const json* Find(const char* name) {
        if (!error_.empty()) return nullptr;
        const auto it = object_.find(name);
        if (it == object_.end()) {
            error_ = std::string("missing field ") + name;
            return nullptr;
        }
        return &*it;
    }

    void Fail(const char* name, const std::string& expectation) {
        error_ = std::string("field ") + name + " " + expectation;
    }

    const json& object_;
    std::string error_;
};

}  // namespace

std::variant<BirthRecord, std::string> BirthRecordFromJson(const json& object) {
    if (!object.is_object()) return std::string("a line must hold one JSON object");
    FieldReader read(object);
    BirthRecord b;
    b.Name = read.Text("Name");
    b.Day = read.Number("Day", 1, 31);
    b.Month = read.Number("Month", 1, 12);
    b.Year = read.Number("Year", 1900, 2050);
    b.Hour = read.Number("Hour", 0, 24);
    b.Minute = read.Number("Minute", 0, 59);
    b.ZoneHours = read.Number("ZoneHours", 0, 13);
    b.ZoneMinutes = read.Number("ZoneMinutes", 0, 30);
    if (read.Error().empty() && b.ZoneMinutes != 0 && b.ZoneMinutes != 30) {
        return std::string("field ZoneMinutes must be 0 or 30");
    }
    b.LongitudeDegrees = read.Coordinate("LongitudeDegrees");
    b.LongitudeMinutes = read.Coordinate("LongitudeMinutes");
    b.LatitudeDegrees = read.Coordinate("LatitudeDegrees");
    b.LatitudeMinutes = read.Coordinate("LatitudeMinutes");
    b.IsEast = read.Flag("IsEast");
    b.IsSouth = read.Flag("IsSouth");
    b.DaylightSaving = read.Flag("DaylightSaving");
    b.City = read.Text("City");
    b.State = read.Text("State");
    b.Country = read.Text("Country");
    if (!read.Error().empty()) return read.Error();
    return b;
}

json ChartResultToJson(const ChartResult& c, const std::string& reportText) {
    return json{
        {"UniversalTimeHours", c.UniversalTimeHours},
        {"BirthDayNumber", c.BirthDayNumber},
        {"Centuries1900", c.Centuries1900},
        {"AyanamsaCorrection", c.AyanamsaCorrection},
        {"AyanamsaText", c.AyanamsaText},
        {"AscendantDegrees", c.AscendantDegrees},
        {"MidheavenDegrees", c.MidheavenDegrees},
        {"AscendantText", c.AscendantText},
        {"MidheavenText", c.MidheavenText},
        {"PlanetTexts", c.PlanetTexts},
        {"RahuText", c.RahuText},
        {"KetuText", c.KetuText},
        {"MoonPositionText", c.MoonPositionText},
        {"MoonNakshatra", c.MoonNakshatra},
        {"MoonRashi", c.MoonRashi},
        {"PositionTexts", c.PositionTexts},
        {"AyanamsaDisplay", c.AyanamsaDisplay},
        {"LagnaSign", c.LagnaSign},
        {"LagnaName", c.LagnaName},
        {"NakshatraLord", c.NakshatraLord},
        {"NakshatraPada", c.NakshatraPada},
        {"Report", reportText},
    };
}

}  // namespace grahavani
