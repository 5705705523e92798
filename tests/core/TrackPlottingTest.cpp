// The per-time map and instrument update against recording fakes of the map, the curve and the speed
// read-out, on small recordings of both layouts written to scratch files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/TrackPlotting.h"
#include "map/core/MapCommands.h"
#include "tests/core/TestFiles.h"
#include "tools/fixture/TelemetryEncoding.h"

namespace {

using Log = std::vector<std::string>;

class LogMap : public IMapView {
public:
    explicit LogMap(Log& log) : m_log(log) {}
    void ExecuteScript(const std::string& script) override { m_log.push_back(script); }
    void SendPosition(double latitude, double longitude, bool alreadyDegrees) override {
        m_log.push_back(PositionCommand(latitude, longitude, alreadyDegrees));
    }

private:
    Log& m_log;
};

class LogCurve : public IGSensorFeedView {
public:
    void ClearSamples() override { calls.push_back("clear"); }
    void SetPosition(uint32_t ms) override { calls.push_back("position " + std::to_string(ms)); }
    void Repaint() override { calls.push_back("repaint"); }
    void SetScale(int fullScale, double range) override {
        calls.push_back("scale " + std::to_string(fullScale) + " " + FormatFixed6(range));
    }
    void AddSample(int8_t x, int8_t y, int8_t z) override {
        calls.push_back("add " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z));
    }
    void UpdateDuration() override { calls.push_back("duration"); }
    void SetSampleRate(double perMs) override { calls.push_back("rate " + FormatFixed6(perMs)); }
    void SetPixelsPerMs(double ppm) override { calls.push_back("ppm " + FormatFixed6(ppm)); }
    void SetSpanMode(int mode) override { calls.push_back("span " + std::to_string(mode)); }
    void SetStopped(bool stopped) override { calls.push_back(stopped ? "stopped" : "running"); }
    Log calls;
};

class LogSpeed : public ISpeedReadoutView {
public:
    void SetSpeed(bool valid, int kmh) override {
        calls.push_back((valid ? "speed " : "blank ") + std::to_string(kmh));
    }
    Log calls;
};

struct Fix {
    double lat, lon;  // block layout: ddmm.mmmm; meta-track layout: decimal degrees
    bool fix = true;
    int speed = 50;
};

const CalendarFields kNoTime{};

class TrackPlotting : public ::testing::Test {
protected:
    void SetUp() override {
        g_lastIndex = 0;
        g_lastTimeMs = 0;
        g_lastShownIndex = 0;
        g_lastSentLatitude = 0;
        g_lastSentLongitude = 0;
        plotter.Attach(&curve, &map, &speed);
    }

    // A block-layout recording: the G block then the GPS block in an otherwise empty file.
    RecordingEntry BlockEntry(const std::vector<Fix>& fixes, const std::vector<GSensorSample>& g = {},
                              uint8_t gpsRate = 0) {
        std::vector<uint8_t> bytes(16, 0);
        RecordingEntry e;
        e.rootFolder = dir.Path() + "/";
        e.fileName = "BLCK" + std::to_string(++files) + ".MOV";
        e.info.layout = kLayoutBlocks;
        e.info.durationMs = 60000;
        e.info.gpsAttr[0] = gpsRate;
        e.info.gsensorAttr[0] = 10;
        e.info.gsensorAttr[1] = 4;
        e.info.gsensorOffset = bytes.size();
        e.info.gsensorSize = uint32_t(g.size() * 3);
        for (const auto& s : g) bytes.insert(bytes.end(), {uint8_t(s.x), uint8_t(s.y), uint8_t(s.z)});
        e.info.gpsOffset = bytes.size();
        e.info.gpsSize = uint32_t(fixes.size() * GpsSample::kSize);
        for (const Fix& f : fixes) {
            uint8_t record[GpsSample::kSize];
            fixture::BlockSample(f.lat, f.lon, f.speed, 0, f.fix, kNoTime).ToBytes(record);
            bytes.insert(bytes.end(), record, record + sizeof record);
        }
        dir.Write(e.fileName, bytes);
        return e;
    }

    // A meta-track recording of the camera's kind, one chunk per fix.
    RecordingEntry MetaEntry(const std::vector<Fix>& fixes, uint8_t gpsRate = 0) {
        fixture::MovDesc desc;
        desc.kind = fixture::Kind::MetaTrack;
        for (const Fix& f : fixes) {
            fixture::MetaFix m;
            m.latitude = f.lat;
            m.longitude = f.lon;
            m.speedKmh = f.speed;
            m.gpsStatus = f.fix ? 1 : 2;
            desc.chunks.push_back(fixture::MetaChunkAt(m, 1, 2, 3));
        }
        RecordingEntry e;
        e.rootFolder = dir.Path() + "/";
        e.fileName = "META" + std::to_string(++files) + ".MOV";
        const fixture::BuiltMov built = fixture::WriteMov(e.rootFolder + e.fileName, desc);
        e.info.layout = kLayoutMetaTrack;
        e.info.durationMs = 60000;
        e.info.gpsAttr[0] = gpsRate;
        for (size_t i = 0; i < built.chunkOffsets.size(); ++i)
            e.info.metaChunks.push_back({int32_t(i), built.chunkOffsets[i]});
        return e;
    }

    void Adopt(std::vector<RecordingEntry> entries) {
        ScanOutcome outcome;
        outcome.sourceExists = true;
        outcome.entries = std::move(entries);
        ASSERT_TRUE(catalog.AdoptScan(std::move(outcome)));
    }
    // One recording, loaded; the log starts empty afterwards.
    void LoadOnly(RecordingEntry e) {
        Adopt({std::move(e)});
        ASSERT_EQ(plotter.LoadTelemetry(0), 1);
        log.clear();
        speed.calls.clear();
        curve.calls.clear();
    }

    testfiles::ScratchDir dir;
    int files = 0;
    Log log;
    LogMap map{log};
    LogCurve curve;
    LogSpeed speed;
    CRecordingCatalog catalog;
    CTrackPlotter plotter{catalog};
};

TEST_F(TrackPlotting, SampleIndexDividesByTheBlockRateAndMultipliesByTheMetaTrackRate) {
    struct Case {
        bool meta;
        uint8_t rateAttr;
        double timeMs;
        int index;
    } cases[] = {
        {false, 1, 12999, 12}, {true, 1, 12999, 12}, {true, 0, 1000, 5},  // meta-track default rate 5
        {false, 0, 12999, 12},                                            // block default rate 1
        {false, 2, 4000, 2},   {true, 2, 4000, 8},   {true, 5, 199, 0},
    };
    for (const Case& c : cases) {
        const std::vector<Fix> one{{3538.4201, 13944.9422}};
        RecordingEntry e = c.meta ? MetaEntry({{35.6, 139.7}}, c.rateAttr) : BlockEntry(one, {}, c.rateAttr);
        Adopt({e});
        ASSERT_EQ(plotter.LoadTelemetry(0), 1);
        EXPECT_EQ(plotter.SampleIndexForTime(c.timeMs), c.index)
            << (c.meta ? "meta" : "block") << " rate byte " << int(c.rateAttr) << " t " << c.timeMs;
    }
}

TEST_F(TrackPlotting, BlockLoadEmptiesBothLinesAndPlotsEveryUsableFixInFileOrder) {
    Adopt({BlockEntry({{3538.4201, 13944.9422},
                       {3538.5000, 13945.0000, false},  // no fix: not plotted
                       {20000.0, 13945.0000},           // latitude / 100 reaches 200: not plotted
                       {3538.4201, 13944.9422},         // the same position again is sent again
                       {-3538.4201, 13944.9422}})});
    EXPECT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "path_delete()", "path_plot(35.640335,139.749037)",
                        "path_plot(35.640335,139.749037)", "path_plot(-35.640335,139.749037)"}));
    EXPECT_EQ(plotter.GpsRate(), 1.0);
}

TEST_F(TrackPlotting, CurveIsFedInItsOrderForBothLayouts) {
    Adopt({BlockEntry({{3538.4201, 13944.9422}}, {{1, -2, 3}, {-128, 127, 0}})});
    ASSERT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(curve.calls, (Log{"clear", "clear", "scale 4 2.000000", "clear", "add 1 -2 3", "add -128 127 0",
                                "duration", "rate 0.010000", "ppm 0.010000", "span 2"}));
    EXPECT_EQ(plotter.GSensorBlockSize(), 6u);

    // Meta track: no attribute rate, so samples over the duration (3 / 60000 ms).
    curve.calls.clear();
    RecordingEntry meta = MetaEntry({{35.1, 139.1}, {35.2, 139.2}, {35.3, 139.3}});
    meta.info.gsensorAttr[0] = 0;
    Adopt({meta});
    ASSERT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(curve.calls, (Log{"clear", "scale 0 2.000000", "clear", "add 1 2 3", "add 1 2 3", "add 1 2 3",
                                "duration", "rate 0.000050", "ppm 0.010000", "span 2"}));
    EXPECT_EQ(plotter.GSensorBlockSize(), 3u);
}

TEST_F(TrackPlotting, MetaTrackSkipsPointsRepeatingEitherCoordinateAndCentresOnTheFirstSample) {
    Adopt({MetaEntry({{35.640335, 139.749037},
                      {35.640335, 139.750000},  // same latitude: neither plotted
                      {35.650000, 139.749037},  // same longitude as the last plotted point
                      {35.660000, 139.760000, false},
                      {35.670000, 139.770000}})});
    ASSERT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "path_delete()", "path_plot(35.640335,139.749037)",
                        "path_plot(35.670000,139.770000)", "movpos(35.640335, 139.749037)"}));
    EXPECT_EQ(plotter.GpsRate(), 5.0);
}

TEST_F(TrackPlotting, MetaTrackWithoutChunksPlotsNothingAndDoesNotCentre) {
    Adopt({MetaEntry({})});
    EXPECT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "path_delete()"}));
    EXPECT_EQ(curve.calls, (Log{"clear"}));
    EXPECT_EQ(plotter.UpdateAtTime(1000, true, true), 0);
    EXPECT_EQ(speed.calls, (Log{"blank 0"}));
}

TEST_F(TrackPlotting, UnreadableRecordingLoadsNothingAndLeavesTheCurve) {
    RecordingEntry e = BlockEntry({{3538.4201, 13944.9422}}, {{1, 1, 1}});
    e.fileName = "GONE0001.MOV";
    Adopt({e});
    EXPECT_EQ(plotter.LoadTelemetry(0), 0);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "path_delete()"}));
    EXPECT_TRUE(curve.calls.empty());
    EXPECT_EQ(plotter.GpsBlockSize(), 0u);
    EXPECT_EQ(plotter.UpdateAtTime(1000, true, true), 0);  // no telemetry counts as loaded
    EXPECT_EQ(plotter.LoadTelemetry(1), 0);
    EXPECT_EQ(plotter.LoadTelemetry(-1), 0);
}

TEST_F(TrackPlotting, BlockOutsideTheFileCountsAsEmpty) {
    RecordingEntry e = BlockEntry({{3538.4201, 13944.9422}}, {{1, 1, 1}});
    e.info.gpsSize += 1;                  // one byte past the end
    e.info.gsensorOffset = ~uint64_t{0};  // the end of the block would wrap around
    Adopt({e});
    EXPECT_EQ(plotter.LoadTelemetry(0), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "path_delete()"}));
    EXPECT_EQ(curve.calls, (Log{"clear"}));
    EXPECT_EQ(plotter.GpsBlockSize(), 0u);
    EXPECT_EQ(plotter.GSensorBlockSize(), 0u);
}

std::vector<Fix> BlockRun(int n) {
    std::vector<Fix> out;
    for (int i = 0; i < n; ++i) out.push_back({3538.0 + i, 13944.0 + i, true, 40 + i});
    return out;
}

TEST_F(TrackPlotting, FirstReportAtZeroOnlyEmptiesTheDrivenLine) {
    LoadOnly(BlockEntry(BlockRun(5)));
    EXPECT_EQ(plotter.UpdateAtTime(0, true, true), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()"}));
    EXPECT_TRUE(speed.calls.empty());
    log.clear();
    EXPECT_EQ(plotter.UpdateAtTime(1000, true, true), 1);
    EXPECT_EQ(log, (Log{PositionCommand(35.39, 139.45, false)}));
    EXPECT_EQ(speed.calls, (Log{"speed 41"}));
    // The same index again changes nothing.
    log.clear();
    EXPECT_EQ(plotter.UpdateAtTime(1500, true, true), 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(TrackPlotting, JumpOfMoreThanThreeSecondsEmptiesTheDrivenLine) {
    struct Case {
        int64_t next;
        Log expected;
    } cases[] = {
        {4000, {PositionCommand(35.42, 139.48, false)}},  // exactly 3000 ms later: index 4 shown
        {4001, {"pathdrived_delete()"}},
    };
    for (const Case& c : cases) {
        SetUp();
        LoadOnly(BlockEntry(BlockRun(10)));
        ASSERT_EQ(plotter.UpdateAtTime(0, false, true), 1);
        ASSERT_EQ(plotter.UpdateAtTime(1000, false, true), 1);
        log.clear();
        EXPECT_EQ(plotter.UpdateAtTime(c.next, false, true), 1);
        EXPECT_EQ(log, c.expected) << c.next;
    }
}

TEST_F(TrackPlotting, BackwardIndexEmptiesTheDrivenLineWithTheMapSwitchedOff) {
    LoadOnly(BlockEntry(BlockRun(10)));
    plotter.UpdateAtTime(0, false, true);
    plotter.UpdateAtTime(3000, false, true);
    log.clear();
    EXPECT_EQ(plotter.UpdateAtTime(2000, false, false), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()"}));
    EXPECT_EQ(g_lastIndex, 0);
    EXPECT_EQ(g_lastTimeMs, 2000);
}

TEST_F(TrackPlotting, SampleWithoutFixBlanksTheSpeedAndSendsNothing) {
    LoadOnly(BlockEntry({{3538.0, 13944.0}, {3539.0, 13945.0, false}, {3540.0, 13946.0}}));
    plotter.UpdateAtTime(0, false, true);
    EXPECT_EQ(plotter.UpdateAtTime(1000, false, true), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()"}));
    EXPECT_EQ(speed.calls, (Log{"blank 0"}));
    EXPECT_EQ(g_lastShownIndex, 1);
}

TEST_F(TrackPlotting, BlockLatitudeOfTwentyThousandIsNeverShown) {
    LoadOnly(BlockEntry({{3538.0, 13944.0}, {20000.0, 13945.0}, {20000.0, 13945.0, false}}));
    plotter.UpdateAtTime(0, false, true);
    EXPECT_EQ(plotter.UpdateAtTime(1000, false, true), 0);  // a fix, but no usable position
    EXPECT_EQ(plotter.UpdateAtTime(2000, false, true), 1);  // no fix
    EXPECT_EQ(log, (Log{"pathdrived_delete()"}));
    EXPECT_EQ(plotter.UpdateAtTime(3500, false, true), 0);  // past the last sample
}

TEST_F(TrackPlotting, ChangeInOneCoordinateOnlySendsNoMarker) {
    LoadOnly(MetaEntry({{35.1, 139.1}, {35.1, 139.2}, {35.3, 139.3}}, 1));
    plotter.UpdateAtTime(0, false, true);
    plotter.UpdateAtTime(1, false, true);  // index 0 is always processed
    plotter.UpdateAtTime(1000, false, true);
    plotter.UpdateAtTime(2000, false, true);
    EXPECT_EQ(log,
              (Log{"pathdrived_delete()", "movpos(35.100000, 139.100000)", "movpos(35.300000, 139.300000)"}));
}

TEST_F(TrackPlotting, CurveFollowsTheTimeOnlyWhenSwitchedOnAndLoaded) {
    LoadOnly(BlockEntry(BlockRun(3), {{1, 1, 1}}));
    plotter.UpdateAtTime(0, true, true);
    plotter.UpdateAtTime(1200, false, true);
    plotter.UpdateAtTime(1300, true, true);
    EXPECT_EQ(curve.calls, (Log{"running", "position 0", "running", "position 1300"}));
    curve.calls.clear();
    LoadOnly(BlockEntry(BlockRun(3)));  // no G data
    plotter.UpdateAtTime(2000, true, true);
    EXPECT_TRUE(curve.calls.empty());
}

TEST_F(TrackPlotting, SeekRedrawsTheDrivenLineUpToTheSampleBeforeTheTarget) {
    LoadOnly(BlockEntry({{3538.0, 13944.0},
                         {3539.0, 13945.0, false},
                         {20000.0, 13946.0},
                         {3541.0, 13947.0},
                         {3542.0, 13948.0}}));
    EXPECT_EQ(plotter.RebuildDrivenTrack(4999), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "pathdrived_plot(35.633333,139.733333)",
                        "pathdrived_plot(35.683333,139.783333)"}));
    log.clear();
    EXPECT_EQ(plotter.RebuildDrivenTrack(999999), 1);  // past the last sample: the whole line
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "pathdrived_plot(35.633333,139.733333)",
                        "pathdrived_plot(35.683333,139.783333)", "pathdrived_plot(35.700000,139.800000)"}));
}

TEST_F(TrackPlotting, MetaTrackSeekSkipsRepeatedCoordinates) {
    LoadOnly(MetaEntry({{35.1, 139.1}, {35.1, 139.2}, {35.2, 139.3}, {35.4, 139.4}}, 1));
    EXPECT_EQ(plotter.RebuildDrivenTrack(60000), 1);
    EXPECT_EQ(log, (Log{"pathdrived_delete()", "pathdrived_plot(35.100000,139.100000)",
                        "pathdrived_plot(35.200000,139.300000)", "pathdrived_plot(35.400000,139.400000)"}));
}

TEST_F(TrackPlotting, EmptyCatalogueRebuildsNothing) {
    EXPECT_EQ(plotter.RebuildDrivenTrack(1000), 0);
    EXPECT_EQ(plotter.UpdateAtTime(1000, true, true), 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(speed.calls, (Log{"blank 0"}));
}

TEST_F(TrackPlotting, WithoutAMapTheInstrumentsStillFollow) {
    LoadOnly(BlockEntry(BlockRun(3)));
    plotter.Attach(&curve, nullptr, &speed);
    plotter.UpdateAtTime(0, false, true);
    EXPECT_EQ(plotter.UpdateAtTime(2000, false, true), 1);
    EXPECT_EQ(speed.calls, (Log{"speed 42"}));
    EXPECT_EQ(plotter.RebuildDrivenTrack(2000), 1);
    EXPECT_TRUE(log.empty());
}

}  // namespace
