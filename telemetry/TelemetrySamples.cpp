#include "telemetry/TelemetrySamples.h"

#include <cmath>
#include <cstring>

#include "telemetry/ByteOrder.h"

GpsSample GpsSample::FromBytes(const uint8_t* p) {
    GpsSample s;
    s.latitude = std::bit_cast<double>(LoadLe64(p));
    s.longitude = std::bit_cast<double>(LoadLe64(p + 8));
    s.altitude = int32_t(LoadLe32(p + 16));
    s.speedKmh = int16_t(LoadLe16(p + 20));
    s.year = p[22];
    s.month = p[23];
    s.day = p[24];
    s.hour = p[25];
    s.minute = p[26];
    s.second = p[27];
    s.headingHalf = p[28];
    s.fixFlags = p[29];
    s.reserved[0] = p[30];
    s.reserved[1] = p[31];
    return s;
}

void GpsSample::ToBytes(uint8_t* p) const {
    StoreLe64(p, std::bit_cast<uint64_t>(latitude));
    StoreLe64(p + 8, std::bit_cast<uint64_t>(longitude));
    StoreLe32(p + 16, uint32_t(altitude));
    StoreLe16(p + 20, uint16_t(speedKmh));
    const uint8_t tail[] = {year, month, day, hour, minute, second, headingHalf, fixFlags, reserved[0], reserved[1]};
    std::memcpy(p + 22, tail, sizeof tail);
}

double NmeaToDegrees(double v) {
    const double q = v / 100.0;
    const double d = std::trunc(q);
    return d + (q - d) * 100.0 / 60.0;
}

bool HasBlockPosition(const GpsSample& s) { return !(s.latitude / 100.0 >= 200.0 || s.longitude / 100.0 >= 200.0); }

int GSensorFullScale(const VideoInfo& info) { return info.gsensorAttr[1] == 0 ? 8 : info.gsensorAttr[1]; }

int GpsRate(const VideoInfo& info) {
    if (info.gpsAttr[0] != 0) return info.gpsAttr[0];
    return info.layout == kLayoutMetaTrack ? 5 : 1;
}

double GSensorRatePerMs(const VideoInfo& info, size_t sampleCount) {
    if (info.gsensorAttr[0] != 0) return info.gsensorAttr[0] / 1000.0;
    if (info.durationMs == 0) return 0.0;
    return double(sampleCount) / double(info.durationMs);
}

std::vector<GpsSample> GpsSamplesFromBlock(const std::vector<uint8_t>& block) {
    std::vector<GpsSample> out;
    out.reserve(block.size() / GpsSample::kSize);
    for (size_t at = 0; at + GpsSample::kSize <= block.size(); at += GpsSample::kSize)
        out.push_back(GpsSample::FromBytes(block.data() + at));
    return out;
}

std::vector<GSensorSample> GSensorSamplesFromBlock(const std::vector<uint8_t>& block) {
    std::vector<GSensorSample> out;
    out.reserve(block.size() / GSensorSample::kSize);
    for (size_t at = 0; at + GSensorSample::kSize <= block.size(); at += GSensorSample::kSize)
        out.push_back({int8_t(block[at]), int8_t(block[at + 1]), int8_t(block[at + 2])});
    return out;
}
