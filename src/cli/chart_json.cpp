#include "chart_json.h"

#include "control_characters.h"
#include "model/birth_entries.h"
#include "model/name_tables.h"
#include "texts/position_text_in.h"
#include "translation/names_in.h"
#include "timing/local_time.h"
#include "vargas/ashtakavarga.h"
#include "vargas/shadbala.h"
#include "vargas/varga.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>

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

nlohmann::json PlaceJson(const AtlasPlace& place) {
    return {{"Name", place.Name},           {"State", place.State},
            {"Country", place.Country},     {"Latitude", place.Latitude},
            {"Longitude", place.Longitude}, {"TimeZone", place.TimeZone},
            {"Population", place.Population}};
}

// A text as the JSON library writes it. The chart's own texts (positions with their degree
// and second marks, names from the tables, the report's lines) hold printable ASCII, line ends
// and letters of two or three bytes only, and go straight in with their quotation marks and line ends
// escaped as the library escapes them; any other text goes through the library's
// own escaping, into a buffer kept for the next.
struct ChartJsonWriter::TextEscaper {
    json value = "";
    std::string escaped;
    nlohmann::detail::serializer<json> serializer{nlohmann::detail::output_adapter<char>(escaped), ' '};

    void Append(std::string_view text, std::string& out) {
        if (AppendPlain(text, out)) return;
        value.get_ref<json::string_t&>().assign(text);
        escaped.clear();
        serializer.dump(value, false, false, 0);
        out += escaped;
    }

    // A well-formed three-byte UTF-8 sequence starts `text`: no overlong form, no surrogate.
    static bool IsThreeByteLetter(std::string_view text) {
        if (text.size() < 3) return false;
        const auto lead = static_cast<unsigned char>(text[0]);
        const auto second = static_cast<unsigned char>(text[1]);
        const auto third = static_cast<unsigned char>(text[2]);
        if (lead < 0xE0 || lead > 0xEF || (second & 0xC0) != 0x80 || (third & 0xC0) != 0x80) return false;
        return !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second >= 0xA0);
    }

    // Gives false, having written nothing, for a text that needs more than its quotation marks
    // and line ends escaped or holds a letter of four bytes or a malformed one.
    static bool AppendPlain(std::string_view text, std::string& out) {
        const std::size_t start = out.size();
        out += '"';
        std::size_t copied = 0;  // the bytes before this are in `out`
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') continue;
            if (byte == '"' || byte == '\r' || byte == '\n') {
                out.append(text.substr(copied, i - copied));
                out += '\\';
                out += byte == '"' ? '"' : byte == '\r' ? 'r' : 'n';
                copied = i + 1;
            } else if (byte >= 0xC2 && byte <= 0xDF && i + 1 < text.size() &&
                       (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
                ++i;  // a two-byte letter
            } else if (IsThreeByteLetter(text.substr(i))) {
                i += 2;  // a Devanagari or Tamil letter, among others
            } else {
                out.resize(start);
                return false;
            }
        }
        out.append(text.substr(copied));
        out += '"';
        return true;
    }
};

namespace {

// The points of the navamsa and the vargas: the ascendant, then the nine bodies in BodyOrder.
constexpr std::array<std::string_view, 10> AscendantAndBodyNames = {
    "Ascendant", "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
constexpr std::array<std::size_t, 5> RetrogradeBodies = {
    MercuryBody, VenusBody, MarsBody, JupiterBody, SaturnBody};
// The key of each level's list of periods, the mahadashas' first.
constexpr std::array<std::string_view, DeepestDashaLevel> DashaLevelKeys = {
    "Periods", "Antardashas", "Pratyantardashas", "Sookshmadashas", "Pranadashas"};

// The indices of the names in the byte order of the names, as a JSON object keeps its keys.
template <std::size_t Count, typename Name>
std::array<std::size_t, Count> KeyOrder(const std::array<Name, Count>& names) {
    std::array<std::size_t, Count> order{};
    for (std::size_t i = 0; i < Count; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::string_view(names[a]) < std::string_view(names[b]);
    });
    return order;
}

// One line under construction. A key or an array's element takes a comma unless it opens
// its object or array.
class JsonLine {
public:
    JsonLine(std::string& out, ChartJsonWriter::TextEscaper& escaper) : out_(out), escaper_(escaper) {}

    JsonLine& Key(std::string_view name) {
        // Written in place, the comma, the quoted name and its colon: a line holds some 400 keys.
        const bool comma = NeedsComma();
        char* at = Grow(name.size() + 3 + (comma ? 1 : 0));
        if (comma) *at++ = ',';
        *at++ = '"';
        at = std::copy(name.begin(), name.end(), at);
        *at++ = '"';
        *at = ':';
        return *this;
    }
    JsonLine& Element() {
        Separate();
        return *this;
    }
    JsonLine& Open() { return Put('{'); }
    JsonLine& Close() { return Put('}'); }
    JsonLine& OpenList() { return Put('['); }
    JsonLine& CloseList() { return Put(']'); }
    // A text that may need escaping.
    void Text(std::string_view text) { escaper_.Append(text, out_); }
    // A word of the program's own tables, which never needs escaping.
    void Word(std::string_view word) {
        char* at = Grow(word.size() + 2);
        *at++ = '"';
        at = std::copy(word.begin(), word.end(), at);
        *at = '"';
    }
    void Null() { out_ += "null"; }
    void Flag(bool flag) { out_ += flag ? "true" : "false"; }
    // As the JSON library prints a double.
    void Number(double number) {
        if (!std::isfinite(number)) return Null();
        std::array<char, 64> digits;
        char* end = nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), number);
        out_.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    }
    void Integer(std::int64_t number) {
        std::array<char, 24> digits;
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), number);
        out_.append(digits.data(), static_cast<std::size_t>(written.ptr - digits.data()));
    }
    void Time(double julianDayUT, int clockOffsetSeconds, bool withSeconds) {
        char text[LocalSecondTextLength];
        Word({text, WriteLocalTime(julianDayUT, clockOffsetSeconds, withSeconds, text)});
    }

private:
    JsonLine& Put(char bracket) {
        out_ += bracket;
        return *this;
    }
    // Room for `bytes` more at the end of the line, where they are to be written.
    char* Grow(std::size_t bytes) {
        const std::size_t start = out_.size();
        out_.resize(start + bytes);
        return out_.data() + start;
    }
    bool NeedsComma() const { return out_.back() != '{' && out_.back() != '['; }
    void Separate() {
        if (NeedsComma()) out_ += ',';
    }

    std::string& out_;
    ChartJsonWriter::TextEscaper& escaper_;
};

// One dasha system's object: its balance, its periods to the depth asked for and the chain
// running at a moment.
class DashaWriter {
public:
    DashaWriter(JsonLine& line, const DashaTimeline& timeline, int clockOffsetSeconds, int depth)
        : line_(line), timeline_(timeline), rulers_(DashaRulers(timeline.System)),
          clockOffsetSeconds_(clockOffsetSeconds), depth_(depth), withSeconds_(depth > 2),
          yogini_(timeline.System == DashaSystem::Yogini) {}

    // Gives false when `runningAt` lies outside the mahadashas.
    bool Write(std::optional<double> runningAt) {
        bool inside = true;
        line_.Open();
        const DashaBalance& balance = timeline_.Balance;
        line_.Key("Balance").Open();
        line_.Key("Days").Integer(balance.Days);
        line_.Key("Lord").Word(rulers_[balance.Ruler].Lord);
        line_.Key("Months").Integer(balance.Months);
        line_.Key("Years").Integer(balance.Years);
        if (yogini_) line_.Key("Yogini").Word(rulers_[balance.Ruler].Yogini);
        line_.Close();
        line_.Key("Periods").OpenList();
        for (const DashaPeriod& period : timeline_.Mahadashas) WritePeriod(period);
        line_.CloseList();
        if (runningAt) {
            line_.Key("Running");
            const auto running = timeline_.RunningAt(*runningAt);
            inside = running.has_value();
            if (running) {
                WriteRunning(*running);
            } else {
                line_.Null();
            }
        }
        line_.Key("YearDays").Number(timeline_.YearDays);
        line_.Close();
        return inside;
    }

private:
    void WritePeriod(const DashaPeriod& period) {
        const bool hasSubs = period.Level < depth_;
        const std::string_view subKey = hasSubs ? DashaLevelKeys[period.Level] : "";
        // "Antardashas" sorts before "End"; the deeper keys between "Lord" and "Start".
        const bool subsFirst = subKey == DashaLevelKeys[1];
        line_.Element().Open();
        if (hasSubs && subsFirst) WriteSubPeriods(period, subKey);
        Time("End", period.EndTick, withSeconds_);
        line_.Key("Lord").Word(rulers_[period.Ruler].Lord);
        if (hasSubs && !subsFirst) WriteSubPeriods(period, subKey);
        Time("Start", period.StartTick, withSeconds_);
        if (yogini_) line_.Key("Yogini").Word(rulers_[period.Ruler].Yogini);
        line_.Close();
    }

    void WriteSubPeriods(const DashaPeriod& period, std::string_view key) {
        line_.Key(key).OpenList();
        for (const DashaPeriod& sub : timeline_.SubPeriods(period)) WritePeriod(sub);
        line_.CloseList();
    }

    void WriteRunning(const RunningDashas& running) {
        line_.OpenList();
        for (const DashaPeriod& period : running) {
            line_.Element().Open();
            Time("End", period.EndTick, true);
            line_.Key("Level").Word(DashaLevelNames[period.Level - 1]);
            line_.Key("Lord").Word(rulers_[period.Ruler].Lord);
            Time("Start", period.StartTick, true);
            line_.Close();
        }
        line_.CloseList();
    }

    // A period's start is the end of its elder sibling, written two times before it: the
    // texts of the last few ticks are kept, which spares half the dates.
    void Time(std::string_view key, std::int64_t tick, bool withSeconds) {
        line_.Key(key);
        for (const RecentTime& recent : recent_) {
            if (recent.Length > 0 && recent.Tick == tick && recent.WithSeconds == withSeconds) {
                return line_.Word({recent.Text.data(), recent.Length});
            }
        }
        RecentTime& kept = recent_[next_++ % recent_.size()];
        kept.Tick = tick;
        kept.WithSeconds = withSeconds;
        kept.Length = WriteLocalTime(timeline_.JulianDayAt(tick), clockOffsetSeconds_, withSeconds,
                                     kept.Text.data());
        line_.Word({kept.Text.data(), kept.Length});
    }

    struct RecentTime {
        std::int64_t Tick = 0;
        bool WithSeconds = false;
        std::size_t Length = 0;  // none kept while 0
        std::array<char, LocalSecondTextLength> Text{};
    };
    std::array<RecentTime, 4> recent_{};
    std::size_t next_ = 0;

    JsonLine& line_;
    const DashaTimeline& timeline_;
    std::span<const DashaRuler> rulers_;
    int clockOffsetSeconds_;
    int depth_;
    bool withSeconds_;
    bool yogini_;
};

// "Vargas": for each divisional chart, in the byte order of its key ("D1", "D10", … "D9"), the
// ascendant's and the nine bodies' signs and degrees within them.
void WriteVargas(JsonLine& line, const ChartResult& chart) {
    static const auto [keys, order] = [] {
        std::array<std::string, VargaDivisions.size()> names;
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = "D" + std::to_string(VargaDivisions[i]);
        return std::pair(names, KeyOrder(names));
    }();
    static const auto bodyOrder = KeyOrder(AscendantAndBodyNames);
    line.Key("Vargas").Open();
    for (const std::size_t varga : order) {
        line.Key(keys[varga]).Open();
        for (const std::size_t body : bodyOrder) {
            const double longitude = chart.Longitudes[body == 0 ? AscendantPoint : body - 1];
            const VargaPlace place = VargaPlaceOf(VargaDivisions[varga], longitude);
            line.Key(AscendantAndBodyNames[body]).Open();
            line.Key("Degrees").Number(place.Degrees);
            line.Key("Sign").Word(SignAbbreviation(place.Sign));
            line.Close();
        }
        line.Close();
    }
    line.Close();
}

// "Shadbala": the seven planets' strengths by name, a strength left out as null.
void WriteShadbala(JsonLine& line, const Shadbala& shadbala) {
    static const auto planetOrder = [] {
        std::array<std::string_view, 7> names{};
        std::copy_n(BodyNames.begin(), names.size(), names.begin());
        return std::pair(names, KeyOrder(names));
    }();
    const auto number = [&](std::string_view key, const std::optional<double>& value) {
        line.Key(key);
        value ? line.Number(*value) : line.Null();
    };
    line.Key("Shadbala").Open();
    for (const std::size_t planet : planetOrder.second) {
        const PlanetStrength& strength = shadbala.Planets[planet];
        const ShadbalaComponents& parts = strength.Components;
        line.Key(planetOrder.first[planet]).Open();
        number("Cheshta", strength.Cheshta);
        line.Key("Components").Open();
        number("Abda", parts.Abda);
        number("Ayana", parts.Ayana);
        number("Drekkana", parts.Drekkana);
        number("Hora", parts.Hora);
        number("Kendra", parts.Kendra);
        number("Masa", parts.Masa);
        number("Nathonnatha", parts.Nathonnatha);
        number("Ojayugma", parts.Ojayugma);
        number("Paksha", parts.Paksha);
        number("Saptavargaja", parts.Saptavargaja);
        number("Tribhaga", parts.Tribhaga);
        number("Uchcha", parts.Uchcha);
        number("Vara", parts.Vara);
        number("Yuddha", parts.Yuddha);
        line.Close();
        number("Dig", strength.Dig);
        number("Drik", strength.Drik);
        number("Kala", strength.Kala);
        number("Naisargika", strength.Naisargika);
        number("Ratio", strength.Ratio);
        number("Required", strength.Required);
        number("Rupas", strength.Rupas);
        number("Sthana", strength.Sthana);
        number("Total", strength.Total);
        line.Close();
    }
    line.Close();
    if (!shadbala.Note.empty()) line.Key("ShadbalaNote").Text(shadbala.Note);
}

// "Ashtakavarga": the bhinna rows by planet name and the sarva row, Aries to Pisces.
void WriteAshtakavarga(JsonLine& line, const ChartResult& chart) {
    static const auto planetOrder = [] {
        std::array<std::string_view, AshtakavargaPlanets.size()> names{};
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = BodyNames[AshtakavargaPlanets[i]];
        return std::pair(names, KeyOrder(names));
    }();
    const Ashtakavarga bindus = ComputeAshtakavarga(chart);
    const auto row = [&](const SignBindus& counts) {
        line.OpenList();
        for (const int count : counts) line.Element().Integer(count);
        line.CloseList();
    };
    line.Key("Ashtakavarga").Open();
    line.Key("Bhinna").Open();
    for (const std::size_t planet : planetOrder.second) {
        line.Key(planetOrder.first[planet]);
        row(bindus.Bhinna[planet]);
    }
    line.Close();
    line.Key("Sarva");
    row(bindus.Sarva);
    line.Close();
}

}  // namespace

ChartJsonWriter::ChartJsonWriter(const std::optional<TimingOutput>& timing, VargaOutput vargas,
                                 Language language)
    : timing_(timing), vargas_(vargas), language_(language), escaper_(std::make_unique<TextEscaper>()) {}
ChartJsonWriter::~ChartJsonWriter() = default;
ChartJsonWriter::ChartJsonWriter(ChartJsonWriter&&) noexcept = default;
ChartJsonWriter& ChartJsonWriter::operator=(ChartJsonWriter&&) noexcept = default;

const std::string& ChartJsonWriter::Line(const ChartResult& chart, const std::string& reportText,
                                         const ChartTiming* timing, const ChartPlace* place,
                                         const Shadbala* shadbala) {
    line_.clear();
    Append(chart, reportText, timing, place, line_, shadbala);
    return line_;
}

void ChartJsonWriter::Append(const ChartResult& c, const std::string& reportText,
                             const ChartTiming* timing, const ChartPlace* place, std::string& out,
                             const Shadbala* shadbala) {
    static const auto bodyOrder = KeyOrder(BodyNames);
    static const auto navamsaOrder = KeyOrder(AscendantAndBodyNames);
    static const auto rowOrder = [] {
        std::array<std::string_view, PlanetTableRows> bodies{};
        const auto rows = ComputePlanetTable(ChartResult{});
        for (std::size_t i = 0; i < bodies.size(); ++i) bodies[i] = rows[i].Body;
        return KeyOrder(bodies);
    }();
    if (!timing_) timing = nullptr;
    dashaAtOutside_ = false;
    std::optional<double> runningAt;
    if (timing && timing_->DashaAtLocalSeconds) {
        runningAt = UnixEpochJulianDay +
                    static_cast<double>(*timing_->DashaAtLocalSeconds - timing->ClockOffsetSeconds) / SecondsPerDay;
    }
    const int depth = timing_ ? timing_->DashaDepth.value_or(2) : 2;
    const auto dasha = [&](DashaSystem system) {
        const auto index = static_cast<std::size_t>(system);
        if (!timing || !timing_->Systems[index]) return;
        JsonLine line(out, *escaper_);
        line.Key(DashaSystemNames[index]);
        DashaWriter writer(line, timing->Dashas[index], timing->ClockOffsetSeconds, depth);
        if (!writer.Write(runningAt)) dashaAtOutside_ = true;
    };

    JsonLine line(out, *escaper_);
    const auto position = [&](std::string_view text) {
        if (language_ == Language::English) return line.Text(text);
        position_.clear();
        AppendPositionTextIn(language_, text, position_);
        line.Text(position_);
    };
    line.Open();
    line.Key("AscendantDegrees").Number(c.AscendantDegrees);
    line.Key("AscendantText");
    position(c.AscendantText);
    if (vargas_.Ashtakavarga) WriteAshtakavarga(line, c);
    dasha(DashaSystem::Ashtottari);
    line.Key("Ayanamsa").Number(c.AyanamsaDegrees);
    line.Key("AyanamsaCorrection").Number(c.AyanamsaCorrection);
    line.Key("AyanamsaDisplay").Text(c.AyanamsaDisplay);
    line.Key("AyanamsaName").Word(c.AyanamsaName);
    line.Key("AyanamsaText").Text(c.AyanamsaText);
    line.Key("BirthDayNumber").Number(c.BirthDayNumber);
    line.Key("Centuries1900").Number(c.Centuries1900);
    if (place) line.Key("DaylightSaving").Flag(place->Clock.DaylightSaving);
    line.Key("Engine").Word(EngineName(c.ComputedBy));
    line.Key("Ephemeris").Text(c.Ephemeris);
    line.Key("JulianDayUT").Number(c.JulianDayUT);
    line.Key("KetuText");
    position(c.KetuText);
    line.Key("LagnaName").Text(NameIn(NamesIn(language_).Lagnas, LagnaNames, c.LagnaName));
    line.Key("LagnaSign").Text(c.LagnaSign);
    line.Key("Longitudes").Open();
    for (const std::size_t body : bodyOrder) line.Key(BodyNames[body]).Number(c.Longitudes[body]);
    line.Close();
    line.Key("MidheavenDegrees").Number(c.MidheavenDegrees);
    line.Key("MidheavenText");
    position(c.MidheavenText);
    line.Key("MoonNakshatra").Text(c.MoonNakshatra);
    const auto table = ComputePlanetTable(c);
    line.Key("MoonPada").Integer(table[PlanetTableRow(MoonBody)].Pada);
    line.Key("MoonPositionText");
    position(c.MoonPositionText);
    line.Key("MoonRashi").Text(c.MoonRashi);
    line.Key("NakshatraLord").Text(c.NakshatraLord);
    line.Key("NakshatraPada").Text(c.NakshatraPada);
    if (timing) {
        line.Key("Navamsa").Open();
        for (const std::size_t i : navamsaOrder) {
            line.Key(AscendantAndBodyNames[i]).Word(SignAbbreviation(timing->Navamsa[i].Sign));
        }
        line.Close();
        const Panchang& p = timing->Panchang;
        line.Key("Panchang").Open();
        line.Key("Karana").Word(p.Karana);
        line.Key("Paksha").Word(p.Paksha);
        line.Key("Sunrise");
        if (p.SunriseJulianDayUT) {
            line.Time(*p.SunriseJulianDayUT, timing->ClockOffsetSeconds, true);
        } else {
            line.Null();
        }
        line.Key("SunriseRule").Word(SunriseRuleName(timing->Sunrise));
        line.Key("Tithi").Word(p.Tithi);
        line.Key("TithiNumber").Integer(p.TithiNumber);
        line.Key("Vara").Word(p.Vara);
        line.Key("Yoga").Word(p.Yoga);
        line.Key("YogaNumber").Integer(p.YogaNumber);
        line.Close();
    }
    if (place) {
        const AtlasPlace& atlas = *place->Place;
        line.Key("Place").Open();
        line.Key("Country").Text(atlas.Country);
        line.Key("Latitude").Number(atlas.Latitude);
        line.Key("Longitude").Number(atlas.Longitude);
        line.Key("Name").Text(atlas.Name);
        line.Key("Population").Integer(atlas.Population);
        line.Key("State").Text(atlas.State);
        line.Key("TimeZone").Text(atlas.TimeZone);
        line.Close();
        if (!place->Note.empty()) line.Key("PlaceNote").Text(place->Note);
    }
    const auto texts = [&](std::string_view key, const auto& list) {
        line.Key(key).OpenList();
        for (const std::string& text : list) {
            line.Element();
            position(text);
        }
        line.CloseList();
    };
    texts("PlanetTexts", c.PlanetTexts);
    line.Key("Planets").Open();
    for (const std::size_t i : rowOrder) {
        const PlanetRow& row = table[i];
        line.Key(row.Body).Open();
        line.Key("Combust");
        row.Combust ? line.Flag(*row.Combust) : line.Null();
        line.Key("Degrees").Number(row.Degrees);
        line.Key("Dignity");
        row.Dignity ? line.Word(*row.Dignity) : line.Null();
        line.Key("House").Integer(row.House);
        line.Key("Longitude").Number(row.Longitude);
        line.Key("Nakshatra").Word(row.Nakshatra);
        line.Key("NakshatraLord").Word(row.NakshatraLord);
        line.Key("Pada").Integer(row.Pada);
        line.Key("Retrograde");
        row.Retrograde ? line.Flag(*row.Retrograde) : line.Null();
        line.Key("Sign").Word(row.Sign);
        line.Key("Text");
        position(row.Text);
        line.Close();
    }
    line.Close();
    texts("PositionTexts", c.PositionTexts);
    line.Key("RahuText");
    position(c.RahuText);
    line.Key("Report").Text(reportText);
    // Only the precise engine knows which planets move backwards.
    if (c.ComputedBy == Engine::Precise) {
        line.Key("Retrograde").Open();
        for (const std::size_t body : bodyOrder) {
            if (std::find(RetrogradeBodies.begin(), RetrogradeBodies.end(), body) != RetrogradeBodies.end()) {
                line.Key(BodyNames[body]).Flag(c.Retrograde[body]);
            }
        }
        line.Close();
    }
    if (shadbala && vargas_.Shadbala) WriteShadbala(line, *shadbala);
    if (place) line.Key("TimeZone").Text(place->Place->TimeZone);
    // The instant itself, on the clock of no offset: "1947-08-14T18:30:00Z".
    line.Key("UniversalTime").Text(FormatLocalSecond(c.JulianDayUT, 0) + "Z");
    line.Key("UniversalTimeHours").Number(c.UniversalTimeHours);
    if (vargas_.Vargas) WriteVargas(line, c);
    dasha(DashaSystem::Vimshottari);
    dasha(DashaSystem::Yogini);
    if (place) line.Key("ZoneOffsetSeconds").Integer(place->Clock.OffsetSeconds);
    line.Key("ZoneSignFromHemisphere").Flag(c.ZoneSignFromHemisphere);
    line.Close();
}

}  // namespace grahavani
