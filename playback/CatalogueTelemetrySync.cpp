#include "playback/CatalogueTelemetrySync.h"

#include "catalogue/CRecordingCatalog.h"

void CatalogueTelemetrySync::LoadTelemetry(int entry) { (void)m_catalog, (void)entry; }

int CatalogueTelemetrySync::UpdateAtTime(int64_t ms, bool gsensorEnabled, bool mapEnabled) {
    (void)ms, (void)gsensorEnabled, (void)mapEnabled;
    return 0;
}

void CatalogueTelemetrySync::RebuildDrivenTrack(uint32_t ms) { (void)ms; }
