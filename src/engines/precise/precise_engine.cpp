#include "engines/precise/precise_engine.h"

#include <swephexp.h>

#include <array>
#include <string>
#include <utility>

#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_call.h"
#include "engines/precise/thread_ephemeris.h"

namespace grahavani {

namespace {

constexpr int SiderealFlags = SEFLG_SWIEPH | SEFLG_SIDEREAL;

struct BodyRequest {
    std::size_t body;
    int planet;
    bool needsSpeed;  // only the five planets are ever retrograde
};

constexpr std::array<BodyRequest, 7> Bodies = {{
    {SunBody, SE_SUN, false},
    {MoonBody, SE_MOON, false},
    {MercuryBody, SE_MERCURY, true},
    {VenusBody, SE_VENUS, true},
    {MarsBody, SE_MARS, true},
    {JupiterBody, SE_JUPITER, true},
    {SaturnBody, SE_SATURN, true},
}};

// Equal houses give the ascendant and midheaven at every latitude, the poles included.
constexpr int HouseSystem = 'E';

}  // namespace

void ComputePreciseEngine(const BirthRecord& birth, const ChartOptions& options,
                          ChartResult& chart) {
    PrepareEphemerisThread();
    const BirthInstant instant = UniversalInstant(birth);
    const int y = static_cast<int>(instant.universalDate.year());
    const int m = static_cast<int>(static_cast<unsigned>(instant.universalDate.month()));
    const int d = static_cast<int>(static_cast<unsigned>(instant.universalDate.day()));
    const double hours = static_cast<double>(instant.secondsOfDay.count()) / 3600;
    const double jd = swe_julday(y, m, d, hours, SE_GREG_CAL);

    // Every call says whether it read the files; one that fell back to the Moshier theory
    // makes the whole chart Moshier's, and its words name the missing file.
    bool allFromFiles = true;
    std::string moshierNotice;
    const auto check = [&](int returnedFlags, const char* error) {
        EphemerisSource source = CheckEphemerisCall(returnedFlags, error);
        allFromFiles = allFromFiles && source.FromFiles;
        if (moshierNotice.empty()) moshierNotice = std::move(source.MoshierNotice);
    };

    char error[AS_MAXCH] = {};
    double values[6];
    for (const BodyRequest& request : Bodies) {
        const int flags = SiderealFlags | (request.needsSpeed ? SEFLG_SPEED : 0);
        error[0] = '\0';
        check(swe_calc_ut(jd, request.planet, flags, values, error), error);
        chart.Longitudes[request.body] = values[0];
        chart.Retrograde[request.body] = request.needsSpeed && values[3] < 0;
    }
    const int node = options.node == LunarNode::True ? SE_TRUE_NODE : SE_MEAN_NODE;
    error[0] = '\0';
    check(swe_calc_ut(jd, node, SiderealFlags, values, error), error);
    chart.Longitudes[RahuBody] = values[0];
    chart.Longitudes[KetuBody] = WithinOneTurn(values[0] + 180);
    chart.Retrograde[RahuBody] = chart.Retrograde[KetuBody] = false;

    double cusps[13];
    double angles[10];
    if (swe_houses_ex(jd, SEFLG_SIDEREAL, NorthLatitude(birth), EastLongitude(birth), HouseSystem,
                      cusps, angles) < 0) {
        throw EphemerisFailure("The Swiss Ephemeris cannot compute the ascendant at this place.");
    }
    chart.Longitudes[AscendantPoint] = angles[SE_ASC];
    chart.Longitudes[MidheavenPoint] = angles[SE_MC];
    chart.Retrograde[AscendantPoint] = chart.Retrograde[MidheavenPoint] = false;

    double ayanamsa = 0;
    error[0] = '\0';
    check(swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &ayanamsa, error), error);

    chart.JulianDayUT = jd;
    chart.UniversalTimeHours = hours;
    chart.BirthDayNumber = swe_julday(y, m, d, 12, SE_GREG_CAL);
    chart.Centuries1900 = (jd - 2415020) / 36525;
    chart.AyanamsaDegrees = ayanamsa;
    chart.ComputedBy = Engine::Precise;
    chart.Ephemeris = allFromFiles ? "JPL files" : "Moshier";
    chart.EphemerisNotice = std::move(moshierNotice);
    chart.ZoneSignFromHemisphere = instant.zoneSignFromHemisphere;
}

}  // namespace grahavani
