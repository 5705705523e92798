#include "map/core/BrowserCheck.h"

#include <climits>
#include <cstddef>

int ParseMajorVersion(const std::string& version) {
    const size_t dot = version.find('.');
    if (dot == std::string::npos || dot == 0) return 0;
    size_t i = 0;
    while (i < dot && (version[i] == ' ' || version[i] == '\t')) ++i;
    bool negative = false;
    if (i < dot && (version[i] == '+' || version[i] == '-')) negative = version[i++] == '-';
    long long value = 0;
    for (; i < dot && version[i] >= '0' && version[i] <= '9'; ++i) {
        value = value * 10 + (version[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

int EmulationValueForVersion(int major) {
    if (major <= 8) return 0;
    if (major == 11) return 11001;
    if (major == 10) return 10001;
    return 9999;
}
