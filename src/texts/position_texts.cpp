#include "texts/position_texts.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "model/name_tables.h"
#include "model/text_utilities.h"

namespace grahavani {

namespace {

constexpr std::string_view DegreeSign = "\u00B0";

struct DegreesMinutesSeconds {
    double degrees;
    double minutes;
    double seconds;
};

DegreesMinutesSeconds Truncated(double magnitude) {
    const double deg = std::floor(magnitude);
    const double mf = (magnitude - deg) * 60;
    const double min = std::floor(mf);
    const double sec = std::floor((mf - min) * 60);
    return {deg, min, sec};
}

// Longest piece of a short text taken from a long one; well-formed texts have two digits.
constexpr std::size_t MaxPieceLength = 20;

// Builds a short text in place, so that a whole position text costs one allocation.
// Three 20-digit numbers, the separators and an abbreviation fit with room to spare.
class TextBuffer {
public:
    TextBuffer& Whole(double wholeNumber) {
        end_ = std::to_chars(end_, std::end(chars_), static_cast<std::int64_t>(wholeNumber)).ptr;
        return *this;
    }
    TextBuffer& Text(std::string_view text) {
        end_ = std::copy(text.begin(), text.end(), end_);
        return *this;
    }
    // At least two digits: a lone digit gets a "0" in front.
    TextBuffer& TwoDigits(std::string_view digits) {
        if (digits.size() <= 1) *end_++ = '0';
        return Text(digits);
    }
    std::string Str() const { return std::string(chars_, static_cast<std::size_t>(end_ - chars_)); }

private:
    char chars_[96];
    char* end_ = chars_;
};

}  // namespace

std::string FormatSignPosition(double x) {
    auto [deg, min, sec] = Truncated(std::fabs(x));
    const double sign = std::floor(deg / 30);
    while (deg >= 30) deg -= 30;
    return TextBuffer()
        .Whole(deg)
        .Text(DegreeSign)
        .Text(" ")
        .Whole(min)
        .Text("' ")
        .Whole(sec)
        .Text("\" ")
        .Text(SignAbbreviation(sign < 12 ? static_cast<int>(sign) : 12))
        .Str();
}

std::string FormatAyanamsa(double x) {
    const double sigma = x < 0 ? -1 : 1;
    const auto [deg, min, sec] = Truncated(std::fabs(x));
    return TextBuffer()
        .Whole(sigma * deg)
        .Text(DegreeSign)
        .Text(" ")
        .Whole(min)
        .Text("' ")
        .Whole(sec)
        .Text("\"")
        .Str();
}

std::string ShortPosition(std::string_view longText) {
    const std::string_view t = TrimBlanks(longText);
    const auto degreePos = t.find(DegreeSign);
    const auto minutePos = t.find('\'');
    const std::string_view degText = TrimBlanks(t.substr(0, degreePos));
    const auto minStart = degreePos == std::string_view::npos ? t.size()
                                                              : degreePos + DegreeSign.size();
    const std::string_view minText =
        minutePos == std::string_view::npos || minutePos < minStart
            ? std::string_view{}
            : TrimBlanks(t.substr(minStart, minutePos - minStart));
    const std::string_view abbreviation = TrimBlanks(LastCharacters(t, 3));
    return TextBuffer()
        .TwoDigits(degText.substr(0, MaxPieceLength))
        .Text(" ")
        .Text(abbreviation)
        .Text(" ")
        .TwoDigits(minText.substr(0, MaxPieceLength))
        .Str();
}

void BuildPositionTexts(ChartResult& chart) {
    const std::string* sources[11] = {
        &chart.PlanetTexts[2], &chart.MoonPositionText, &chart.PlanetTexts[0],
        &chart.PlanetTexts[1], &chart.PlanetTexts[3],   &chart.PlanetTexts[4],
        &chart.PlanetTexts[5], &chart.RahuText,         &chart.KetuText,
        &chart.AscendantText,  &chart.MidheavenText};
    for (std::size_t slot = 0; slot < 11; ++slot) {
        chart.PositionTexts[slot] = ShortPosition(*sources[slot]);
    }
}

}  // namespace grahavani
