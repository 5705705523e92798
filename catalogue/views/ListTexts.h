// The texts of the list columns: lengths, sizes and local times.
#pragma once

#include <QString>
#include <cstdint>

// " 179 s ": whole seconds, truncated.
QString LengthText(uint64_t durationMs);
// " 12 MB": whole mebibytes, truncated.
QString SizeText(uint64_t bytes);
// The local time of seconds since 1970 in a strftime format; empty when conversion or formatting fails.
QString LocalTimeText(int64_t seconds, const char* format);
