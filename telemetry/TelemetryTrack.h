// The telemetry of one recording, decoded from its blocks or meta-track chunks.
#pragma once

#include <string>
#include <vector>

#include "telemetry/TelemetrySamples.h"

struct TelemetryTrack {
    std::vector<GpsSample> gps;
    std::vector<GSensorSample> gsensor;
};

// Reads the track of an accepted recording. Layout 0: the raw blocks, each only when it lies inside the
// file; layout 1: the chunk records. False when the file cannot be opened.
bool ReadTelemetryTrack(const std::string& path, const VideoInfo& info, TelemetryTrack& track);
