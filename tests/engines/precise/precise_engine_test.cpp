#include "engines/precise/precise_engine.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "chart/compute_chart.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "engines/precise/thread_ephemeris.h"
#include "formats/text_report.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

using namespace std::chrono;

BirthRecord Birth(int year, int month, int day, int hour, int minute, std::optional<int> offsetMinutes,
                  int lonDegrees, int lonMinutes, bool east, int latDegrees, int latMinutes,
                  bool south, bool daylightSaving = false) {
    BirthRecord b;
    b.Name = "Test";
    b.Year = static_cast<std::int16_t>(year);
    b.Month = static_cast<std::int16_t>(month);
    b.Day = static_cast<std::int16_t>(day);
    b.Hour = static_cast<std::int16_t>(hour);
    b.Minute = static_cast<std::int16_t>(minute);
    if (offsetMinutes) {
        b.ZoneOffsetSeconds = *offsetMinutes * 60;
        b.ZoneHours = static_cast<std::int16_t>(std::abs(*offsetMinutes) / 60);
        b.ZoneMinutes = static_cast<std::int16_t>(std::abs(*offsetMinutes) % 60);
    }
    b.LongitudeDegrees = static_cast<std::int16_t>(lonDegrees);
    b.LongitudeMinutes = static_cast<std::int16_t>(lonMinutes);
    b.IsEast = east;
    b.LatitudeDegrees = static_cast<std::int16_t>(latDegrees);
    b.LatitudeMinutes = static_cast<std::int16_t>(latMinutes);
    b.IsSouth = south;
    b.DaylightSaving = daylightSaving;
    return b;
}

BirthRecord Magnitudes(BirthRecord birth, int zoneHours, int zoneMinutes) {
    birth.ZoneHours = static_cast<std::int16_t>(zoneHours);
    birth.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    return birth;
}

struct SwetestChart {
    const char* what;
    BirthRecord birth;
    sys_seconds universal;
    // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, mean node, Ascendant, MC.
    std::array<double, 10> longitudes;
    bool saturnRetrograde;
};

// Each row from Debian's swetest 2.10.03 at the row's universal time:
//   swetest -bD.M.Y -utH:M:S -sid1 -p0123456m -fPl -head       (bodies and mean node)
//   swetest -bD.M.Y -utH:M:S -sid1 -p -house<lon>,<lat>,E -fPl -head   (Ascendant, MC)
//   swetest -bD.M.Y -utH:M:S -sid1 -p6 -fPs -head               (Saturn's speed)
std::vector<SwetestChart> SwetestCharts() {
    return {
        {"Delhi 1947, 00:00 IST", test::Delhi1947(), sys_days{1947y / 8 / 14} + 18h + 30min,
         {117.9890172, 93.9835684, 103.6742773, 112.5611955, 67.4562377, 205.8776851,
          110.4730506, 35.0697247, 37.7601104, 291.4609457}, false},
        {"noon UT 1 January 2000 at Greenwich", test::NoonJ2000(), sys_days{2000y / 1 / 1} + 12h,
         {256.5156962, 199.4705287, 248.0360545, 217.7125659, 304.1100801, 1.3998653, 16.5424410,
          101.1874236, 347.5206771, 255.7578653}, true},
        {"Madrid in summer: west, +1 zone, daylight saving",
         Birth(1990, 7, 15, 12, 0, 60, 3, 42, false, 40, 25, false, true),
         sys_days{1990y / 7 / 15} + 10h,
         {88.9379046, 358.3591815, 102.8877540, 60.5825834, 8.1575259, 88.8017085, 268.2410148,
          284.3852416, 147.7567453, 56.4355680}, true},
        {"Apia before the date line moved, -10 h",
         Birth(2011, 12, 29, 12, 0, -600, 171, 45, false, 13, 50, true),
         sys_days{2011y / 12 / 29} + 22h,
         {253.8054736, 317.6729163, 233.0681064, 287.2350220, 145.5626824, 6.3630011, 184.1258614,
          229.0603589, 322.4698326, 233.3272380}, false},
        {"Apia after the date line moved, +14 h",
         Birth(2011, 12, 31, 12, 0, 840, 171, 45, false, 13, 50, true),
         sys_days{2011y / 12 / 30} + 22h,
         {254.8247252, 330.0011517, 234.3689389, 288.4633295, 145.8173679, 6.3786582, 184.1910266,
          229.0073669, 323.4346671, 234.2391098}, false},
        {"Tokyo 00:30 on New Year's Day, the previous day in UT",
         Birth(2020, 1, 1, 0, 30, 540, 139, 46, true, 35, 41, false),
         sys_days{2019y / 12 / 31} + 15h + 30min,
         {255.5165765, 317.7824338, 249.6940123, 289.8434797, 214.0146232, 252.4568642,
          267.2216872, 74.1261141, 174.1429190, 86.2406686}, false},
        {"Delhi 00:30 on 1 January 1900, the year before in UT",
         Birth(1900, 1, 1, 0, 30, 330, 77, 13, true, 28, 39, false),
         sys_days{1899y / 12 / 31} + 19h,
         {257.4755377, 246.9742062, 236.2670414, 283.6500131, 261.2418947, 218.6298088,
          245.2272059, 236.7069739, 168.2745808, 78.7531825}, false},
        {"New York 23:00 on 31 December 2050, the year after in UT",
         Birth(2050, 12, 31, 23, 0, -300, 74, 0, false, 40, 43, false),
         sys_days{2051y / 1 / 1} + 4h,
         {256.0944392, 122.2721305, 233.7216232, 209.3149690, 341.0031211, 131.1112006,
          283.2312776, 194.0703581, 152.8662637, 62.4664310}, false},
    };
}

// swetest prints seven decimals; the coordinates given to it were rounded to six.
constexpr double Tolerance = 0.1 / 3600;

TEST(PreciseEngine, AgreesWithSwetest) {
    for (const SwetestChart& row : SwetestCharts()) {
        SCOPED_TRACE(row.what);
        ASSERT_EQ(CheckPreciseBirthRecord(row.birth), std::nullopt);
        const BirthInstant instant = UniversalInstant(row.birth);
        EXPECT_EQ(sys_days(instant.universalDate) + instant.secondsOfDay, row.universal);

        ChartResult chart;
        ComputePreciseEngine(row.birth, {Engine::Precise, LunarNode::Mean}, chart);
        constexpr std::size_t Bodies[10] = {SunBody,     MoonBody,   MercuryBody, VenusBody,
                                            MarsBody,    JupiterBody, SaturnBody, RahuBody,
                                            AscendantPoint, MidheavenPoint};
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_NEAR(chart.Longitudes[Bodies[i]], row.longitudes[i], Tolerance) << i;
        }
        EXPECT_NEAR(chart.Longitudes[KetuBody], std::fmod(row.longitudes[7] + 180, 360), Tolerance);
        EXPECT_EQ(chart.Retrograde[SaturnBody], row.saturnRetrograde);
        EXPECT_FALSE(chart.Retrograde[MercuryBody] || chart.Retrograde[RahuBody]);
        EXPECT_EQ(chart.Ephemeris, "JPL files");
        EXPECT_EQ(chart.ZoneSignFromHemisphere, !row.birth.ZoneOffsetSeconds.has_value());
    }
}

TEST(PreciseEngine, TrueNodeOnRequest) {
    // swetest -b1.1.2000 -ut12:00:00 -sid1 -pt -fPl -head
    ChartResult chart;
    ComputePreciseEngine(test::NoonJ2000(), {Engine::Precise, LunarNode::True}, chart);
    EXPECT_NEAR(chart.Longitudes[RahuBody], 100.1008014, Tolerance);
}

// The library's own places of a birth, on a thread of its own so that the engine's threads
// keep their settings: the sidereal ones in `mode`, or the tropical ones for none.
struct LibraryPlaces {
    double ayanamsa = 0;
    std::array<double, 10> longitudes{};  // Sun to Saturn, mean node, ascendant, midheaven
};

LibraryPlaces LibraryPlacesOf(const BirthRecord& birth, std::optional<int> mode) {
    LibraryPlaces places;
    std::jthread([&] {
        swe_set_ephe_path(nullptr);
        const int sidereal = mode ? SEFLG_SIDEREAL : 0;
        if (mode) swe_set_sid_mode(*mode, 0, 0);
        const BirthInstant instant = UniversalInstant(birth);
        const double jd = swe_julday(static_cast<int>(instant.universalDate.year()),
                                     static_cast<int>(unsigned(instant.universalDate.month())),
                                     static_cast<int>(unsigned(instant.universalDate.day())),
                                     static_cast<double>(instant.secondsOfDay.count()) / 3600, SE_GREG_CAL);
        char error[AS_MAXCH];
        if (mode) swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &places.ayanamsa, error);
        double values[6];
        const int bodies[8] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN, SE_MEAN_NODE};
        for (std::size_t i = 0; i < 8; ++i) {
            swe_calc_ut(jd, bodies[i], SEFLG_SWIEPH | sidereal, values, error);
            places.longitudes[i] = values[0];
        }
        double cusps[13], angles[10];
        swe_houses_ex(jd, sidereal, NorthLatitude(birth), EastLongitude(birth), 'E', cusps, angles);
        places.longitudes[8] = angles[SE_ASC];
        places.longitudes[9] = angles[SE_MC];
        swe_close();
    }).join();
    return places;
}

constexpr std::size_t LibraryOrder[10] = {SunBody,    MoonBody,   MercuryBody, VenusBody,      MarsBody,
                                          JupiterBody, SaturnBody, RahuBody,    AscendantPoint, MidheavenPoint};

TEST(PreciseEngine, EveryAyanamsaIsTheLibrarysPredefinedMode) {
    const struct {
        Ayanamsa ayanamsa;
        int mode;
    } modes[] = {{Ayanamsa::Lahiri, 1},         {Ayanamsa::Raman, 3},          {Ayanamsa::Krishnamurti, 5},
                 {Ayanamsa::FaganBradley, 0},   {Ayanamsa::Yukteshwar, 7},     {Ayanamsa::JnBhasin, 8},
                 {Ayanamsa::TrueChitra, 27},    {Ayanamsa::TrueRevati, 28},    {Ayanamsa::TruePushya, 29},
                 {Ayanamsa::SuryaSiddhanta, 21}, {Ayanamsa::Aryabhata, 23},    {Ayanamsa::UshaShashi, 4}};
    const BirthRecord births[] = {Birth(1900, 3, 1, 6, 15, 330, 77, 13, true, 28, 39, false),
                                  test::NoonJ2000(),
                                  Birth(2050, 11, 30, 21, 40, -300, 74, 0, false, 40, 43, false)};
    for (const BirthRecord& birth : births) {
        for (const auto& row : modes) {
            SCOPED_TRACE(std::string(AyanamsaName(row.ayanamsa)) + " in " + std::to_string(birth.Year));
            const LibraryPlaces library = LibraryPlacesOf(birth, row.mode);
            ChartResult chart;
            ComputePreciseEngine(birth, {Engine::Precise, LunarNode::Mean, row.ayanamsa}, chart);
            EXPECT_NEAR(chart.AyanamsaDegrees, library.ayanamsa, 0.01 / 3600);
            for (std::size_t i = 0; i < 10; ++i) {
                EXPECT_NEAR(chart.Longitudes[LibraryOrder[i]], library.longitudes[i], 1.0 / 3600) << i;
            }
            EXPECT_EQ(chart.AyanamsaName, AyanamsaName(row.ayanamsa));
        }
    }
}

// An own value is the ayanamsa of the moment as written: the apparent tropical places less
// exactly that much, whatever the nutation; the display keeps every digit of the amount.
TEST(PreciseEngine, OwnAyanamsaIsSubtractedFromTheTropicalPlaces) {
    const struct {
        double value;
        const char* display;
    } rows[] = {{0, "0\u00B0 0' 0\""}, {0.5, "0\u00B0 30' 0\""}, {23.5, "23\u00B0 30' 0\""}, {60, "60\u00B0 0' 0\""}};
    const BirthRecord birth = test::Delhi1947();
    const LibraryPlaces tropical = LibraryPlacesOf(birth, std::nullopt);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        ChartResult chart;
        ComputeChart(birth, chart, {Engine::Precise, LunarNode::Mean, Ayanamsa::OwnValue, row.value});
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_NEAR(chart.Longitudes[LibraryOrder[i]], std::fmod(tropical.longitudes[i] - row.value + 360, 360),
                        1e-9) << i;
        }
        EXPECT_EQ(chart.AyanamsaDegrees, row.value);
        EXPECT_EQ(chart.AyanamsaName, "own-value");
        EXPECT_EQ(chart.AyanamsaDisplay, row.display);
    }
}

TEST(UniversalInstant, ZoneSignComesFromTheRecordOrElseTheHemisphere) {
    const struct {
        const char* what;
        BirthRecord birth;
        sys_seconds universal;
        bool signFromHemisphere;
    } rows[] = {
        // Magnitudes only: east of Greenwich the clock is ahead, west of it behind.
        {"east, magnitudes", Magnitudes(Birth(2000, 3, 1, 0, 15, std::nullopt, 77, 13, true, 0, 0, false), 5, 30),
         sys_days{2000y / 2 / 29} + 18h + 45min, true},
        {"west, magnitudes", Magnitudes(Birth(2000, 2, 28, 22, 0, std::nullopt, 74, 0, false, 0, 0, false), 5, 0),
         sys_days{2000y / 2 / 29} + 3h, true},
        {"west by a negative east longitude",
         Magnitudes(Birth(2000, 2, 28, 22, 0, std::nullopt, -74, 0, true, 0, 0, false), 5, 0),
         sys_days{2000y / 2 / 29} + 3h, true},
        // A signed offset wins over the hemisphere: Madrid is west but an hour ahead.
        {"west, ahead", Birth(2000, 1, 1, 0, 30, 60, 3, 42, false, 40, 25, false),
         sys_days{1999y / 12 / 31} + 23h + 30min, false},
        {"hour 24 is the next day", Birth(2000, 12, 31, 24, 0, 0, 0, 0, false, 0, 0, false),
         sys_days{2001y / 1 / 1}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const BirthInstant instant = UniversalInstant(row.birth);
        EXPECT_EQ(sys_days(instant.universalDate) + instant.secondsOfDay, row.universal);
        EXPECT_EQ(instant.zoneSignFromHemisphere, row.signFromHemisphere);
    }
}

TEST(CheckPreciseBirthRecord, RefusesDaysAndPlacesThatDoNotExist) {
    const struct {
        BirthRecord birth;
        std::optional<std::string> message;
    } rows[] = {
        {Birth(1900, 2, 29, 0, 0, 0, 0, 0, false, 0, 0, false),
         "29 February 1900 is not a date of the Gregorian calendar"},
        {Birth(2021, 4, 31, 0, 0, 0, 0, 0, false, 0, 0, false),
         "31 April 2021 is not a date of the Gregorian calendar"},
        {Birth(2000, 2, 29, 0, 0, 0, 0, 0, false, 0, 0, false), std::nullopt},
        {Birth(2000, 1, 1, 0, 0, 0, 0, 0, false, 90, 1, true),
         "The latitude must lie within 90 degrees of the equator"},
        {Birth(2000, 1, 1, 0, 0, 0, 180, 30, true, 0, 0, false),
         "The longitude must lie within 180 degrees of Greenwich"},
    };
    for (const auto& row : rows) EXPECT_EQ(CheckPreciseBirthRecord(row.birth), row.message);
    // In Hindi: the month named in the script, the numbers as they stand.
    EXPECT_EQ(CheckPreciseBirthRecord(rows[0].birth, Language::Hindi),
              "29 \u092B\u093C\u0930\u0935\u0930\u0940 1900 \u0917\u094D\u0930"
              "\u0947\u0917\u094B\u0930\u093F\u092F\u0928 \u0915\u0948\u0932"
              "\u0947\u0902\u0921\u0930 \u0915\u093E \u0926\u093F\u0928\u093E"
              "\u0902\u0915 \u0928\u0939\u0940\u0902 \u0939\u0948");  // 29 फ़रवरी 1900 ग्रेगोरियन कैलेंडर का दिनांक नहीं है
}

// Every text and number of a chart, as bytes.
std::string ChartBytes(const BirthRecord& birth) {
    ChartResult chart;
    ComputeChart(birth, chart, {Engine::Precise, LunarNode::Mean});
    std::string bytes = BuildTextReport(birth, chart);
    bytes.append(reinterpret_cast<const char*>(chart.Longitudes.data()),
                 sizeof(double) * chart.Longitudes.size());
    return bytes;
}

TEST(PreciseEngine, TwoThreadsGiveTheBytesOfOne) {
    std::vector<BirthRecord> births;
    for (int i = 0; i < 200; ++i) {
        births.push_back(Birth(1900 + i % 151, 1 + i % 12, 1 + i % 28, i % 24, i % 60,
                               (i % 29 - 14) * 60, i % 180, i % 60, i % 2 == 0, i % 70, 0, i % 3 == 0));
    }
    std::vector<std::string> alone(births.size()), shared(births.size());
    for (std::size_t i = 0; i < births.size(); ++i) alone[i] = ChartBytes(births[i]);
    {
        const auto half = [&](std::size_t first) {
            for (std::size_t i = first; i < births.size(); i += 2) shared[i] = ChartBytes(births[i]);
        };
        std::jthread a(half, 0), b(half, 1);
    }
    EXPECT_EQ(alone, shared);
}

TEST(PreciseEngine, WithoutTheFilesFallsBackToMoshierAndSaysSo) {
    // A thread of its own reads the folder afresh; the analytic theory is within about 1".
    const std::string empty = testing::TempDir() + "/no-ephemeris-files";
    std::filesystem::create_directories(empty);
    ChartResult chart;
    setenv("SE_EPHE_PATH", empty.c_str(), 1);
    std::jthread([&] {
        ComputePreciseEngine(test::NoonJ2000(), {Engine::Precise, LunarNode::Mean}, chart);
    }).join();
    unsetenv("SE_EPHE_PATH");
    EXPECT_EQ(chart.Ephemeris, "Moshier");
    EXPECT_NEAR(chart.Longitudes[MoonBody], 199.4705287, 2.0 / 3600);
}

// swe_set_ephe_path reads an SE_EPHE_PATH of up to 242 bytes and silently takes its own
// folder for a longer one: that is refused rather than computed from other files. The
// folders hold no files, so a path that is read gives the Moshier theory.
TEST(PreciseEngine, RefusesAnEphemerisPathLongerThanTheLibraryReads) {
    for (const std::size_t length : {LongestEphemerisPath, LongestEphemerisPath + 1}) {
        std::string path = testing::TempDir() + "/ephemeris-path-";
        ASSERT_LT(path.size(), length);
        path.resize(length - 1, 'x');
        path += '/';
        std::filesystem::create_directories(path);
        setenv("SE_EPHE_PATH", path.c_str(), 1);
        ChartResult chart;
        std::string failure;
        try {
            ComputePreciseEngine(test::NoonJ2000(), {Engine::Precise, LunarNode::Mean}, chart);
        } catch (const EphemerisFailure& error) {
            failure = error.what();
        }
        unsetenv("SE_EPHE_PATH");
        std::filesystem::remove(path);
        if (length == LongestEphemerisPath) {
            EXPECT_EQ(failure, "");
            EXPECT_EQ(chart.Ephemeris, "Moshier");
        } else {
            EXPECT_EQ(failure, "SE_EPHE_PATH is 243 bytes long, but the Swiss Ephemeris reads at most "
                               "242: name the ephemeris folder by a shorter path.");
        }
    }
}

}  // namespace
}  // namespace grahavani
