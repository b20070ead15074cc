#include "render/readings_section.h"

#include <algorithm>

#include "interpretation/interpretation_view_texts.h"
#include "interpretation/nakshatra_profile_table.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_profile_table.h"
#include "render/pdf_document.h"
#include "render/profile_pictures.h"
#include "translation/chart_names_in.h"
#include "translation/translated.h"

namespace grahavani {
namespace {

// Points: a picture's side, well within a quarter of either paper's width.
constexpr double PictureSide = 132;

// The texts break lines with CR LF.
QString ReadingText(std::string_view text) {
    return DocumentText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
}

// `english` as the catalogue holds it under `context`, for the page.
QString ReadingText(Language language, std::string_view context, std::string_view english) {
    return ReadingText(Translated(language, context, english));
}

bool IsPlanetHeading(const TextRun& run, Language language) {
    return run.bold && std::ranges::any_of(ReadingPlanets, [&run, language](const ReadingPlanet& planet) {
               return run.text.starts_with(
                   Translated(language, "interpretation/planets_in_signs.h ReadingPlanets headings", planet.headingWord));
           });
}

void PlanetSignReadings(PageFlow& flow, const ChartResult& chart, Language language) {
    flow.Title(ReadingText(language, "interpretation/interpretation_view_texts.h PlanetsInSignsHeading",
                           PlanetsInSignsHeading));
    const std::vector<TextRun> runs = PlanetsInSignsReading(chart.PositionTexts, language);
    for (auto run = runs.begin(); run != runs.end(); ++run) {
        const QString text = ReadingText(run->text);
        if (IsPlanetHeading(*run, language)) {
            flow.Heading(text);
        } else if (run->bold) {
            // Bold lines in a row stay with the first lines of the text under them.
            const auto boldLines = std::find_if(run, runs.end(), [](const TextRun& next) { return !next.bold; }) - run;
            flow.KeepTogether(flow.LineHeight() * static_cast<double>(boldLines + 2));
            flow.Paragraph(text, true);
        } else {
            flow.Paragraph(text);
            flow.Space(flow.LineHeight() * 0.6);
        }
    }
}

struct ProfileEntry {
    int tab;  // of the view: 0 is the header beside the picture, under the title
    QString caption;
    QString value;
    bool prose;
};

struct Profile {
    QString heading;  // the view's tab caption
    QString title;    // the profile's name
    QString picture;
    QString lettering;  // the name across the picture in the reader's script; empty keeps its own
    std::vector<QString> tabCaptions;  // of tabs 1 and up, each a heading here
    std::vector<ProfileEntry> entries;  // in the view's field order
};

// A tab's entries: the short ones as a table of captions and values, then each prose one
// under its caption.
void ProfileEntries(PageFlow& flow, const Profile& profile, int tab) {
    std::vector<PageFlow::TableRow> rows;
    for (const ProfileEntry& entry : profile.entries) {
        if (entry.tab == tab && !entry.prose) rows.push_back({{entry.caption, entry.value}});
    }
    if (!rows.empty()) flow.Table({}, rows);
    for (const ProfileEntry& entry : profile.entries) {
        if (entry.tab != tab || !entry.prose) continue;
        flow.Space(flow.LineHeight() * 0.5);
        flow.KeepTogether(flow.LineHeight() * 3);
        flow.Paragraph(entry.caption, true);
        flow.Paragraph(entry.value);
    }
}

void ProfileReading(PageFlow& flow, const Profile& profile) {
    flow.Space(flow.LineHeight() * 2);
    flow.KeepTogether(flow.LineHeight() * 3 + PictureSide);  // the title with the picture
    flow.Title(profile.heading);
    if (!profile.picture.isEmpty()) {
        flow.Aside(QSizeF(PictureSide, PictureSide),
                   [path = profile.picture, lettering = profile.lettering](QPainter& painter, const QRectF& box) {
                       PaintPicture(painter, path, box, lettering);
                   });
    }
    flow.Heading(profile.title);
    ProfileEntries(flow, profile, 0);
    flow.BelowAside();
    for (std::size_t tab = 0; tab < profile.tabCaptions.size(); ++tab) {
        flow.Heading(profile.tabCaptions[tab]);
        ProfileEntries(flow, profile, static_cast<int>(tab) + 1);
    }
}

constexpr std::string_view ViewTexts = "interpretation/interpretation_view_texts.h ";
constexpr std::string_view ViewFields = "interpretation/interpretation_view_texts.cpp ";

template <std::size_t N>
std::vector<QString> Captions(const std::array<std::string_view, N>& captions, Language language,
                              std::string_view table) {
    std::vector<QString> shown;
    for (const std::string_view caption : captions) {
        shown.push_back(ReadingText(language, std::string(ViewTexts) + std::string(table), caption));
    }
    return shown;
}

QString TabCaption(std::size_t tab, Language language) {
    return ReadingText(language, std::string(ViewTexts) + "InterpretationTabCaptions", InterpretationTabCaptions[tab]);
}

Profile NakshatraProfileOf(const NakshatraProfile& nakshatra, Language language) {
    Profile profile{TabCaption(1, language),
                    ReadingText(NakshatraNameIn(nakshatra.name, language)),
                    PicturePath(ImageList::Nakshatra, nakshatra.name),
                    language == Language::English ? QString() : ReadingText(NakshatraNameIn(nakshatra.name, language)),
                    Captions(NakshatraPageCaptions, language, "NakshatraPageCaptions"),
                    {}};
    profile.tabCaptions.front() = ReadingText(NakshatraFirstPageCaption(nakshatra.name, language));
    const std::string captions = std::string(ViewFields) + "NakshatraFields captions";
    for (const NakshatraField& field : NakshatraFields) {
        profile.entries.push_back({field.page, ReadingText(language, captions, field.caption),
                                   ReadingText(NakshatraProfileColumn(nakshatra, field.column, language)),
                                   IsNakshatraProseColumn(field.column)});
    }
    return profile;
}

enum class SignRole { Lagna, Rashi };

Profile SignProfileOf(const SignProfile& sign, SignRole role, Language language) {
    const bool lagna = role == SignRole::Lagna;
    const QString signName =
        ReadingText(language, "interpretation/sign_profile_table.cpp SanskritName", sign.sanskritName);
    Profile profile{TabCaption(lagna ? 2 : 3, language), signName,
                    PicturePath(lagna ? ImageList::Lagna : ImageList::Rashi, sign.englishName), {},
                    Captions(SignPageCaptions, language, "SignPageCaptions"), {}};
    profile.tabCaptions[SignLuckyPage - 1] = ReadingText(LuckyPageCaption(sign.sanskritName, language));
    // The lagna names its sign in the lucky tab's captions, in field order; the rashi keeps them.
    const std::string captions = std::string(ViewFields) + "SignFields captions";
    const std::string prefixes = std::string(ViewFields) + "LagnaLuckyLabels";
    std::size_t luckyLabel = 0;
    for (const SignField& field : SignFields) {
        QString caption = ReadingText(language, captions, field.caption);
        if (lagna && field.page == SignLuckyPage && luckyLabel < LagnaLuckyLabels.size()) {
            caption = ReadingText(language, prefixes, LagnaLuckyLabels[luckyLabel++].captionPrefix) +
                      QLatin1Char(' ') + signName;
        }
        profile.entries.push_back({field.page, caption, ReadingText(SignProfileColumn(sign, field.column, language)),
                                   IsSignProseColumn(field.column)});
    }
    return profile;
}

}  // namespace

void ReadingsSection(PageFlow& flow, const Horoscope& horoscope) {
    const ChartResult& chart = horoscope.Chart;
    const Language language = horoscope.Language;
    flow.NewPage();
    PlanetSignReadings(flow, chart, language);
    if (const NakshatraProfile* nakshatra = NakshatraProfileFor(chart.MoonNakshatra)) {
        ProfileReading(flow, NakshatraProfileOf(*nakshatra, language));
    }
    if (const SignProfile* lagna = LagnaProfileFor(chart.LagnaSign)) {
        ProfileReading(flow, SignProfileOf(*lagna, SignRole::Lagna, language));
    }
    if (const SignProfile* rashi = RashiProfileFor(chart.MoonRashi)) {
        ProfileReading(flow, SignProfileOf(*rashi, SignRole::Rashi, language));
    }
}

}  // namespace grahavani
