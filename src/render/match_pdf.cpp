#include "render/match_pdf.h"

#include "matching/chart_match.h"
#include "matching/match_report.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "render/pdf_document.h"
#include "texts/position_text_in.h"
#include "translation/chart_names_in.h"

namespace grahavani {
namespace {

QString Q(std::string_view text) { return DocumentText(text); }

QString Score(double score) { return Q(ScoreText(score)); }

// The page's own words in `language`.
class Words {
public:
    explicit Words(Language language) : language_(language) {}
    QString operator()(std::string_view english) const {
        return DocumentText(language_, "render/match_pdf.cpp MatchPdf", english);
    }
    Language In() const { return language_; }

private:
    Language language_;
};

void BirthSection(PageFlow& flow, const QString& side, const MatchedChart& matched, const MoonPlacement& moon,
                  const Words& w) {
    flow.Heading(side);
    flow.Field(w("Name"), Q(matched.Birth.Name));
    flow.Field(w("Born"), Q(BirthSummary(matched.Birth, w.In())));
    flow.Field(w("Moon"), w("%1, %2 pada %3")
                              .arg(Q(PositionTextIn(w.In(), matched.Chart.MoonPositionText)),
                                   DocumentText(NakshatraNameIn(NakshatraNames[static_cast<std::size_t>(moon.Nakshatra)], w.In())))
                              .arg(moon.Pada));
}

void AshtakootaSection(PageFlow& flow, const ChartMatch& match, const Words& w) {
    const Ashtakoota& kootas = match.Kootas;
    const Language language = w.In();
    std::vector<PageFlow::TableRow> rows;
    for (std::size_t i = 0; i < kootas.Kootas.size(); ++i) {
        const Koota& koota = kootas.Kootas[i];
        QString boy = Q(KootaClassIn(language, i, koota.Boy));
        if (static_cast<KootaName>(i) == KootaName::Bhakoot) boy += " (" + Q(kootas.BhakootDistance) + ")";
        rows.push_back({{DocumentText(KootaLabelIn(i, language)), boy,
                         Q(KootaClassIn(language, i, koota.Girl)), Score(koota.Score), Score(koota.Maximum)}});
    }
    rows.push_back({{w("Total"), {}, {}, Score(kootas.Total), Score(AshtakootaMaximum)}, true});
    flow.Heading(w("Ashtakoota"));
    flow.Table({w("Koota"), w("Boy"), w("Girl"), w("Score"), w("Maximum")}, rows);
    flow.Field(w("Verdict"), DocumentText(VerdictIn(kootas.Verdict, language)));
    const std::vector<std::string> notes = MatchNotesIn(match, language);
    flow.Field(w("Notes"), notes.empty() ? w("none") : QString());
    // The English notes keep their one line each; the longer translations wrap.
    for (const std::string& note : notes) {
        if (language == Language::English) {
            flow.Row({Q(note)}, {1.0});
        } else {
            flow.Paragraph(Q(note));
        }
    }
}

// The house Mars is in from each reference, "(dosha)" where it makes the chart Manglik.
void ManglikSection(PageFlow& flow, const Manglik& boy, const Manglik& girl, const Words& w) {
    std::vector<PageFlow::TableRow> rows;
    for (const auto& [side, manglik] : {std::pair{"Boy", &boy}, std::pair{"Girl", &girl}}) {
        QStringList cells{w(side), manglik->Any ? w("yes") : w("no")};
        for (std::size_t i = 0; i < manglik->MarsHouses.size(); ++i) {
            cells << QString::number(manglik->MarsHouses[i]) + (manglik->FromReference[i] ? w(" (dosha)") : QString());
        }
        rows.push_back({cells});
    }
    flow.Heading(w("Manglik"));
    flow.Table({"", w("Manglik"), w("Mars from the lagna"), w("From the Moon"), w("From Venus")}, rows);
}

}  // namespace

std::string MatchPdf(const MatchedChart& boy, const MatchedChart& girl, Paper paper, Language language) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    const Words w(language);
    const QString names = w("%1 and %2").arg(Q(boy.Birth.Name), Q(girl.Birth.Name));
    return PdfDocument(paper, language, w("Kundali Matching of %1").arg(names), names, [&](PageFlow& flow) {
        flow.Title(w("Kundali Matching"));
        BirthSection(flow, w("Boy"), boy, match.BoyMoon, w);
        BirthSection(flow, w("Girl"), girl, match.GirlMoon, w);
        AshtakootaSection(flow, match, w);
        ManglikSection(flow, match.BoyManglik, match.GirlManglik, w);
        std::vector<PageFlow::TableRow> poruthams;
        for (std::size_t i = 0; i < match.Agreements.Agrees.size(); ++i) {
            poruthams.push_back({{DocumentText(PoruthamLabelIn(i, language)),
                                  match.Agreements.Agrees[i] ? w("agrees") : w("does not agree")}});
        }
        flow.Heading(w("Poruthams"));
        flow.Table({w("Porutham"), w("Agreement")}, poruthams);
        flow.Row({w("%1 of %2 agree").arg(match.Agreements.AgreeCount()).arg(match.Agreements.Agrees.size())}, {1.0});
    });
}

}  // namespace grahavani
