// Keeps the map and the telemetry instruments in step with the recording being played: loads the
// telemetry of the opened recording, draws its whole track, moves the marker and lengthens the
// driven line as the playback time advances, and redraws the driven line after a seek.
#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/CatalogueViews.h"
#include "telemetry/TelemetrySamples.h"

class CRecordingCatalog;

// The G-sensor curve as the telemetry load feeds it.
class IGSensorFeedView : public IGSensorCurveView {
public:
    virtual void SetScale(int fullScale, double range) = 0;  // 0 as full scale means 8
    virtual void AddSample(int8_t x, int8_t y, int8_t z) = 0;
    virtual void UpdateDuration() = 0;
    virtual void SetSampleRate(double samplesPerMs) = 0;
    virtual void SetPixelsPerMs(double pixelsPerMs) = 0;
    virtual void SetSpanMode(int mode) = 0;
    virtual void SetStopped(bool stopped) = 0;
};

// The speed read-out: valid off blanks it.
class ISpeedReadoutView {
public:
    virtual ~ISpeedReadoutView() = default;
    virtual void SetSpeed(bool valid, int speedKmh) = 0;
};

constexpr double kJumpThresholdMs = 3000;

// Last-shown state of the per-time update; process-wide, survives recording changes (the jump rule
// re-synchronises it).
extern double g_lastIndex;
extern double g_lastTimeMs;
extern int g_lastShownIndex;
extern double g_lastSentLatitude;
extern double g_lastSentLongitude;

class CTrackPlotter {
public:
    explicit CTrackPlotter(const CRecordingCatalog& catalog) : m_catalog(catalog) {}

    // Any of the views may be null; its steps are then skipped.
    void Attach(IGSensorFeedView* curve, IMapView* map, ISpeedReadoutView* speed);

    // Reads the telemetry of entry into this object, feeds the curve and draws the whole track.
    // 0 for an index outside the list, an unknown layout or a recording that cannot be opened.
    int LoadTelemetry(int entry);
    // 1 when the position is shown or unchanged, 0 when the time has no GPS position.
    int UpdateAtTime(int64_t timeMs, bool updateGSensor, bool updateMap);
    // Redraws the driven line up to the sample of timeMs (that sample excluded). 0 without entries.
    int RebuildDrivenTrack(uint32_t timeMs);
    int SampleIndexForTime(double timeMs) const;

    int CurrentEntry() const { return m_currentEntry; }
    double GpsRate() const { return m_gpsRate; }
    uint32_t GpsBlockSize() const { return m_gpsBlockSize; }
    uint32_t GSensorBlockSize() const { return m_gsensorBlockSize; }
    const std::vector<GpsSample>& GpsSamples() const { return m_gpsSamples; }

private:
    int LoadBlockTelemetry(int entry);
    int LoadMetaTrackTelemetry(int entry);
    void FeedCurve(const VideoInfo& info, const std::vector<GSensorSample>& samples);
    void ClearMapLines();
    void ForgetTelemetry(int entry);
    int Layout() const;
    size_t GpsCount() const;
    GpsSample GpsAt(size_t i) const;

    const CRecordingCatalog& m_catalog;
    IGSensorFeedView* m_curve = nullptr;
    IMapView* m_map = nullptr;
    ISpeedReadoutView* m_speed = nullptr;

    int m_currentEntry = -1;
    std::vector<uint8_t> m_gpsBlock;
    uint32_t m_gpsBlockSize = 0;
    std::vector<uint8_t> m_gsensorBlock;
    uint32_t m_gsensorBlockSize = 0;  // meta-track layout: the G sample count
    std::vector<GpsSample> m_gpsSamples;
    std::vector<GSensorSample> m_gsensorSamples;
    double m_gpsRate = 0;
};
