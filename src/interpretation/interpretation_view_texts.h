#pragma once
// The captions and help texts of the interpretation view, and which control shows which
// column of a profile, so that the view can be laid out from data. Spellings and trailing
// spaces belong to the texts.

#include <array>
#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

inline constexpr std::array<std::string_view, 4> InterpretationTabCaptions = {
    "More About Planets And Signs", "More About Nakshatra", "More About Lagna", "More About Rashi"};

inline constexpr std::string_view PlanetsInSignsHeading = "Planets in Signs";

// Captions shown until the first profile replaces them.
inline constexpr std::string_view NakshatraResultDesignCaption = "Nakshatra";
inline constexpr std::string_view VedicNameDesignCaption = "Rashi";

// Tabs 1-5 of TS; tab 1 is retitled for each nakshatra.
inline constexpr std::array<std::string_view, 5> NakshatraPageCaptions = {
    "More About Nakshatra Name", "General And Physical Features", "Positive Human Traits",
    "Negative Human Traits", "Career And Health And Domestic"};

// Tabs 1-7 of LagnaTS and RashiTS; tab 7 is retitled for each sign.
inline constexpr std::array<std::string_view, 7> SignPageCaptions = {
    "Sign Characteristics", "Physique And Looks", "Human Nature", "Career And Finance",
    "Love And Compatibility", "Health", "Lucky for....Rashi"};
inline constexpr int SignLuckyPage = 7;

// The columns written as paragraphs, the prose of their row, rather than as a few words.
constexpr bool IsNakshatraProseColumn(int column) { return column >= 16; }
constexpr bool IsSignProseColumn(int column) { return column >= 20 && column <= 24; }

// A caption label with its help text (tooltip) beside the text box of one profile column.
// Page 0 is the header above the tab strip; pages 1 and up are the tab strip's pages.
struct NakshatraField {
    int page;
    std::string_view caption;
    std::string_view textBox;
    int column;  // of NakshatraProfileTable
    std::string_view helpText;
};

struct SignField {
    int page;
    std::string_view caption;
    int column;  // of SignProfileTable
    std::string_view helpText;
};

extern const std::array<NakshatraField, 21> NakshatraFields;
// Shared by the lagna and the rashi tab.
extern const std::array<SignField, 26> SignFields;

// The control that shows each column of SignProfileTable on the two tabs; column 0, the
// Sanskrit name, is a label's caption.
struct SignColumnControls {
    std::string_view lagnaTab;
    std::string_view rashiTab;
};
extern const std::array<SignColumnControls, 27> SignProfileControls;

// Page 7 of the lagna tab names its sign in these labels' captions: prefix + Sanskrit name.
// The rashi tab keeps the captions of SignFields.
struct LagnaLuckyLabel {
    std::string_view label;
    std::string_view captionPrefix;
};
extern const std::array<LagnaLuckyLabel, 6> LagnaLuckyLabels;

// The tables above whose texts a reader sees, and ViewTextIn's translation of one of their texts.
enum class ViewTexts {
    TabCaptions,             // InterpretationTabCaptions
    PlanetsInSignsHeading,   // PlanetsInSignsHeading
    DesignCaptions,          // NakshatraResultDesignCaption, VedicNameDesignCaption
    NakshatraPageCaptions,   // NakshatraPageCaptions
    SignPageCaptions,        // SignPageCaptions
    NakshatraFieldCaptions,  // NakshatraField::caption
    NakshatraFieldHelp,      // NakshatraField::helpText
    SignFieldCaptions,       // SignField::caption
    SignFieldHelp,           // SignField::helpText
    LagnaLuckyPrefixes,      // LagnaLuckyLabel::captionPrefix
};
// `english`, a text of `table`, in `language`; a text the table does not hold, as it is.
std::string_view ViewTextIn(ViewTexts table, std::string_view english, Language language);

// "More About Ashwini Nakshatra": tab 1 of TS for a nakshatra, named as NakshatraNames names it;
// in Hindi and Tamil with the nakshatra's name in the script.
std::string NakshatraFirstPageCaption(std::string_view nakshatra, Language language = Language::English);
// "Lucky for Mesha": tab 7 of LagnaTS and RashiTS for a sign's Sanskrit name (a
// SignProfileTable column 0); in Hindi and Tamil with the sign's name in the script.
std::string LuckyPageCaption(std::string_view sanskritName, Language language = Language::English);

}  // namespace grahavani
