#include "map/core/TrackPoints.h"

#include <cstdio>

#include "map/core/MapCommands.h"
#include "telemetry/LocalTime.h"

bool BlockPositionToDegrees(double& lat, double& lon) {
    lat = BlockCoordinateToDegrees(lat / 100.0);
    lon = BlockCoordinateToDegrees(lon / 100.0);
    return lat < 200.0 && lon < 200.0;
}

std::vector<TrackPoint> ExportedPoints(int layout, const std::vector<GpsSample>& samples) {
    std::vector<TrackPoint> points;
    if (layout != kLayoutBlocks && layout != kLayoutMetaTrack) return points;
    for (size_t i = 0; i < samples.size(); ++i) {
        const GpsSample& s = samples[i];
        if (!(s.fixFlags & kGpsFixValid)) continue;
        double lat = s.latitude, lon = s.longitude;
        if (layout == kLayoutBlocks && !BlockPositionToDegrees(lat, lon)) continue;
        points.push_back({i, lat, lon, s.altitude, s.speedKmh});
    }
    return points;
}

std::string TrackFileName(const RecordingEntry& entry, const std::string& extension) {
    const std::string& name = entry.fileName;
    std::string result = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
    if (const auto f = LocalFieldsFromTime(entry.info.startTime)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "_%04d_%02d_%02d_%02d-%02d-%02d", f->year, f->month, f->day, f->hour,
                      f->minute, f->second);
        result += buf;
    }
    return result + extension;
}

std::string JoinOutputPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

namespace {
constexpr char kReplacement[] = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at s[i], 0 when it is not one.
size_t Utf8SequenceLength(const std::string& s, size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    size_t n;
    unsigned min;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2, min = 0x80;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, min = 0x800;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, min = 0x10000;
    else return 0;
    if (i + n > s.size()) return 0;
    unsigned cp = b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return 0;
    return n;
}
}  // namespace

std::string XmlText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const size_t n = Utf8SequenceLength(text, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (n == 1) {
            if (c == '&') out += "&amp;";
            else if (c == '<') out += "&lt;";
            else if (c == '>') out += "&gt;";
            else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') out += kReplacement;
            else out += c;
        } else {
            out.append(text, i, n);
        }
        i += n;
    }
    return out;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    return written && closed;
}
