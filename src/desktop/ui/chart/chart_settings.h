#pragma once
// The chart choices kept in the settings file: the engine, the lunar node for Rahu, the
// North Indian drawing's top sign and the length of a dasha year. They apply to the chart on
// screen and to every later one.

#include <QSettings>

#include "model/chart_options.h"
#include "timing/vimshottari.h"

namespace grahavani {

// "Chart/Engine" and "Chart/LunarNode"; the classic engine and the mean node when unset.
ChartOptions ReadChartOptions(const QSettings& settings);
void WriteEngine(QSettings& settings, Engine engine);
void WriteLunarNode(QSettings& settings, LunarNode node);

// "Chart/LagnaAtTop": "true" turns the North Indian drawing to the lagna; off when unset.
bool ReadLagnaAtTop(const QSettings& settings);
void WriteLagnaAtTop(QSettings& settings, bool atTop);

// "Chart/DashaYear": "365.25", "365.2425" or "360"; 365.25 days when unset.
DashaYear ReadDashaYear(const QSettings& settings);
void WriteDashaYear(QSettings& settings, DashaYear year);
// "365.25 days", as the timing tab states it.
QString DashaYearCaption(DashaYear year);

}  // namespace grahavani
