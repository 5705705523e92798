// The installed-browser check made at start-up on Windows: version text to major number, and the
// emulation value registered for that number. Linux has no such browser, so start-up skips it there.
#pragma once

#include <string>

inline constexpr char kBrowserWarningText[] = "IE version lower than 9,not surpport google map v3 javascript api";
inline constexpr char kBrowserWarningCaption[] = "Warnning";
inline constexpr char kEmulationValueName[] = "Norvik.exe";

// The integer before the first "." (leading digits, as atoi reads them); 0 without a "." or when
// nothing precedes it.
int ParseMajorVersion(const std::string& version);

// The emulation value for a major version: 11 -> 11001, 10 -> 10001, 9 and 12 up -> 9999;
// 0 for 8 and below, which get the warning and no value.
int EmulationValueForVersion(int major);

// Whether start-up runs the check on this platform.
constexpr bool BrowserCheckApplies() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}
