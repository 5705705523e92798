// Decoding of the telemetry: meta chunks, raw blocks and the unit conversions.
#include <gtest/gtest.h>

#include <cstring>

#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/TelemetryTrack.h"
#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

fixture::MetaChunk Chunk(int32_t latNum, int32_t latDen, int32_t lonNum, int32_t lonDen, int32_t knotsNum,
                         int32_t knotsDen) {
    fixture::MetaChunk c;
    c.latNum = latNum;
    c.latDen = latDen;
    c.lonNum = lonNum;
    c.lonDen = lonDen;
    c.speedNum = knotsNum;
    c.speedDen = knotsDen;
    return c;
}

struct MetaFile {
    testfiles::ScratchDir dir;
    std::string path;
    VideoInfo info;
};

void WriteMeta(MetaFile& f, const std::vector<fixture::MetaChunk>& chunks) {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.chunks = chunks;
    f.path = f.dir.Write("FILE0001.MOV", Build(d));
    const ParseResult r = ParseFile(f.path);
    ASSERT_EQ(r.result, 0);
    f.info = r.info;
}

struct ChunkCase {
    const char* name;
    fixture::MetaChunk chunk;
    double latitude, longitude;
    int speedKmh;
};

TEST(ReadMetaTrackSamples, PositionsAndSpeeds) {
    const ChunkCase cases[] = {
        // 3541.1234 = 35 degrees 41.1234 minutes
        {"north east", Chunk(35411234, 10000, 139445678, 10000, 100, 10), 35 + 41.1234 / 60,
         139 + 44.5678 / 60, 14},
        {"south west", Chunk(-35411234, 10000, -5830500, 1000, 20, 10), -(35 + 41.1234 / 60),
         -(58 + 30.5 / 60), 0},
        {"denominator 2", Chunk(7003, 2, 1, 1, 30, 10), 35 + 1.5 / 60, 1.0 / 60, 1},
        {"exactly 4 km/h", Chunk(0, 1, 0, 1, 2160, 1000), 0, 0, 0},  // 2.16 kn = 4.00 km/h
        {"just over 4", Chunk(0, 1, 0, 1, 2700, 1000), 0, 0, 1},     // 5.0004 km/h
        {"fast", Chunk(0, 1, 0, 1, 1000, 10), 0, 0, 181},            // 185.2 km/h
        {"zero denominators", Chunk(5, 0, 7, 0, 9, 0), 0, 0, 0},
    };
    for (const ChunkCase& c : cases) {
        MetaFile f;
        ASSERT_NO_FATAL_FAILURE(WriteMeta(f, {c.chunk}));
        std::vector<GpsSample> gps;
        std::vector<GSensorSample> gs;
        RecordingFile file;
        ASSERT_TRUE(ReadMetaTrackSamples(file, f.path, f.info.metaChunks, gps, gs)) << c.name;
        ASSERT_EQ(gps.size(), 1u) << c.name;
        EXPECT_NEAR(gps[0].latitude, c.latitude, 1e-9) << c.name;
        EXPECT_NEAR(gps[0].longitude, c.longitude, 1e-9) << c.name;
        EXPECT_EQ(gps[0].speedKmh, c.speedKmh) << c.name;
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST(ReadMetaTrackSamples, PartsPresentFlagsAndOrder) {
    std::vector<fixture::MetaChunk> chunks(5);
    for (int i = 0; i < 5; ++i) {
        chunks[i] = Chunk(100 * (i + 1), 1, 0, 1, 0, 1);
        chunks[i].x = int8_t(-10 * i);
        chunks[i].y = int8_t(i);
        chunks[i].z = int8_t(127 - i);
        chunks[i].headingHalf = uint8_t(40 + i);
    }
    chunks[1].gpsStatus = 0;       // no GPS part
    chunks[2].gpsStatus = 2;       // a GPS part without a fix
    chunks[3].gsensorPresent = 0;  // no G-sensor part
    chunks[4].gsensorPresent = 0x100;
    chunks[4].x = -128;
    MetaFile f;
    ASSERT_NO_FATAL_FAILURE(WriteMeta(f, chunks));
    // The arrays are appended to, not cleared.
    std::vector<GpsSample> gps(1);
    std::vector<GSensorSample> gs(1);
    RecordingFile file;
    ASSERT_TRUE(ReadMetaTrackSamples(file, f.path, f.info.metaChunks, gps, gs));
    ASSERT_EQ(gps.size(), 1u + 4);
    const int gpsChunks[] = {0, 2, 3, 4};
    for (int k = 0; k < 4; ++k) {
        const GpsSample& s = gps[size_t(k) + 1];
        const int i = gpsChunks[k];
        EXPECT_NEAR(s.latitude, i + 1, 1e-12) << i;  // (i + 1) * 100 as ddmm is i + 1 degrees
        EXPECT_EQ(s.headingHalf, 40 + i);
        EXPECT_EQ(HeadingDegrees(s), 80 + 2 * i);
        EXPECT_EQ(s.fixFlags, i == 2 ? 2 : 1);
        EXPECT_EQ((s.fixFlags & kGpsFixValid) != 0, i != 2);
        // Fields the chunks do not carry stay zero.
        EXPECT_EQ(s.altitude, 0);
        EXPECT_EQ(s.year + s.month + s.day + s.hour + s.minute + s.second, 0);
    }
    ASSERT_EQ(gs.size(), 1u + 4);
    const int gsChunks[] = {0, 1, 2, 4};
    for (int k = 0; k < 4; ++k) {
        const GSensorSample& s = gs[size_t(k) + 1];
        const int i = gsChunks[k];
        EXPECT_EQ(s.x, i == 4 ? -128 : -10 * i);
        EXPECT_EQ(s.y, i);
        EXPECT_EQ(s.z, 127 - i);
    }
}

TEST(ReadMetaTrackSamples, MissingFileAppendsNothing) {
    std::vector<GpsSample> gps(2);
    std::vector<GSensorSample> gs(3);
    RecordingFile file;
    EXPECT_FALSE(ReadMetaTrackSamples(file, "/nonexistent/FILE0001.MOV", {{0, 0}}, gps, gs));
    EXPECT_EQ(gps.size(), 2u);
    EXPECT_EQ(gs.size(), 3u);
}

// Chunks that end past the end of the file, or lie wholly outside it, read as zeros from there.
TEST(ReadMetaTrackSamples, ShortAndOutsideChunks) {
    MetaFile f;
    ASSERT_NO_FATAL_FAILURE(WriteMeta(f, {Chunk(100, 1, 0, 1, 0, 1)}));
    const int64_t size = int64_t(f.info.fileSize);
    // A copy of the whole record placed as the file's last 40 bytes: bytes 0..39 are there.
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    {
        RecordingFile in;
        ASSERT_TRUE(in.Open(f.path));
        in.ReadAt(0, bytes.data(), bytes.size());
    }
    const int64_t chunk = f.info.metaChunks[0].offset;
    std::vector<uint8_t> tail(bytes.begin() + chunk, bytes.begin() + chunk + 40);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    const std::string path = f.dir.Write("FILE0002.MOV", bytes);
    const std::vector<MetaChunkRef> refs = {
        {0, size}, {1, size + 39}, {2, size + 1000}, {3, -5}, {4, INT64_MAX}};
    std::vector<GpsSample> gps;
    std::vector<GSensorSample> gs;
    RecordingFile file;
    ASSERT_TRUE(ReadMetaTrackSamples(file, path, refs, gps, gs));
    // Only the first reference holds a GPS status byte (32) and a latitude numerator; its denominator
    // lies past the end and reads as 0.
    ASSERT_EQ(gps.size(), 1u);
    EXPECT_EQ(gps[0].latitude, 0.0);
    ASSERT_EQ(gs.size(), 1u);
}

TEST(ReadTelemetryTrack, BlocksOfTheAtomKind) {
    fixture::MovDesc d;
    d.kind = fixture::Kind::Atoms;
    for (int i = 0; i < 4; ++i)
        d.gps.push_back(
            fixture::BlockSample(3500.5 + i, -13900.25 - i, 10 * i, i, i % 2 == 0, {2014, 7, 30, 18, 5, i}));
    d.gps[2].altitude = -42;
    d.gsensor = {{1, -2, 3}, {-128, 127, 0}};
    testfiles::ScratchDir dir;
    const std::string path = dir.Write("FILE0001.MOV", Build(d));
    const ParseResult r = ParseFile(path);
    ASSERT_EQ(r.result, 0);
    TelemetryTrack track;
    track.gps.resize(9);
    ASSERT_TRUE(ReadTelemetryTrack(path, r.info, track));
    ASSERT_EQ(track.gps.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const GpsSample& s = track.gps[size_t(i)];
        EXPECT_EQ(s.latitude, 3500.5 + i);
        EXPECT_EQ(s.longitude, -13900.25 - i);
        EXPECT_EQ(s.speedKmh, 10 * i);
        EXPECT_EQ(s.headingHalf, i);
        EXPECT_EQ(s.fixFlags, i % 2 == 0 ? kGpsFixValid : 0);
        EXPECT_EQ(s.second, i);
        EXPECT_EQ(s.year, 14);
    }
    EXPECT_EQ(track.gps[2].altitude, -42);
    ASSERT_EQ(track.gsensor.size(), 2u);
    EXPECT_EQ(track.gsensor[1].x, -128);
    EXPECT_EQ(track.gsensor[1].y, 127);
    EXPECT_EQ(track.gsensor[0].y, -2);
}

TEST(ReadTelemetryTrack, BlocksOutsideTheFileAreLeftOut) {
    fixture::MovDesc d;
    d.gps.resize(2);
    d.gsensor.resize(2);
    testfiles::ScratchDir dir;
    const std::string path = dir.Write("FILE0001.MOV", Build(d));
    VideoInfo info = ParseFile(path).info;
    info.gpsOffset = info.fileSize - 10;
    info.gsensorOffset = UINT64_MAX - 2;
    TelemetryTrack track;
    ASSERT_TRUE(ReadTelemetryTrack(path, info, track));
    EXPECT_TRUE(track.gps.empty());
    EXPECT_TRUE(track.gsensor.empty());
    EXPECT_FALSE(ReadTelemetryTrack(dir.File("missing.MOV"), info, track));
}

TEST(ReadTelemetryTrack, MetaTrackLikeTheChunkDecoder) {
    MetaFile f;
    std::vector<fixture::MetaChunk> chunks = {Chunk(200, 1, 300, 1, 0, 1), Chunk(400, 1, 500, 1, 0, 1)};
    chunks[1].gpsStatus = 0;
    ASSERT_NO_FATAL_FAILURE(WriteMeta(f, chunks));
    TelemetryTrack track;
    ASSERT_TRUE(ReadTelemetryTrack(f.path, f.info, track));
    ASSERT_EQ(track.gps.size(), 1u);
    EXPECT_NEAR(track.gps[0].latitude, 2.0, 1e-12);
    EXPECT_NEAR(track.gps[0].longitude, 3.0, 1e-12);
    EXPECT_EQ(track.gsensor.size(), 2u);
}

// Little-endian bytes written by hand: 1.5 is 0x3FF8000000000000, -2.25 is 0xC002000000000000.
TEST(GpsSamplesFromBlock, DecodesWholeLittleEndianRecords) {
    std::vector<uint8_t> block(100, 0);
    const uint8_t lat[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, lon[8] = {0, 0, 0, 0, 0, 0, 0x02, 0xC0};
    std::memcpy(&block[32], lat, 8);
    std::memcpy(&block[40], lon, 8);
    const uint8_t rest[] = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 14, 7, 30, 18, 5, 9, 90, 1, 0xAA, 0xBB};
    std::memcpy(&block[48], rest, sizeof rest);
    const std::vector<GpsSample> s = GpsSamplesFromBlock(block);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[1].latitude, 1.5);
    EXPECT_EQ(s[1].longitude, -2.25);
    EXPECT_EQ(s[1].altitude, 0x12345678);
    EXPECT_EQ(s[1].speedKmh, -2);
    EXPECT_EQ(s[1].year, 14);
    EXPECT_EQ(s[1].month, 7);
    EXPECT_EQ(s[1].day, 30);
    EXPECT_EQ(s[1].hour, 18);
    EXPECT_EQ(s[1].minute, 5);
    EXPECT_EQ(s[1].second, 9);
    EXPECT_EQ(s[1].headingHalf, 90);
    EXPECT_EQ(s[1].fixFlags, 1);
    EXPECT_EQ(s[0].latitude, 0.0);
    EXPECT_TRUE(GpsSamplesFromBlock(std::vector<uint8_t>(31)).empty());
    EXPECT_EQ(GSensorSamplesFromBlock({1, 0xFF, 0x80, 5, 6}).size(), 1u);
    EXPECT_EQ(GSensorSamplesFromBlock({1, 0xFF, 0x80})[0].y, -1);
    EXPECT_EQ(GSensorSamplesFromBlock({1, 0xFF, 0x80})[0].z, -128);
}

TEST(Conversions, NmeaToDegreesTable) {
    struct Case {
        double ddmm, degrees;
    };
    const Case cases[] = {{3541.1234, 35 + 41.1234 / 60},
                          {-3541.1234, -(35 + 41.1234 / 60)},
                          {13944.5678, 139 + 44.5678 / 60},
                          {0.5, 0.5 / 60},
                          {-0.5, -0.5 / 60},
                          {5959.9999, 59 + 59.9999 / 60},
                          {0, 0}};
    for (const Case& c : cases) EXPECT_NEAR(NmeaToDegrees(c.ddmm), c.degrees, 1e-9) << c.ddmm;
}

TEST(Conversions, BlockPositionLimit) {
    GpsSample s;
    s.latitude = 19999.99;
    s.longitude = 19999.99;
    EXPECT_TRUE(HasBlockPosition(s));
    s.latitude = 20000.0;
    EXPECT_FALSE(HasBlockPosition(s));
    s.latitude = 0;
    s.longitude = 20000.0;
    EXPECT_FALSE(HasBlockPosition(s));
    s.longitude = -30000.0;
    EXPECT_TRUE(HasBlockPosition(s));
}

TEST(Conversions, GSensorScale) {
    struct Case {
        uint8_t rangeByte;
        int8_t reading;
        double g;
    };
    const Case cases[] = {{0, 64, 4.0},    {0, -128, -8.0}, {0, 127, 7.9375}, {2, 64, 1.0},
                          {2, -128, -2.0}, {16, 32, 4.0},   {8, 0, 0.0}};
    for (const Case& c : cases) {
        VideoInfo info;
        info.gsensorAttr[1] = c.rangeByte;
        EXPECT_DOUBLE_EQ(GSensorToG(c.reading, GSensorFullScale(info)), c.g)
            << int(c.rangeByte) << " " << int(c.reading);
    }
}

TEST(Conversions, Rates) {
    VideoInfo info;
    info.layout = kLayoutBlocks;
    EXPECT_EQ(GpsRate(info), 1);
    info.layout = kLayoutMetaTrack;
    EXPECT_EQ(GpsRate(info), 5);
    info.gpsAttr[0] = 10;
    EXPECT_EQ(GpsRate(info), 10);
    info.layout = kLayoutBlocks;
    EXPECT_EQ(GpsRate(info), 10);

    info.gsensorAttr[0] = 25;
    EXPECT_DOUBLE_EQ(GSensorRatePerMs(info, 7), 0.025);
    info.gsensorAttr[0] = 0;
    info.durationMs = 60000;
    EXPECT_DOUBLE_EQ(GSensorRatePerMs(info, 600), 0.01);
    info.durationMs = 0;
    EXPECT_EQ(GSensorRatePerMs(info, 600), 0.0);
}

}  // namespace
