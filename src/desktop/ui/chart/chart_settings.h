#pragma once
// The chart choices kept in the settings file: the engine, the lunar node for Rahu, the
// precise engine's ayanamsa, the sunrise rule, the North Indian drawing's top sign, the length
// of a dasha year, the dasha shown and the paper of the PDF horoscope. They apply to the chart on screen and to every later
// one; a stored value the program does not know reads as the default.

#include <QSettings>

#include "chart/horoscope.h"
#include "model/chart_options.h"
#include "timing/dasha_timeline.h"
#include "timing/dasha_year.h"

namespace grahavani {

// "Chart/Engine", "Chart/LunarNode", "Chart/Ayanamsa" (an AyanamsaNames word) and
// "Chart/AyanamsaValue" (decimal degrees); the classic engine, the mean node and Lahiri when
// unset. An own value missing or outside 0-60 reads as Lahiri.
ChartOptions ReadChartOptions(const QSettings& settings);
void WriteEngine(QSettings& settings, Engine engine);
void WriteLunarNode(QSettings& settings, LunarNode node);
void WriteAyanamsa(QSettings& settings, Ayanamsa ayanamsa, double ownValue);

// "Chart/SunriseRule": a SunriseRuleNames word; the upper limb when unset.
SunriseRule ReadSunriseRule(const QSettings& settings);
void WriteSunriseRule(QSettings& settings, SunriseRule rule);

// The dasha the timing tab shows, and to how many levels.
struct DashaChoice {
    DashaSystem System = DashaSystem::Vimshottari;
    int Depth = 2;  // 1 (mahadashas) to DeepestDashaLevel
};
// "Chart/DashaSystem" (a DashaSystemNames word) and "Chart/DashaDepth" (1 to 5).
DashaChoice ReadDashaChoice(const QSettings& settings);
void WriteDashaChoice(QSettings& settings, DashaChoice choice);

// "Chart/LagnaAtTop": "true" turns the North Indian drawing to the lagna; off when unset.
bool ReadLagnaAtTop(const QSettings& settings);
void WriteLagnaAtTop(QSettings& settings, bool atTop);

// "Chart/DashaYear": "365.25", "365.2425" or "360"; 365.25 days when unset.
DashaYear ReadDashaYear(const QSettings& settings);
void WriteDashaYear(QSettings& settings, DashaYear year);
// "Chart/Paper": "A4" or "Letter"; A4 when unset.
Paper ReadPaper(const QSettings& settings);
void WritePaper(QSettings& settings, Paper paper);
// "A4" or "Letter", as the settings keep it.
QString PaperName(Paper paper);

// "365.25 days", as the timing tab states it.
QString DashaYearCaption(DashaYear year);

}  // namespace grahavani
