#include "desktop/ui/chart/chart_choice_words.h"

#include <array>
#include <cmath>

#include <QCoreApplication>

namespace grahavani {

namespace {

struct AyanamsaWords {
    const char* choice;
    const char* shortForm;
};

// In Ayanamsa order.
constexpr std::array<AyanamsaWords, 13> Ayanamsas = {{
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Lahiri (Chitrapaksha)"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Lahiri")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Raman"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Raman")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Krishnamurti (KP)"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Krishnamurti")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Fagan-Bradley"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Fagan-Bradley")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Sri Yukteshwar"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Sri Yukteshwar")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "J. N. Bhasin"), QT_TRANSLATE_NOOP("ChartChoiceWords", "J. N. Bhasin")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "True Chitra"), QT_TRANSLATE_NOOP("ChartChoiceWords", "True Chitra")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "True Revati"), QT_TRANSLATE_NOOP("ChartChoiceWords", "True Revati")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "True Pushya"), QT_TRANSLATE_NOOP("ChartChoiceWords", "True Pushya")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Surya Siddhanta"),
     QT_TRANSLATE_NOOP("ChartChoiceWords", "Surya Siddhanta")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Aryabhata"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Aryabhata")},
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Usha-Shashi"), QT_TRANSLATE_NOOP("ChartChoiceWords", "Usha-Shashi")},
    //: The ayanamsa the reader types in degrees.
    {QT_TRANSLATE_NOOP("ChartChoiceWords", "Own value"), QT_TRANSLATE_NOOP("ChartChoiceWords", "own")},
}};

// In SunriseRule order.
constexpr std::array<const char*, 3> SunriseRules = {
    QT_TRANSLATE_NOOP("ChartChoiceWords", "Upper limb, with refraction"),
    QT_TRANSLATE_NOOP("ChartChoiceWords", "Centre of the disc, with refraction"),
    QT_TRANSLATE_NOOP("ChartChoiceWords", "Centre of the disc, no refraction")};

}  // namespace

QString AyanamsaChoiceWords(Ayanamsa ayanamsa) {
    return QCoreApplication::translate("ChartChoiceWords", Ayanamsas[static_cast<std::size_t>(ayanamsa)].choice);
}

QString AyanamsaShortWords(Ayanamsa ayanamsa) {
    return QCoreApplication::translate("ChartChoiceWords", Ayanamsas[static_cast<std::size_t>(ayanamsa)].shortForm);
}

QString SunriseRuleWords(SunriseRule rule) {
    return QCoreApplication::translate("ChartChoiceWords", SunriseRules[static_cast<std::size_t>(rule)]);
}

QString DegreesMinutesSeconds(double degrees) {
    const auto seconds = static_cast<long long>(std::llround(degrees * 3600));
    return QStringLiteral("%1° %2′ %3″")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace grahavani
