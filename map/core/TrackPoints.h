// The points an exported track holds, and the parts the KML and GPX files share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetrySamples.h"

struct TrackPoint {
    size_t sampleIndex = 0;  // position of the sample in the recording's track
    double latitude = 0;     // decimal degrees
    double longitude = 0;
    int32_t altitude = 0;
    int16_t speedKmh = 0;
};

// Divides both block-layout values by 100 and converts them to degrees; true when both results are
// below 200.
bool BlockPositionToDegrees(double& lat, double& lon);

// Fixed samples in track order. Block layout: converted, those failing BlockPositionToDegrees left
// out. Meta-track layout: as stored. Other layouts: none.
std::vector<TrackPoint> ExportedPoints(int layout, const std::vector<GpsSample>& samples);

// fileName without its last 4 characters, then the local start time as "_%Y_%m_%d_%H-%M-%S" (empty
// when it cannot be converted), then the extension (".KML", ".GPX").
std::string TrackFileName(const RecordingEntry& entry, const std::string& extension);

// folder + name; a "/" is put between them when a non-empty folder lacks one.
std::string JoinOutputPath(const std::string& folder, const std::string& name);

// Text content for XML: & < > escaped, control characters other than tab and line feed and invalid
// UTF-8 replaced by U+FFFD, so any file or folder name gives a well-formed document.
std::string XmlText(const std::string& text);

// Writes bytes to path, truncating an existing file; false when the file cannot be created or written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
