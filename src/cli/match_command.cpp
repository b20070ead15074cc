#include "match_command.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "chart/compute_chart.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "matching/chart_match.h"
#include "matching/match_report.h"
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

Json MoonJson(const MatchedChart& matched, const MoonPlacement& moon) {
    return {{"Name", matched.Birth.Name},
            {"MoonLongitude", moon.Longitude},
            {"Nakshatra", NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]},
            {"Pada", moon.Pada},
            {"Sign", SignAbbreviation(moon.Sign)},
            {"SignLord", BodyNames[moon.SignLord]}};
}

// The verdict and the notes are for a reader, in `language`; the rest are codes.
Json AshtakootaJson(const ChartMatch& match, Language language) {
    const Ashtakoota& kootas = match.Kootas;
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
    json["Verdict"] = VerdictIn(kootas.Verdict, language);
    json["Notes"] = MatchNotesIn(match, language);
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

std::string MatchJsonLine(const MatchedChart& boy, const MatchedChart& girl, Language language) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    Json poruthams = Json::object();
    for (std::size_t i = 0; i < PoruthamKeys.size(); ++i) {
        poruthams[std::string(PoruthamKeys[i])] = match.Agreements.Agrees[i];
    }
    const Json line = {{"Boy", MoonJson(boy, match.BoyMoon)},
                       {"Girl", MoonJson(girl, match.GirlMoon)},
                       {"Ashtakoota", AshtakootaJson(match, language)},
                       {"Manglik", {{"Boy", ManglikJson(match.BoyManglik)}, {"Girl", ManglikJson(match.GirlManglik)}}},
                       {"Porutham", std::move(poruthams)}};
    return line.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace grahavani
