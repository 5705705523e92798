#include "map/core/RecordingExport.h"

#include "catalogue/CRecordingCatalog.h"
#include "map/core/GpxWriter.h"
#include "map/core/KmlWriter.h"
#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/TelemetryTrack.h"

RecordingExportResult ExportRecordingFile(const std::string& file, const std::string& outFolder, TrackFormat format) {
    RecordingExportResult result;
    RecordingEntry entry;
    const size_t slash = file.rfind('/');
    entry.fileName = slash == std::string::npos ? file : file.substr(slash + 1);
    entry.rootFolder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);

    CTarvo3gpParser reader;
    reader.SetVideoInfo(&entry.info);
    TelemetryTrack track;
    if (reader.Parse(file) != 0 || !ReadTelemetryTrack(file, entry.info, track)) {
        result.error = file + " is not a recording of the camera, or cannot be read";
        return result;
    }
    result.ok = format == TrackFormat::Kml ? ExportKml(outFolder, entry, track.gps, result.path)
                                           : ExportGpx(outFolder, entry, track.gps, result.path);
    if (!result.ok) result.error = "cannot write " + result.path;
    return result;
}
