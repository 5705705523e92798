#include "DemoCardSetup.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "tools/demo/OutputFolder.h"

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;
constexpr double kEarthM = 6371000.0;

struct CardHolder {
    std::unique_ptr<BuiltCard> built;
    std::string error;
    std::string temporary;
    ~CardHolder() {
        if (!temporary.empty()) RemoveTree(temporary);
    }
};

CardHolder& Holder() {
    static CardHolder holder;
    return holder;
}

// The card CTest built for every test, or one of our own when run alone.
void Build(CardHolder& h) {
    auto b = std::make_unique<BuiltCard>();
    DemoCardOptions options;
    const char* shared = std::getenv("NORVIK_DEMO_CARD");
    if (shared && *shared && std::filesystem::exists(std::filesystem::path(shared) / kDemoCardMarker)) {
        b->folder = std::string(shared) + "/";
        b->card = PlanDemoCard(options);
    } else {
        h.temporary = MakeTemporaryFolder("card");
        b->folder = h.temporary + "card/";
        options.outDir = b->folder;
        b->card = BuildDemoCard(options);
    }
    b->scan = ScanFolder(b->folder);
    for (const DemoRecording& r : b->card.recordings) b->recordings[r.path] = r;
    for (const RecordingEntry& e : b->scan.entries) {
        const std::string rel = e.subFolder + e.fileName;
        TelemetryTrack track;
        if (!ReadTelemetryTrack(e.Path(), e.info, track))
            throw std::runtime_error("cannot read the track of " + rel);
        b->tracks[rel] = std::move(track);
        b->entries[rel] = e;
    }
    h.built = std::move(b);
}

}  // namespace

const BuiltCard& DemoCardUnderTest() {
    CardHolder& h = Holder();
    if (!h.built && h.error.empty()) {
        try {
            Build(h);
        } catch (const std::exception& e) {
            h.error = e.what();
        }
    }
    if (!h.built) {
        ADD_FAILURE() << "the demo card could not be built: " << h.error;
        static const BuiltCard empty;
        return empty;
    }
    return *h.built;
}

std::string MakeTemporaryFolder(const std::string& tag) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("norvik-demo-" + tag + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return pattern + "/";
}

double LocalDistanceM(double lat1, double lon1, double lat2, double lon2) {
    const double x = (lon2 - lon1) * kRad * std::cos((lat1 + lat2) / 2 * kRad) * kEarthM;
    const double y = (lat2 - lat1) * kRad * kEarthM;
    return std::hypot(x, y);
}

double DistanceToPolylineM(double lat, double lon, const std::vector<std::pair<double, double>>& line) {
    const double scale = std::cos(lat * kRad) * kRad * kEarthM;
    auto xy = [&](double la, double lo) {
        return std::pair{(lo - lon) * scale, (la - lat) * kRad * kEarthM};
    };
    double best = INFINITY;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const auto [ax, ay] = xy(line[i].first, line[i].second);
        const auto [bx, by] = xy(line[i + 1].first, line[i + 1].second);
        const double dx = bx - ax, dy = by - ay;
        const double len2 = dx * dx + dy * dy;
        const double f = len2 > 0 ? std::clamp(-(ax * dx + ay * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(ax + f * dx, ay + f * dy));
    }
    return best;
}
