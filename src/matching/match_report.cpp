#include "matching/match_report.h"

#include <array>
#include <sstream>

#include "matching/chart_match.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"

namespace grahavani {
namespace {

std::string_view Star(const MoonPlacement& moon) { return NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]; }

std::string Ordinal(int number) {
    const char* suffix = number == 1 ? "st" : number == 2 ? "nd" : number == 3 ? "rd" : "th";
    return std::to_string(number) + suffix;
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

void WriteBirth(std::ostream& s, std::string_view side, const MatchedChart& matched, const MoonPlacement& moon) {
    s << side << ": " << matched.Birth.Name << "\n"
      << "  Born " << BirthSummary(matched.Birth) << "\n"
      << "  Moon " << matched.Chart.MoonPositionText << ", " << Star(moon) << " pada " << moon.Pada << "\n";
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

}  // namespace

std::string ScoreText(double score) {
    std::ostringstream text;
    text << score;
    return text.str();
}

std::string BirthSummary(const BirthRecord& b) {
    const std::string_view month =
        b.Month >= 1 && b.Month <= 12 ? MonthNames[static_cast<std::size_t>(b.Month - 1)] : std::string_view{};
    std::ostringstream s;
    s << month << ' ' << b.Day << ", " << b.Year << " at " << TwoDigits(b.Hour) << ':' << TwoDigits(b.Minute)
      << " in " << b.City << ", " << b.State << ", " << b.Country;
    return s.str();
}

std::string ManglikSummary(const Manglik& manglik) {
    constexpr std::array<std::string_view, 3> references = {"the lagna", "the Moon", "Venus"};
    std::string reasons;
    std::string houses;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const std::string from = Ordinal(manglik.MarsHouses[i]) + " from " + std::string(references[i]);
        houses += (houses.empty() ? "" : ", ") + from;
        if (manglik.FromReference[i]) reasons += (reasons.empty() ? "" : ", ") + from;
    }
    return (manglik.Any ? "Manglik, Mars " + reasons : "not Manglik") + " (Mars " + houses + ")";
}

std::string MatchTextReport(const MatchedChart& boy, const MatchedChart& girl) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    const Ashtakoota& kootas = match.Kootas;
    std::ostringstream s;
    s << "Kundali Matching\n\n";
    WriteBirth(s, "Boy", boy, match.BoyMoon);
    WriteBirth(s, "Girl", girl, match.GirlMoon);
    s << "\nAshtakoota\n" << Padded("Koota", 14) << Padded("Boy", 13) << Padded("Girl", 13) << "Score\n";
    for (std::size_t i = 0; i < kootas.Kootas.size(); ++i) {
        const Koota& koota = kootas.Kootas[i];
        const std::string boyClass = static_cast<KootaName>(i) == KootaName::Bhakoot
                                         ? std::string(koota.Boy) + " (" + std::string(kootas.BhakootDistance) + ")"
                                         : std::string(koota.Boy);
        s << Padded(KootaLabels[i], 14) << Padded(boyClass, 13) << Padded(koota.Girl, 13) << ScoreText(koota.Score)
          << " of " << ScoreText(koota.Maximum) << "\n";
    }
    s << "Total " << ScoreText(kootas.Total) << " of " << ScoreText(AshtakootaMaximum) << "\n"
      << "Verdict: " << kootas.Verdict << "\n";
    s << "Notes:" << (kootas.Notes.empty() ? " none" : "") << "\n";
    for (const std::string& note : kootas.Notes) s << "  " << note << "\n";
    s << "\nManglik\n";
    s << "Boy: " << ManglikSummary(match.BoyManglik) << "\n"
      << "Girl: " << ManglikSummary(match.GirlManglik) << "\n";
    s << "\nPoruthams\n";
    for (std::size_t i = 0; i < match.Agreements.Agrees.size(); ++i) {
        s << Padded(PoruthamLabels[i], 14) << (match.Agreements.Agrees[i] ? "agrees" : "does not agree") << "\n";
    }
    s << match.Agreements.AgreeCount() << " of " << match.Agreements.Agrees.size() << " agree\n";
    return s.str();
}

}  // namespace grahavani
