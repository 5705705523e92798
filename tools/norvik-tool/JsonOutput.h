// JSON forms of the core records, as norvik-tool prints them.
#pragma once

#include <nlohmann/json.hpp>

#include "catalogue/CRecordingCatalog.h"

nlohmann::ordered_json InfoJson(const VideoInfo& info);
nlohmann::ordered_json ScanJson(const CRecordingCatalog& catalog, int scanned);
// The track the player loads for a recording: positions in decimal degrees, heading in degrees.
nlohmann::ordered_json TrackJson(const VideoInfo& info, const std::vector<GpsSample>& gps,
                                 const std::vector<GSensorSample>& gsensor);
