// Calendar fields <-> seconds since 1970, in the local time zone with daylight saving decided automatically.
#pragma once

#include <cstdint>
#include <optional>

struct CalendarFields {
    int year = 0;  // full year, e.g. 2014
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The reader's field check: month 1..12, day 1..31, hour <= 23, minute <= 59, second <= 59, year >= 1900.
bool CalendarFieldsValid(const CalendarFields& f);

// Local calendar time to a time value (mktime with tm_isdst = -1); empty when the fields fail the check
// or the platform cannot represent the moment.
std::optional<int64_t> LocalTimeFromFields(const CalendarFields& f);

// A time value to local calendar fields; empty when the platform cannot convert it.
std::optional<CalendarFields> LocalFieldsFromTime(int64_t t);
