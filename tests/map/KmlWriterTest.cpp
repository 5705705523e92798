#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "CommaLocale.h"
#include "TrackFileTools.h"
#include "map/core/KmlWriter.h"
#include "map/core/TrackPoints.h"

using maptest::Fix;

namespace {

constexpr int64_t k20150701_123456_JST = 1435721696;

RecordingEntry Entry(const std::string& name, const std::string& sub, int layout, int64_t start) {
    RecordingEntry e;
    e.fileName = name;
    e.rootFolder = "/card/";
    e.subFolder = sub;
    e.info.layout = layout;
    e.info.startTime = start;
    return e;
}

class KmlWriterTest : public ::testing::Test {
protected:
    void SetUp() override { maptest::SetTimeZone("JST-9"); }
    void TearDown() override {
        maptest::RestoreTimeZone();
        maptest::UseClassicLocale();
    }
};

const char kExpectedMetaTrack[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
    "  <Document>\n"
    "    <name>FILE0001.MOV</name>\n"
    "\t<description></description>\n"
    "    <Style id=\"blueLine\">\n"
    "      <LineStyle>\n"
    "        <color>ffff0000</color>\n"
    "        <width>4</width>\n"
    "      </LineStyle>\n"
    "    </Style>\n"
    "    <Placemark>\n"
    "      <name>CAR PATH</name>\n"
    "      <description>GPS Path of Car DV \"2015/07/01/FILE0001.MOV\" 2015/07/01 12:34:56</description>\n"
    "      <styleUrl>#blueLine</styleUrl>\n"
    "      <LineString>\n"
    "        <altitudeMode>relative</altitudeMode>\n"
    "        <coordinates>\n"
    "139.749037,35.640335,12\n"
    "-0.125000,-51.500000,-3\n"
    "\n"
    "        </coordinates>\n"
    "      </LineString>\n"
    "    </Placemark>\n"
    "  </Document>\n"
    "</kml>\n";

std::vector<GpsSample> MetaSamples() {
    return {Fix(35.640335, 139.749037, 12), Fix(1, 2, 3, 0, false), Fix(-51.5, -0.125, -3)};
}

TEST_F(KmlWriterTest, ByteExactDocumentAndFileName) {
    const RecordingEntry e = Entry("FILE0001.MOV", "2015/07/", kLayoutMetaTrack, k20150701_123456_JST);
    // The scanned subFolder ends in "/", so the description doubles the separator.
    std::string expected = kExpectedMetaTrack;
    expected.replace(expected.find("2015/07/01/FILE"), 15, "2015/07//FILE");
    EXPECT_EQ(KmlDocument(e, MetaSamples()), expected);
    EXPECT_EQ(TrackFileName(e, ".KML"), "FILE0001_2015_07_01_12-34-56.KML");
}

TEST_F(KmlWriterTest, SameBytesUnderACommaDecimalLocale) {
    std::string why;
    if (!maptest::UseCommaDecimalLocale(why)) GTEST_SKIP() << why;
    const RecordingEntry e = Entry("FILE0001.MOV", "2015/07/01", kLayoutMetaTrack, k20150701_123456_JST);
    EXPECT_EQ(KmlDocument(e, MetaSamples()), kExpectedMetaTrack);
}

TEST_F(KmlWriterTest, BlockLayoutConvertsAndDropsOutOfRangeAndUnfixed) {
    const RecordingEntry e = Entry("FILE0002.MOV", "", kLayoutBlocks, k20150701_123456_JST);
    const std::vector<GpsSample> samples = {
        Fix(3538.4201, 13944.9422, 12),  // written converted
        Fix(19999.99, 13944.9422, 5),    // 200.66 degrees after conversion: left out
        Fix(3538.4201, 13944.9422, 7, 0, false),
        Fix(-3538.4201, 13944.9422, 0),
    };
    const std::string doc = KmlDocument(e, samples);
    EXPECT_NE(doc.find("<coordinates>\n139.749037,35.640335,12\n139.749037,-35.640335,0\n\n        </coordinates>"),
              std::string::npos)
        << doc;
    // An empty subFolder (a single opened file): a quote followed directly by the separator.
    EXPECT_NE(doc.find("GPS Path of Car DV \"/FILE0002.MOV\" 2015/07/01 12:34:56</description>"), std::string::npos);
}

TEST_F(KmlWriterTest, OtherLayoutsAndNoTelemetryGiveAnEmptyList) {
    for (int layout : {2, -1}) {
        const std::string doc = KmlDocument(Entry("A.MOV", "", layout, 0), MetaSamples());
        EXPECT_NE(doc.find("<coordinates>\n\n        </coordinates>"), std::string::npos) << layout;
    }
    const std::string doc = KmlDocument(Entry("A.MOV", "", kLayoutMetaTrack, 0), {});
    EXPECT_NE(doc.find("<coordinates>\n\n        </coordinates>"), std::string::npos);
}

TEST_F(KmlWriterTest, FileNameCutsFourCharactersWhateverTheyAre) {
    EXPECT_EQ(TrackFileName(Entry("ABCDEFGH", "", 0, k20150701_123456_JST), ".KML"), "ABCD_2015_07_01_12-34-56.KML");
    EXPECT_EQ(TrackFileName(Entry("ABC", "", 0, k20150701_123456_JST), ".GPX"), "_2015_07_01_12-34-56.GPX");
}

TEST_F(KmlWriterTest, ExportWritesOverwritesAndReportsThePath) {
    maptest::TempFolder dir;
    const RecordingEntry e = Entry("FILE0001.MOV", "2015/07/01", kLayoutMetaTrack, k20150701_123456_JST);
    std::string path;
    ASSERT_TRUE(ExportKml(dir.Path(), e, {Fix(1, 2, 3), Fix(4, 5, 6)}, path));
    EXPECT_EQ(path, dir.Path() + "/FILE0001_2015_07_01_12-34-56.KML");
    const auto firstSize = std::filesystem::file_size(path);
    // A second export in the same second replaces the file, without asking.
    ASSERT_TRUE(ExportKml(dir.Path() + "/", e, MetaSamples(), path));
    EXPECT_EQ(path, dir.Path() + "/FILE0001_2015_07_01_12-34-56.KML");
    EXPECT_EQ(maptest::ReadFile(path), kExpectedMetaTrack);
    EXPECT_NE(std::filesystem::file_size(path), firstSize);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.Path())->path(), path);
}

TEST_F(KmlWriterTest, UnwritableFolderFailsWithTheAttemptedPath) {
    std::string path;
    EXPECT_FALSE(ExportKml("/nonexistent-folder/x", Entry("F.MOV", "", 1, 0), {}, path));
    EXPECT_EQ(path, "/nonexistent-folder/x/" + TrackFileName(Entry("F.MOV", "", 1, 0), ".KML"));
    // A full disk is a failure, not a success.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(WriteWholeFile("/dev/full", std::string(100000, 'x')));
    }
}

TEST_F(KmlWriterTest, EscapedNamesGiveValidXmlThatGpsbabelReads) {
    maptest::TempFolder dir("A&B");
    const RecordingEntry e = Entry("<R&D>.MOV", "A&B/", kLayoutMetaTrack, k20150701_123456_JST);
    std::string path;
    ASSERT_TRUE(ExportKml(dir.Path(), e, MetaSamples(), path));
    const std::string doc = maptest::ReadFile(path);
    EXPECT_NE(doc.find("<name>&lt;R&amp;D&gt;.MOV</name>"), std::string::npos);
    EXPECT_NE(doc.find("DV \"A&amp;B//&lt;R&amp;D&gt;.MOV\" 2015"), std::string::npos);

    std::string out;
    EXPECT_EQ(maptest::Run("xmllint --noout " + maptest::Quote(path) + " 2>&1", out), 0) << out;
    EXPECT_EQ(maptest::GpsbabelTrackPoints("kml", path, out), 2) << out;
}

TEST_F(KmlWriterTest, GpsbabelReadsEveryWrittenPoint) {
    maptest::TempFolder dir;
    std::vector<GpsSample> samples;
    for (int i = 0; i < 50; ++i) samples.push_back(Fix(35.6 + i * 0.0001, 139.7 + i * 0.0002, i, 0, i % 7 != 3));
    std::string path;
    ASSERT_TRUE(ExportKml(dir.Path(), Entry("FILE0009.MOV", "", kLayoutMetaTrack, k20150701_123456_JST), samples, path));
    std::string out;
    EXPECT_EQ(maptest::Run("xmllint --noout " + maptest::Quote(path) + " 2>&1", out), 0) << out;
    EXPECT_EQ(maptest::GpsbabelTrackPoints("kml", path, out), 43) << out;
}

TEST(XmlText, EscapesAndRepairs) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain \"quoted\" 'x'", "plain \"quoted\" 'x'"},
        {"A&B<C>", "A&amp;B&lt;C&gt;"},
        {"日本/ß", "日本/ß"},
        {std::string("bad\xff") + "x", "bad\xEF\xBF\xBDx"},
        {std::string("ctl\x01\x1f") + "\t", "ctl\xEF\xBF\xBD\xEF\xBF\xBD\t"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // overlong "/"
        {"\xE6\x97", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut sequence
    };
    for (const auto& c : cases) EXPECT_EQ(XmlText(c.in), c.out) << c.in;
}

}  // namespace
