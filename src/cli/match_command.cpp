#include "match_command.h"

#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "chart/compute_chart.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "matching/chart_match.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"

namespace grahavani {
namespace {

using Json = nlohmann::ordered_json;

// Whole scores as integers, halves as 0.5.
Json Points(double score) {
    if (score == std::floor(score)) return static_cast<int>(score);
    return score;
}

std::string PointsText(double score) {
    std::ostringstream text;
    text << score;
    return text.str();
}

std::string_view Star(const MoonPlacement& moon) { return NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]; }

Json MoonJson(const MatchedChart& matched, const MoonPlacement& moon) {
    return {{"Name", matched.Birth.Name},
            {"MoonLongitude", moon.Longitude},
            {"Nakshatra", Star(moon)},
            {"Pada", moon.Pada},
            {"Sign", SignAbbreviation(moon.Sign)},
            {"SignLord", BodyNames[moon.SignLord]}};
}

Json AshtakootaJson(const Ashtakoota& kootas) {
    Json json = Json::object();
    for (std::size_t i = 0; i < kootas.Kootas.size(); ++i) {
        const Koota& koota = kootas.Kootas[i];
        Json entry = {{"Score", Points(koota.Score)}, {"Maximum", Points(koota.Maximum)}};
        if (static_cast<KootaName>(i) == KootaName::Tara) {
            entry["Boy"] = kootas.BoyTara;
            entry["Girl"] = kootas.GirlTara;
        } else {
            entry["Boy"] = koota.Boy;
            entry["Girl"] = koota.Girl;
        }
        if (static_cast<KootaName>(i) == KootaName::Bhakoot) entry["Distance"] = kootas.BhakootDistance;
        json[std::string(KootaKeys[i])] = std::move(entry);
    }
    json["Total"] = Points(kootas.Total);
    json["Maximum"] = Points(AshtakootaMaximum);
    json["Verdict"] = kootas.Verdict;
    json["Notes"] = kootas.Notes;
    return json;
}

Json ManglikJson(const Manglik& manglik) {
    Json json = Json::object();
    Json houses = Json::object();
    for (std::size_t i = 0; i < ManglikReferenceNames.size(); ++i) {
        json[std::string(ManglikReferenceNames[i])] = manglik.FromReference[i];
        houses[std::string(ManglikReferenceNames[i])] = manglik.MarsHouses[i];
    }
    json["Any"] = manglik.Any;
    json["MarsHouses"] = std::move(houses);
    return json;
}

std::string Ordinal(int number) {
    const char* suffix = number == 1 ? "st" : number == 2 ? "nd" : number == 3 ? "rd" : "th";
    return std::to_string(number) + suffix;
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

void WriteBirth(std::ostream& s, std::string_view side, const MatchedChart& matched, const MoonPlacement& moon) {
    const BirthRecord& b = matched.Birth;
    const std::string_view month =
        b.Month >= 1 && b.Month <= 12 ? MonthNames[static_cast<std::size_t>(b.Month - 1)] : std::string_view{};
    s << side << ": " << b.Name << "\n"
      << "  Born " << month << ' ' << b.Day << ", " << b.Year << " at " << TwoDigits(b.Hour) << ':'
      << TwoDigits(b.Minute) << " in " << b.City << ", " << b.State << ", " << b.Country << "\n"
      << "  Moon " << matched.Chart.MoonPositionText << ", " << Star(moon) << " pada " << moon.Pada << "\n";
}

void WriteManglik(std::ostream& s, std::string_view side, const Manglik& manglik) {
    constexpr std::array<std::string_view, 3> references = {"the lagna", "the Moon", "Venus"};
    std::string reasons;
    std::string houses;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const std::string from = Ordinal(manglik.MarsHouses[i]) + " from " + std::string(references[i]);
        houses += (houses.empty() ? "" : ", ") + from;
        if (manglik.FromReference[i]) reasons += (reasons.empty() ? "" : ", ") + from;
    }
    s << side << ": " << (manglik.Any ? "Manglik, Mars " + reasons : "not Manglik") << " (Mars " << houses << ")\n";
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

}  // namespace

bool ComputeMatchedChart(const std::string& path, const ChartOptions& options, MatchedChart& matched,
                         std::ostream& err) {
    if (options.engine == Engine::Precise) {
        if (const auto problem = CheckPreciseBirthRecord(matched.Birth)) {
            err << "grahavani-chart: " << path << ": " << *problem << "\n";
            return false;
        }
    }
    try {
        ComputeChart(matched.Birth, matched.Chart, options);
    } catch (const EphemerisFailure& failure) {
        err << "grahavani-chart: " << path << ": " << failure.what() << "\n";
        return false;
    }
    if (!matched.Chart.EphemerisNotice.empty()) err << "grahavani-chart: " << matched.Chart.EphemerisNotice << "\n";
    return true;
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
        s << Padded(KootaLabels[i], 14) << Padded(boyClass, 13) << Padded(koota.Girl, 13) << PointsText(koota.Score)
          << " of " << PointsText(koota.Maximum) << "\n";
    }
    s << "Total " << PointsText(kootas.Total) << " of " << PointsText(AshtakootaMaximum) << "\n"
      << "Verdict: " << kootas.Verdict << "\n";
    s << "Notes:" << (kootas.Notes.empty() ? " none" : "") << "\n";
    for (const std::string& note : kootas.Notes) s << "  " << note << "\n";
    s << "\nManglik\n";
    WriteManglik(s, "Boy", match.BoyManglik);
    WriteManglik(s, "Girl", match.GirlManglik);
    s << "\nPoruthams\n";
    for (std::size_t i = 0; i < match.Agreements.Agrees.size(); ++i) {
        s << Padded(PoruthamLabels[i], 14) << (match.Agreements.Agrees[i] ? "agrees" : "does not agree") << "\n";
    }
    s << match.Agreements.AgreeCount() << " of " << match.Agreements.Agrees.size() << " agree\n";
    return s.str();
}

std::string MatchJsonLine(const MatchedChart& boy, const MatchedChart& girl) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    Json poruthams = Json::object();
    for (std::size_t i = 0; i < PoruthamKeys.size(); ++i) {
        poruthams[std::string(PoruthamKeys[i])] = match.Agreements.Agrees[i];
    }
    const Json line = {{"Boy", MoonJson(boy, match.BoyMoon)},
                       {"Girl", MoonJson(girl, match.GirlMoon)},
                       {"Ashtakoota", AshtakootaJson(match.Kootas)},
                       {"Manglik", {{"Boy", ManglikJson(match.BoyManglik)}, {"Girl", ManglikJson(match.GirlManglik)}}},
                       {"Porutham", std::move(poruthams)}};
    return line.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace grahavani
