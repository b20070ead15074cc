#include "matching/match_report.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "matching/chart_match.h"
#include "matching/match_notes.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "texts/monospaced_width.h"
#include "texts/position_text_in.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {
namespace {

std::string_view Star(const MoonPlacement& moon, Language language) {
    return Translated(language, "model/vedic_names.h NakshatraNames",
                      NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]);
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

std::string Ordinal(int number, Language language) {
    const char* pattern = number == 1 ? "%1st" : number == 2 ? "%1nd" : number == 3 ? "%1rd" : "%1th";
    return Filled(Translated(language, "matching/match_report.cpp ManglikSummary", pattern), {std::to_string(number)});
}

// The text and spaces up to `width` columns as a monospaced reader shows them.
std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (const std::size_t shown = MonospacedWidth(text); shown < width) padded.append(width - shown, ' ');
    return padded;
}

class ReportWords {
public:
    explicit ReportWords(Language language) : language_(language) {}
    std::string_view operator()(std::string_view english) const {
        return Translated(language_, "matching/match_report.cpp MatchTextReport", english);
    }

private:
    Language language_;
};

void WriteBirth(std::ostream& s, std::string_view side, const MatchedChart& matched, const MoonPlacement& moon,
                Language language) {
    const ReportWords w(language);
    s << w(side) << ": " << matched.Birth.Name << "\n"
      << w("  Born ") << BirthSummary(matched.Birth, language) << "\n"
      << w("  Moon ") << PositionTextIn(language, matched.Chart.MoonPositionText) << ", " << Star(moon, language)
      << w(" pada ") << moon.Pada << "\n";
}

}  // namespace

std::string ScoreText(double score) {
    std::ostringstream text;
    text << score;
    return text.str();
}

std::string BirthSummary(const BirthRecord& b, Language language) {
    const std::string_view english =
        b.Month >= 1 && b.Month <= 12 ? MonthNames[static_cast<std::size_t>(b.Month - 1)] : std::string_view{};
    const std::string_view month = Translated(language, "model/name_tables.h MonthNames", english);
    const auto word = [language](std::string_view text) {
        return Translated(language, "matching/match_report.cpp BirthSummary", text);
    };
    std::ostringstream s;
    if (language == Language::English) {
        s << month << ' ' << b.Day << ", " << b.Year;
    } else {
        s << b.Day << ' ' << month << ' ' << b.Year;
    }
    s << word(" at ") << TwoDigits(b.Hour) << ':' << TwoDigits(b.Minute) << word(" in ") << b.City << ", " << b.State
      << ", " << b.Country;
    return s.str();
}

std::string ManglikSummary(const Manglik& manglik, Language language) {
    constexpr std::array<std::string_view, 3> references = {"the lagna", "the Moon", "Venus"};
    const auto word = [language](std::string_view text) {
        return Translated(language, "matching/match_report.cpp ManglikSummary", text);
    };
    std::string reasons;
    std::string houses;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const std::string from = Filled(word("%1 from %2"), {Ordinal(manglik.MarsHouses[i], language), word(references[i])});
        houses += (houses.empty() ? "" : ", ") + from;
        if (manglik.FromReference[i]) reasons += (reasons.empty() ? "" : ", ") + from;
    }
    return (manglik.Any ? std::string(word("Manglik, Mars ")) + reasons : std::string(word("not Manglik"))) +
           std::string(word(" (Mars ")) + houses + ")";
}

std::string_view KootaClassIn(Language language, std::size_t koota, std::string_view englishClass) {
    constexpr std::array<std::string_view, 8> contexts = {
        "matching/ashtakoota.cpp VarnaNames", "matching/ashtakoota.cpp VashyaNames", "",
        "matching/star_classes.h YoniNames",  "model/name_tables.h BodyNames",       "matching/star_classes.h GanaNames",
        "model/name_tables.h SignAbbreviationList", "matching/star_classes.h NadiNames"};
    return koota < contexts.size() && !contexts[koota].empty() ? Translated(language, contexts[koota], englishClass)
                                                               : englishClass;
}

std::string_view KootaLabelIn(std::size_t koota, Language language) {
    return Translated(language, "matching/ashtakoota.h KootaLabels", KootaLabels[koota]);
}

std::string_view PoruthamLabelIn(std::size_t porutham, Language language) {
    return Translated(language, "matching/porutham.h PoruthamLabels", PoruthamLabels[porutham]);
}

std::string_view VerdictIn(std::string_view verdict, Language language) {
    return Translated(language, "matching/ashtakoota.cpp AshtakootaVerdict", verdict);
}

std::vector<std::string> MatchNotesIn(const ChartMatch& match, Language language) {
    return language == Language::English ? match.Kootas.Notes
                                         : MatchNotes(match.BoyMoon, match.GirlMoon, match.Kootas, match.BoyManglik,
                                                      match.GirlManglik, language);
}

std::string MatchTextReport(const MatchedChart& boy, const MatchedChart& girl, Language language) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    const Ashtakoota& kootas = match.Kootas;
    const ReportWords w(language);
    const std::string of(w(" of "));
    std::ostringstream s;
    s << w("Kundali Matching\n\n");
    WriteBirth(s, "Boy", boy, match.BoyMoon, language);
    WriteBirth(s, "Girl", girl, match.GirlMoon, language);
    // Each column as wide as designed for English, wider where a text of the language needs it.
    std::vector<std::array<std::string, 4>> rows = {{std::string(w("Koota")), std::string(w("Boy")),
                                                     std::string(w("Girl")), std::string(w("Score\n"))}};
    for (std::size_t i = 0; i < kootas.Kootas.size(); ++i) {
        const Koota& koota = kootas.Kootas[i];
        std::string boyClass(KootaClassIn(language, i, koota.Boy));
        if (static_cast<KootaName>(i) == KootaName::Bhakoot) boyClass += " (" + std::string(kootas.BhakootDistance) + ")";
        rows.push_back({std::string(KootaLabelIn(i, language)),
                        boyClass, std::string(KootaClassIn(language, i, koota.Girl)),
                        ScoreText(koota.Score) + of + ScoreText(koota.Maximum) + "\n"});
    }
    std::array<std::size_t, 3> widths = {14, 13, 13};
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            widths[column] = std::max(widths[column], MonospacedWidth(row[column]) + 1);
        }
    }
    s << w("\nAshtakoota\n");
    for (const auto& row : rows) {
        s << Padded(row[0], widths[0]) << Padded(row[1], widths[1]) << Padded(row[2], widths[2]) << row[3];
    }
    s << w("Total ") << ScoreText(kootas.Total) << of << ScoreText(AshtakootaMaximum) << "\n"
      << w("Verdict: ") << VerdictIn(kootas.Verdict, language) << "\n";
    const std::vector<std::string> notes = MatchNotesIn(match, language);
    s << w("Notes:") << (notes.empty() ? w(" none") : "") << "\n";
    for (const std::string& note : notes) s << "  " << note << "\n";
    s << w("\nManglik\n");
    s << w("Boy: ") << ManglikSummary(match.BoyManglik, language) << "\n"
      << w("Girl: ") << ManglikSummary(match.GirlManglik, language) << "\n";
    s << w("\nPoruthams\n");
    std::array<std::string, PoruthamLabels.size()> labels;
    std::size_t labelWidth = 14;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = PoruthamLabelIn(i, language);
        labelWidth = std::max(labelWidth, MonospacedWidth(labels[i]) + 1);
    }
    for (std::size_t i = 0; i < match.Agreements.Agrees.size(); ++i) {
        s << Padded(labels[i], labelWidth) << (match.Agreements.Agrees[i] ? w("agrees") : w("does not agree")) << "\n";
    }
    s << match.Agreements.AgreeCount() << of << match.Agreements.Agrees.size() << w(" agree\n");
    return s.str();
}

}  // namespace grahavani
