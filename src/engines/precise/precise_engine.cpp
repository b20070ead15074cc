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

// The library's predefined mode of each Ayanamsa but OwnValue, in Ayanamsa order.
constexpr std::array<int, 12> LibraryModes = {
    SE_SIDM_LAHIRI,       SE_SIDM_RAMAN,       SE_SIDM_KRISHNAMURTI, SE_SIDM_FAGAN_BRADLEY,
    SE_SIDM_YUKTESHWAR,   SE_SIDM_JN_BHASIN,   SE_SIDM_TRUE_CITRA,   SE_SIDM_TRUE_REVATI,
    SE_SIDM_TRUE_PUSHYA,  SE_SIDM_SURYASIDDHANTA, SE_SIDM_ARYABHATA, SE_SIDM_USHASHASHI};
static_assert(LibraryModes.size() + 1 == AyanamsaNames.size(), "every predefined ayanamsa has its mode");

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

    // An own value is subtracted from the apparent tropical places as it stands: the library's
    // user-defined mode would take it as a mean ayanamsa and leave the nutation in.
    const bool ownValue = options.ayanamsa == Ayanamsa::OwnValue;
    if (!ownValue) UseSiderealMode(LibraryModes[static_cast<std::size_t>(options.ayanamsa)]);
    const int siderealFlag = ownValue ? 0 : SEFLG_SIDEREAL;
    const int frameFlags = SEFLG_SWIEPH | siderealFlag;
    double ayanamsa = options.ayanamsaValue;
    const auto sidereal = [&](double longitude) {
        return ownValue ? WithinOneTurn(longitude - ayanamsa) : longitude;
    };

    char error[AS_MAXCH] = {};
    if (!ownValue) {
        // First, so that a mode the library cannot compute fails in its own words.
        check(swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &ayanamsa, error), error);
    }
    double values[6];
    for (const BodyRequest& request : Bodies) {
        const int flags = frameFlags | (request.needsSpeed ? SEFLG_SPEED : 0);
        error[0] = '\0';
        check(swe_calc_ut(jd, request.planet, flags, values, error), error);
        chart.Longitudes[request.body] = sidereal(values[0]);
        chart.Retrograde[request.body] = request.needsSpeed && values[3] < 0;
    }
    const int node = options.node == LunarNode::True ? SE_TRUE_NODE : SE_MEAN_NODE;
    error[0] = '\0';
    check(swe_calc_ut(jd, node, frameFlags, values, error), error);
    chart.Longitudes[RahuBody] = sidereal(values[0]);
    chart.Longitudes[KetuBody] = WithinOneTurn(chart.Longitudes[RahuBody] + 180);
    chart.Retrograde[RahuBody] = chart.Retrograde[KetuBody] = false;

    double cusps[13];
    double angles[10];
    if (swe_houses_ex(jd, siderealFlag, NorthLatitude(birth), EastLongitude(birth),
                      HouseSystem, cusps, angles) < 0) {
        throw EphemerisFailure("The Swiss Ephemeris cannot compute the ascendant at this place.");
    }
    chart.Longitudes[AscendantPoint] = sidereal(angles[SE_ASC]);
    chart.Longitudes[MidheavenPoint] = sidereal(angles[SE_MC]);
    chart.Retrograde[AscendantPoint] = chart.Retrograde[MidheavenPoint] = false;

    chart.JulianDayUT = jd;
    chart.UniversalTimeHours = hours;
    chart.BirthDayNumber = swe_julday(y, m, d, 12, SE_GREG_CAL);
    chart.Centuries1900 = (jd - 2415020) / 36525;
    chart.AyanamsaDegrees = ayanamsa;
    chart.AyanamsaName = AyanamsaName(options.ayanamsa);
    chart.ComputedBy = Engine::Precise;
    chart.Ephemeris = allFromFiles ? "JPL files" : "Moshier";
    chart.EphemerisNotice = std::move(moshierNotice);
    chart.ZoneSignFromHemisphere = instant.zoneSignFromHemisphere;
}

}  // namespace grahavani
