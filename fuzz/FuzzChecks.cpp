#include "fuzz/FuzzChecks.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "telemetry/ByteOrder.h"
#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/TelemetryTrack.h"

std::string CheckMovReader(const std::string& path, const uint8_t*, size_t size) {
    CTarvo3gpParser parser;
    VideoInfo info;
    parser.SetVideoInfo(&info);
    if (parser.Parse(path) != 0) return {};
    if (info.fileSize != size) return "accepted with a file size other than the file's";
    // Each chunk entry takes 4 bytes of the file.
    if (info.metaChunks.size() > size / 4) return "more chunk entries than the file has room for";
    TelemetryTrack track;
    if (!ReadTelemetryTrack(path, info, track)) return "accepted file whose track cannot be read";
    if (info.layout == kLayoutMetaTrack &&
        (track.gps.size() > info.metaChunks.size() || track.gsensor.size() > info.metaChunks.size()))
        return "more samples than chunks";
    if (info.layout == kLayoutBlocks &&
        (track.gps.size() * GpsSample::kSize > size || track.gsensor.size() * GSensorSample::kSize > size))
        return "more block samples than the file holds";
    return {};
}

std::string CheckMetaChunks(const std::string& path, const uint8_t* data, size_t size) {
    for (size_t at = 0; at < size; at += kMetaChunkSize) {
        uint8_t record[kMetaChunkSize] = {};
        std::memcpy(record, data + at, std::min(kMetaChunkSize, size - at));
        const MetaChunkSample s = DecodeMetaChunk(record);
        if (s.hasGps != (record[32] != 0)) return "GPS part decided other than by its status byte";
        if (s.hasGsensor != (LoadLe16(record + 6) != 0))
            return "G-sensor part decided other than by its flag";
    }

    VideoInfo info;
    info.layout = kLayoutMetaTrack;
    // Up to 64 signed chunk offsets, so that negative and far offsets occur.
    for (size_t i = 0; i < 64 && 4 * i + 4 <= size; ++i)
        info.metaChunks.push_back({int32_t(i), int64_t(int32_t(LoadBe32(data + 4 * i)))});
    TelemetryTrack track;
    if (!ReadTelemetryTrack(path, info, track)) return "chunk records of an existing file not read";
    if (track.gps.size() > info.metaChunks.size() || track.gsensor.size() > info.metaChunks.size())
        return "more samples than chunks";

    if (size < 16) return {};
    VideoInfo blocks;
    blocks.layout = kLayoutBlocks;
    blocks.gpsOffset = LoadBe32(data);
    blocks.gpsSize = LoadBe32(data + 4);
    blocks.gsensorOffset = LoadBe32(data + 8);
    blocks.gsensorSize = LoadBe32(data + 12);
    if (!ReadTelemetryTrack(path, blocks, track)) return "blocks of an existing file not read";
    if (track.gps.size() * GpsSample::kSize > size || track.gsensor.size() * GSensorSample::kSize > size)
        return "more block samples than the file holds";
    return {};
}
