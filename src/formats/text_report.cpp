#include "formats/text_report.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "formats/windows1252.h"
#include "texts/position_text_in.h"
#include "translation/names_in.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

// The report's labels and the names of its last lines in one language, looked up once.
struct ReportWords {
    std::string_view name, dateOfBirth, timeOfBirth, hour, minute, latitude, degree, arcMinute,
        longitude, city, state, country, planetaryPosition, ayanamsa, lagna, nakshatra, rashi,
        pada, lord;
    std::array<std::string_view, 12> rashis;
    std::array<std::string_view, 27> nakshatras;
    std::array<std::string_view, 9> lords;  // Sun to Ketu
};

// The nakshatras' lords are the nine bodies, under their English names.
constexpr std::array<std::string_view, 9> LordNames = {BodyNames[0], BodyNames[1], BodyNames[2],
                                                       BodyNames[3], BodyNames[4], BodyNames[5],
                                                       BodyNames[6], BodyNames[7], BodyNames[8]};

ReportWords WordsIn(Language language) {
    const auto label = [language](std::string_view english) {
        return Translated(language, "formats/text_report.cpp labels", english);
    };
    return {label("Name: "), label("Date of Birth: "), label("Time of Birth: "), label(" Hour "),
            label(" Minute"), label("Latitude: "), label(" Degree "), label(" Minute "),
            label("Longitude: "), label("City: "), label("State: "), label("Country: "),
            label("Planetary Position"), label("Ayanamsa: "), label("Lagna / Asc: "),
            label("Nakshatra: "), label("Rashi / Moon Sign: "), label("Pada: "), label("Lord: "),
            TranslatedTable(language, "model/vedic_names.h RashiNames", RashiNames),
            TranslatedTable(language, "model/vedic_names.h NakshatraNames", NakshatraNames),
            TranslatedTable(language, "model/reference_tables.cpp SignNakshatraTable lords", LordNames)};
}

const ReportWords& ReportWordsIn(Language language) {
    static const std::array<ReportWords, LanguageCount> words = {
        WordsIn(Language::English), WordsIn(Language::Hindi), WordsIn(Language::Tamil)};
    return words[static_cast<std::size_t>(language)];
}

// Collects the report as UTF-8 text; the code page conversion is one pass at the end.
class ReportWriter {
public:
    ReportWriter() { text_.reserve(700); }

    ReportWriter& Text(std::string_view text) {
        text_.append(text);
        return *this;
    }

    ReportWriter& Number(std::int16_t value) {
        char digits[8];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
        return *this;
    }

    ReportWriter& Position(Language language, std::string_view text) {
        AppendPositionTextIn(language, text, text_);
        return *this;
    }

    void EndLine() { text_.append("\r\n"); }

    void Line(std::initializer_list<std::string_view> pieces) {
        for (const std::string_view piece : pieces) Text(piece);
        EndLine();
    }

    std::string& Utf8() { return text_; }

private:
    std::string text_;
};

std::string ReportUtf8(const BirthRecord& b, const ChartResult& c, Language language) {
    const ReportWords& words = ReportWordsIn(language);
    const NamesInLanguage& names = NamesIn(language);
    const std::string_view month =
        b.Month >= 1 && b.Month <= 12 ? names.Months[static_cast<std::size_t>(b.Month - 1)] : std::string_view{};
    ReportWriter report;
    report.Line({words.name, b.Name});
    report.Text(words.dateOfBirth);
    if (language == Language::English) {
        report.Text(month).Text(" ").Number(b.Day).Text(", ").Number(b.Year);
    } else {
        report.Number(b.Day).Text(" ").Text(month).Text(" ").Number(b.Year);
    }
    report.EndLine();
    report.Text(words.timeOfBirth).Number(b.Hour).Text(words.hour).Number(b.Minute).Text(words.minute);
    report.EndLine();
    report.Text(words.latitude).Number(b.LatitudeDegrees).Text(words.degree);
    report.Number(b.LatitudeMinutes).Text(words.arcMinute).EndLine();
    report.Text(words.longitude).Number(b.LongitudeDegrees).Text(words.degree);
    report.Number(b.LongitudeMinutes).Text(words.arcMinute).EndLine();
    report.Line({words.city, b.City});
    report.Line({words.state, b.State});
    report.Line({words.country, b.Country});
    report.Line({"\r"});
    report.Line({words.planetaryPosition});
    for (std::size_t body = 0; body <= 8; ++body) {
        report.Text(names.Bodies[body]).Text(" ").Position(language, c.PositionTexts[body]).EndLine();
    }
    report.Line({"\r"});
    report.Line({words.ayanamsa, c.AyanamsaDisplay});
    report.Line({words.lagna, NameIn(names.Lagnas, LagnaNames, c.LagnaName)});
    report.Line({words.nakshatra, NameIn(words.nakshatras, NakshatraNames, c.MoonNakshatra)});
    report.Line({words.rashi, NameIn(words.rashis, RashiNames, c.MoonRashi)});
    report.Line({words.pada, c.NakshatraPada});
    report.Line({words.lord, NameIn(words.lords, LordNames, c.NakshatraLord)});
    return std::move(report.Utf8());
}

}  // namespace

std::string BuildTextReport(const BirthRecord& b, const ChartResult& c, Language language) {
    std::string report = ReportUtf8(b, c, language);
    return language == Language::English ? ToWindows1252(report) : report;
}

std::string TextReportText(const BirthRecord& b, const ChartResult& c, Language language) {
    return language == Language::English ? FromWindows1252(BuildTextReport(b, c, language))
                                         : ReportUtf8(b, c, language);
}

}  // namespace grahavani
