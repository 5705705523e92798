// Telemetry records shared by the reader, the track plotting, KML and the G-sensor curve.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kLayoutBlocks = 0;     // GPS and G-sensor blocks stored as raw records
constexpr int kLayoutMetaTrack = 1;  // one 88-byte record per chunk of a timed-metadata track

constexpr uint8_t kGpsFixValid = 0x01;

struct MetaChunkRef {
    int32_t index = 0;   // position of the chunk in the meta track, from 0
    int64_t offset = 0;  // file offset of the chunk
};

// One recording as a reader finds it; written only when the reader accepts the file.
struct VideoInfo {
    uint64_t gpsOffset = 0;
    uint32_t gpsSize = 0;
    uint64_t gsensorOffset = 0;
    uint32_t gsensorSize = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    int64_t startTime = 0;  // seconds since 1970-01-01 00:00 UTC; 0 when the file gives none
    uint32_t durationMs = 0;
    uint64_t fileSize = 0;
    uint8_t gpsAttr[4] = {};      // [0] = GPS samples per second
    uint8_t gsensorAttr[4] = {};  // [0] = samples per second, [1] = full scale in g
    int32_t layout = kLayoutBlocks;
    std::vector<MetaChunkRef> metaChunks;
};

// The camera's 32-byte little-endian GPS record.
struct GpsSample {
    double latitude = 0;   // layout 0: ddmm.mmmm; layout 1: decimal degrees
    double longitude = 0;  // layout 0: dddmm.mmmm; layout 1: decimal degrees
    int32_t altitude = 0;
    int16_t speedKmh = 0;
    uint8_t year = 0;  // years since 2000, local calendar time of the fix
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t headingHalf = 0;  // course over ground in units of 2 degrees
    uint8_t fixFlags = 0;     // bit 0: kGpsFixValid
    uint8_t reserved[2] = {};

    static constexpr size_t kSize = 32;
    static GpsSample FromBytes(const uint8_t* p);  // p holds kSize bytes
    void ToBytes(uint8_t* p) const;
};
static_assert(sizeof(GpsSample) == 32, "GpsSample must be the camera's 32-byte record");
static_assert(offsetof(GpsSample, longitude) == 8);
static_assert(offsetof(GpsSample, altitude) == 16);
static_assert(offsetof(GpsSample, speedKmh) == 20);
static_assert(offsetof(GpsSample, year) == 22);
static_assert(offsetof(GpsSample, second) == 27);
static_assert(offsetof(GpsSample, headingHalf) == 28);
static_assert(offsetof(GpsSample, fixFlags) == 29);
static_assert(offsetof(GpsSample, reserved) == 30);

struct GSensorSample {
    int8_t x = 0;
    int8_t y = 0;
    int8_t z = 0;
    static constexpr size_t kSize = 3;
};
static_assert(sizeof(GSensorSample) == 3);

// ddmm.mmmm (or dddmm.mmmm) to decimal degrees; negative values keep their sign.
double NmeaToDegrees(double v);

// Layout-0 samples at 200 degrees or more (latitude or longitude / 100) carry no usable position.
bool HasBlockPosition(const GpsSample& s);

inline int HeadingDegrees(const GpsSample& s) { return s.headingHalf * 2; }

// Full-scale range in g of a recording's G-sensor (8 when the attribute byte is 0).
int GSensorFullScale(const VideoInfo& info);
inline double GSensorToG(int8_t reading, int fullScale) { return reading * double(fullScale) / 128.0; }

// GPS samples per second of the recording's track.
int GpsRate(const VideoInfo& info);
// G-sensor samples per millisecond, from the attribute or from the count over the duration.
double GSensorRatePerMs(const VideoInfo& info, size_t sampleCount);

// Raw blocks as stored in layout 0 (whole records only, file order).
std::vector<GpsSample> GpsSamplesFromBlock(const std::vector<uint8_t>& block);
std::vector<GSensorSample> GSensorSamplesFromBlock(const std::vector<uint8_t>& block);
