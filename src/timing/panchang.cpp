#include "timing/panchang.h"

#include "model/arc_division.h"
#include "timing/local_time.h"

namespace grahavani {
namespace {

// Pratipada to Chaturdashi; the fifteenth is Purnima or Amavasya.
constexpr std::array<std::string_view, 15> ShuklaTithis = {
    "Shukla Pratipada", "Shukla Dwitiya",   "Shukla Tritiya",    "Shukla Chaturthi",
    "Shukla Panchami",  "Shukla Shashthi",  "Shukla Saptami",    "Shukla Ashtami",
    "Shukla Navami",    "Shukla Dashami",   "Shukla Ekadashi",   "Shukla Dwadashi",
    "Shukla Trayodashi", "Shukla Chaturdashi", "Purnima"};
constexpr std::array<std::string_view, 15> KrishnaTithis = {
    "Krishna Pratipada", "Krishna Dwitiya",  "Krishna Tritiya",    "Krishna Chaturthi",
    "Krishna Panchami",  "Krishna Shashthi", "Krishna Saptami",    "Krishna Ashtami",
    "Krishna Navami",    "Krishna Dashami",  "Krishna Ekadashi",   "Krishna Dwadashi",
    "Krishna Trayodashi", "Krishna Chaturdashi", "Amavasya"};

constexpr std::array<std::string_view, 27> Yogas = {
    "Vishkumbha", "Priti",   "Ayushman", "Saubhagya", "Shobhana", "Atiganda", "Sukarma",
    "Dhriti",     "Shula",   "Ganda",    "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi",  "Vyatipata", "Variyana", "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha",  "Shukla",   "Brahma",    "Indra",    "Vaidhriti"};

constexpr std::array<std::string_view, 7> MovableKaranas = {
    "Bava", "Balava", "Kaulava", "Taitila", "Gara", "Vanija", "Vishti"};

// Half-tithi k: 0 and 57-59 are the fixed karanas, 1-56 the movable ones in turn.
std::string_view KaranaOf(int halfTithi) {
    switch (halfTithi) {
        case 0: return "Kimstughna";
        case 57: return "Shakuni";
        case 58: return "Chatushpada";
        case 59: return "Naga";
        default: return MovableKaranas[static_cast<std::size_t>((halfTithi - 1) % 7)];
    }
}

int CivilWeekday(double julianDayUT, int clockOffsetSeconds) {
    return static_cast<int>(
        date::weekday{date::sys_days{LocalDateOf(julianDayUT, clockOffsetSeconds)}}.c_encoding());
}

}  // namespace

int VedicWeekday(double birthJulianDayUT, int clockOffsetSeconds,
                 std::optional<double> sunriseJulianDayUT) {
    const int civil = CivilWeekday(birthJulianDayUT, clockOffsetSeconds);
    const bool beforeSunrise = sunriseJulianDayUT && birthJulianDayUT < *sunriseJulianDayUT;
    return beforeSunrise ? (civil + 6) % 7 : civil;
}

Panchang ComputePanchang(double sunSiderealLongitude, double moonSiderealLongitude,
                         double birthJulianDayUT, int clockOffsetSeconds,
                         std::optional<double> sunriseJulianDayUT) {
    const double elongation = DegreesInCircle(moonSiderealLongitude - sunSiderealLongitude);
    const double sum = DegreesInCircle(moonSiderealLongitude + sunSiderealLongitude);

    Panchang panchang;
    const int tithi = ArcIndex(elongation, 12, 1, 30);
    panchang.TithiNumber = tithi + 1;
    const bool waxing = tithi < 15;
    panchang.Tithi = (waxing ? ShuklaTithis : KrishnaTithis)[static_cast<std::size_t>(tithi % 15)];
    panchang.Paksha = waxing ? "Shukla" : "Krishna";
    const int yoga = ArcIndex(sum, 40, 3, 27);
    panchang.YogaNumber = yoga + 1;
    panchang.Yoga = Yogas[static_cast<std::size_t>(yoga)];
    panchang.Karana = KaranaOf(ArcIndex(elongation, 6, 1, 60));
    panchang.Vara = WeekdayNames[static_cast<std::size_t>(
        VedicWeekday(birthJulianDayUT, clockOffsetSeconds, sunriseJulianDayUT))];
    panchang.SunriseJulianDayUT = sunriseJulianDayUT;
    return panchang;
}

}  // namespace grahavani
