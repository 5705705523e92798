// The demo card as the player sees it: what the scan lists, how it groups, and whether the telemetry
// decoded from each recording tells a consistent story of the drives along the route.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "DemoCardSetup.h"
#include "catalogue/FileAttributes.h"
#include "catalogue/NameFilter.h"
#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/CTarvoVideoParser.h"
#include "tools/demo/Route.h"

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

// Written out here rather than taken from the card builder, so that a fault there cannot hide.
double Haversine(double lat1, double lon1, double lat2, double lon2) {
    const double a =
        std::pow(std::sin((lat2 - lat1) * kRad / 2), 2) +
        std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::pow(std::sin((lon2 - lon1) * kRad / 2), 2);
    return 2 * 6371000.0 * std::asin(std::sqrt(a));
}

double Bearing(double lat1, double lon1, double lat2, double lon2) {
    const double y = std::sin((lon2 - lon1) * kRad) * std::cos(lat2 * kRad);
    const double x = std::cos(lat1 * kRad) * std::sin(lat2 * kRad) -
                     std::sin(lat1 * kRad) * std::cos(lat2 * kRad) * std::cos((lon2 - lon1) * kRad);
    return std::fmod(std::atan2(y, x) / kRad + 360.0, 360.0);
}

// Decimal degrees of a decoded sample: block positions are ddmm.mmmm.
std::pair<double, double> Degrees(const GpsSample& s, const VideoInfo& info) {
    if (info.layout == kLayoutMetaTrack) return {s.latitude, s.longitude};
    return {NmeaToDegrees(s.latitude), NmeaToDegrees(s.longitude)};
}

bool HasFix(const GpsSample& s) { return (s.fixFlags & kGpsFixValid) != 0; }

std::vector<std::pair<double, double>> RouteLine() {
    std::vector<std::pair<double, double>> line;
    for (const RoutePoint& p : LoadRoute(DefaultRoutePath()))
        line.push_back({p.position.latitude, p.position.longitude});
    return line;
}

TEST(DemoCard, ScanListsEveryRecordingAndNoOddFile) {
    const BuiltCard& c = DemoCardUnderTest();
    ASSERT_TRUE(c.scan.sourceExists);
    ASSERT_GE(c.card.recordings.size(), 8u);
    EXPECT_EQ(size_t(c.scan.scanned), c.card.recordings.size() + c.card.oddFiles.size());
    std::set<std::string> listed, expected;
    for (const auto& [path, entry] : c.entries) listed.insert(path);
    for (const auto& r : c.card.recordings) expected.insert(r.path);
    EXPECT_EQ(listed, expected);
    for (const auto& odd : c.card.oddFiles) EXPECT_FALSE(listed.count(odd.path)) << odd.path;
}

TEST(DemoCard, EachOddFileIsLeftOutForItsOwnReason) {
    const BuiltCard& c = DemoCardUnderTest();
    std::set<RejectedBy> reasons;
    for (const DemoOddFile& odd : c.card.oddFiles) {
        SCOPED_TRACE(odd.path);
        const std::string name = odd.path.substr(odd.path.rfind('/') + 1);
        const std::string path = c.folder + odd.path;
        ASSERT_TRUE(std::filesystem::is_regular_file(path));
        reasons.insert(odd.rejectedBy);
        CTarvo3gpParser reader;
        VideoInfo info;
        reader.SetVideoInfo(&info);
        switch (odd.rejectedBy) {
            case RejectedBy::NameFilter:
                EXPECT_FALSE(PassesNameFilter(name));
                EXPECT_EQ(reader.Parse(path), 0)
                    << "a good recording under a bad name shows the filter at work";
                break;
            case RejectedBy::NeverExamined:
                EXPECT_TRUE(PassesNameFilter(name));
                EXPECT_FALSE(IsExaminedByMovReader(name));
                break;
            case RejectedBy::Reader:
                EXPECT_TRUE(PassesNameFilter(name));
                EXPECT_TRUE(IsExaminedByMovReader(name));
                EXPECT_EQ(reader.Parse(path), -1);
                break;
        }
    }
    EXPECT_EQ(reasons.size(), 3u);
}

TEST(DemoCard, RecordingsCarryTheirPlannedKindStartAndPicture) {
    const BuiltCard& c = DemoCardUnderTest();
    std::set<int> layouts;
    for (const DemoRecording& r : c.card.recordings) {
        SCOPED_TRACE(r.path);
        ASSERT_TRUE(c.entries.count(r.path));
        const VideoInfo& info = c.entries.at(r.path).info;
        layouts.insert(info.layout);
        EXPECT_EQ(info.layout, r.kind == fixture::Kind::Atoms ? kLayoutBlocks : kLayoutMetaTrack);
        EXPECT_EQ(info.startTime, r.startTime);
        const auto shown = LocalFieldsFromTime(info.startTime);
        ASSERT_TRUE(shown);
        EXPECT_EQ(
            std::tie(shown->year, shown->month, shown->day, shown->hour, shown->minute, shown->second),
            std::tie(r.start.year, r.start.month, r.start.day, r.start.hour, r.start.minute, r.start.second));
        EXPECT_EQ(info.width, 640);
        EXPECT_EQ(info.height, 360);
        EXPECT_EQ(int(info.durationMs / 1000), r.seconds);
        EXPECT_EQ(c.tracks.at(r.path).gps.size(), size_t(r.gpsPoints));
    }
    EXPECT_EQ(layouts, (std::set<int>{kLayoutBlocks, kLayoutMetaTrack}));
}

TEST(DemoCard, CatalogueGroupsOneGroupPerDriveOfBackToBackRecordings) {
    const BuiltCard& c = DemoCardUnderTest();
    CRecordingCatalog catalogue;
    catalogue.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(catalogue.Load(c.folder));
    ASSERT_GE(c.card.drives, 3);
    ASSERT_EQ(catalogue.Groups().size(), size_t(c.card.drives));
    const auto& entries = catalogue.Entries();
    for (const RecordingGroup& g : catalogue.Groups()) {
        std::set<int> drives;
        for (int i = g.firstEntry; i < g.firstEntry + g.entryCount; ++i) {
            const std::string rel = entries[size_t(i)].subFolder + entries[size_t(i)].fileName;
            drives.insert(c.recordings.at(rel).drive);
            if (i > g.firstEntry) {
                const VideoInfo& prev = entries[size_t(i) - 1].info;
                EXPECT_EQ(entries[size_t(i)].info.startTime, prev.startTime + prev.durationMs / 1000) << rel;
            }
        }
        EXPECT_EQ(drives.size(), 1u) << "group " << g.groupIndex;
        EXPECT_GE(g.entryCount, 2);
        if (g.groupIndex > 0) {
            const VideoInfo& last = entries[size_t(g.firstEntry) - 1].info;
            EXPECT_GT(entries[size_t(g.firstEntry)].info.startTime,
                      last.startTime + last.durationMs / 1000 + 60);
        }
    }
}

TEST(DemoCard, EventRecordingsAreProtectedAndPadlocked) {
    const BuiltCard& c = DemoCardUnderTest();
    int gsensor = 0;
    for (const auto& [path, e] : c.entries) {
        SCOPED_TRACE(path);
        const bool readOnly = (fileattr::Get(e.Path()) & fileattr::kReadOnly) != 0;
        if (e.fileName.starts_with("EVGS")) {
            ++gsensor;
            EXPECT_EQ(e.subFolder, "DCIM/EVENT/");
            EXPECT_TRUE(readOnly);
            EXPECT_EQ(e.info.layout, kLayoutBlocks) << "the padlock should come from the read-only attribute";
            EXPECT_EQ(e.lockFlags, kLockGSensor);
        } else if (e.fileName.starts_with("EVSW")) {
            EXPECT_EQ(e.subFolder, "DCIM/EVENT/");
            EXPECT_EQ(e.lockFlags, kLockManual);
        } else {
            EXPECT_EQ(e.subFolder, "DCIM/MOVIE/");
            EXPECT_FALSE(readOnly);
            EXPECT_EQ(e.lockFlags, 0);
        }
    }
    EXPECT_EQ(gsensor, 1);
}

TEST(DemoCard, OneRecordingLosesTheFixForAtLeastFiveSeconds) {
    const BuiltCard& c = DemoCardUnderTest();
    double longest = 0;
    int recordingsWithoutFix = 0;
    for (const auto& [path, track] : c.tracks) {
        const int rate = GpsRate(c.entries.at(path).info);
        int run = 0, best = 0;
        for (const GpsSample& s : track.gps) {
            run = HasFix(s) ? 0 : run + 1;
            best = std::max(best, run);
        }
        if (best > 0) ++recordingsWithoutFix;
        longest = std::max(longest, double(best) / rate);
    }
    EXPECT_GE(longest, 5.0);
    EXPECT_EQ(recordingsWithoutFix, 1);
}

TEST(DemoCard, TheEmergencyStopReadsHalfAGAndShowsInTheSpeed) {
    const BuiltCard& c = DemoCardUnderTest();
    std::string strongest;
    double maxG = 0;
    for (const auto& [path, track] : c.tracks) {
        const int range = GSensorFullScale(c.entries.at(path).info);
        for (const GSensorSample& s : track.gsensor) {
            const double g = std::max(std::fabs(GSensorToG(s.x, range)), std::fabs(GSensorToG(s.y, range)));
            if (g > maxG) maxG = g, strongest = path;
        }
    }
    EXPECT_GE(maxG, 0.5) << "largest sideways or forward reading";
    ASSERT_TRUE(strongest.find("/EVGS") != std::string::npos) << strongest;
    // The car comes to a stop within the recording: from 30 km/h or more to 0 in at most 3 seconds.
    const auto& gps = c.tracks.at(strongest).gps;
    const int rate = GpsRate(c.entries.at(strongest).info);
    bool stopped = false;
    for (size_t i = 0; i < gps.size(); ++i)
        for (size_t j = i + 1; j < gps.size() && j <= i + size_t(3 * rate); ++j)
            if (HasFix(gps[i]) && HasFix(gps[j]) && gps[i].speedKmh >= 30 && gps[j].speedKmh == 0)
                stopped = true;
    EXPECT_TRUE(stopped);
}

TEST(DemoCard, SpeedsAndHeadingsMatchTheSpacingOfTheFixes) {
    const BuiltCard& c = DemoCardUnderTest();
    int movingPairs = 0;
    for (const auto& [path, track] : c.tracks) {
        SCOPED_TRACE(path);
        const VideoInfo& info = c.entries.at(path).info;
        const int rate = GpsRate(info);
        for (size_t i = 0; i + 1 < track.gps.size(); ++i) {
            const GpsSample& a = track.gps[i];
            const GpsSample& b = track.gps[i + 1];
            if (!HasFix(a) || !HasFix(b)) continue;
            const auto [lat1, lon1] = Degrees(a, info);
            const auto [lat2, lon2] = Degrees(b, info);
            const double metres = Haversine(lat1, lon1, lat2, lon2);
            EXPECT_NEAR(a.speedKmh, metres * rate * 3.6, 1.0) << "sample " << i;
            EXPECT_LE(a.speedKmh, 45) << "sample " << i;
            if (metres >= 1.0) {
                ++movingPairs;
                const double d = std::remainder(HeadingDegrees(a) - Bearing(lat1, lon1, lat2, lon2), 360.0);
                EXPECT_LE(std::fabs(d), 1.5) << "sample " << i;
            }
        }
    }
    EXPECT_GE(movingPairs, 100);
}

TEST(DemoCard, FixesFollowTheRouteFromItsStartToItsEnd) {
    const BuiltCard& c = DemoCardUnderTest();
    const auto line = RouteLine();
    ASSERT_GE(line.size(), 200u);
    std::vector<std::pair<double, std::pair<double, double>>> fixes;  // seconds since 1970, position
    for (const auto& [path, track] : c.tracks) {
        const VideoInfo& info = c.entries.at(path).info;
        const int rate = GpsRate(info);
        for (size_t i = 0; i < track.gps.size(); ++i) {
            if (!HasFix(track.gps[i])) continue;
            const auto pos = Degrees(track.gps[i], info);
            EXPECT_LT(DistanceToPolylineM(pos.first, pos.second, line), 0.5) << path << " sample " << i;
            fixes.push_back({double(info.startTime) + double(i) / rate, pos});
        }
    }
    ASSERT_FALSE(fixes.empty());
    const auto first = std::min_element(fixes.begin(), fixes.end())->second;
    const auto last = std::max_element(fixes.begin(), fixes.end())->second;
    EXPECT_LT(LocalDistanceM(first.first, first.second, line.front().first, line.front().second), 2.0);
    EXPECT_LT(LocalDistanceM(last.first, last.second, line.back().first, line.back().second), 2.0);
}

}  // namespace
