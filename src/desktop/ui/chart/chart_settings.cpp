#include "desktop/ui/chart/chart_settings.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include <QCoreApplication>

namespace grahavani {

namespace {

const QString EngineKey = QStringLiteral("Chart/Engine");
const QString LunarNodeKey = QStringLiteral("Chart/LunarNode");
const QString LagnaAtTopKey = QStringLiteral("Chart/LagnaAtTop");
const QString DashaYearKey = QStringLiteral("Chart/DashaYear");
const QString AyanamsaKey = QStringLiteral("Chart/Ayanamsa");
const QString AyanamsaValueKey = QStringLiteral("Chart/AyanamsaValue");
const QString SunriseRuleKey = QStringLiteral("Chart/SunriseRule");
const QString DashaSystemKey = QStringLiteral("Chart/DashaSystem");
const QString DashaDepthKey = QStringLiteral("Chart/DashaDepth");
const QString PaperKey = QStringLiteral("Chart/Paper");

// In DashaYear order.
constexpr std::array<const char*, 3> DashaYearValues = {"365.25", "365.2425", "360"};

QString Latin1(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The position of the stored word among the names, if it is one of them.
template <std::size_t Count>
std::optional<std::size_t> StoredName(const QSettings& settings, const QString& key,
                                      const std::array<std::string_view, Count>& names) {
    const QString stored = settings.value(key).toString();
    for (std::size_t index = 0; index < Count; ++index) {
        if (stored == Latin1(names[index])) return index;
    }
    return std::nullopt;
}

}  // namespace

ChartOptions ReadChartOptions(const QSettings& settings) {
    ChartOptions options;
    const QString engine = settings.value(EngineKey).toString();
    if (engine == QLatin1String(EngineName(Engine::Precise))) options.engine = Engine::Precise;
    if (settings.value(LunarNodeKey).toString() == QLatin1String("true")) {
        options.node = LunarNode::True;
    }
    if (const auto ayanamsa = StoredName(settings, AyanamsaKey, AyanamsaNames)) {
        options.ayanamsa = static_cast<Ayanamsa>(*ayanamsa);
    }
    bool isNumber = false;
    const double value = settings.value(AyanamsaValueKey).toString().toDouble(&isNumber);
    const bool usable = isNumber && std::isfinite(value) && value >= LeastOwnAyanamsa &&
                        value <= GreatestOwnAyanamsa;
    if (usable) options.ayanamsaValue = value;
    if (options.ayanamsa == Ayanamsa::OwnValue && !usable) options.ayanamsa = Ayanamsa::Lahiri;
    return options;
}

void WriteAyanamsa(QSettings& settings, Ayanamsa ayanamsa, double ownValue) {
    settings.setValue(AyanamsaKey, Latin1(AyanamsaName(ayanamsa)));
    settings.setValue(AyanamsaValueKey, QString::number(ownValue, 'g', 17));
    settings.sync();
}

SunriseRule ReadSunriseRule(const QSettings& settings) {
    const auto rule = StoredName(settings, SunriseRuleKey, SunriseRuleNames);
    return rule ? static_cast<SunriseRule>(*rule) : SunriseRule::ApparentLimb;
}

void WriteSunriseRule(QSettings& settings, SunriseRule rule) {
    settings.setValue(SunriseRuleKey, Latin1(SunriseRuleName(rule)));
    settings.sync();
}

DashaChoice ReadDashaChoice(const QSettings& settings) {
    DashaChoice choice;
    if (const auto system = StoredName(settings, DashaSystemKey, DashaSystemNames)) {
        choice.System = static_cast<DashaSystem>(*system);
    }
    bool isNumber = false;
    const int depth = settings.value(DashaDepthKey).toString().toInt(&isNumber);
    if (isNumber && depth >= 1 && depth <= DeepestDashaLevel) choice.Depth = depth;
    return choice;
}

void WriteDashaChoice(QSettings& settings, DashaChoice choice) {
    settings.setValue(DashaSystemKey, Latin1(DashaSystemNames[static_cast<std::size_t>(choice.System)]));
    settings.setValue(DashaDepthKey, QString::number(choice.Depth));
    settings.sync();
}

void WriteEngine(QSettings& settings, Engine engine) {
    settings.setValue(EngineKey, Latin1(EngineName(engine)));
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

Paper ReadPaper(const QSettings& settings) {
    return settings.value(PaperKey).toString() == PaperName(Paper::Letter) ? Paper::Letter : Paper::A4;
}

void WritePaper(QSettings& settings, Paper paper) {
    settings.setValue(PaperKey, PaperName(paper));
    settings.sync();
}

QString PaperName(Paper paper) {
    return paper == Paper::Letter ? QStringLiteral("Letter") : QStringLiteral("A4");
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
    return QCoreApplication::translate("ChartSettings", "%1 days")
        .arg(QLatin1String(DashaYearValues[static_cast<std::size_t>(year)]));
}

}  // namespace grahavani
