#include <gtest/gtest.h>

#include <string>

#include "CommaLocale.h"
#include "TrackFileTools.h"
#include "map/core/GpxWriter.h"
#include "map/core/TrackPoints.h"

using maptest::Fix;

namespace {

constexpr int64_t k20150701_033456_UTC = 1435721696;

RecordingEntry Entry(int layout, int64_t start, uint8_t rate) {
    RecordingEntry e;
    e.fileName = "FILE0001.MOV";
    e.info.layout = layout;
    e.info.startTime = start;
    e.info.gpsAttr[0] = rate;
    return e;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(GpxWriter, UtcTimes) {
    EXPECT_EQ(UtcTimeText(k20150701_033456_UTC * 1000), "2015-07-01T03:34:56Z");
    EXPECT_EQ(UtcTimeText(k20150701_033456_UTC * 1000 + 200), "2015-07-01T03:34:56.200Z");
    EXPECT_EQ(UtcTimeText(-1), "1969-12-31T23:59:59.999Z");
}

TEST(GpxWriter, PointsTimesAndSpeedInTheCLocaleEverywhere) {
    maptest::SetTimeZone("JST-9");  // the GPX times stay in UTC
    std::string why;
    const bool comma = maptest::UseCommaDecimalLocale(why);
    // Five samples a second: the third written point is sample 3, 0.6 s after the start.
    const std::vector<GpsSample> samples = {Fix(35.640335, 139.749037, 12, 36), Fix(0, 0, 0, 0, false),
                                            Fix(35.5, 139.5, -4, 72), Fix(35.25, 139.25, 1, -1)};
    const std::string doc = GpxDocument(Entry(kLayoutMetaTrack, k20150701_033456_UTC, 5), samples);
    maptest::UseClassicLocale();
    maptest::RestoreTimeZone();
    if (!comma) std::cout << "(comma locale not available: " << why << ")\n";

    EXPECT_NE(doc.find("<gpx version=\"1.1\" creator=\"Velidor\" xmlns=\"http://www.topografix.com/GPX/1/1\""),
              std::string::npos);
    EXPECT_EQ(Count(doc, "<trk>"), 1u);
    EXPECT_EQ(Count(doc, "<trkseg>"), 1u);
    EXPECT_EQ(Count(doc, "<trkpt "), 3u);
    EXPECT_NE(doc.find("<trkpt lat=\"35.640335\" lon=\"139.749037\">\n        <ele>12</ele>\n"
                       "        <time>2015-07-01T03:34:56Z</time>\n        <extensions>\n"
                       "          <gpxtpx:TrackPointExtension>\n            <gpxtpx:speed>10.000000</gpxtpx:speed>"),
              std::string::npos)
        << doc;
    EXPECT_NE(doc.find("<ele>-4</ele>\n        <time>2015-07-01T03:34:56.400Z</time>"), std::string::npos);
    EXPECT_NE(doc.find("<gpxtpx:speed>20.000000</gpxtpx:speed>"), std::string::npos);
    // A negative speed is not a valid extension value: that point carries none.
    EXPECT_NE(doc.find("<time>2015-07-01T03:34:56.600Z</time>\n      </trkpt>"), std::string::npos) << doc;
}

TEST(GpxWriter, WithoutStartTimeNoTimesAreWritten) {
    const std::string doc = GpxDocument(Entry(kLayoutBlocks, 0, 1), {Fix(3538.4201, 13944.9422, 12), Fix(19999.99, 1, 1)});
    EXPECT_EQ(Count(doc, "<time>"), 0u);
    EXPECT_EQ(Count(doc, "<trkpt "), 1u);
    EXPECT_NE(doc.find("<trkpt lat=\"35.640335\" lon=\"139.749037\">"), std::string::npos);
}

TEST(GpxWriter, ValidXmlReadBackByGpsbabel) {
    maptest::TempFolder dir("A&B");
    RecordingEntry e = Entry(kLayoutBlocks, k20150701_033456_UTC, 1);
    e.fileName = "R&D<1>.MOV";
    std::vector<GpsSample> samples;
    for (int i = 0; i < 30; ++i) samples.push_back(Fix(3538.4201 + i * 0.01, 13944.9422 + i * 0.01, i, i, i % 5 != 0));
    std::string path;
    ASSERT_TRUE(ExportGpx(dir.Path(), e, samples, path));
    EXPECT_EQ(path.substr(path.size() - 4), ".GPX");
    std::string out;
    EXPECT_EQ(maptest::Run("xmllint --noout " + maptest::Quote(path) + " 2>&1", out), 0) << out;
    EXPECT_EQ(maptest::GpsbabelTrackPoints("gpx", path, out), 24) << out;
    // gpsbabel keeps the times: the first written point is sample 1, one second after the start.
    ASSERT_EQ(maptest::Run("gpsbabel -t -i gpx -f " + maptest::Quote(path) + " -o unicsv,utc=0 -F - 2>&1", out), 0);
    EXPECT_NE(out.find("2015/07/01,03:34:57"), std::string::npos) << out;
}

}  // namespace
