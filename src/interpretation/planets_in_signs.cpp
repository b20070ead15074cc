#include "interpretation/planets_in_signs.h"

#include <algorithm>
#include <initializer_list>

#include "interpretation/sign_summary_table.h"
#include "translation/translated.h"

namespace grahavani {

std::optional<std::size_t> SignOfShortPosition(std::string_view shortPosition) {
    const auto abbreviation = shortPosition.substr(std::min<std::size_t>(3, shortPosition.size()), 3);
    const auto row = std::ranges::find(SignSummaryTable, abbreviation, &SignSummary::abbreviation);
    if (row == SignSummaryTable.end()) return std::nullopt;
    return static_cast<std::size_t>(row - SignSummaryTable.begin());
}

std::vector<TextRun> PlanetsInSignsReading(const std::array<std::string, 12>& positionTexts, Language language) {
    constexpr std::string_view LineBreak = "\r\n";
    constexpr bool Bold = true;
    constexpr bool Plain = false;
    std::vector<TextRun> runs;
    const auto add = [&runs](bool bold, std::initializer_list<std::string_view> pieces) {
        std::string text;
        for (const auto piece : pieces) text += piece;
        runs.push_back({bold, std::move(text)});
    };

    const InterpretiveTexts& texts = InterpretiveTextsIn(language);
    const auto word = [language](std::string_view table, std::string_view english) {
        return Translated(language, table, english);
    };
    constexpr std::string_view Headings = "interpretation/planets_in_signs.h block headings";
    constexpr std::string_view Summaries = "interpretation/sign_summary_table.h ";
    for (std::size_t planet = 0; planet < ReadingPlanets.size(); ++planet) {
        const ReadingPlanet& block = ReadingPlanets[planet];
        // The Sun's description starts on its heading's line; every other one below it.
        const std::string_view headingEnd = planet == 0 ? "" : LineBreak;
        const std::string_view blockEnd = planet + 1 == ReadingPlanets.size() ? "" : "\r\n\r\n\r\n";
        const auto sign = SignOfShortPosition(positionTexts[block.positionSlot]);
        const SignSummary* summary = sign ? &SignSummaryTable[*sign] : nullptr;

        const auto summaryWord = [&](std::string_view column, std::string_view english) {
            return word(std::string(Summaries) + std::string(column), english);
        };
        if (summary) {
            add(Bold, {word("interpretation/planets_in_signs.h ReadingPlanets headings", block.headingWord), " ",
                       summaryWord("EnglishName", summary->englishName), LineBreak});
            add(Plain, {texts.planetSigns[planet][*sign], LineBreak, LineBreak});
        }
        add(Bold, {word("interpretation/planets_in_signs.h ReadingPlanets characteristics headings",
                        block.characteristicsHeading),
                   headingEnd});
        add(Plain, {texts.planetDescriptions[planet], LineBreak, LineBreak});
        add(Bold, {word(Headings, MoreAboutSignHeading), LineBreak, LineBreak});
        add(Bold, {word(Headings, KeywordsHeading), LineBreak});
        if (summary) add(Plain, {summaryWord("Keywords", summary->keywords), LineBreak, LineBreak});
        add(Bold, {word(Headings, ElementHeading), LineBreak});
        if (summary) add(Plain, {summaryWord("Element", summary->element), LineBreak, LineBreak});
        add(Bold, {word(Headings, RulingPlanetHeading), LineBreak});
        if (summary) add(Plain, {summaryWord("RulingPlanet", summary->rulingPlanet), blockEnd});
    }
    return runs;
}

}  // namespace grahavani
