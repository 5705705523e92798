#include "telemetry/LocalTime.h"

#include <cerrno>
#include <ctime>

bool CalendarFieldsValid(const CalendarFields& f) {
    return f.year >= 1900 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31 && f.hour >= 0 &&
           f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.second >= 0 && f.second <= 59;
}

std::optional<int64_t> LocalTimeFromFields(const CalendarFields& f) {
    if (!CalendarFieldsValid(f)) return std::nullopt;
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    tm.tm_isdst = -1;
    errno = 0;
    const std::time_t t = std::mktime(&tm);
    // -1 is also one second before 1970 UTC: only an error when mktime says so.
    if (t == std::time_t(-1) && errno != 0) return std::nullopt;
    return int64_t(t);
}

std::optional<CalendarFields> LocalFieldsFromTime(int64_t t) {
    const std::time_t tt = std::time_t(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm)) return std::nullopt;
    return CalendarFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
