#include "chart_json.h"

#include "control_characters.h"
#include "model/birth_entries.h"
#include "model/name_tables.h"
#include "timing/local_time.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <type_traits>

namespace grahavani {

namespace {

using nlohmann::json;

constexpr std::int64_t MaxZoneOffsetMinutes = 14 * 60;

// The birth record's fields, in the order their problems are reported.
enum Field {
    Name, Day, Month, Year, Hour, Minute, ZoneHours, ZoneMinutes, ZoneOffsetMinutes,
    LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes,
    IsEast, IsSouth, DaylightSaving, City, State, Country, Place, Fold, FieldCount
};

constexpr std::array<std::string_view, FieldCount> FieldNames = {
    "Name", "Day", "Month", "Year", "Hour", "Minute", "ZoneHours", "ZoneMinutes",
    "ZoneOffsetMinutes", "LongitudeDegrees", "LongitudeMinutes", "LatitudeDegrees", "LatitudeMinutes",
    "IsEast", "IsSouth", "DaylightSaving", "City", "State", "Country", "Place", "Fold"};

// The fields a place from the atlas fills.
constexpr std::array<Field, 13> PlaceFilledFields = {
    ZoneHours, ZoneMinutes, ZoneOffsetMinutes, LongitudeDegrees, LongitudeMinutes, LatitudeDegrees,
    LatitudeMinutes, IsEast, IsSouth, DaylightSaving, City, State, Country};

struct Absent {};
struct OtherKind {};  // null, a fraction, an array or an object
using FieldValue =
    std::variant<Absent, std::string, bool, std::int64_t, std::uint64_t, OtherKind>;

// Collects the top-level fields of one object as the parser meets them.
class FieldCollector final : public nlohmann::json_sax<json> {
public:
    std::array<FieldValue, FieldCount> values;
    bool topIsObject = false;

    bool null() override { return Set(OtherKind{}); }
    bool boolean(bool value) override { return Set(value); }
    bool number_integer(number_integer_t value) override { return Set(std::int64_t{value}); }
    bool number_unsigned(number_unsigned_t value) override { return Set(std::uint64_t{value}); }
    bool number_float(number_float_t, const string_t&) override { return Set(OtherKind{}); }
    bool string(string_t& value) override { return Set(std::move(value)); }
    bool binary(binary_t&) override { return Set(OtherKind{}); }
    bool start_object(std::size_t) override { return Open(true); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        current_ = FieldCount;
        if (depth_ == 1) {
            for (int field = 0; field < FieldCount; ++field) {
                if (FieldNames[static_cast<std::size_t>(field)] == name) current_ = field;
            }
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    template <typename Value>
    bool Set(Value&& value) {
        if (depth_ == 1 && current_ < FieldCount) {
            values[static_cast<std::size_t>(current_)] = std::forward<Value>(value);
        }
        return true;
    }
    bool Open(bool isObject) {
        if (depth_ == 0) topIsObject = isObject;
        Set(OtherKind{});
        ++depth_;
        return true;
    }
    bool Close() {
        --depth_;
        return true;
    }

    int depth_ = 0;
    int current_ = FieldCount;
};

// Reads the collected fields into a record, keeping the first problem found.
class FieldReader {
public:
    explicit FieldReader(const std::array<FieldValue, FieldCount>& values) : values_(values) {}

    const std::string& Error() const { return error_; }

    bool Present(Field field) const {
        return !std::holds_alternative<Absent>(values_[static_cast<std::size_t>(field)]);
    }

    std::string Text(Field field) {
        const FieldValue* value = Find(field);
        if (!value) return {};
        const auto* text = std::get_if<std::string>(value);
        if (!text) return Fail(field, "must be a text"), std::string{};
        if (HoldsControlCharacter(*text)) return Fail(field, ControlCharacterRefusal), std::string{};
        return *text;
    }

    bool Flag(Field field) {
        const FieldValue* value = Find(field);
        if (!value) return false;
        if (const auto* flag = std::get_if<bool>(value)) return *flag;
        return Fail(field, "must be true or false"), false;
    }

    std::int16_t Number(Field field, std::int64_t least, std::int64_t most) {
        const FieldValue* value = Find(field);
        if (!value) return 0;
        std::optional<std::int64_t> number;
        if (const auto* signedValue = std::get_if<std::int64_t>(value)) number = *signedValue;
        if (const auto* unsignedValue = std::get_if<std::uint64_t>(value);
            unsignedValue && *unsignedValue <= static_cast<std::uint64_t>(most)) {
            number = static_cast<std::int64_t>(*unsignedValue);
        }
        if (!number || *number < least || *number > most) {
            Fail(field, "must be a whole number from " + std::to_string(least) + " to " +
                            std::to_string(most));
            return 0;
        }
        return static_cast<std::int16_t>(*number);
    }

    std::int16_t ZoneMinutes() {
        const std::int16_t minutes = Number(Field::ZoneMinutes, 0, 30);
        if (error_.empty() && minutes != 0 && minutes != 30) Fail(Field::ZoneMinutes, "must be 0 or 30");
        return minutes;
    }

    std::int16_t Coordinate(Field field) {
        return Number(field, std::numeric_limits<std::int16_t>::min(),
                      std::numeric_limits<std::int16_t>::max());
    }

    void Refuse(Field field, const std::string& reason) {
        if (error_.empty()) Fail(field, reason);
    }

private:
    const FieldValue* Find(Field field) {
        if (!error_.empty()) return nullptr;
        const FieldValue& value = values_[static_cast<std::size_t>(field)];
        if (std::holds_alternative<Absent>(value)) {
            error_ = "missing field " + std::string(FieldNames[static_cast<std::size_t>(field)]);
            return nullptr;
        }
        return &value;
    }

    void Fail(Field field, const std::string& expectation) {
        error_ = "field " + std::string(FieldNames[static_cast<std::size_t>(field)]) + " " +
                 expectation;
    }

    const std::array<FieldValue, FieldCount>& values_;
    std::string error_;
};

}  // namespace

std::variant<BatchRecord, std::string> BatchRecordFromJson(std::string_view line) {
    FieldCollector collected;
    // The parser takes a NUL byte for the end of the text, and would leave what follows unread.
    if (line.find('\0') != std::string_view::npos) return std::string("not valid JSON: a NUL byte");
    if (!json::sax_parse(line, &collected)) return std::string("not valid JSON");
    if (!collected.topIsObject) return std::string("a line must hold one JSON object");

    FieldReader read(collected.values);
    BatchRecord record;
    BirthRecord& b = record.Birth;
    b.Name = read.Text(Name);
    b.Day = read.Number(Day, 1, 31);
    b.Month = read.Number(Month, 1, 12);
    b.Year = read.Number(Year, 1900, 2050);
    b.Hour = read.Number(Hour, 0, 24);
    b.Minute = read.Number(Minute, 0, 59);
    if (!read.Error().empty()) return read.Error();
    if (auto problem = CheckDayOfMonth(b.Day, b.Month, b.Year)) return std::move(*problem);
    if (read.Present(Place)) {
        for (const Field field : PlaceFilledFields) {
            if (read.Present(field)) read.Refuse(field, "cannot stand beside Place, which fills it");
        }
        record.Place = read.Text(Place);
        if (read.Present(Fold)) record.Fold = read.Number(Fold, 0, 1);
        if (!read.Error().empty()) return read.Error();
        return record;
    }
    if (read.Present(Fold)) read.Refuse(Fold, "needs Place");
    // A signed offset stands in for the zone's magnitudes, which it fills; given beside it,
    // they must be its own.
    if (read.Present(ZoneOffsetMinutes)) {
        const std::int16_t offset = read.Number(ZoneOffsetMinutes, -MaxZoneOffsetMinutes,
                                                MaxZoneOffsetMinutes);
        b.ZoneOffsetSeconds = offset * 60;
        b.ZoneHours = static_cast<std::int16_t>(std::abs(offset) / 60);
        b.ZoneMinutes = static_cast<std::int16_t>(std::abs(offset) % 60);
        const struct {
            Field field;
            std::int16_t value, most;
            const char* part;
        } magnitudes[] = {{ZoneHours, b.ZoneHours, MaxZoneOffsetMinutes / 60, "hours"},
                          {ZoneMinutes, b.ZoneMinutes, 59, "minutes"}};
        for (const auto& magnitude : magnitudes) {
            if (read.Present(magnitude.field) &&
                read.Number(magnitude.field, 0, magnitude.most) != magnitude.value) {
                read.Refuse(magnitude.field, "must be " + std::to_string(magnitude.value) + ", the " +
                                                 magnitude.part + " of ZoneOffsetMinutes, or left out");
            }
        }
    } else {
        b.ZoneHours = read.Number(ZoneHours, 0, 13);
        b.ZoneMinutes = read.ZoneMinutes();
    }
    b.LongitudeDegrees = read.Coordinate(LongitudeDegrees);
    b.LongitudeMinutes = read.Coordinate(LongitudeMinutes);
    b.LatitudeDegrees = read.Coordinate(LatitudeDegrees);
    b.LatitudeMinutes = read.Coordinate(LatitudeMinutes);
    b.IsEast = read.Flag(IsEast);
    b.IsSouth = read.Flag(IsSouth);
    b.DaylightSaving = read.Flag(DaylightSaving);
    b.City = read.Text(City);
    b.State = read.Text(State);
    b.Country = read.Text(Country);
    if (!read.Error().empty()) return read.Error();
    return record;
}

namespace {

constexpr std::array<const char*, 8> NumberFields = {
    "UniversalTimeHours", "BirthDayNumber", "Centuries1900",
    "AyanamsaCorrection", "AscendantDegrees", "MidheavenDegrees", "JulianDayUT", "Ayanamsa"};
constexpr std::array<const char*, 17> TextFields = {
    "AyanamsaText", "AscendantText", "MidheavenText", "RahuText", "KetuText",
    "MoonPositionText", "MoonNakshatra", "MoonRashi", "AyanamsaDisplay", "LagnaSign",
    "LagnaName", "NakshatraLord", "NakshatraPada", "Report", "Engine", "Ephemeris",
    "UniversalTime"};
constexpr std::array<const char*, 2> TextListFields = {"PlanetTexts", "PositionTexts"};
constexpr std::array<std::size_t, 5> RetrogradeBodies = {
    MercuryBody, VenusBody, MarsBody, JupiterBody, SaturnBody};

constexpr std::array<const char*, 2> PanchangNumberFields = {"TithiNumber", "YogaNumber"};
constexpr std::array<const char*, 5> PanchangTextFields = {"Tithi", "Paksha", "Yoga", "Karana", "Vara"};
// The navamsa's order: the ascendant, then the nine bodies.
constexpr std::array<std::string_view, 10> NavamsaBodyNames = {
    "Ascendant", "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};

}  // namespace

ChartJsonWriter::ChartJsonWriter(const std::optional<TimingOutput>& timing) : document_(json::object()) {
    const ChartResult empty;
    for (std::size_t i = 0; i < NumberFields.size(); ++i) {
        numbers_[i] = &(document_[NumberFields[i]] = 0.0).get_ref<json::number_float_t&>();
    }
    for (std::size_t i = 0; i < TextFields.size(); ++i) {
        texts_[i] = &(document_[TextFields[i]] = "").get_ref<json::string_t&>();
    }
    textLists_[0] = &(document_[TextListFields[0]] = empty.PlanetTexts);
    textLists_[1] = &(document_[TextListFields[1]] = empty.PositionTexts);
    json& longitudes = document_["Longitudes"] = json::object();
    for (std::size_t body = 0; body < BodyCount; ++body) {
        longitudes_[body] =
            &(longitudes[std::string(BodyNames[body])] = 0.0).get_ref<json::number_float_t&>();
    }
    zoneSignFromHemisphere_ =
        &(document_["ZoneSignFromHemisphere"] = true).get_ref<json::boolean_t&>();

    const auto text = [](json& object, const char* name) {
        return &(object[name] = "").get_ref<json::string_t&>();
    };
    const auto number = [](json& object, const char* name) {
        return &(object[name] = 0.0).get_ref<json::number_float_t&>();
    };
    const auto integer = [](json& object, const char* name) {
        return &(object[name] = 0).get_ref<json::number_integer_t&>();
    };
    moonPada_ = integer(document_, "MoonPada");
    json& planets = document_["Planets"] = json::object();
    const auto rows = ComputePlanetTable(empty);
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        json& row = planets[std::string(rows[i].Body)] = json::object();
        planets_[i] = {number(row, "Longitude"), text(row, "Sign"),       number(row, "Degrees"),
                       text(row, "Text"),        text(row, "Nakshatra"),  integer(row, "Pada"),
                       text(row, "NakshatraLord"), integer(row, "House"), &(row["Dignity"] = nullptr),
                       &(row["Retrograde"] = nullptr), &(row["Combust"] = nullptr)};
    }
    if (!timing) return;
    json& panchang = document_["Panchang"] = json::object();
    for (std::size_t i = 0; i < PanchangNumberFields.size(); ++i) {
        panchangNumbers_[i] =
            &(panchang[PanchangNumberFields[i]] = 0).get_ref<json::number_integer_t&>();
    }
    for (std::size_t i = 0; i < PanchangTextFields.size(); ++i) {
        panchangTexts_[i] = text(panchang, PanchangTextFields[i]);
    }
    sunrise_ = &(panchang["Sunrise"] = nullptr);
    json& navamsa = document_["Navamsa"] = json::object();
    for (std::size_t i = 0; i < navamsa_.size(); ++i) {
        navamsa_[i] = &(navamsa[std::string(NavamsaBodyNames[i])] = "").get_ref<json::string_t&>();
    }
    json& dasha = document_["Vimshottari"] = json::object();
    yearDays_ = &(dasha["YearDays"] = 0.0).get_ref<json::number_float_t&>();
    json& periods = dasha["Periods"] = json::array();
    for (std::size_t m = 0; m < periods_.size(); ++m) {
        json& period = periods.emplace_back(json::object());
        periods_[m] = {text(period, "Lord"), text(period, "Start"), text(period, "End")};
        json& subs = period["Antardashas"] = json::array();
        subs.get_ref<json::array_t&>().reserve(9);
        for (std::size_t a = 0; a < 9; ++a) {
            json& sub = subs.emplace_back(json::object());
            antardashas_[m][a] = {text(sub, "Lord"), text(sub, "Start"), text(sub, "End")};
        }
    }
}

void ChartJsonWriter::FillRetrograde(const ChartResult& c) {
    // Only the precise engine knows which planets move backwards.
    const bool wanted = c.ComputedBy == Engine::Precise;
    if (!wanted) {
        if (retrograde_[0]) document_.erase("Retrograde");
        retrograde_ = {};
        return;
    }
    if (!retrograde_[0]) {
        json& flags = document_["Retrograde"] = json::object();
        for (std::size_t i = 0; i < RetrogradeBodies.size(); ++i) {
            retrograde_[i] = &(flags[std::string(BodyNames[RetrogradeBodies[i]])] = false)
                                  .get_ref<json::boolean_t&>();
        }
    }
    for (std::size_t i = 0; i < RetrogradeBodies.size(); ++i) {
        *retrograde_[i] = c.Retrograde[RetrogradeBodies[i]];
    }
}

void ChartJsonWriter::FillPlanets(const ChartResult& c) {
    // A value the body lacks is null; a text is refilled in place.
    const auto optional = [](json& value, const auto& known) {
        if (!known) {
            value = nullptr;
        } else if constexpr (std::is_same_v<std::decay_t<decltype(*known)>, std::string_view>) {
            if (!value.is_string()) value = "";
            value.get_ref<json::string_t&>().assign(*known);
        } else {
            value = *known;
        }
    };
    const auto table = ComputePlanetTable(c);
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        const PlanetRow& row = table[i];
        PlanetValues& values = planets_[i];
        *values.Longitude = row.Longitude;
        values.Sign->assign(row.Sign);
        *values.Degrees = row.Degrees;
        *values.Text = row.Text;
        values.Nakshatra->assign(row.Nakshatra);
        *values.Pada = row.Pada;
        values.NakshatraLord->assign(row.NakshatraLord);
        *values.House = row.House;
        optional(*values.Dignity, row.Dignity);
        optional(*values.Retrograde, row.Retrograde);
        optional(*values.Combust, row.Combust);
    }
    *moonPada_ = table[PlanetTableRow(MoonBody)].Pada;
}

void ChartJsonWriter::FillTiming(const ChartTiming& timing) {
    const Panchang& p = timing.Panchang;
    *panchangNumbers_[0] = p.TithiNumber;
    *panchangNumbers_[1] = p.YogaNumber;
    const std::string_view texts[] = {p.Tithi, p.Paksha, p.Yoga, p.Karana, p.Vara};
    for (std::size_t i = 0; i < std::size(texts); ++i) panchangTexts_[i]->assign(texts[i]);
    const std::string sunrise =
        p.SunriseJulianDayUT ? FormatLocalSecond(*p.SunriseJulianDayUT, timing.ClockOffsetSeconds) : "";
    if (sunrise.empty()) {
        *sunrise_ = nullptr;
    } else {
        *sunrise_ = sunrise;
    }
    for (std::size_t i = 0; i < navamsa_.size(); ++i) {
        navamsa_[i]->assign(SignAbbreviation(timing.Navamsa[i].Sign));
    }

    *yearDays_ = timing.Dasha.YearDays;
    // One period ends where the next begins, so each boundary is written once: a dasha's
    // 180 dates are most of a chart line's cost.
    double lastBoundary = std::numeric_limits<double>::quiet_NaN();
    std::string lastText;
    const auto dateText = [&](double julianDayUT) -> const std::string& {
        if (julianDayUT != lastBoundary) {
            lastBoundary = julianDayUT;
            lastText = FormatLocalMinute(julianDayUT, timing.ClockOffsetSeconds);
        }
        return lastText;
    };
    for (std::size_t m = 0; m < periods_.size(); ++m) {
        const Mahadasha& period = timing.Dasha.Periods[m];
        periods_[m].Lord->assign(period.Lord);
        *periods_[m].Start = dateText(period.StartJulianDayUT);
        for (std::size_t a = 0; a < 9; ++a) {
            const AntardashaPeriod& sub = period.Antardashas[a];
            antardashas_[m][a].Lord->assign(sub.Lord);
            *antardashas_[m][a].Start = dateText(sub.StartJulianDayUT);
            *antardashas_[m][a].End = dateText(sub.EndJulianDayUT);
        }
        *periods_[m].End = dateText(period.EndJulianDayUT);
    }
}

void ChartJsonWriter::FillPlace(const ChartPlace* place) {
    if (!place) {
        if (hasPlace_) {
            for (const char* field : {"Place", "PlaceNote", "TimeZone", "ZoneOffsetSeconds", "DaylightSaving"}) {
                document_.erase(field);
            }
        }
        hasPlace_ = false;
        return;
    }
    document_["Place"] = PlaceJson(*place->Place);
    if (place->Note.empty()) {
        document_.erase("PlaceNote");
    } else {
        document_["PlaceNote"] = place->Note;
    }
    document_["TimeZone"] = place->Place->TimeZone;
    document_["ZoneOffsetSeconds"] = place->Clock.OffsetSeconds;
    document_["DaylightSaving"] = place->Clock.DaylightSaving;
    hasPlace_ = true;
}

nlohmann::json PlaceJson(const AtlasPlace& place) {
    return {{"Name", place.Name},           {"State", place.State},
            {"Country", place.Country},     {"Latitude", place.Latitude},
            {"Longitude", place.Longitude}, {"TimeZone", place.TimeZone},
            {"Population", place.Population}};
}

const std::string& ChartJsonWriter::Line(const ChartResult& c, const std::string& reportText,
                                         const ChartTiming* timing, const ChartPlace* place) {
    const double numbers[] = {c.UniversalTimeHours, c.BirthDayNumber, c.Centuries1900,
                              c.AyanamsaCorrection, c.AscendantDegrees, c.MidheavenDegrees,
                              c.JulianDayUT, c.AyanamsaDegrees};
    for (std::size_t i = 0; i < std::size(numbers); ++i) *numbers_[i] = numbers[i];
    const std::string engine(EngineName(c.ComputedBy));
    // The instant itself, on the clock of no offset: "1947-08-14T18:30:00Z".
    const std::string universalTime = FormatLocalSecond(c.JulianDayUT, 0) + "Z";
    const std::string* texts[TextFields.size()] = {
        &c.AyanamsaText, &c.AscendantText, &c.MidheavenText, &c.RahuText, &c.KetuText,
        &c.MoonPositionText, &c.MoonNakshatra, &c.MoonRashi, &c.AyanamsaDisplay, &c.LagnaSign,
        &c.LagnaName, &c.NakshatraLord, &c.NakshatraPada, &reportText, &engine, &c.Ephemeris,
        &universalTime};
    for (std::size_t i = 0; i < TextFields.size(); ++i) *texts_[i] = *texts[i];
    for (std::size_t body = 0; body < BodyCount; ++body) *longitudes_[body] = c.Longitudes[body];
    *zoneSignFromHemisphere_ = c.ZoneSignFromHemisphere;
    FillRetrograde(c);
    FillPlanets(c);
    if (timing) FillTiming(*timing);
    FillPlace(place);
    const auto fill = [](json& list, const auto& values) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            list[i].get_ref<json::string_t&>() = values[i];
        }
    };
    fill(*textLists_[0], c.PlanetTexts);
    fill(*textLists_[1], c.PositionTexts);

    line_.clear();
    nlohmann::detail::serializer<json> serializer(
        nlohmann::detail::output_adapter<char>(line_), ' ');
    serializer.dump(document_, false, false, 0);
    return line_;
}

}  // namespace grahavani
