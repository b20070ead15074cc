#include "timing/timing_names_in.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engines/precise/sunrise.h"
#include "timing/dasha_timeline.h"
#include "timing/panchang.h"
#include "tests/translation/latin_words.h"
#include "vargas/varga.h"

namespace grahavani {
namespace {

// Every name the panchang, the dashas and the vargas can show, found by computing them.
TEST(TimingNameIn, EveryNameTheTimingGivesIsInTheScript) {
    std::set<std::pair<TimingNames, std::string_view>> names;
    for (int sun = 0; sun < 360; sun += 10) {
        for (int moon = 0; moon < 360; moon += 3) {
            const Panchang p = ComputePanchang(sun, moon, 2451545.0 + moon / 50.0, 0, std::nullopt);
            names.insert({{TimingNames::Tithis, p.Tithi}, {TimingNames::Pakshas, p.Paksha},
                          {TimingNames::Yogas, p.Yoga}, {TimingNames::Karanas, p.Karana},
                          {TimingNames::Varas, p.Vara}});
        }
    }
    for (std::size_t system = 0; system < DashaSystemNames.size(); ++system) {
        names.insert({TimingNames::DashaSystems, DashaSystemNames[system]});
        for (const DashaRuler& ruler : DashaRulers(static_cast<DashaSystem>(system))) {
            names.insert({TimingNames::DashaLords, ruler.Lord});
            if (!ruler.Yogini.empty()) names.insert({TimingNames::Yoginis, ruler.Yogini});
        }
    }
    for (const std::string_view level : DashaLevelNames) names.insert({TimingNames::DashaLevels, level});
    for (const std::string_view reason : NoSunriseReasons) names.insert({TimingNames::NoSunrise, reason});
    EXPECT_EQ(names.size(), 30u + 2 + 27 + 11 + 7 + 3 + 9 + 8 + 5 + 3);
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const auto& [table, english] : names) {
            const std::string_view name = TimingNameIn(table, english, language);
            EXPECT_TRUE(!name.empty() && test::LatinWords(name).empty()) << english << ": " << name;
        }
        for (std::size_t varga = 0; varga < VargaDivisions.size(); ++varga) {
            EXPECT_TRUE(test::LatinWords(VargaTitle(varga, language)).empty()) << VargaTitle(varga, language);
        }
    }
    EXPECT_EQ(VargaTitle(6), "D10 Dasamsa");
    EXPECT_EQ(VargaTitle(5, Language::Hindi), "\u0921\u0940-9 \u0928\u0935\u093E\u0902\u0936");  // डी-9 नवांश
}

}  // namespace
}  // namespace grahavani
