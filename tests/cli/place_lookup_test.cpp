#include "place_lookup.h"

#include <gtest/gtest.h>

#include <string>

namespace grahavani {
namespace {

// Every country's capital as GeoNames' countryInfo.txt names it (Astana, Ngerulmud and Saint John's
// as their GeoNames places are named), with the country's ISO code; the capitals of dependent
// territories the atlas has are kept too.
TEST(PlaceLookup, EveryCountrysCapitalIsInItsCountry) {
    const struct {
        const char* countryCode;
        const char* capital;
    } capitals[] = {
        {"AD", "Andorra la Vella"}, {"AE", "Abu Dhabi"}, {"AF", "Kabul"}, {"AG", "Saint John's"}, {"AI", "The Valley"},
        {"AL", "Tirana"}, {"AM", "Yerevan"}, {"AO", "Luanda"}, {"AR", "Buenos Aires"}, {"AS", "Pago Pago"},
        {"AT", "Vienna"}, {"AU", "Canberra"}, {"AX", "Mariehamn"}, {"AZ", "Baku"}, {"BA", "Sarajevo"},
        {"BB", "Bridgetown"}, {"BD", "Dhaka"}, {"BE", "Brussels"}, {"BF", "Ouagadougou"}, {"BG", "Sofia"},
        {"BH", "Manama"}, {"BI", "Gitega"}, {"BJ", "Porto-Novo"}, {"BM", "Hamilton"}, {"BN", "Bandar Seri Begawan"},
        {"BO", "Sucre"}, {"BR", "Brasilia"}, {"BS", "Nassau"}, {"BT", "Thimphu"}, {"BW", "Gaborone"},
        {"BY", "Minsk"}, {"BZ", "Belmopan"}, {"CA", "Ottawa"}, {"CD", "Kinshasa"}, {"CF", "Bangui"},
        {"CG", "Brazzaville"}, {"CH", "Bern"}, {"CI", "Yamoussoukro"}, {"CK", "Avarua"}, {"CL", "Santiago"},
        {"CM", "Yaounde"}, {"CN", "Beijing"}, {"CO", "Bogota"}, {"CR", "San Jose"}, {"CU", "Havana"},
        {"CV", "Praia"}, {"CY", "Nicosia"}, {"CZ", "Prague"}, {"DE", "Berlin"}, {"DJ", "Djibouti"},
        {"DK", "Copenhagen"}, {"DM", "Roseau"}, {"DO", "Santo Domingo"}, {"DZ", "Algiers"}, {"EC", "Quito"},
        {"EE", "Tallinn"}, {"EG", "Cairo"}, {"ER", "Asmara"}, {"ES", "Madrid"}, {"ET", "Addis Ababa"},
        {"FI", "Helsinki"}, {"FJ", "Suva"}, {"FM", "Palikir"}, {"FO", "Torshavn"}, {"FR", "Paris"},
        {"GA", "Libreville"}, {"GB", "London"}, {"GD", "St. George's"}, {"GE", "Tbilisi"}, {"GF", "Cayenne"},
        {"GG", "St Peter Port"}, {"GH", "Accra"}, {"GI", "Gibraltar"}, {"GL", "Nuuk"}, {"GM", "Banjul"},
        {"GN", "Conakry"}, {"GP", "Basse-Terre"}, {"GQ", "Malabo"}, {"GR", "Athens"}, {"GT", "Guatemala City"},
        {"GU", "Hagatna"}, {"GW", "Bissau"}, {"GY", "Georgetown"}, {"HK", "Hong Kong"}, {"HN", "Tegucigalpa"},
        {"HR", "Zagreb"}, {"HT", "Port-au-Prince"}, {"HU", "Budapest"}, {"ID", "Jakarta"}, {"IE", "Dublin"},
        {"IL", "Jerusalem"}, {"IM", "Douglas"}, {"IN", "New Delhi"}, {"IQ", "Baghdad"}, {"IR", "Tehran"},
        {"IS", "Reykjavik"}, {"IT", "Rome"}, {"JE", "Saint Helier"}, {"JM", "Kingston"}, {"JO", "Amman"},
        {"JP", "Tokyo"}, {"KE", "Nairobi"}, {"KG", "Bishkek"}, {"KH", "Phnom Penh"}, {"KI", "Tarawa"},
        {"KM", "Moroni"}, {"KN", "Basseterre"}, {"KP", "Pyongyang"}, {"KR", "Seoul"}, {"XK", "Pristina"},
        {"KW", "Kuwait City"}, {"KY", "George Town"}, {"KZ", "Astana"}, {"LA", "Vientiane"}, {"LB", "Beirut"},
        {"LC", "Castries"}, {"LI", "Vaduz"}, {"LK", "Colombo"}, {"LR", "Monrovia"}, {"LS", "Maseru"},
        {"LT", "Vilnius"}, {"LU", "Luxembourg"}, {"LV", "Riga"}, {"LY", "Tripoli"}, {"MA", "Rabat"},
        {"MC", "Monaco"}, {"MD", "Chisinau"}, {"ME", "Podgorica"}, {"MG", "Antananarivo"}, {"MH", "Majuro"},
        {"MK", "Skopje"}, {"ML", "Bamako"}, {"MM", "Nay Pyi Taw"}, {"MN", "Ulaanbaatar"}, {"MO", "Macao"},
        {"MP", "Saipan"}, {"MQ", "Fort-de-France"}, {"MR", "Nouakchott"}, {"MS", "Plymouth"}, {"MT", "Valletta"},
        {"MU", "Port Louis"}, {"MV", "Male"}, {"MW", "Lilongwe"}, {"MX", "Mexico City"}, {"MY", "Kuala Lumpur"},
        {"MZ", "Maputo"}, {"NA", "Windhoek"}, {"NC", "Noumea"}, {"NE", "Niamey"}, {"NG", "Abuja"},
        {"NI", "Managua"}, {"NL", "Amsterdam"}, {"NO", "Oslo"}, {"NP", "Kathmandu"}, {"NR", "Yaren"},
        {"NZ", "Wellington"}, {"OM", "Muscat"}, {"PA", "Panama City"}, {"PE", "Lima"}, {"PF", "Papeete"},
        {"PG", "Port Moresby"}, {"PH", "Manila"}, {"PK", "Islamabad"}, {"PL", "Warsaw"}, {"PM", "Saint-Pierre"},
        {"PR", "San Juan, Puerto Rico"}, {"PT", "Lisbon"}, {"PW", "Ngerulmud"}, {"PY", "Asuncion"}, {"QA", "Doha"},
        {"RE", "Saint-Denis"}, {"RO", "Bucharest"}, {"RS", "Belgrade"}, {"RU", "Moscow"}, {"RW", "Kigali"},
        {"SA", "Riyadh"}, {"SB", "Honiara"}, {"SC", "Victoria"}, {"SD", "Khartoum"}, {"SS", "Juba"},
        {"SE", "Stockholm"}, {"SG", "Singapore"}, {"SH", "Jamestown"}, {"SI", "Ljubljana"}, {"SJ", "Longyearbyen"},
        {"SK", "Bratislava"}, {"SL", "Freetown"}, {"SM", "San Marino"}, {"SN", "Dakar"}, {"SO", "Mogadishu"},
        {"SR", "Paramaribo"}, {"ST", "Sao Tome"}, {"SV", "San Salvador"}, {"SY", "Damascus"}, {"SZ", "Mbabane"},
        {"TD", "N'Djamena"}, {"TF", "Port-aux-Francais"}, {"TG", "Lome"}, {"TH", "Bangkok"}, {"TJ", "Dushanbe"},
        {"TL", "Dili"}, {"TM", "Ashgabat"}, {"TN", "Tunis"}, {"TO", "Nuku'alofa"}, {"TR", "Ankara"},
        {"TT", "Port of Spain"}, {"TV", "Funafuti"}, {"TW", "Taipei"}, {"TZ", "Dodoma"}, {"UA", "Kyiv"},
        {"UG", "Kampala"}, {"US", "Washington"}, {"UY", "Montevideo"}, {"UZ", "Tashkent"}, {"VA", "Vatican City"},
        {"VC", "Kingstown"}, {"VE", "Caracas"}, {"VI", "Charlotte Amalie"}, {"VN", "Hanoi"}, {"VU", "Port Vila"},
        {"WF", "Mata Utu"}, {"WS", "Apia"}, {"YE", "Sanaa"}, {"YT", "Mamoudzou"}, {"ZA", "Pretoria"},
        {"ZM", "Lusaka"}, {"ZW", "Harare"},
    };
    for (const auto& row : capitals) {
        // The code narrows by country; a name that carries its country already needs no more.
        const std::string capital = row.capital;
        const std::string query = capital.find(',') == std::string::npos ? capital + ", " + row.countryCode : capital;
        const auto found = FindBirthPlace(query);
        if (const auto* problem = std::get_if<std::string>(&found)) {
            ADD_FAILURE() << *problem;
            continue;
        }
        EXPECT_EQ(std::get<FoundPlace>(found).Place->CountryCode, row.countryCode) << query;
    }
}

// The places people type by name alone, and the zone the chart then keeps.
TEST(PlaceLookup, CityStatesAndOldNamesNeedNoCountry) {
    const struct {
        const char* text;
        const char* countryCode;
        const char* timeZone;
    } rows[] = {
        {"Singapore", "SG", "Asia/Singapore"}, {"Gibraltar", "GI", "Europe/Gibraltar"},
        {"Vatican City", "VA", "Europe/Vatican"}, {"Macau", "MO", "Asia/Macau"}, {"Macao", "MO", "Asia/Macau"},
        {"Kiev", "UA", "Europe/Kiev"}, {"Gent", "BE", "Europe/Brussels"}, {"Monaco", "MC", "Europe/Monaco"},
        {"Nouakchott", "MR", "Africa/Nouakchott"}, {"Abu Dhabi", "AE", "Asia/Dubai"},
        // The capital a user means, though smaller places bear the bare name.
        {"Washington", "US", "America/New_York"}, {"Mexico", "MX", "America/Mexico_City"},
    };
    for (const auto& row : rows) {
        const auto found = FindBirthPlace(row.text);
        ASSERT_TRUE(std::holds_alternative<FoundPlace>(found)) << row.text;
        EXPECT_EQ(std::get<FoundPlace>(found).Place->CountryCode, row.countryCode) << row.text;
        EXPECT_EQ(std::get<FoundPlace>(found).Place->TimeZone, row.timeZone) << row.text;
    }
}

}  // namespace
}  // namespace grahavani
