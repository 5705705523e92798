// Exports the track of one recording file, read from disk, as KML or GPX: what norvik-tool runs.
#pragma once

#include <string>

enum class TrackFormat { Kml, Gpx };

struct RecordingExportResult {
    bool ok = false;
    std::string path;   // the file written, or attempted
    std::string error;  // why it failed
};

// The recording is described as a single opened file: empty subFolder, its own folder as rootFolder.
RecordingExportResult ExportRecordingFile(const std::string& file, const std::string& outFolder, TrackFormat format);
