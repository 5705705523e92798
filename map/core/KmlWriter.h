// The KML 2.2 file of one recording's GPS track.
#pragma once

#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetrySamples.h"

// The whole document: the recording's entry names it, the samples (the recording's track in sample
// order, as stored for its layout) give the points.
std::string KmlDocument(const RecordingEntry& entry, const std::vector<GpsSample>& samples);

// Writes the document into folder under TrackFileName(entry, ".KML"), overwriting a file of that name.
// path receives the full path also when writing fails. False when the file cannot be created or written.
bool ExportKml(const std::string& folder, const RecordingEntry& entry, const std::vector<GpsSample>& samples,
               std::string& path);
