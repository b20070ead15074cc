#pragma once
// Birth records of the worked examples used across the tests.

#include "model/birth_entries.h"
#include "model/birth_record.h"

namespace grahavani::test {

// Noon UT, 1 January 2000, at Greenwich on the equator.
inline BirthRecord NoonJ2000() {
    BirthRecord b;
    b.Name = "J2000";
    b.Day = 1;
    b.Month = 1;
    b.Year = 2000;
    b.Hour = 12;
    return b;
}

// Midnight at the start of 15 August 1947 in New Delhi, Indian time.
inline BirthRecord Delhi1947() {
    BirthRecord b;
    b.Name = "Asha Rao";
    b.Day = 15;
    b.Month = 8;
    b.Year = 1947;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.LongitudeDegrees = 77;
    b.LongitudeMinutes = 13;
    b.IsEast = true;
    b.LatitudeDegrees = 28;
    b.LatitudeMinutes = 39;
    b.City = "New Delhi";
    b.State = "Delhi";
    b.Country = "India";
    return b;
}

// The same birth as the entry form holds it, zone "Indian Time, IST, +5.3".
inline BirthEntries DelhiEntries() {
    BirthEntries e;
    e.Name = "Asha Rao";
    e.Day = "15";
    e.Month = "August";
    e.Year = "1947";
    e.Hour = "0";
    e.Minute = "0";
    e.LatitudeDegrees = "28";
    e.LatitudeMinutes = "39";
    e.LongitudeDegrees = "77";
    e.LongitudeMinutes = "13";
    e.IsEast = true;
    e.City = "New Delhi";
    e.State = "Delhi";
    e.Country = "India";
    e.TimeZoneRow = 34;
    return e;
}

}  // namespace grahavani::test
