#include "formats/text_report.h"

#include <charconv>
#include <initializer_list>

#include "model/name_tables.h"
#include "formats/windows1252.h"

namespace grahavani {

namespace {

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

    void EndLine() { text_.append("\r\n"); }

    void Line(std::initializer_list<std::string_view> pieces) {
        for (const std::string_view piece : pieces) Text(piece);
        EndLine();
    }

    std::string Windows1252() const { return ToWindows1252(text_); }

private:
    std::string text_;
};

}  // namespace

std::string BuildTextReport(const BirthRecord& b, const ChartResult& c) {
    const std::string_view month =
        b.Month >= 1 && b.Month <= 12 ? MonthNames[static_cast<std::size_t>(b.Month - 1)]
                                      : std::string_view{};
    ReportWriter report;
    report.Line({"Name: ", b.Name});
    report.Text("Date of Birth: ").Text(month).Text(" ").Number(b.Day).Text(", ").Number(b.Year);
    report.EndLine();
    report.Text("Time of Birth: ").Number(b.Hour).Text(" Hour ").Number(b.Minute).Text(" Minute");
    report.EndLine();
    report.Text("Latitude: ").Number(b.LatitudeDegrees).Text(" Degree ");
    report.Number(b.LatitudeMinutes).Text(" Minute ").EndLine();
    report.Text("Longitude: ").Number(b.LongitudeDegrees).Text(" Degree ");
    report.Number(b.LongitudeMinutes).Text(" Minute ").EndLine();
    report.Line({"City: ", b.City});
    report.Line({"State: ", b.State});
    report.Line({"Country: ", b.Country});
    report.Line({"\r"});
    report.Line({"Planetary Position"});
    for (std::size_t body = 0; body <= 8; ++body) {
        report.Line({BodyNames[body], " ", c.PositionTexts[body]});
    }
    report.Line({"\r"});
    report.Line({"Ayanamsa: ", c.AyanamsaDisplay});
    report.Line({"Lagna / Asc: ", c.LagnaName});
    report.Line({"Nakshatra: ", c.MoonNakshatra});
    report.Line({"Rashi / Moon Sign: ", c.MoonRashi});
    report.Line({"Pada: ", c.NakshatraPada});
    report.Line({"Lord: ", c.NakshatraLord});
    return report.Windows1252();
}

}  // namespace grahavani
