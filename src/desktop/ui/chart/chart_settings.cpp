#include "desktop/ui/chart/chart_settings.h"

#include <array>

namespace grahavani {

namespace {

const QString EngineKey = QStringLiteral("Chart/Engine");
const QString LunarNodeKey = QStringLiteral("Chart/LunarNode");
const QString LagnaAtTopKey = QStringLiteral("Chart/LagnaAtTop");
const QString DashaYearKey = QStringLiteral("Chart/DashaYear");

// In DashaYear order.
constexpr std::array<const char*, 3> DashaYearValues = {"365.25", "365.2425", "360"};

}  // namespace

ChartOptions ReadChartOptions(const QSettings& settings) {
    ChartOptions options;
    const QString engine = settings.value(EngineKey).toString();
    if (engine == QLatin1String(EngineName(Engine::Precise))) options.engine = Engine::Precise;
    if (settings.value(LunarNodeKey).toString() == QLatin1String("true")) {
        options.node = LunarNode::True;
    }
    return options;
}

void WriteEngine(QSettings& settings, Engine engine) {
    const std::string_view name = EngineName(engine);
    settings.setValue(EngineKey, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    settings.sync();
}

void WriteLunarNode(QSettings& settings, LunarNode node) {
    settings.setValue(LunarNodeKey, node == LunarNode::True ? "true" : "mean");
    settings.sync();
}

bool ReadLagnaAtTop(const QSettings& settings) {
    return settings.value(LagnaAtTopKey).toString() == QLatin1String("true");
}

void WriteLagnaAtTop(QSettings& settings, bool atTop) {
    settings.setValue(LagnaAtTopKey, atTop ? "true" : "false");
    settings.sync();
}

DashaYear ReadDashaYear(const QSettings& settings) {
    const QString stored = settings.value(DashaYearKey).toString();
    for (std::size_t index = 0; index < DashaYearValues.size(); ++index) {
        if (stored == QLatin1String(DashaYearValues[index])) return static_cast<DashaYear>(index);
    }
    return DashaYear::Julian;
}

void WriteDashaYear(QSettings& settings, DashaYear year) {
    settings.setValue(DashaYearKey, DashaYearValues[static_cast<std::size_t>(year)]);
    settings.sync();
}

QString DashaYearCaption(DashaYear year) {
    return QLatin1String(DashaYearValues[static_cast<std::size_t>(year)]) + QStringLiteral(" days");
}

}  // namespace grahavani
