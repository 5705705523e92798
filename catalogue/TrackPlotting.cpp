#include "catalogue/TrackPlotting.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

#include "catalogue/CRecordingCatalog.h"
#include "map/core/MapCommands.h"
#include "telemetry/CTarvo3gpParser.h"
#include "telemetry/RecordingFile.h"

double g_lastIndex = 0;
double g_lastTimeMs = 0;
int g_lastShownIndex = 0;
double g_lastSentLatitude = 0;
double g_lastSentLongitude = 0;

namespace {

bool HasFix(const GpsSample& s) { return (s.fixFlags & kGpsFixValid) != 0; }

// Where a block-layout sample goes on the map: divided by 100 and converted to degrees; none
// without a fix or at 200 and above.
std::optional<std::pair<double, double>> BlockMapPoint(const GpsSample& s) {
    if (!HasFix(s)) return std::nullopt;
    const double lat = s.latitude / 100;
    const double lon = s.longitude / 100;
    if (lat >= 200 || lon >= 200) return std::nullopt;
    return std::pair{BlockCoordinateToDegrees(lat), BlockCoordinateToDegrees(lon)};
}

// A block of size bytes at offset lies inside a file of length bytes (no overflow on hostile values).
bool FitsInFile(uint64_t offset, uint64_t size, uint64_t length) {
    return size <= length && offset <= length - size;
}

bool ReadBlock(const RecordingFile& file, uint64_t offset, uint32_t size, std::vector<uint8_t>& out) {
    if (size == 0 || !FitsInFile(offset, size, file.GetLength())) return false;
    out.assign(size, 0);
    return file.ReadAt(offset, out.data(), size) == size;
}

}  // namespace

void CTrackPlotter::Attach(IGSensorFeedView* curve, IMapView* map, ISpeedReadoutView* speed) {
    m_curve = curve;
    m_map = map;
    m_speed = speed;
}

int CTrackPlotter::LoadTelemetry(int entry) {
    const auto& entries = m_catalog.Entries();
    if (entry < 0 || size_t(entry) >= entries.size()) return 0;
    switch (entries[size_t(entry)].info.layout) {
        case kLayoutBlocks:
            return LoadBlockTelemetry(entry);
        case kLayoutMetaTrack:
            return LoadMetaTrackTelemetry(entry);
        default:
            return 0;
    }
}

void CTrackPlotter::ClearMapLines() {
    if (!m_map) return;
    m_map->ExecuteScript(PathDrivedDeleteCommand());
    m_map->ExecuteScript(PathDeleteCommand());
}

// Empties the map's lines and the telemetry held for the previous recording.
void CTrackPlotter::ForgetTelemetry(int entry) {
    ClearMapLines();
    m_gpsBlock.clear();
    m_gsensorBlock.clear();
    m_gpsBlockSize = 0;
    m_gsensorBlockSize = 0;
    m_gpsSamples.clear();
    m_gsensorSamples.clear();
    m_currentEntry = entry;
}

int CTrackPlotter::LoadBlockTelemetry(int entry) {
    const RecordingEntry& e = m_catalog.Entries()[size_t(entry)];
    ForgetTelemetry(entry);

    RecordingFile file;
    if (!file.Open(e.Path())) return 0;
    if (m_curve) m_curve->ClearSamples();

    // A block that does not lie inside the file is not read and counts as empty.
    if (ReadBlock(file, e.info.gsensorOffset, e.info.gsensorSize, m_gsensorBlock)) {
        m_gsensorBlockSize = e.info.gsensorSize;
        if (m_curve) FeedCurve(e.info, GSensorSamplesFromBlock(m_gsensorBlock));
    } else {
        m_gsensorBlock.clear();
    }

    if (ReadBlock(file, e.info.gpsOffset, e.info.gpsSize, m_gpsBlock)) {
        m_gpsBlockSize = e.info.gpsSize;
        m_gpsRate = e.info.gpsAttr[0] != 0 ? e.info.gpsAttr[0] : 1.0;
        if (m_map) {
            for (size_t i = 0; i < GpsCount(); ++i)
                if (const auto point = BlockMapPoint(GpsAt(i)))
                    m_map->ExecuteScript(PathPlotCommand(point->first, point->second));
        }
    } else {
        m_gpsBlock.clear();
    }
    file.Close();
    return 1;
}

int CTrackPlotter::LoadMetaTrackTelemetry(int entry) {
    const RecordingEntry& e = m_catalog.Entries()[size_t(entry)];
    ForgetTelemetry(entry);

    RecordingFile file;
    ReadMetaTrackSamples(file, e.Path(), e.info.metaChunks, m_gpsSamples, m_gsensorSamples);

    if (m_curve) {
        if (!m_gsensorSamples.empty()) {
            m_gsensorBlockSize = uint32_t(m_gsensorSamples.size());
            FeedCurve(e.info, m_gsensorSamples);
        } else {
            m_curve->ClearSamples();
        }
    }

    if (!e.info.metaChunks.empty() && !m_gpsSamples.empty()) {
        m_gpsRate = e.info.gpsAttr[0] != 0 ? e.info.gpsAttr[0] : 5.0;
        if (m_map) {
            double lastLat = 0;
            double lastLon = 0;
            for (const GpsSample& s : m_gpsSamples) {
                if (!HasFix(s) || s.latitude == lastLat || s.longitude == lastLon) continue;
                m_map->ExecuteScript(PathPlotCommand(s.latitude, s.longitude));
                lastLat = s.latitude;
                lastLon = s.longitude;
            }
            m_map->SendPosition(m_gpsSamples[0].latitude, m_gpsSamples[0].longitude, true);
        }
    }
    return 1;
}

void CTrackPlotter::FeedCurve(const VideoInfo& info, const std::vector<GSensorSample>& samples) {
    m_curve->ClearSamples();
    m_curve->SetScale(info.gsensorAttr[1], 2.0);
    m_curve->ClearSamples();
    for (const GSensorSample& s : samples) m_curve->AddSample(s.x, s.y, s.z);
    m_curve->UpdateDuration();
    m_curve->SetSampleRate(GSensorRatePerMs(info, samples.size()));
    m_curve->SetPixelsPerMs(0.01);
    m_curve->SetSpanMode(2);
}

int CTrackPlotter::Layout() const {
    const auto& entries = m_catalog.Entries();
    if (m_currentEntry < 0 || size_t(m_currentEntry) >= entries.size()) return -1;
    return entries[size_t(m_currentEntry)].info.layout;
}

size_t CTrackPlotter::GpsCount() const {
    if (m_catalog.IsEmpty()) return 0;
    switch (Layout()) {
        case kLayoutBlocks:
            return std::min<size_t>(m_gpsBlockSize, m_gpsBlock.size()) / GpsSample::kSize;
        case kLayoutMetaTrack:
            return m_gpsSamples.size();
        default:
            return 0;
    }
}

GpsSample CTrackPlotter::GpsAt(size_t i) const {
    if (Layout() == kLayoutBlocks) return GpsSample::FromBytes(m_gpsBlock.data() + i * GpsSample::kSize);
    return m_gpsSamples[i];
}

int CTrackPlotter::SampleIndexForTime(double timeMs) const {
    if (!(m_gpsRate > 0)) return 0;
    double idx = 0;
    switch (Layout()) {
        case kLayoutBlocks:
            idx = timeMs / m_gpsRate / 1000;
            break;
        case kLayoutMetaTrack:
            idx = timeMs * m_gpsRate / 1000;
            break;
        default:
            return 0;
    }
    idx = std::trunc(idx);
    if (!(idx < double(INT_MAX))) return INT_MAX;
    if (!(idx > double(INT_MIN))) return INT_MIN;
    return int(idx);
}

int CTrackPlotter::UpdateAtTime(int64_t timeMs, bool updateGSensor, bool updateMap) {
    const size_t count = GpsCount();
    if (updateGSensor && m_curve && m_gsensorBlockSize != 0) {
        m_curve->SetStopped(false);
        m_curve->SetPosition(uint32_t(uint64_t(timeMs)));
    }
    if (count == 0) {
        if (m_speed) m_speed->SetSpeed(false, 0);
        return 0;
    }
    const double t = double(timeMs);
    const int idx = SampleIndexForTime(t);
    if (idx < g_lastIndex || timeMs == 0 || t - g_lastTimeMs > kJumpThresholdMs) {
        if (m_map) m_map->ExecuteScript(PathDrivedDeleteCommand());
        g_lastIndex = 0;
        g_lastTimeMs = t;
        return 1;
    }
    g_lastIndex = idx;
    g_lastTimeMs = t;
    if (idx < 0 || size_t(idx) >= count) return 0;

    const GpsSample s = GpsAt(size_t(idx));
    if (!HasFix(s) && m_speed) m_speed->SetSpeed(false, 0);
    if (idx != 0 && idx == g_lastShownIndex) return 1;
    g_lastShownIndex = idx;
    if (!HasFix(s)) return 1;
    if (m_speed) m_speed->SetSpeed(true, s.speedKmh);
    if (!updateMap || !m_map) return 1;

    if (Layout() == kLayoutBlocks) {
        const double lat = s.latitude / 100;
        const double lon = s.longitude / 100;
        if (lat >= 200 || lon >= 200) return 0;
        if (lat == g_lastSentLatitude || lon == g_lastSentLongitude) return 1;
        m_map->SendPosition(lat, lon, false);
        g_lastSentLatitude = lat;
        g_lastSentLongitude = lon;
        return 1;
    }
    if (s.latitude == g_lastSentLatitude || s.longitude == g_lastSentLongitude) return 1;
    m_map->SendPosition(s.latitude, s.longitude, true);
    g_lastSentLatitude = s.latitude;
    g_lastSentLongitude = s.longitude;
    return 1;
}

int CTrackPlotter::RebuildDrivenTrack(uint32_t timeMs) {
    if (m_gpsRate == 0) m_gpsRate = 1;
    if (m_catalog.IsEmpty()) return 0;
    const int idx = SampleIndexForTime(double(timeMs));
    if (!m_map) return 1;
    m_map->ExecuteScript(PathDrivedDeleteCommand());
    const size_t end = std::min(size_t(std::max(idx, 0)), GpsCount());
    if (Layout() == kLayoutBlocks) {
        for (size_t i = 0; i < end; ++i)
            if (const auto point = BlockMapPoint(GpsAt(i)))
                m_map->ExecuteScript(PathDrivedPlotCommand(point->first, point->second));
        return 1;
    }
    double lastLat = 0;
    double lastLon = 0;
    for (size_t i = 0; i < end; ++i) {
        const GpsSample& s = m_gpsSamples[i];
        if (!HasFix(s) || s.latitude == lastLat || s.longitude == lastLon) continue;
        m_map->ExecuteScript(PathDrivedPlotCommand(s.latitude, s.longitude));
        lastLat = s.latitude;
        lastLon = s.longitude;
    }
    return 1;
}
