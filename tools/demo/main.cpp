// norvik-demo-card OUTDIR: writes a demo camera card for trying the player.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/demo/DemoCard.h"

namespace {

constexpr const char* kUsage = R"(usage: norvik-demo-card [--route ROUTE.csv] [--ffmpeg PROGRAM] OUTDIR

Replaces OUTDIR with a camera card's folder tree: real recordings of three drives round a block in
Midtown Manhattan (both MOV kinds, GPS and G-sensor telemetry) and a few files the player must leave
out. OUTDIR must be missing, empty or an earlier demo card.
)";

const char* KindName(fixture::Kind k) { return k == fixture::Kind::Atoms ? "atoms" : "meta-track"; }

void PrintSummary(const DemoCard& card, const std::string& outDir) {
    int seconds = 0, points = 0;
    for (const DemoRecording& r : card.recordings) {
        std::printf("%-26s %-10s %04d-%02d-%02d %02d:%02d:%02d %3d s %4d GPS points%s\n", r.path.c_str(),
                    KindName(r.kind), r.start.year, r.start.month, r.start.day, r.start.hour, r.start.minute,
                    r.start.second, r.seconds, r.gpsPoints, r.readOnly ? "  read-only" : "");
        seconds += r.seconds;
        points += r.gpsPoints;
    }
    for (const DemoOddFile& f : card.oddFiles)
        std::printf("%-26s left out: %s\n", f.path.c_str(), f.why.c_str());
    std::printf("%zu recordings in %d drives, %d s, %d GPS points, %zu files to leave out, in %s\n",
                card.recordings.size(), card.drives, seconds, points, card.oddFiles.size(), outDir.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    DemoCardOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if ((a == "--route" || a == "--ffmpeg") && i + 1 < args.size()) {
            (a == "--route" ? options.routePath : options.ffmpeg) = args[++i];
        } else if (!a.starts_with("-") && options.outDir.empty()) {
            options.outDir = a;
        } else {
            std::fprintf(stderr, "norvik-demo-card: unexpected argument \"%s\"\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (options.outDir.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        PrintSummary(BuildDemoCard(options), options.outDir);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvik-demo-card: %s\n", e.what());
        return 1;
    }
}
