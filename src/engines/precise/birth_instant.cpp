#include "engines/precise/birth_instant.h"

#include <cmath>
#include <cstdlib>

#include "model/name_tables.h"
#include "translation/chart_names_in.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

using namespace std::chrono;

year_month_day CalendarDate(const BirthRecord& birth) {
    return year{birth.Year} / month{static_cast<unsigned>(birth.Month)} /
           day{static_cast<unsigned>(birth.Day)};
}

}  // namespace

double EastLongitude(const BirthRecord& birth) {
    const double magnitude = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    return birth.IsEast ? magnitude : -magnitude;
}

double NorthLatitude(const BirthRecord& birth) {
    const double magnitude = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    return birth.IsSouth ? -magnitude : magnitude;
}

std::optional<std::string> CheckPreciseBirthRecord(const BirthRecord& birth, Language language) {
    const auto text = [language](std::string_view english) {
        return Translated(language, "engines/precise/birth_instant.cpp CheckPreciseBirthRecord", english);
    };
    if (birth.Month < 1 || birth.Month > 12 || birth.Day < 1 || !CalendarDate(birth).ok()) {
        const std::string monthName =
            birth.Month >= 1 && birth.Month <= 12
                ? std::string(MonthNameIn(MonthNames[static_cast<std::size_t>(birth.Month - 1)], language))
                : Filled(text("month %1"), {std::to_string(birth.Month)});
        return Filled(text("%1 %2 %3 is not a date of the Gregorian calendar"),
                      {std::to_string(birth.Day), monthName, std::to_string(birth.Year)});
    }
    if (std::fabs(NorthLatitude(birth)) > 90) {
        return std::string(text("The latitude must lie within 90 degrees of the equator"));
    }
    if (std::fabs(EastLongitude(birth)) > 180) {
        return std::string(text("The longitude must lie within 180 degrees of Greenwich"));
    }
    return std::nullopt;
}

BirthInstant UniversalInstant(const BirthRecord& birth) {
    BirthInstant instant;
    std::int64_t offset = 0;
    if (birth.ZoneOffsetSeconds) {
        offset = *birth.ZoneOffsetSeconds;
    } else {
        instant.zoneSignFromHemisphere = true;
        const std::int64_t magnitude =
            std::abs(birth.ZoneHours) * 3600 + std::abs(birth.ZoneMinutes) * 60;
        offset = EastLongitude(birth) > 0 ? magnitude : -magnitude;
    }
    if (birth.DaylightSaving) offset += 3600;
    const sys_seconds local = sys_days(CalendarDate(birth)) + hours{birth.Hour} +
                              minutes{birth.Minute};
    const sys_seconds universal = local - seconds{offset};
    const sys_days date = floor<days>(universal);
    instant.universalDate = year_month_day(date);
    instant.secondsOfDay = universal - date;
    return instant;
}

}  // namespace grahavani
