#include "render/match_pdf.h"

#include "matching/chart_match.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "render/pdf_document.h"

namespace grahavani {
namespace {

const auto Q = &DocumentText;

QString Score(double score) { return Q(ScoreText(score)); }

void BirthSection(PageFlow& flow, const QString& side, const MatchedChart& matched, const MoonPlacement& moon) {
    flow.Heading(side);
    flow.Field(QStringLiteral("Name"), Q(matched.Birth.Name));
    flow.Field(QStringLiteral("Born"), Q(BirthSummary(matched.Birth)));
    flow.Field(QStringLiteral("Moon"), QStringLiteral("%1, %2 pada %3")
                                           .arg(Q(matched.Chart.MoonPositionText))
                                           .arg(Q(NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)]))
                                           .arg(moon.Pada));
}

void AshtakootaSection(PageFlow& flow, const Ashtakoota& kootas) {
    std::vector<PageFlow::TableRow> rows;
    for (std::size_t i = 0; i < kootas.Kootas.size(); ++i) {
        const Koota& koota = kootas.Kootas[i];
        QString boy = Q(koota.Boy);
        if (static_cast<KootaName>(i) == KootaName::Bhakoot) boy += " (" + Q(kootas.BhakootDistance) + ")";
        rows.push_back({{Q(KootaLabels[i]), boy, Q(koota.Girl), Score(koota.Score), Score(koota.Maximum)}});
    }
    rows.push_back({{QStringLiteral("Total"), {}, {}, Score(kootas.Total), Score(AshtakootaMaximum)}, true});
    flow.Heading(QStringLiteral("Ashtakoota"));
    flow.Table({"Koota", "Boy", "Girl", "Score", "Maximum"}, rows);
    flow.Field(QStringLiteral("Verdict"), Q(kootas.Verdict));
    flow.Field(QStringLiteral("Notes"), kootas.Notes.empty() ? QStringLiteral("none") : QString());
    for (const std::string& note : kootas.Notes) flow.Row({Q(note)}, {1.0});
}

// The house Mars is in from each reference, "(dosha)" where it makes the chart Manglik.
void ManglikSection(PageFlow& flow, const Manglik& boy, const Manglik& girl) {
    std::vector<PageFlow::TableRow> rows;
    for (const auto& [side, manglik] : {std::pair{"Boy", &boy}, std::pair{"Girl", &girl}}) {
        QStringList cells{side, manglik->Any ? QStringLiteral("yes") : QStringLiteral("no")};
        for (std::size_t i = 0; i < manglik->MarsHouses.size(); ++i) {
            cells << QString::number(manglik->MarsHouses[i]) + (manglik->FromReference[i] ? " (dosha)" : "");
        }
        rows.push_back({cells});
    }
    flow.Heading(QStringLiteral("Manglik"));
    flow.Table({"", "Manglik", "Mars from the lagna", "From the Moon", "From Venus"}, rows);
}

}  // namespace

std::string MatchPdf(const MatchedChart& boy, const MatchedChart& girl, Paper paper) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    const QString names = QStringLiteral("%1 and %2").arg(Q(boy.Birth.Name), Q(girl.Birth.Name));
    return PdfDocument(paper, QStringLiteral("Kundali Matching of %1").arg(names), names, [&](PageFlow& flow) {
        flow.Title(QStringLiteral("Kundali Matching"));
        BirthSection(flow, QStringLiteral("Boy"), boy, match.BoyMoon);
        BirthSection(flow, QStringLiteral("Girl"), girl, match.GirlMoon);
        AshtakootaSection(flow, match.Kootas);
        ManglikSection(flow, match.BoyManglik, match.GirlManglik);
        std::vector<PageFlow::TableRow> poruthams;
        for (std::size_t i = 0; i < match.Agreements.Agrees.size(); ++i) {
            poruthams.push_back({{Q(PoruthamLabels[i]), match.Agreements.Agrees[i] ? QStringLiteral("agrees")
                                                                                    : QStringLiteral("does not agree")}});
        }
        flow.Heading(QStringLiteral("Poruthams"));
        flow.Table({"Porutham", "Agreement"}, poruthams);
        flow.Row({QStringLiteral("%1 of %2 agree")
                      .arg(match.Agreements.AgreeCount())
                      .arg(match.Agreements.Agrees.size())},
                 {1.0});
    });
}

}  // namespace grahavani
