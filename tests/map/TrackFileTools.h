// Helpers for the track-file tests: samples, temporary folders, running the XML tools.
#pragma once

#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetrySamples.h"

namespace maptest {

GpsSample Fix(double lat, double lon, int32_t alt, int16_t speed = 0, bool fixed = true);

// A fresh empty folder below /tmp, removed by the destructor.
class TempFolder {
public:
    explicit TempFolder(const std::string& leaf = "");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; }  // ends without "/"
private:
    std::string m_base;
    std::string m_path;
};

std::string ReadFile(const std::string& path);

// Runs a shell command; output collects its standard output. Returns the exit status.
int Run(const std::string& command, std::string& output);
std::string Quote(const std::string& s);  // for the shell

// Number of track points gpsbabel reads from a file of the given format ("kml", "gpx").
int GpsbabelTrackPoints(const std::string& format, const std::string& path, std::string& diagnostics);

}  // namespace maptest
