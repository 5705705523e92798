// The per-time telemetry update as the main window calls it: the track plotter over the catalogue,
// feeding the G-sensor curve, the map and the speed read-out.
#pragma once

#include "catalogue/TrackPlotting.h"
#include "playback/PlaybackHost.h"

class CatalogueTelemetrySync : public ITelemetrySync {
public:
    explicit CatalogueTelemetrySync(const CRecordingCatalog& catalog) : m_plotter(catalog) {}
    // Any view may be null.
    void Attach(IGSensorFeedView* curve, IMapView* map, ISpeedReadoutView* speed) { m_plotter.Attach(curve, map, speed); }
    void LoadTelemetry(int entry) override { m_plotter.LoadTelemetry(entry); }
    int UpdateAtTime(int64_t ms, bool gsensorEnabled, bool mapEnabled) override {
        return m_plotter.UpdateAtTime(ms, gsensorEnabled, mapEnabled);
    }
    void RebuildDrivenTrack(uint32_t ms) override { m_plotter.RebuildDrivenTrack(ms); }
    const CTrackPlotter& Plotter() const { return m_plotter; }

private:
    CTrackPlotter m_plotter;
};
