#pragma once
// The Julian day (UT) of a civil UT date and time, for writing known instants in the tests.

#include <date/date.h>

namespace grahavani::test {

inline double JulianDayUT(int year, unsigned month, unsigned day, double hours = 0) {
    const date::sys_days civil{date::year{year} / month / day};
    return 2440587.5 + civil.time_since_epoch().count() + hours / 24;
}

}  // namespace grahavani::test
