// The per-time telemetry update as the main window calls it. The catalogue's telemetry loading,
// per-time update and driven-track rebuild belong to the map work; until they exist this answers
// "no fix" and draws nothing.
#pragma once

#include "playback/PlaybackHost.h"

class CRecordingCatalog;

class CatalogueTelemetrySync : public ITelemetrySync {
public:
    explicit CatalogueTelemetrySync(CRecordingCatalog& catalog) : m_catalog(catalog) {}
    void LoadTelemetry(int entry) override;
    int UpdateAtTime(int64_t ms, bool gsensorEnabled, bool mapEnabled) override;
    void RebuildDrivenTrack(uint32_t ms) override;

private:
    CRecordingCatalog& m_catalog;
};
