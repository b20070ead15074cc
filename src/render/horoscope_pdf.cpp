#include "render/horoscope_pdf.h"

#include "chart/planet_table.h"
#include "model/name_tables.h"
#include "render/horoscope_drawings.h"
#include "render/pdf_document.h"
#include "render/readings_section.h"
#include "texts/position_text_in.h"
#include "timing/local_time.h"
#include "timing/timing_names_in.h"
#include "translation/chart_names_in.h"
#include "vargas/ashtakavarga.h"

namespace grahavani {
namespace {

const auto Q = [](std::string_view text) { return DocumentText(text); };

// The page's words in the horoscope's language: its own under one context of this file, and
// the chart's names under the catalogue's tables.
class Words {
public:
    Words(Language language, std::string_view section) : language_(language), section_(section) {}
    QString operator()(std::string_view english) const {
        return DocumentText(language_, "render/horoscope_pdf.cpp " + section_, english);
    }
    QString Name(std::string_view table, std::string_view english) const {
        return DocumentText(language_, table, english);
    }
    QString YesNo(bool yes) const {
        return DocumentText(language_, "render/horoscope_pdf.cpp YesNo", yes ? "yes" : "no");
    }
    QString Position(std::string_view text) const { return Q(PositionTextIn(language_, text)); }
    QString Timing(TimingNames names, std::string_view english) const {
        return Q(TimingNameIn(names, english, language_));
    }
    QString Lord(std::string_view lord) const { return Timing(TimingNames::DashaLords, lord); }
    QString Body(std::string_view body) const { return Q(BodyNameIn(body, language_)); }
    QString Sign(std::string_view abbreviation) const { return Q(SignCodeIn(abbreviation, language_)); }
    QString Nakshatra(std::string_view name) const { return Q(NakshatraNameIn(name, language_)); }

private:
    Language language_;
    std::string section_;
};

QString Number(double value, int decimals = 2) { return QString::number(value, 'f', decimals); }

QString Coordinates(const BirthRecord& b, const Words& w) {
    return QStringLiteral("%1° %2′ %3, %4° %5′ %6")
        .arg(b.LatitudeDegrees).arg(b.LatitudeMinutes).arg(w(b.IsSouth ? "S" : "N"))
        .arg(b.LongitudeDegrees).arg(b.LongitudeMinutes).arg(w(b.IsEast ? "E" : "W"));
}

QString Place(const BirthRecord& b) {
    QStringList parts;
    for (const std::string* part : {&b.City, &b.State, &b.Country}) {
        if (!part->empty()) parts << Q(*part);
    }
    return parts.join(QStringLiteral(", "));
}

// The zone row's text in the language; there its Latin abbreviation ("IST") is left out.
QString ZoneText(const Horoscope& h) {
    const QString zone = Q(ZoneRowTextIn(h.ZoneText, h.Language));
    const QStringList fields = zone.split(QLatin1Char(','));
    if (h.Language == Language::English || fields.size() != 3) return zone;
    return fields[0] + QStringLiteral(", ") + fields[2];
}

// "YYYY-MM-DD HH:MM" on the birth place's clock.
QString LocalMinute(double julianDayUT, int clockOffsetSeconds) {
    return Q(FormatLocalMinute(julianDayUT, clockOffsetSeconds)).replace(QLatin1Char('T'), QLatin1Char(' '));
}

// "YYYY-MM-DDTHH:MM:SSZ"; in the scripts without its Latin letters, under the field's label.
QString UniversalTime(const ChartResult& c, Language language) {
    const QString time = Q(FormatLocalSecond(c.JulianDayUT, 0));
    if (language == Language::English) return time + QStringLiteral("Z");
    return QString(time).replace(QLatin1Char('T'), QLatin1Char(' '));
}

void CoverSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "CoverSection");
    const BirthRecord& b = h.Birth;
    const ChartResult& c = h.Chart;
    const auto table = ComputePlanetTable(c);
    const DashaTimeline& vimshottari = h.Timing.Dashas[static_cast<std::size_t>(DashaSystem::Vimshottari)];
    const DashaBalance& balance = vimshottari.Balance;
    flow.Title(w("Horoscope of %1").arg(Q(b.Name)));
    flow.Heading(w("Birth"));
    flow.Field(w("Name"), Q(b.Name));
    flow.Field(w("Date of birth"),
               QStringLiteral("%1 %2 %3")
                   .arg(b.Day)
                   .arg(Q(MonthNameIn(MonthNames[static_cast<std::size_t>(b.Month - 1)], h.Language)))
                   .arg(b.Year));
    flow.Field(w("Time of birth"),
               QStringLiteral("%1:%2").arg(b.Hour, 2, 10, QLatin1Char('0')).arg(b.Minute, 2, 10, QLatin1Char('0')));
    flow.Field(w("Place"), Place(b));
    flow.Field(w("Coordinates"), Coordinates(b, w));
    flow.Field(w("Time zone"), ZoneText(h));
    flow.Field(w("Daylight saving"), w.YesNo(b.DaylightSaving));
    flow.Field(w("Universal time"), UniversalTime(c, h.Language));
    flow.Heading(w("Settings"));
    flow.Field(w("Engine"), w("%1 (ephemeris: %2)")
                                .arg(w.Name("model/chart_options.h EngineNames", EngineName(c.ComputedBy)),
                                     w.Name("engines ChartResult Ephemeris", c.Ephemeris)));
    flow.Field(w("Ayanamsa"), QStringLiteral("%1, %2").arg(w.Name("model/chart_options.h AyanamsaNames", c.AyanamsaName),
                                                           Q(c.AyanamsaDisplay)));
    flow.Field(w("Lunar node"), h.Options.node == LunarNode::True ? w("true") : w("mean"));
    flow.Field(w("Dasha year"), w("%1 days").arg(DashaYearDays(h.Timing.Year)));
    flow.Heading(w("Chart"));
    flow.Field(w("Lagna"), Q(LagnaNameIn(c.LagnaName, h.Language)));
    flow.Field(w("Rashi"), Q(RashiNameIn(c.MoonRashi, h.Language)));
    flow.Field(w("Nakshatra"), w.Nakshatra(c.MoonNakshatra));
    flow.Field(w("Pada"), QString::number(table[PlanetTableRow(MoonBody)].Pada));
    flow.Field(w("Nakshatra lord"), w.Body(c.NakshatraLord));
    flow.Field(w("Balance of dasha"), w("%1: %2 years %3 months %4 days")
                                          .arg(w.Lord(DashaRulers(DashaSystem::Vimshottari)[balance.Ruler].Lord))
                                          .arg(balance.Years).arg(balance.Months).arg(balance.Days));
}

void PlanetSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "PlanetSection");
    flow.Heading(w("Planets"));
    const auto table = ComputePlanetTable(h.Chart);
    const auto yesNo = [&w](const std::optional<bool>& flag) { return flag ? w.YesNo(*flag) : QStringLiteral("—"); };
    std::vector<PageFlow::TableRow> rows;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PlanetRow& row = table[i];
        rows.push_back({{w.Body(row.Body), w.Position(row.Text), w.Nakshatra(row.Nakshatra), QString::number(row.Pada),
                         w.Body(row.NakshatraLord),
                         QString::number(row.House),
                         row.Dignity ? Q(DignityIn(*row.Dignity, h.Language)) : QStringLiteral("—"),
                         yesNo(row.Retrograde), yesNo(row.Combust), w.Sign(SignAbbreviation(h.Timing.Navamsa[i].Sign))}});
    }
    flow.Table({w("Body"), w("Position"), w("Nakshatra"), w("Pada"), w("Lord"), w("House"), w("Dignity"),
                w("Retrograde"), w("Combust"), w("Navamsa")},
               rows);
}

void PanchangSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "PanchangSection");
    const Panchang& p = h.Timing.Panchang;
    flow.Heading(w("Panchang"));
    flow.Field(w("Vara"), w.Timing(TimingNames::Varas, p.Vara));
    flow.Field(w("Tithi"), w("%1, %2, %3 paksha")
                               .arg(p.TithiNumber)
                               .arg(w.Timing(TimingNames::Tithis, p.Tithi),
                                    w.Timing(TimingNames::Pakshas, p.Paksha)));
    flow.Field(w("Nakshatra"), w.Nakshatra(h.Chart.MoonNakshatra));
    flow.Field(w("Yoga"), QStringLiteral("%1 %2").arg(p.YogaNumber).arg(w.Timing(TimingNames::Yogas, p.Yoga)));
    flow.Field(w("Karana"), w.Timing(TimingNames::Karanas, p.Karana));
    flow.Field(w("Sunrise"),
               (p.SunriseJulianDayUT ? LocalMinute(*p.SunriseJulianDayUT, h.Timing.ClockOffsetSeconds)
                                     : w("none that day")) +
                   QStringLiteral(" (%1)").arg(w.Name("model/chart_options.h SunriseRuleNames",
                                                      SunriseRuleName(h.Timing.Sunrise))));
}

void VimshottariSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "VimshottariSection");
    const DashaTimeline& timeline = h.Timing.Dashas[static_cast<std::size_t>(DashaSystem::Vimshottari)];
    const auto rulers = DashaRulers(DashaSystem::Vimshottari);
    const int offset = h.Timing.ClockOffsetSeconds;
    const auto times = [&](const DashaPeriod& period) {
        return QStringList{LocalMinute(timeline.JulianDayAt(period.StartTick), offset),
                           LocalMinute(timeline.JulianDayAt(period.EndTick), offset)};
    };
    const QString mahadasha = w("%1 mahadasha");
    std::vector<PageFlow::TableRow> rows;
    for (const DashaPeriod& period : timeline.Mahadashas) {
        const DashaSubPeriods subs = timeline.SubPeriods(period);
        rows.push_back({QStringList{mahadasha.arg(w.Lord(rulers[period.Ruler].Lord))} + times(period), true,
                        static_cast<int>(subs.Count)});
        for (const DashaPeriod& sub : subs) rows.push_back({QStringList{w.Lord(rulers[sub.Ruler].Lord)} + times(sub)});
    }
    flow.NewPage();
    flow.Heading(w("Vimshottari dasha"));
    flow.Table({w("Period"), w("Start"), w("End")}, rows);
}

void AshtakavargaSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "AshtakavargaSection");
    const Ashtakavarga bindus = ComputeAshtakavarga(h.Chart);
    QStringList header{w("Bindus")};
    for (const std::string_view sign : SignAbbreviationList) header << w.Sign(sign);
    header << w("Total");
    std::vector<PageFlow::TableRow> rows;
    const auto row = [&](const QString& name, const SignBindus& counts) {
        QStringList cells{name};
        int total = 0;
        for (const int count : counts) {
            cells << QString::number(count);
            total += count;
        }
        rows.push_back({cells << QString::number(total)});
    };
    for (std::size_t planet = 0; planet < AshtakavargaPlanets.size(); ++planet) {
        row(w.Body(BodyNames[AshtakavargaPlanets[planet]]), bindus.Bhinna[planet]);
    }
    row(w("Sarva"), bindus.Sarva);
    flow.NewPage();
    flow.Heading(w("Ashtakavarga"));
    AshtakavargaDrawings(flow, h);
    flow.Table(header, rows);
}

void ShadbalaSection(PageFlow& flow, const Horoscope& h) {
    const Words w(h.Language, "ShadbalaSection");
    QStringList header{w("Strength")};
    for (const std::size_t planet : AshtakavargaPlanets) header << w.Body(BodyNames[planet]);
    std::vector<PageFlow::TableRow> rows;
    const auto row = [&](std::string_view name, auto value) {
        QStringList cells{w(name)};
        for (const std::size_t planet : AshtakavargaPlanets) {
            const std::optional<double> number = value(h.Strengths.Planets[planet]);
            cells << (number ? Number(*number) : QStringLiteral("—"));
        }
        rows.push_back({cells});
    };
    row("Sthana", [](const PlanetStrength& s) { return std::optional(s.Sthana); });
    row("Dig", [](const PlanetStrength& s) { return std::optional(s.Dig); });
    row("Kala", [](const PlanetStrength& s) { return s.Kala; });
    row("Cheshta", [](const PlanetStrength& s) { return std::optional(s.Cheshta); });
    row("Naisargika", [](const PlanetStrength& s) { return std::optional(s.Naisargika); });
    row("Drik", [](const PlanetStrength& s) { return std::optional(s.Drik); });
    row("Total (virupas)", [](const PlanetStrength& s) { return s.Total; });
    row("Rupas", [](const PlanetStrength& s) { return s.Rupas; });
    row("Required (rupas)", [](const PlanetStrength& s) { return std::optional(s.Required); });
    row("Ratio", [](const PlanetStrength& s) { return s.Ratio; });
    flow.Heading(w("Shadbala"));
    flow.Table(header, rows);
    if (!h.Strengths.Note.empty()) {
        flow.Space(flow.LineHeight() * 0.5);
        // The English note keeps its one line; the longer translations wrap.
        if (h.Language == Language::English) {
            flow.Row({Q(h.Strengths.Note)}, {1.0});
        } else {
            flow.Paragraph(Q(ShadbalaNoteIn(h.Strengths, h.Language)));
        }
    }
}

}  // namespace

std::string HoroscopePdf(const Horoscope& horoscope, Paper paper) {
    const QString name = Q(horoscope.Birth.Name);
    const QString title = Words(horoscope.Language, "CoverSection")("Horoscope of %1").arg(name);
    return PdfDocument(paper, horoscope.Language, title, name, [&](PageFlow& flow) {
        CoverSection(flow, horoscope);
        VargaDrawingPages(flow, horoscope);
        flow.NewPage();
        PlanetSection(flow, horoscope);
        PanchangSection(flow, horoscope);
        VimshottariSection(flow, horoscope);
        AshtakavargaSection(flow, horoscope);
        ShadbalaSection(flow, horoscope);
        ReadingsSection(flow, horoscope);
    });
}

}  // namespace grahavani
