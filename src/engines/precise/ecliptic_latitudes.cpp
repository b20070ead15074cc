#include "engines/precise/ecliptic_latitudes.h"

#include <swephexp.h>

#include "engines/precise/ephemeris_call.h"
#include "engines/precise/thread_ephemeris.h"
#include "model/chart_result.h"

namespace grahavani {

std::array<double, 9> EclipticLatitudes(double julianDayUT) {
    constexpr std::array<std::pair<std::size_t, int>, 6> planets = {{{MoonBody, SE_MOON},
                                                                     {MercuryBody, SE_MERCURY},
                                                                     {VenusBody, SE_VENUS},
                                                                     {MarsBody, SE_MARS},
                                                                     {JupiterBody, SE_JUPITER},
                                                                     {SaturnBody, SE_SATURN}}};
    PrepareEphemerisThread();
    std::array<double, 9> latitudes{};
    for (const auto& [body, planet] : planets) {
        std::array<double, 6> place{};
        std::array<char, AS_MAXCH> error{};
        CheckEphemerisCall(swe_calc_ut(julianDayUT, planet, SEFLG_SWIEPH, place.data(), error.data()),
                           error.data());
        latitudes[body] = place[1];
    }
    return latitudes;
}

}  // namespace grahavani
