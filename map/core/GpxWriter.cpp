#include "map/core/GpxWriter.h"

#include <cstdio>
#include <ctime>

#include "map/core/MapCommands.h"
#include "map/core/TrackPoints.h"

std::string UtcTimeText(int64_t ms) {
    int64_t seconds = ms / 1000, millis = ms % 1000;
    if (millis < 0) millis += 1000, --seconds;
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!gmtime_r(&t, &tm) || tm.tm_year + 1900 < 0 || tm.tm_year + 1900 > 9999) return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    std::string text = buf;
    if (millis) {
        std::snprintf(buf, sizeof buf, ".%03d", static_cast<int>(millis));
        text += buf;
    }
    return text + "Z";
}

std::string GpxDocument(const RecordingEntry& entry, const std::vector<GpsSample>& samples) {
    const bool timed = entry.info.startTime != 0;
    const int rate = GpsRate(entry.info);
    const std::string name = XmlText(entry.fileName);
    std::string g;
    g += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gpx version=\"1.1\" creator=\"Velidor\" xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
         "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
         "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
         "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd "
         "http://www.garmin.com/xmlschemas/TrackPointExtension/v2 "
         "http://www.garmin.com/xmlschemas/TrackPointExtensionv2.xsd\">\n";
    g += "  <metadata>\n    <name>" + name + "</name>\n";
    const std::string start = timed ? UtcTimeText(entry.info.startTime * 1000) : std::string();
    if (!start.empty()) g += "    <time>" + start + "</time>\n";
    g += "  </metadata>\n  <trk>\n    <name>" + name + "</name>\n    <trkseg>\n";
    for (const TrackPoint& p : ExportedPoints(entry.info.layout, samples)) {
        g += "      <trkpt lat=\"" + FormatFixed6(p.latitude) + "\" lon=\"" + FormatFixed6(p.longitude) + "\">\n";
        g += "        <ele>" + std::to_string(p.altitude) + "</ele>\n";
        if (timed) {
            const int64_t ms = entry.info.startTime * 1000 + static_cast<int64_t>(p.sampleIndex) * 1000 / rate;
            const std::string when = UtcTimeText(ms);
            if (!when.empty()) g += "        <time>" + when + "</time>\n";
        }
        if (p.speedKmh >= 0)  // the extension's speed cannot be negative
            g += "        <extensions>\n          <gpxtpx:TrackPointExtension>\n            <gpxtpx:speed>" +
                 FormatFixed6(p.speedKmh / 3.6) +
                 "</gpxtpx:speed>\n          </gpxtpx:TrackPointExtension>\n        </extensions>\n";
        g += "      </trkpt>\n";
    }
    g += "    </trkseg>\n  </trk>\n</gpx>\n";
    return g;
}

bool ExportGpx(const std::string& folder, const RecordingEntry& entry, const std::vector<GpsSample>& samples,
               std::string& path) {
    path = JoinOutputPath(folder, TrackFileName(entry, ".GPX"));
    return WriteWholeFile(path, GpxDocument(entry, samples));
}
