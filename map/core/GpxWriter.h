// The GPX 1.1 file of one recording's GPS track: the points KML would write, with altitude, UTC time
// and speed (Garmin TrackPointExtension v2).
#pragma once

#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetrySamples.h"

// "YYYY-MM-DDThh:mm:ssZ", with ".mmm" before the "Z" when ms is not a whole second; empty when the
// platform cannot convert the time.
std::string UtcTimeText(int64_t msSince1970);

std::string GpxDocument(const RecordingEntry& entry, const std::vector<GpsSample>& samples);

// Like ExportKml, under TrackFileName(entry, ".GPX").
bool ExportGpx(const std::string& folder, const RecordingEntry& entry, const std::vector<GpsSample>& samples,
               std::string& path);
