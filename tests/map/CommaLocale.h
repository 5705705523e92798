// A comma-decimal locale (de_DE.UTF-8) for the process, compiled into a private folder with localedef.
#pragma once

#include <string>

namespace maptest {

// Switches the C and C++ global locales to de_DE.UTF-8; false (with why) when it cannot be made.
bool UseCommaDecimalLocale(std::string& why);
// Back to the "C" locale.
void UseClassicLocale();

// Sets TZ for localtime and re-reads it; RestoreTimeZone puts the previous value back.
void SetTimeZone(const char* tz);
void RestoreTimeZone();

}  // namespace maptest
