#include "catalogue/views/ListTexts.h"

#include <ctime>

QString LengthText(uint64_t durationMs) {
    return QStringLiteral(" %1 s ").arg(static_cast<long long>(durationMs / 1000));
}

QString SizeText(uint64_t bytes) {
    return QStringLiteral(" %1 MB").arg(static_cast<long long>(bytes / 1048576));
}

QString LocalTimeText(int64_t seconds, const char* format) {
    const time_t t = static_cast<time_t>(seconds);
    if (static_cast<int64_t>(t) != seconds) return {};
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    char buffer[128];
    const size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    if (n == 0) return {};
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(n));
}
