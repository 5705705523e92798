#include <cmath>
#include <cstdint>

#include "telemetry/ByteOrder.h"
#include "telemetry/CTarvo3gpParser.h"

namespace {

// numerator / denominator; a zero denominator gives 0.
double Quotient(const uint8_t* p) {
    const int32_t num = int32_t(LoadLe32(p));
    const int32_t den = int32_t(LoadLe32(p + 4));
    return den == 0 ? 0.0 : double(num) / double(den);
}

double DdmmToDegrees(double v) {
    const int64_t d = int64_t(std::trunc(v)) / 100;
    return double(d) + (v / 100.0 - double(d)) * 100.0 / 60.0;
}

}  // namespace

MetaChunkSample DecodeMetaChunk(const uint8_t* r) {
    MetaChunkSample out;
    if (r[32] != 0) {
        out.hasGps = true;
        out.gps.latitude = DdmmToDegrees(Quotient(r + 36));
        out.gps.longitude = DdmmToDegrees(Quotient(r + 44));
        const uint16_t kmh = uint16_t(int64_t(Quotient(r + 52) * 1.852));
        out.gps.speedKmh = int16_t(kmh > 4 ? kmh - 4 : 0);
        out.gps.headingHalf = r[80];
        out.gps.fixFlags = r[32];
    }
    if (LoadLe16(r + 6) != 0) {
        out.hasGsensor = true;
        out.gsensor = {int8_t(r[8]), int8_t(r[10]), int8_t(r[12])};
    }
    return out;
}

bool ReadMetaTrackSamples(RecordingFile& file, const std::string& path, const std::vector<MetaChunkRef>& chunks,
                          std::vector<GpsSample>& gps, std::vector<GSensorSample>& gsensor) {
    if (!file.Open(path)) return false;
    uint8_t record[kMetaChunkSize];
    for (const MetaChunkRef& chunk : chunks) {
        // A record cut by the end of the file reads as zeros from there.
        file.ReadAt(chunk.offset < 0 ? file.GetLength() : uint64_t(chunk.offset), record, sizeof record);
        const MetaChunkSample s = DecodeMetaChunk(record);
        if (s.hasGps) gps.push_back(s.gps);
        if (s.hasGsensor) gsensor.push_back(s.gsensor);
    }
    file.Close();
    return true;
}
