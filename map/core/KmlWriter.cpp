#include "map/core/KmlWriter.h"

#include <cstdio>

#include "map/core/MapCommands.h"
#include "map/core/TrackPoints.h"
#include "telemetry/LocalTime.h"

namespace {

// " %Y/%m/%d %H:%M:%S" of the local start time; empty when it cannot be converted.
std::string DescriptionTime(int64_t startTime) {
    const auto f = LocalFieldsFromTime(startTime);
    if (!f) return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, " %04d/%02d/%02d %02d:%02d:%02d", f->year, f->month, f->day, f->hour, f->minute,
                  f->second);
    return buf;
}

}  // namespace

std::string KmlDocument(const RecordingEntry& entry, const std::vector<GpsSample>& samples) {
    std::string k;
    k += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n  <Document>\n";
    k += "    <name>" + XmlText(entry.fileName) + "</name>\n";
    k += "\t<description></description>\n";
    k += "    <Style id=\"blueLine\">\n      <LineStyle>\n        <color>ffff0000</color>\n"
         "        <width>4</width>\n      </LineStyle>\n    </Style>\n    <Placemark>\n"
         "      <name>CAR PATH</name>\n";
    k += "      <description>GPS Path of Car DV " +
         XmlText("\"" + entry.subFolder + "/" + entry.fileName + "\"" + DescriptionTime(entry.info.startTime)) +
         "</description>\n";
    k += "      <styleUrl>#blueLine</styleUrl>\n      <LineString>\n        <altitudeMode>relative</altitudeMode>\n"
         "        <coordinates>\n";
    for (const TrackPoint& p : ExportedPoints(entry.info.layout, samples))
        k += FormatFixed6(p.longitude) + "," + FormatFixed6(p.latitude) + "," + std::to_string(p.altitude) + "\n";
    k += "\n        </coordinates>\n      </LineString>\n    </Placemark>\n  </Document>\n</kml>\n";
    return k;
}

bool ExportKml(const std::string& folder, const RecordingEntry& entry, const std::vector<GpsSample>& samples,
               std::string& path) {
    path = JoinOutputPath(folder, TrackFileName(entry, ".KML"));
    return WriteWholeFile(path, KmlDocument(entry, samples));
}
