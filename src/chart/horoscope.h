#pragma once
// Everything a printed horoscope shows of one birth: the record as entered, the chart with its
// timing and strengths, and the settings it was computed with, drawn and written in.

#include <string>

#include "chart/chart_style.h"
#include "chart/chart_timing.h"
#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"
#include "model/language.h"
#include "vargas/shadbala.h"

namespace grahavani {

enum class Paper { A4, Letter };  // portrait, 595 × 842 and 612 × 792 points

struct Horoscope {
    BirthRecord Birth;     // the name as typed, in UTF-8
    std::string ZoneText;  // the zone row's text, or the atlas zone the place kept
    ChartOptions Options;
    ChartResult Chart;
    ChartTiming Timing;
    Shadbala Strengths;
    ChartStyle Style = ChartStyle::North;  // of the drawings
    bool LagnaAtTop = false;               // the North drawings turned to each chart's lagna
    grahavani::Language Language = grahavani::Language::English;  // of all texts but the person's own data
};

}  // namespace grahavani
