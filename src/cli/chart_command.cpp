#include "chart_command.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "atlas/place_birth_record.h"
#include "atlas/place_entries.h"
#include "atlas/place_search.h"
#include "atlas/zone_direction.h"
#include "batch_charts.h"
#include "chart/chart_timing.h"
#include "chart_json.h"
#include "place_lookup.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "model/birth_entries.h"
#include "chart/compute_chart.h"
#include "chart/shadbala_input.h"
#include "model/reference_tables.h"
#include "command_line_values.h"
#include "control_characters.h"
#include "formats/chart_file.h"
#include "formats/text_report.h"
#include "model/language.h"
#include "match_command.h"
#include "output_file.h"

namespace grahavani {

namespace {

constexpr const char* StandardOutputName = "-";

struct Arguments {
    std::string name, date, time, latitude, longitude, zone, city, state, country;
    bool daylightSaving = false;
    std::string outputPath, chartFile, batchFile, saveChart;
    bool force = false;  // replace a write-protected -o target
    bool listZones = false;
    ChartOptions chart;
    bool json = false;
    std::string place, findPlace;
    std::size_t limit = 10;
    int fold = 0;
    std::string ownAyanamsa, dashaAt;
    TimingOutput timing;
    std::string pdfPath;
    Paper paper = Paper::A4;
    ChartStyle style = ChartStyle::North;
    bool lagnaAtTop = false;
    const PdfPrinters* printers = nullptr;
    int dashaDepth = 0;
    bool yogini = false, ashtottari = false;
    VargaOutput vargas;
    bool noTiming = false;
    std::vector<std::string> matchFiles;  // the boy's, the girl's
    Language language = Language::English;
};

// A message for a bad argument: exit status 2, nothing written.
struct ArgumentError {
    std::string message;
};

const char* ArgumentOf(EntryField field) {
    switch (field) {
        case EntryField::Name: return "--name";
        case EntryField::Day:
        case EntryField::Month:
        case EntryField::Year: return "--date";
        case EntryField::Hour:
        case EntryField::Minute: return "--time";
        case EntryField::LatitudeDegrees:
        case EntryField::LatitudeMinutes: return "--lat";
        case EntryField::LongitudeDegrees:
        case EntryField::LongitudeMinutes: return "--lon";
        case EntryField::City: return "--city";
        case EntryField::State: return "--state";
        case EntryField::Country: return "--country";
        case EntryField::TimeZone: return "--zone";
    }
    return "";
}

std::size_t ZoneRow(const std::string& zone) {
    const auto row = ReadTimeZone(zone);
    if (!row) {
        throw ArgumentError{"--zone: expected a row number from 0 to 70 or the exact text of a "
                            "row (see --list-zones), got \"" + zone + "\""};
    }
    return *row;
}

BirthEntries EntriesFromArguments(const Arguments& a) {
    const auto date = ReadDate(a.date);
    if (!date) throw ArgumentError{"--date: expected YYYY-MM-DD, got \"" + a.date + "\""};
    const auto time = ReadTime(a.time);
    if (!time) throw ArgumentError{"--time: expected HH:MM, got \"" + a.time + "\""};
    const auto latitude = ReadCoordinate(a.latitude, 'N', 'S');
    if (!latitude) {
        throw ArgumentError{"--lat: expected degrees, N or S, minutes (like 28N39), got \"" +
                            a.latitude + "\""};
    }
    const auto longitude = ReadCoordinate(a.longitude, 'E', 'W');
    if (!longitude) {
        throw ArgumentError{"--lon: expected degrees, E or W, minutes (like 77E13), got \"" +
                            a.longitude + "\""};
    }
    BirthEntries e;
    e.Name = a.name;
    e.Day = date->day;
    e.Month = date->month;
    e.Year = date->year;
    e.Hour = time->hour;
    e.Minute = time->minute;
    e.LatitudeDegrees = latitude->degrees;
    e.LatitudeMinutes = latitude->minutes;
    e.IsSouth = latitude->negativeDirection;
    e.LongitudeDegrees = longitude->degrees;
    e.LongitudeMinutes = longitude->minutes;
    e.IsEast = !longitude->negativeDirection;
    e.City = a.city;
    e.State = a.state;
    e.Country = a.country;
    e.TimeZoneRow = ZoneRow(a.zone);
    e.DaylightSaving = a.daylightSaving;
    for (const auto& check : {CheckListValues, CheckDate, CheckCoordinates}) {
        if (const auto problem = check(e)) {
            throw ArgumentError{std::string(ArgumentOf(problem->focus.value_or(EntryField::Day))) +
                                ": " + problem->message};
        }
    }
    return e;
}

std::string ReadChartFileBytes(const std::string& path, const std::string& option) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ArgumentError{option + ": cannot read " + path};
    std::string bytes(ChartFileReadLimit + 1, '\0');  // one more tells a file too long to be a chart
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) throw ArgumentError{option + ": cannot read " + path};
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// Checks standard output once everything is written to it: output that did not
// arrive is a failure.
int FinishStandardOutput(std::ostream& out, std::ostream& err, int status) {
    // A write that failed already left its reason in errno; else the flush leaves it.
    if (out.good()) {
        errno = 0;
        out.flush();
        if (out.good()) return status;
    }
    const int reason = errno ? errno : EIO;
    err << "grahavani-chart: cannot write standard output: " << std::strerror(reason) << "\n";
    return ExitBadBirthData;
}

// Writes through a temporary file that replaces `path` only when complete.
int WriteFileWhole(const std::string& path, const char* option, bool force, std::ostream& err,
                   const auto& writer) {
    OutputFile file(path, force);
    if (!file.IsOpen()) {
        err << option << ": " << file.OpenError() << "\n";
        return ExitBadArguments;
    }
    writer(file.Stream());
    std::string error;
    if (!file.Commit(error)) {
        err << option << ": " << error << "\n";
        return ExitBadBirthData;
    }
    return ExitSuccess;
}

// Writes to standard output (no -o, or -o -), or through a temporary file to -o.
int WriteResult(const Arguments& a, std::ostream& out, std::ostream& err, const auto& writer) {
    if (a.outputPath.empty() || a.outputPath == StandardOutputName) {
        writer(out);
        return FinishStandardOutput(out, err, ExitSuccess);
    }
    return WriteFileWhole(a.outputPath, "-o", a.force, err, writer);
}

// The chart file the desktop writes for the entries, and nothing on standard output.
int SaveChartFile(const Arguments& a, const BirthEntries& entries, std::string_view atlasTimeZone,
                  std::ostream& err) {
    const std::string bytes = WriteChartFile(entries, atlasTimeZone);
    return WriteFileWhole(a.saveChart, "--save-chart", false, err, [&](std::ostream& s) { s << bytes; });
}

// A PDF's bytes to --pdf's file or standard output.
int WritePdf(const std::string& bytes, const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.pdfPath == StandardOutputName) {
        out << bytes;
        return FinishStandardOutput(out, err, ExitSuccess);
    }
    return WriteFileWhole(a.pdfPath, "--pdf", false, err, [&](std::ostream& s) { s << bytes; });
}

// The horoscope of the chart as a PDF.
int WriteHoroscope(Horoscope horoscope, const Arguments& a, std::ostream& out, std::ostream& err) {
    try {
        horoscope.Timing = ComputeChartTiming(horoscope.Birth, horoscope.Chart, a.timing.Year, a.timing.Sunrise);
        horoscope.Strengths = ComputeShadbala(ShadbalaInputOf(horoscope.Birth, horoscope.Chart, a.timing.Sunrise));
    } catch (const EphemerisFailure& failure) {
        err << "grahavani-chart: " << failure.what() << "\n";
        return ExitBadBirthData;
    }
    horoscope.Style = a.style;
    horoscope.LagnaAtTop = a.lagnaAtTop;
    horoscope.Language = a.language;
    return WritePdf(a.printers->Horoscope(horoscope, a.paper), a, out, err);
}

int WriteReport(const BirthRecord& birth, const ChartPlace* place, std::string_view zoneText, const Arguments& a,
                std::ostream& out, std::ostream& err) {
    if (a.chart.engine == Engine::Precise) {
        if (const auto problem = CheckPreciseBirthRecord(birth)) {
            err << "grahavani-chart: " << *problem << "\n";
            return ExitBadBirthData;
        }
    }
    ChartResult chart;
    std::optional<ChartTiming> timing;
    std::optional<Shadbala> shadbala;
    try {
        ComputeChart(birth, chart, a.chart);
        if (a.json && !a.noTiming) timing = ComputeChartTiming(birth, chart, a.timing.Year, a.timing.Sunrise);
        if (a.json) shadbala = ComputeShadbala(ShadbalaInputOf(birth, chart, a.timing.Sunrise));
    } catch (const EphemerisFailure& failure) {
        err << "grahavani-chart: " << failure.what() << "\n";
        return ExitBadBirthData;
    }
    if (!chart.EphemerisNotice.empty()) err << "grahavani-chart: " << chart.EphemerisNotice << "\n";
    if (!a.pdfPath.empty()) return WriteHoroscope({birth, std::string(zoneText), a.chart, chart, {}, {}}, a, out, err);
    if (timing && !timing->EphemerisNotice.empty()) {
        err << "grahavani-chart: " << timing->EphemerisNotice << "\n";
    }
    const std::string report = BuildTextReport(birth, chart, a.language);
    if (a.json) {
        TimingOutput everySystem = a.timing;  // one chart writes all three dashas
        everySystem.Systems.fill(true);
        ChartJsonWriter writer(a.noTiming ? std::nullopt : std::optional(everySystem), VargaOutput::All(),
                               a.language);
        const std::string line =
            writer.Line(chart, TextReportText(birth, chart, a.language), timing ? &*timing : nullptr, place,
                        shadbala ? &*shadbala : nullptr) + "\n";
        if (writer.DashaAtOutsidePeriods()) {
            err << "grahavani-chart: --dasha-at " << a.dashaAt
                << " lies outside the mahadashas written, so Running is null\n";
        }
        return WriteResult(a, out, err, [&](std::ostream& s) { s << line; });
    }
    return WriteResult(a, out, err, [&](std::ostream& s) { s << report; });
}

// The atlas place a chart file's place and zone name, on the clock the file keeps, for the JSON's
// "Place"; none when the atlas no longer holds it or its clock.
std::optional<ChartPlace> AtlasPlaceOfFile(const BirthEntries& entries, const std::string& timeZone) {
    const auto local = EnteredLocalTime(entries);
    if (timeZone.empty() || !local) return std::nullopt;
    const BirthRecord birth = ToBirthRecord(entries);
    const std::int32_t offset = birth.ZoneOffsetSeconds.value_or(0) + (birth.DaylightSaving ? 3600 : 0);
    for (const AtlasPlace* place : FindPlaces(entries.City + ", " + entries.Country, 1000).Places) {
        if (place->Name != entries.City || place->State != entries.State || place->Country != entries.Country ||
            place->TimeZone != timeZone) {
            continue;
        }
        for (const int fold : {0, 1}) {  // the file's offset tells which of a repeated hour it was
            const ClockReading reading = ReadLocalClock(timeZone, *local, fold);
            if (reading.Clock && reading.Clock->OffsetSeconds == offset) return ChartPlace{place, *reading.Clock, ""};
        }
    }
    return std::nullopt;
}

struct OpenedChartFile {
    BirthEntries entries;
    std::string atlasTimeZone;
};

// The entries of a chart file on its own zone and tick, or on --zone and --dst in their place; else
// the message of birth data that cannot be used, the file's problems after `problemPrefix`.
std::variant<OpenedChartFile, std::string> OpenChartFileEntries(const Arguments& a, const std::string& path,
                                                                bool zoneGiven, const std::string& option,
                                                                const std::string& problemPrefix) {
    const std::string bytes = ReadChartFileBytes(path, option);
    if (!CouldBeChartFile(bytes)) return NotAChartFileMessage(path);
    OpenedChartFile opened;
    BirthEntries& entries = opened.entries;
    const auto read = ReadChartFile(bytes, entries);
    if (const auto* problem = std::get_if<std::string>(&read)) return problemPrefix + *problem;
    if (zoneGiven) {
        entries.TimeZoneRow = ZoneRow(a.zone);
        entries.DaylightSaving = a.daylightSaving;
        entries.ZoneOffsetSeconds.reset();
    } else if (!std::get<ChartFileClock>(read).StatesZone) {
        throw ArgumentError{option + ": " + path +
                            " does not say its time zone: give --zone (and --dst for daylight saving)"};
    } else if (a.daylightSaving) {
        throw ArgumentError{"--dst: give --zone with it; the chart file's zone keeps its own daylight saving"};
    }
    if (const auto problem = CheckBirthEntries(entries)) return problemPrefix + problem->message;
    opened.atlasTimeZone = std::get<ChartFileClock>(read).AtlasTimeZone;
    return opened;
}

int OpenChartFile(const Arguments& a, bool zoneGiven, std::ostream& out, std::ostream& err) {
    const auto opened = OpenChartFileEntries(a, a.chartFile, zoneGiven, "--open", "");
    if (const auto* problem = std::get_if<std::string>(&opened)) {
        err << *problem << "\n";
        return ExitBadBirthData;
    }
    const OpenedChartFile& file = std::get<OpenedChartFile>(opened);
    const auto place = zoneGiven ? std::nullopt : AtlasPlaceOfFile(file.entries, file.atlasTimeZone);
    return WriteReport(ToBirthRecord(file.entries), place ? &*place : nullptr, ZoneTextOf(file.entries), a, out,
                       err);
}

// The boy's and the girl's chart files, each opened as --open opens it, matched.
int WriteMatch(const Arguments& a, bool zoneGiven, std::ostream& out, std::ostream& err) {
    std::array<MatchedChart, 2> charts;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        const std::string& path = a.matchFiles[i];
        const auto opened = OpenChartFileEntries(a, path, zoneGiven, "--match", path + ": ");
        if (const auto* problem = std::get_if<std::string>(&opened)) {
            err << *problem << "\n";
            return ExitBadBirthData;
        }
        charts[i].Birth = ToBirthRecord(std::get<OpenedChartFile>(opened).entries);
        if (!ComputeMatchedChart(path, a.chart, charts[i], err)) return ExitBadBirthData;
    }
    if (!a.pdfPath.empty()) return WritePdf(a.printers->Match(charts[0], charts[1], a.paper, a.language), a, out, err);
    const std::string text = a.json ? MatchJsonLine(charts[0], charts[1], a.language)
                                    : MatchTextReport(charts[0], charts[1], a.language);
    return WriteResult(a, out, err, [&](std::ostream& s) { s << text; });
}

int Batch(const Arguments& a, std::ostream& out, std::ostream& err) {
    std::error_code ignored;
    std::ifstream in(a.batchFile, std::ios::binary);
    if (!in || std::filesystem::is_directory(a.batchFile, ignored)) {
        err << "--batch: cannot read " << a.batchFile << "\n";
        return ExitBadArguments;
    }
    bool allComputed = true;
    try {
        const int status = WriteResult(a, out, err, [&](std::ostream& s) {
            allComputed = RunBatch(in, s, err, a.chart, a.noTiming ? std::nullopt : std::optional(a.timing),
                                   a.vargas, a.language);
        });
        return status != ExitSuccess ? status : (allComputed ? ExitSuccess : ExitBadBirthData);
    } catch (const std::ios_base::failure& failure) {
        // A read that fails part-way (a device, a vanished file): -o keeps its old file.
        err << "--batch: cannot read " << a.batchFile << ": " << failure.what() << "\n";
        return ExitBadBirthData;
    }
}

// The atlas place --place names; which one, when others match too, on standard error.
FoundPlace PlaceOfArgument(const Arguments& a, std::string& placeNote, std::ostream& err) {
    const auto found = FindBirthPlace(a.place);
    if (const auto* error = std::get_if<std::string>(&found)) throw ArgumentError{"--place: " + *error};
    const FoundPlace& place = std::get<FoundPlace>(found);
    placeNote = place.OtherMatches > 0 ? FoundPlaceText(place) : "";
    if (!placeNote.empty()) err << "grahavani-chart: " << placeNote << "\n";
    return place;
}

// The entries of --date and --time, which pass the entry form's checks; the place fills the rest.
BirthEntries TimeEntries(const Arguments& a) {
    Arguments timeOnly = a;
    timeOnly.latitude = "0N0";
    timeOnly.longitude = "0E0";
    timeOnly.zone = "0";
    return EntriesFromArguments(timeOnly);
}

// The chart file of --date and --time at the atlas place, as choosing the place on the entry form
// leaves the form.
int SavePlaceChartFile(const Arguments& a, std::ostream& err) {
    std::string placeNote;
    const FoundPlace place = PlaceOfArgument(a, placeNote, err);
    BirthEntries entries = TimeEntries(a);  // on the first row, as a new entry form
    auto entered = EnterPlaceInEntries(*place.Place, a.fold, entries);
    if (const auto* error = std::get_if<std::string>(&entered)) {
        err << "grahavani-chart: " << *error << "\n";
        return ExitBadBirthData;
    }
    if (const std::string& notice = std::get<PlaceClockInForce>(entered).Notice; !notice.empty()) {
        err << "grahavani-chart: " << notice << "\n";
    }
    return SaveChartFile(a, entries, place.Place->TimeZone, err);
}

// The chart of --date and --time at the atlas place --place names, on the clock it kept then.
int WritePlaceReport(const Arguments& a, std::ostream& out, std::ostream& err) {
    std::string placeNote;
    const FoundPlace place = PlaceOfArgument(a, placeNote, err);
    BirthRecord birth = ToBirthRecord(TimeEntries(a));
    auto entered = EnterPlaceInRecord(*place.Place, a.fold, birth);
    if (const auto* error = std::get_if<std::string>(&entered)) {
        err << "grahavani-chart: " << *error << "\n";
        return ExitBadBirthData;
    }
    const ZoneClock& clock = std::get<PlaceClockInForce>(entered).Clock;
    if (const std::string& notice = std::get<PlaceClockInForce>(entered).Notice; !notice.empty()) {
        err << "grahavani-chart: " << notice << "\n";
    }
    if (a.chart.engine == Engine::Classic && ClassicReadsZoneBackwards(clock.OffsetSeconds, birth.IsEast)) {
        err << "grahavani-chart: " << ClassicZoneWarningText(place.Place->Name, clock.OffsetSeconds, birth.IsEast)
            << "\n";
    }
    const ChartPlace chartPlace{place.Place, clock, placeNote};
    return WriteReport(birth, &chartPlace, std::string(place.Place->TimeZone) + ", " + UtcOffsetText(clock.OffsetSeconds), a,
                       out, err);
}

int FindPlaceLines(const Arguments& a, std::ostream& out, std::ostream& err) {
    const PlaceMatches matches = FindPlaces(a.findPlace, a.limit);
    if (matches.Places.empty()) {
        err << "grahavani-chart: no place in the atlas matches \"" << a.findPlace << "\"\n";
        return ExitBadBirthData;
    }
    return WriteResult(a, out, err, [&](std::ostream& s) {
        for (const AtlasPlace* place : matches.Places) s << PlaceJson(*place).dump() << '\n';
    });
}

void ListZones(std::ostream& out) {
    for (std::size_t row = 0; row < TimeZoneCount; ++row) {
        out << row << '\t' << TimeZoneList[row].displayText << '\n';
    }
}

// Takes only the words of `words`: CLI11's CheckedTransformer also takes the values
// they stand for, so that "--engine 1" would pass.
template <typename Value>
CLI::Validator OneOfWords(const std::map<std::string, Value>& words) {
    std::string list;
    for (const auto& entry : words) list += (list.empty() ? "" : ", ") + entry.first;
    return CLI::Validator(
        [words, list](std::string& text) {
            const auto found = words.find(text);
            if (found == words.end()) return "expected one of " + list;
            text = std::to_string(static_cast<int>(found->second));
            return std::string();
        },
        "{" + list + "}");
}

// The words of `names`, each standing for its place in the list.
template <typename Value, std::size_t Count>
std::map<std::string, Value> WordsOf(const std::array<std::string_view, Count>& names, std::size_t count = Count) {
    std::map<std::string, Value> words;
    for (std::size_t i = 0; i < count; ++i) words.emplace(names[i], static_cast<Value>(i));
    return words;
}

}  // namespace

int RunChartCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const PdfPrinters& printers) {
    CLI::App app{"Computes Vedic birth charts and writes their text reports.",
                 "grahavani-chart"};
    Arguments a;
    a.printers = &printers;
    auto* name = app.add_option("--name", a.name, "Name of the person");
    auto* date = app.add_option("--date", a.date, "Date of birth, YYYY-MM-DD (1900 to 2050)");
    auto* time = app.add_option("--time", a.time, "Clock time of birth, HH:MM (00:00 to 24:59)");
    auto* latitude = app.add_option("--lat", a.latitude, "Latitude: degrees, N or S, minutes (28N39)");
    auto* longitude = app.add_option("--lon", a.longitude, "Longitude: degrees, E or W, minutes (77E13)");
    auto* zone = app.add_option("--zone", a.zone, "Time zone: row number 0-70 or its exact text");
    auto* dst = app.add_flag("--dst", a.daylightSaving, "Daylight saving time was in force");
    auto* city = app.add_option("--city", a.city, "City of birth");
    auto* state = app.add_option("--state", a.state, "State of birth");
    auto* country = app.add_option("--country", a.country, "Country of birth");
    auto* output = app.add_option("-o,--output", a.outputPath,
                                  "Write to FILE instead of standard output (- for standard output)");
    auto* open = app.add_option("--open", a.chartFile,
                                "Compute the chart a .gvc chart file holds, on its own zone unless --zone is given");
    auto* saveChart = app.add_option("--save-chart", a.saveChart,
                                     "Write the birth data to FILE as the program's chart file (.gvc), no report");
    auto* batch = app.add_option("--batch", a.batchFile, "Compute one chart per JSON line of FILE");
    auto* match = app.add_option("--match", a.matchFiles,
                                 "Match two chart files, the boy's and the girl's, on their own zones unless "
                                 "--zone is given")
                      ->expected(2)
                      ->type_name("BOY GIRL");
    auto* listZones = app.add_flag("--list-zones", a.listZones, "Print the time zones with their numbers");
    app.add_flag("--force", a.force, "With -o, replace FILE even when it is write-protected")
        ->needs(output);
    app.add_option("--engine", a.chart.engine, "classic (the default) or precise (Swiss Ephemeris)")
        ->transform(OneOfWords(
            std::map<std::string, Engine>{{std::string(EngineName(Engine::Classic)), Engine::Classic},
                                          {std::string(EngineName(Engine::Precise)), Engine::Precise}}));
    app.add_option("--node", a.chart.node, "Rahu of the precise engine: mean (the default) or true")
        ->transform(OneOfWords(
            std::map<std::string, LunarNode>{{"mean", LunarNode::Mean}, {"true", LunarNode::True}}));
    auto* json = app.add_flag("--json", a.json, "Write the chart as one JSON line, as --batch does");
    auto* pdf = app.add_option("--pdf", a.pdfPath, "Write the chart's horoscope as a PDF to FILE (- for standard output)");
    app.add_option("--paper", a.paper, "Paper of --pdf: a4 (the default) or letter")
                      ->transform(OneOfWords(std::map<std::string, Paper>{{"a4", Paper::A4}, {"letter", Paper::Letter}}))
                      ->needs(pdf);
    auto* style = app.add_option("--style", a.style, "Drawings of --pdf: north (the default), south or east")
        ->transform(OneOfWords(std::map<std::string, ChartStyle>{
            {"north", ChartStyle::North}, {"south", ChartStyle::South}, {"east", ChartStyle::East}}))
        ->needs(pdf);
    auto* lagnaTop = app.add_flag("--lagna-top", a.lagnaAtTop, "With --pdf, each north drawing with its lagna's sign at the top")
        ->needs(pdf);
    auto* place = app.add_option("--place", a.place,
                                 "Birth place from the atlas (\"Varanasi, India\"): its coordinates "
                                 "and the clock it kept at the birth");
    auto* fold = app.add_option("--fold", a.fold,
                                "For a clock time that happened twice: 0 the earlier (the default), 1 the later")
                     ->check(CLI::Range(0, 1))
                     ->needs(place);
    auto* findPlace = app.add_option("--find-place", a.findPlace,
                                     "Print the atlas places TEXT matches, one JSON object a line");
    app.add_option("--limit", a.limit, "How many places --find-place prints (1-1000, default 10)")
                      ->check(CLI::Range(1, 1000))
                      ->needs(findPlace);
    auto* noTiming = app.add_flag("--no-timing", a.noTiming,
                                  "Leave the panchang, navamsa and dasha out of JSON charts");
    auto* dashaYear = app.add_option("--dasha-year", a.timing.Year, "Days of a dasha year: 365.25 (the default), 365.2425 or 360")
        ->transform(OneOfWords(std::map<std::string, DashaYear>{
            {"365.25", DashaYear::Julian}, {"365.2425", DashaYear::Gregorian}, {"360", DashaYear::Savana}}));
    auto* ayanamsa = app.add_option("--ayanamsa", a.chart.ayanamsa,
                                    "Ayanamsa of the precise engine (needs --engine precise; the default "
                                    "lahiri): one of the twelve predefined modes of the Swiss Ephemeris")
        ->transform(OneOfWords(WordsOf<Ayanamsa>(AyanamsaNames, AyanamsaNames.size() - 1)));
    auto* ownAyanamsa = app.add_option("--ayanamsa-value", a.ownAyanamsa,
                                       "An ayanamsa of your own for the precise engine: decimal degrees from 0 to "
                                       "60 at the birth, subtracted from the apparent tropical places (needs --engine precise)")
        ->type_name("D")
        ->excludes(ayanamsa);
    auto* sunrise = app.add_option("--sunrise", a.timing.Sunrise,
                                   "Sunrise that begins the Vedic day: apparent-limb (the default, the upper limb "
                                   "with refraction), apparent-centre or true-centre (no refraction)")
        ->transform(OneOfWords(WordsOf<SunriseRule>(SunriseRuleNames)));
    auto* dashaDepth = app.add_option("--dasha-depth", a.dashaDepth,
                                      "Levels of the dashas in JSON charts: 1 mahadasha to 5 prana dasha, timed "
                                      "to the second from 3 (none: two levels, to the minute)")
        ->transform(OneOfWords(std::map<std::string, int>{{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}}));
    auto* dashaAt = app.add_option("--dasha-at", a.dashaAt,
                                   "YYYY-MM-DDTHH:MM or YYYY-MM-DD, on the chart's clock: write the periods "
                                   "running then, mahadasha to prana dasha, as Running")
        ->type_name("WHEN");
    auto* yogini = app.add_flag("--yogini", a.yogini, "Batch lines also write the Yogini dasha (--json always does)");
    auto* ashtottari =
        app.add_flag("--ashtottari", a.ashtottari, "Batch lines also write the Ashtottari dasha (--json always does)");
    for (auto* option : {dashaYear, sunrise, dashaDepth, dashaAt, yogini, ashtottari}) noTiming->excludes(option);
    app.add_flag("--vargas", a.vargas.Vargas, "Batch lines also write the sixteen divisional charts (--json always does)");
    app.add_flag("--ashtakavarga", a.vargas.Ashtakavarga, "Batch lines also write the ashtakavarga (--json always does)");
    app.add_flag("--shadbala", a.vargas.Shadbala, "Batch lines also write the shadbala (--json always does)");
    app.add_option("--language", a.language,
                   "Language of the report, the PDF, the matching and the JSON's texts for a reader: en (the "
                   "default), hi (Hindi) or ta (Tamil); messages stay English")
        ->transform(OneOfWords(WordsOf<Language>(LanguageCodes)));
    const CLI::Validator plainText(
        [](const std::string& text) {
            return HoldsControlCharacter(text) ? std::string(ControlCharacterRefusal) : std::string();
        },
        "");
    for (auto* option : {name, date, time, latitude, longitude, zone, city, state, country, place, findPlace}) {
        option->check(plainText);
    }

    for (auto* option : {name, date, time, latitude, longitude, city, state, country}) {
        option->excludes(open)->excludes(batch)->excludes(listZones);
    }
    open->excludes(batch)->excludes(listZones);
    for (auto* option : {output, json, open, batch, findPlace, listZones}) saveChart->excludes(option);
    for (auto* option : {output, json, noTiming, batch, findPlace, listZones, saveChart}) pdf->excludes(option);
    batch->excludes(zone)->excludes(dst)->excludes(listZones);
    for (auto* option : {latitude, longitude, zone, dst, city, state, country, open, batch, listZones}) {
        place->excludes(option);
    }
    for (auto* option : {name, date, time, latitude, longitude, zone, dst, city, state, country, open, batch,
                         listZones, place, fold, saveChart}) {
        findPlace->excludes(option);
    }
    for (auto* option : {name, date, time, latitude, longitude, city, state, country, open, batch, listZones, place,
                         fold, saveChart, findPlace, style, lagnaTop}) {
        match->excludes(option);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            return FinishStandardOutput(out, err, app.exit(error, out, err));
        }
        err << "grahavani-chart: " << error.what() << "\nRun with --help for more information.\n";
        return ExitBadArguments;
    }

    try {
        if ((ayanamsa->count() > 0 || ownAyanamsa->count() > 0) && a.chart.engine == Engine::Classic) {
            throw ArgumentError{std::string(ayanamsa->count() > 0 ? "--ayanamsa" : "--ayanamsa-value") +
                                ": the classic engine has its own ayanamsa; --ayanamsa and --ayanamsa-value "
                                "need --engine precise"};
        }
        if (ownAyanamsa->count() > 0) {
            const auto degrees = ReadOwnAyanamsa(a.ownAyanamsa);
            if (!degrees) {
                throw ArgumentError{"--ayanamsa-value: expected decimal degrees from 0 to 60 (like 23.5), got \"" +
                                    a.ownAyanamsa + "\""};
            }
            a.chart.ayanamsa = Ayanamsa::OwnValue;
            a.chart.ayanamsaValue = *degrees;
        }
        if (dashaDepth->count() > 0) a.timing.DashaDepth = a.dashaDepth;
        if (dashaAt->count() > 0) {
            a.timing.DashaAtLocalSeconds = ReadLocalMoment(a.dashaAt);
            if (!a.timing.DashaAtLocalSeconds) {
                throw ArgumentError{"--dasha-at: expected YYYY-MM-DDTHH:MM or YYYY-MM-DD, got \"" + a.dashaAt + "\""};
            }
        }
        a.timing.Systems = {true, a.yogini, a.ashtottari};
        if (pdf->count() > 0 && a.pdfPath.empty()) throw ArgumentError{"--pdf: expected a file name, or - for standard output"};
        const bool canPrint = match->count() > 0 ? static_cast<bool>(printers.Match) : static_cast<bool>(printers.Horoscope);
        if (pdf->count() > 0 && !canPrint) {
            throw ArgumentError{"--pdf: this build of grahavani-chart writes no PDF"};
        }
        if (output->count() > 0 && a.outputPath.empty()) {
            throw ArgumentError{"-o: expected a file name, or - for standard output"};
        }
        if (a.listZones) return WriteResult(a, out, err, ListZones);
        if (findPlace->count() > 0) return FindPlaceLines(a, out, err);
        if (!a.batchFile.empty()) return Batch(a, out, err);
        if (open->count() > 0) return OpenChartFile(a, zone->count() > 0, out, err);
        if (match->count() > 0) return WriteMatch(a, zone->count() > 0, out, err);
        if (zone->count() == 0 && place->count() == 0) {
            throw ArgumentError{"--zone is required (or give --place; see --help)"};
        }
        const bool fromPlace = place->count() > 0;
        for (auto* option : {name, date, time, latitude, longitude}) {
            if (option->count() == 0 && !(fromPlace && (option == latitude || option == longitude))) {
                throw ArgumentError{option->get_name() +
                                    " is required (or give --open FILE or --batch FILE)"};
            }
        }
        if (saveChart->count() > 0) {
            return fromPlace ? SavePlaceChartFile(a, err) : SaveChartFile(a, EntriesFromArguments(a), {}, err);
        }
        if (fromPlace) return WritePlaceReport(a, out, err);
        const BirthEntries entries = EntriesFromArguments(a);
        return WriteReport(ToBirthRecord(entries), nullptr, ZoneTextOf(entries), a, out, err);
    } catch (const ArgumentError& error) {
        err << "grahavani-chart: " << error.message << "\n";
        return ExitBadArguments;
    }
}

}  // namespace grahavani
