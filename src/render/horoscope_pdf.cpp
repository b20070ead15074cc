#include "render/horoscope_pdf.h"

#include "chart/planet_table.h"
#include "model/name_tables.h"
#include "render/horoscope_drawings.h"
#include "render/pdf_document.h"
#include "render/readings_section.h"
#include "timing/local_time.h"
#include "vargas/ashtakavarga.h"

namespace grahavani {
namespace {

const auto Q = &DocumentText;

QString Number(double value, int decimals = 2) { return QString::number(value, 'f', decimals); }

QString Coordinates(const BirthRecord& b) {
    return QStringLiteral("%1° %2′ %3, %4° %5′ %6")
        .arg(b.LatitudeDegrees).arg(b.LatitudeMinutes).arg(b.IsSouth ? "S" : "N")
        .arg(b.LongitudeDegrees).arg(b.LongitudeMinutes).arg(b.IsEast ? "E" : "W");
}

QString Place(const BirthRecord& b) {
    QStringList parts;
    for (const std::string* part : {&b.City, &b.State, &b.Country}) {
        if (!part->empty()) parts << Q(*part);
    }
    return parts.join(QStringLiteral(", "));
}

// "YYYY-MM-DD HH:MM" on the birth place's clock.
QString LocalMinute(double julianDayUT, int clockOffsetSeconds) {
    return Q(FormatLocalMinute(julianDayUT, clockOffsetSeconds)).replace(QLatin1Char('T'), QLatin1Char(' '));
}

void CoverSection(PageFlow& flow, const Horoscope& h) {
    const BirthRecord& b = h.Birth;
    const ChartResult& c = h.Chart;
    const auto table = ComputePlanetTable(c);
    const DashaTimeline& vimshottari = h.Timing.Dashas[static_cast<std::size_t>(DashaSystem::Vimshottari)];
    const DashaBalance& balance = vimshottari.Balance;
    flow.Title(QStringLiteral("Horoscope of %1").arg(Q(b.Name)));
    flow.Heading(QStringLiteral("Birth"));
    flow.Field(QStringLiteral("Name"), Q(b.Name));
    flow.Field(QStringLiteral("Date of birth"),
               QStringLiteral("%1 %2 %3").arg(b.Day).arg(Q(MonthNames[static_cast<std::size_t>(b.Month - 1)])).arg(b.Year));
    flow.Field(QStringLiteral("Time of birth"),
               QStringLiteral("%1:%2").arg(b.Hour, 2, 10, QLatin1Char('0')).arg(b.Minute, 2, 10, QLatin1Char('0')));
    flow.Field(QStringLiteral("Place"), Place(b));
    flow.Field(QStringLiteral("Coordinates"), Coordinates(b));
    flow.Field(QStringLiteral("Time zone"), Q(h.ZoneText));
    flow.Field(QStringLiteral("Daylight saving"), b.DaylightSaving ? QStringLiteral("yes") : QStringLiteral("no"));
    flow.Field(QStringLiteral("Universal time"), Q(FormatLocalSecond(c.JulianDayUT, 0)) + QStringLiteral("Z"));
    flow.Heading(QStringLiteral("Settings"));
    flow.Field(QStringLiteral("Engine"), QStringLiteral("%1 (ephemeris: %2)").arg(Q(EngineName(c.ComputedBy)), Q(c.Ephemeris)));
    flow.Field(QStringLiteral("Ayanamsa"), QStringLiteral("%1, %2").arg(Q(c.AyanamsaName), Q(c.AyanamsaDisplay)));
    flow.Field(QStringLiteral("Lunar node"), h.Options.node == LunarNode::True ? QStringLiteral("true") : QStringLiteral("mean"));
    flow.Field(QStringLiteral("Dasha year"), QStringLiteral("%1 days").arg(DashaYearDays(h.Timing.Year)));
    flow.Heading(QStringLiteral("Chart"));
    flow.Field(QStringLiteral("Lagna"), Q(c.LagnaName));
    flow.Field(QStringLiteral("Rashi"), Q(c.MoonRashi));
    flow.Field(QStringLiteral("Nakshatra"), Q(c.MoonNakshatra));
    flow.Field(QStringLiteral("Pada"), QString::number(table[PlanetTableRow(MoonBody)].Pada));
    flow.Field(QStringLiteral("Nakshatra lord"), Q(c.NakshatraLord));
    flow.Field(QStringLiteral("Balance of dasha"),
               QStringLiteral("%1: %2 years %3 months %4 days")
                   .arg(Q(DashaRulers(DashaSystem::Vimshottari)[balance.Ruler].Lord))
                   .arg(balance.Years).arg(balance.Months).arg(balance.Days));
}

void PlanetSection(PageFlow& flow, const Horoscope& h) {
    flow.Heading(QStringLiteral("Planets"));
    const auto table = ComputePlanetTable(h.Chart);
    const auto yesNo = [](const std::optional<bool>& flag) {
        return flag ? (*flag ? QStringLiteral("yes") : QStringLiteral("no")) : QStringLiteral("—");
    };
    std::vector<PageFlow::TableRow> rows;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PlanetRow& row = table[i];
        rows.push_back({{Q(row.Body), Q(row.Text), Q(row.Nakshatra), QString::number(row.Pada), Q(row.NakshatraLord),
                        QString::number(row.House), row.Dignity ? Q(*row.Dignity) : QStringLiteral("—"),
                        yesNo(row.Retrograde), yesNo(row.Combust), Q(SignAbbreviation(h.Timing.Navamsa[i].Sign))}});
    }
    flow.Table({"Body", "Position", "Nakshatra", "Pada", "Lord", "House", "Dignity", "Retrograde", "Combust", "Navamsa"},
               rows);
}

void PanchangSection(PageFlow& flow, const Horoscope& h) {
    const Panchang& p = h.Timing.Panchang;
    flow.Heading(QStringLiteral("Panchang"));
    flow.Field(QStringLiteral("Vara"), Q(p.Vara));
    flow.Field(QStringLiteral("Tithi"), QStringLiteral("%1, %2, %3 paksha").arg(p.TithiNumber).arg(Q(p.Tithi), Q(p.Paksha)));
    flow.Field(QStringLiteral("Nakshatra"), Q(h.Chart.MoonNakshatra));
    flow.Field(QStringLiteral("Yoga"), QStringLiteral("%1 %2").arg(p.YogaNumber).arg(Q(p.Yoga)));
    flow.Field(QStringLiteral("Karana"), Q(p.Karana));
    flow.Field(QStringLiteral("Sunrise"),
               (p.SunriseJulianDayUT ? LocalMinute(*p.SunriseJulianDayUT, h.Timing.ClockOffsetSeconds)
                                     : QStringLiteral("none that day")) +
                   QStringLiteral(" (%1)").arg(Q(SunriseRuleName(h.Timing.Sunrise))));
}

void VimshottariSection(PageFlow& flow, const Horoscope& h) {
    const DashaTimeline& timeline = h.Timing.Dashas[static_cast<std::size_t>(DashaSystem::Vimshottari)];
    const auto rulers = DashaRulers(DashaSystem::Vimshottari);
    const int offset = h.Timing.ClockOffsetSeconds;
    const auto times = [&](const DashaPeriod& period) {
        return QStringList{LocalMinute(timeline.JulianDayAt(period.StartTick), offset),
                           LocalMinute(timeline.JulianDayAt(period.EndTick), offset)};
    };
    std::vector<PageFlow::TableRow> rows;
    for (const DashaPeriod& period : timeline.Mahadashas) {
        const DashaSubPeriods subs = timeline.SubPeriods(period);
        rows.push_back({QStringList{QStringLiteral("%1 mahadasha").arg(Q(rulers[period.Ruler].Lord))} + times(period),
                        true, static_cast<int>(subs.Count)});
        for (const DashaPeriod& sub : subs) rows.push_back({QStringList{Q(rulers[sub.Ruler].Lord)} + times(sub)});
    }
    flow.NewPage();
    flow.Heading(QStringLiteral("Vimshottari dasha"));
    flow.Table({QStringLiteral("Period"), QStringLiteral("Start"), QStringLiteral("End")}, rows);
}

void AshtakavargaSection(PageFlow& flow, const Horoscope& h) {
    const Ashtakavarga bindus = ComputeAshtakavarga(h.Chart);
    QStringList header{QStringLiteral("Bindus")};
    for (const std::string_view sign : SignAbbreviationList) header << Q(sign);
    header << QStringLiteral("Total");
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
        row(Q(BodyNames[AshtakavargaPlanets[planet]]), bindus.Bhinna[planet]);
    }
    row(QStringLiteral("Sarva"), bindus.Sarva);
    flow.NewPage();
    flow.Heading(QStringLiteral("Ashtakavarga"));
    AshtakavargaDrawings(flow, h);
    flow.Table(header, rows);
}

void ShadbalaSection(PageFlow& flow, const Horoscope& h) {
    QStringList header{QStringLiteral("Strength")};
    for (const std::size_t planet : AshtakavargaPlanets) header << Q(BodyNames[planet]);
    std::vector<PageFlow::TableRow> rows;
    const auto row = [&](const QString& name, auto value) {
        QStringList cells{name};
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
    flow.Heading(QStringLiteral("Shadbala"));
    flow.Table(header, rows);
    if (!h.Strengths.Note.empty()) {
        flow.Space(flow.LineHeight() * 0.5);
        flow.Row({Q(h.Strengths.Note)}, {1.0});
    }
}

}  // namespace

std::string HoroscopePdf(const Horoscope& horoscope, Paper paper) {
    const QString name = Q(horoscope.Birth.Name);
    return PdfDocument(paper, QStringLiteral("Horoscope of %1").arg(name), name, [&](PageFlow& flow) {
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
