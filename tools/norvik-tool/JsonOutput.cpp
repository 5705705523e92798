#include "JsonOutput.h"

using nlohmann::ordered_json;

namespace {

ordered_json Bytes4(const uint8_t* b) { return ordered_json::array({b[0], b[1], b[2], b[3]}); }

}  // namespace

ordered_json InfoJson(const VideoInfo& info) {
    ordered_json j;
    j["accepted"] = true;
    j["layout"] = info.layout;
    j["width"] = info.width;
    j["height"] = info.height;
    j["durationMs"] = info.durationMs;
    j["startTime"] = info.startTime;
    j["fileSize"] = info.fileSize;
    j["gpsOffset"] = info.gpsOffset;
    j["gpsSize"] = info.gpsSize;
    j["gsensorOffset"] = info.gsensorOffset;
    j["gsensorSize"] = info.gsensorSize;
    j["gpsAttr"] = Bytes4(info.gpsAttr);
    j["gsensorAttr"] = Bytes4(info.gsensorAttr);
    ordered_json chunks = ordered_json::array();
    for (const MetaChunkRef& c : info.metaChunks) chunks.push_back({{"index", c.index}, {"offset", c.offset}});
    j["metaChunks"] = std::move(chunks);
    return j;
}

ordered_json ScanJson(const CRecordingCatalog& catalog, int scanned) {
    ordered_json entries = ordered_json::array(), groups = ordered_json::array(), rows = ordered_json::array();
    for (const RecordingEntry& e : catalog.Entries()) {
        entries.push_back({{"fileName", e.fileName},
                           {"subFolder", e.subFolder},
                           {"lockFlags", e.lockFlags},
                           {"startTime", e.info.startTime},
                           {"durationMs", e.info.durationMs},
                           {"fileSize", e.info.fileSize},
                           {"layout", e.info.layout},
                           {"width", e.info.width},
                           {"height", e.info.height}});
    }
    for (const RecordingGroup& g : catalog.Groups()) {
        groups.push_back({{"groupIndex", g.groupIndex},
                          {"firstEntry", g.firstEntry},
                          {"entryCount", g.entryCount},
                          {"totalDurationMs", g.totalDurationMs},
                          {"totalSize", g.totalSize},
                          {"lockFlags", g.lockFlags}});
    }
    for (const FileRow& r : catalog.Rows())
        rows.push_back({{"groupIndex", r.groupIndex}, {"indexInGroup", r.indexInGroup}, {"entryIndex", r.entryIndex}});
    ordered_json j;
    j["scanned"] = scanned;
    j["entries"] = std::move(entries);
    j["groups"] = std::move(groups);
    j["rows"] = std::move(rows);
    return j;
}

ordered_json TrackJson(const VideoInfo& info, const std::vector<GpsSample>& gps,
                       const std::vector<GSensorSample>& gsensor) {
    const bool block = info.layout == kLayoutBlocks;
    ordered_json points = ordered_json::array();
    for (const GpsSample& s : gps) {
        points.push_back({{"latitude", block ? NmeaToDegrees(s.latitude) : s.latitude},
                          {"longitude", block ? NmeaToDegrees(s.longitude) : s.longitude},
                          {"altitude", s.altitude},
                          {"speedKmh", s.speedKmh},
                          {"heading", HeadingDegrees(s)},
                          {"fix", (s.fixFlags & kGpsFixValid) != 0}});
    }
    ordered_json g = ordered_json::array();
    for (const GSensorSample& s : gsensor) g.push_back(ordered_json::array({s.x, s.y, s.z}));
    ordered_json j;
    j["gpsRate"] = GpsRate(info);
    j["gps"] = std::move(points);
    j["gsensor"] = std::move(g);
    return j;
}
