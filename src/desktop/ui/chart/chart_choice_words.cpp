#include "desktop/ui/chart/chart_choice_words.h"

#include <array>
#include <cmath>

namespace grahavani {

namespace {

struct AyanamsaWords {
    const char* choice;
    const char* shortForm;
};

// In Ayanamsa order.
constexpr std::array<AyanamsaWords, 13> Ayanamsas = {{
    {"Lahiri (Chitrapaksha)", "Lahiri"},
    {"Raman", "Raman"},
    {"Krishnamurti (KP)", "Krishnamurti"},
    {"Fagan-Bradley", "Fagan-Bradley"},
    {"Sri Yukteshwar", "Sri Yukteshwar"},
    {"J. N. Bhasin", "J. N. Bhasin"},
    {"True Chitra", "True Chitra"},
    {"True Revati", "True Revati"},
    {"True Pushya", "True Pushya"},
    {"Surya Siddhanta", "Surya Siddhanta"},
    {"Aryabhata", "Aryabhata"},
    {"Usha-Shashi", "Usha-Shashi"},
    {"Own value", "own"},
}};

// In SunriseRule order.
constexpr std::array<const char*, 3> SunriseRules = {
    "Upper limb, with refraction", "Centre of the disc, with refraction",
    "Centre of the disc, no refraction"};

}  // namespace

QString AyanamsaChoiceWords(Ayanamsa ayanamsa) {
    return QString::fromUtf8(Ayanamsas[static_cast<std::size_t>(ayanamsa)].choice);
}

QString AyanamsaShortWords(Ayanamsa ayanamsa) {
    return QString::fromUtf8(Ayanamsas[static_cast<std::size_t>(ayanamsa)].shortForm);
}

QString SunriseRuleWords(SunriseRule rule) {
    return QString::fromUtf8(SunriseRules[static_cast<std::size_t>(rule)]);
}

QString DegreesMinutesSeconds(double degrees) {
    const auto seconds = static_cast<long long>(std::llround(degrees * 3600));
    return QStringLiteral("%1° %2′ %3″")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace grahavani
