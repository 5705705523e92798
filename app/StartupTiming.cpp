#include "app/StartupTiming.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <set>
#include <unistd.h>
#include <string>

namespace {
// Milliseconds since the process began, from the kernel's record of its start.
double MsSinceProcessStart() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    static const double startMs = [] {
        FILE* f = std::fopen("/proc/self/stat", "r");
        if (!f) return -1.0;
        char buffer[1024] = {};
        const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
        std::fclose(f);
        const std::string stat(buffer, n);
        const size_t close = stat.rfind(')');
        if (close == std::string::npos) return -1.0;
        // Field 22 (starttime, in clock ticks since boot) counting from the state field as 3.
        size_t pos = close + 2;
        for (int field = 3; field < 22 && pos != std::string::npos; ++field) pos = stat.find(' ', pos) + 1;
        const double ticks = std::strtod(stat.c_str() + pos, nullptr);
        return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    }();
    return startMs < 0 ? 0.0 : nowMs - startMs;
}
}  // namespace

void TimingMark(const char* what) {
    static const bool enabled = !qEnvironmentVariableIsEmpty("NORVIK_TIMING");
    if (!enabled) return;
    static std::mutex lock;
    static std::set<std::string> seen;
    std::lock_guard<std::mutex> guard(lock);
    if (!seen.insert(what).second) return;
    // One write of the whole line, so the engine's threads writing to the same stream cannot split it.
    char line[160];
    const int n = std::snprintf(line, sizeof line, "norvik-timing: %s %.1f\n", what, MsSinceProcessStart());
    if (n > 0) (void)!::write(STDERR_FILENO, line, std::min<size_t>(size_t(n), sizeof line - 1));
}
