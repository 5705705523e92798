#include "telemetry/TelemetryTrack.h"

#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/RecordingFile.h"

namespace {

// The block at offset/size when it lies inside the file, else nothing.
std::vector<uint8_t> ReadBlock(const RecordingFile& file, uint64_t offset, uint32_t size) {
    if (size == 0 || offset > file.GetLength() || size > file.GetLength() - offset) return {};
    std::vector<uint8_t> block(size);
    file.ReadAt(offset, block.data(), block.size());
    return block;
}

}  // namespace

bool ReadTelemetryTrack(const std::string& path, const VideoInfo& info, TelemetryTrack& track) {
    track = {};
    RecordingFile file;
    if (info.layout == kLayoutMetaTrack) return ReadMetaTrackSamples(file, path, info.metaChunks, track.gps, track.gsensor);
    if (info.layout != kLayoutBlocks || !file.Open(path)) return false;
    track.gps = GpsSamplesFromBlock(ReadBlock(file, info.gpsOffset, info.gpsSize));
    track.gsensor = GSensorSamplesFromBlock(ReadBlock(file, info.gsensorOffset, info.gsensorSize));
    return true;
}
