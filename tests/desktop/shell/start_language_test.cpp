#include <gtest/gtest.h>

#include "desktop/shell/start_language.h"

namespace grahavani::test {
namespace {

TEST(StartLanguage, SettingThenLanguageListThenFirstSetLocale) {
    struct Case {
        std::string_view setting;
        LocaleEnvironment environment;
        Language expected;
    };
    const Case cases[] = {
        {"", {}, Language::English},
        {"ta", {"hi", "", "", "hi_IN.UTF-8"}, Language::Tamil},
        {"en", {"", "", "", "ta_IN.UTF-8"}, Language::English},
        {"de", {"", "", "", "ta_IN.UTF-8"}, Language::Tamil},  // an unknown setting is ignored
        {"HI", {"", "", "", "C"}, Language::English},
        {"", {"hi", "", "", "hi_IN.UTF-8"}, Language::Hindi},
        {"", {"de_DE:fr:ta_IN", "", "", "C"}, Language::Tamil},
        {"", {"de:en_GB:hi", "", "", ""}, Language::English},
        {"", {"hi@devanagari", "", "", ""}, Language::Hindi},
        {"", {"de::", "", "", "hi_IN"}, Language::Hindi},
        {"", {"", "", "", "ta_IN.UTF-8"}, Language::Tamil},
        {"", {"", "", "", "C"}, Language::English},
        {"", {"", "", "", "de_DE.UTF-8"}, Language::English},
        {"", {"", "", "", "tam"}, Language::English},
        {"", {"", "de_DE.UTF-8", "hi_IN", "ta_IN"}, Language::English},  // LC_ALL wins, not ours
        {"", {"", "", "hi_IN.UTF-8", "ta_IN.UTF-8"}, Language::Hindi},
        {"", {"", "ta.UTF-8", "", "hi_IN"}, Language::Tamil},
    };
    for (const auto& [setting, environment, expected] : cases) {
        EXPECT_EQ(StartLanguage(setting, environment), expected)
            << setting << " | " << environment.language << " | " << environment.lcAll << " | "
            << environment.lcMessages << " | " << environment.lang;
    }
}

}  // namespace
}  // namespace grahavani::test
