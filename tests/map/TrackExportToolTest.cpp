#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CommaLocale.h"
#include "TrackFileTools.h"
#include "tools/fixture/MovFixture.h"

using maptest::Fix;
using maptest::Quote;


namespace {

const std::string kTool = NORVIK_TOOL_PATH;

class TrackExportTool : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::MovDesc d;
        d.kind = fixture::Kind::Atoms;
        d.gps = {Fix(3538.4201, 13944.9422, 12, 40), Fix(3538.5, 13945.0, 13, 41), Fix(1, 2, 3, 0, false)};
        d.idit = "2014-07-30 18:05:09";
        m_file = m_dir.Path() + "/FILE0001.MOV";
        fixture::WriteMov(m_file, d);
    }
    maptest::TempFolder m_dir;
    std::string m_file;
};

TEST_F(TrackExportTool, KmlIntoOutFolderPrintsThePath) {
    maptest::TempFolder out;
    std::string printed;
    ASSERT_EQ(maptest::Run("TZ=UTC0 " + kTool + " kml " + Quote(m_file) + " --out " + Quote(out.Path()), printed), 0);
    const std::string expected = out.Path() + "/FILE0001_2014_07_30_18-05-09.KML";
    EXPECT_EQ(printed, expected + "\n");
    const std::string doc = maptest::ReadFile(expected);
    EXPECT_NE(doc.find("<coordinates>\n139.749037,35.640335,12\n139.750000,35.641667,13\n\n"), std::string::npos)
        << doc;
    std::string diag;
    EXPECT_EQ(maptest::GpsbabelTrackPoints("kml", expected, diag), 2) << diag;
}

TEST_F(TrackExportTool, GpxDefaultsToTheCurrentFolder) {
    maptest::TempFolder cwd;
    std::string printed;
    ASSERT_EQ(maptest::Run("cd " + Quote(cwd.Path()) + " && TZ=UTC0 " + kTool + " gpx " + Quote(m_file), printed), 0);
    EXPECT_EQ(printed, "FILE0001_2014_07_30_18-05-09.GPX\n");
    const std::string path = cwd.Path() + "/FILE0001_2014_07_30_18-05-09.GPX";
    ASSERT_TRUE(std::filesystem::exists(path));
    std::string diag;
    EXPECT_EQ(maptest::GpsbabelTrackPoints("gpx", path, diag), 2) << diag;
}

TEST_F(TrackExportTool, ErrorsAndUsage) {
    std::string out;
    EXPECT_EQ(maptest::Run(kTool + " kml /nonexistent.MOV 2>/dev/null", out), 1);
    EXPECT_EQ(maptest::Run(kTool + " gpx " + Quote(m_file) + " --out /nonexistent-dir 2>/dev/null", out), 1);
    EXPECT_EQ(maptest::Run(kTool + " kml 2>/dev/null", out), 2);
    EXPECT_EQ(maptest::Run(kTool + " kml a b 2>/dev/null", out), 2);
    EXPECT_EQ(maptest::Run(kTool + " gpx --help", out), 0);
    EXPECT_NE(out.find("usage: norvik-tool gpx FILE [--out DIR]"), std::string::npos);
}

}  // namespace
