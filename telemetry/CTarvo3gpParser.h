// The MOV reader: recognises the camera's recordings of both kinds and locates their telemetry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "telemetry/CTarvoVideoParser.h"
#include "telemetry/RecordingFile.h"

class CTarvo3gpParser : public CTarvoVideoParser {
public:
    void SetVideoInfo(VideoInfo* info) override { m_info = info; }
    int Parse(const std::string& path) override;

private:
    enum class Kind { None, MetaTrack, Atoms };

    void Reset();
    Kind ScanKind(const std::string& path);
    int ParseMetaTrack(const std::string& path);
    int ParseAtoms(const std::string& path);
    void ReadMovieDuration(uint64_t moovPayload, uint32_t moovLength);
    void ReadHandlers(uint64_t moovPayload, uint32_t moovLength);
    void ReadMetaChunks(uint64_t trakPayload, uint32_t trakLength);
    void ReadMetaStartTime(uint64_t moovPayload, uint32_t moovLength);
    void ReadPictureSize(uint64_t moovPayload, uint32_t moovLength, bool acceptHevc);
    void ReadAtomKindDuration(uint64_t moovPayload, uint32_t moovLength);
    void ReadGpsBlock(uint64_t payload, uint32_t length);
    void ReadIdit(uint64_t payload, uint32_t length);
    void ReadSkip(uint64_t payload, uint32_t length);

    VideoInfo* m_info = nullptr;
    RecordingFile m_file;
    Kind m_kind = Kind::None;
    int64_t m_startTime = 0;
    bool m_startFound = false;
    uint32_t m_durationMs = 0;
    uint64_t m_gpsOffset = 0;
    uint32_t m_gpsSize = 0;
    uint64_t m_gsensorOffset = 0;
    uint32_t m_gsensorSize = 0;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
    uint64_t m_fileLength = 0;
    uint8_t m_gpsAttr[4] = {};
    uint8_t m_gsensorAttr[4] = {};
    bool m_jtdMark = false;
    bool m_skipEndsInZero = false;
    uint64_t m_chunkEntries = 0;  // chunk entries taken from all meta tracks of this parse
};

// Decodes the 88-byte chunk records of a meta-track recording and appends the samples present in each.
// False (nothing appended) when the file cannot be opened. The arrays are not cleared.
bool ReadMetaTrackSamples(RecordingFile& file, const std::string& path, const std::vector<MetaChunkRef>& chunks,
                          std::vector<GpsSample>& gps, std::vector<GSensorSample>& gsensor);

// Decodes one 88-byte chunk record; the flags say which parts were present.
struct MetaChunkSample {
    bool hasGps = false;
    bool hasGsensor = false;
    GpsSample gps;
    GSensorSample gsensor;
};
MetaChunkSample DecodeMetaChunk(const uint8_t* record88);
constexpr size_t kMetaChunkSize = 88;
