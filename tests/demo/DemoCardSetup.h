// One demo card per test run, built into a temporary folder, scanned and decoded once.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "telemetry/TelemetryTrack.h"
#include "tools/demo/DemoCard.h"

struct BuiltCard {
    std::string folder;  // the card, ending in "/"
    DemoCard card;
    ScanOutcome scan;
    std::map<std::string, TelemetryTrack> tracks;  // by path relative to the card, for every entry
    std::map<std::string, RecordingEntry> entries;
    std::map<std::string, DemoRecording> recordings;
};

// Built on first use; a build failure fails every test that asks for it.
const BuiltCard& DemoCardUnderTest();

// A fresh, empty temporary folder ending in "/", removed by the caller.
std::string MakeTemporaryFolder(const std::string& tag);

// Local-plane metres between two positions (small distances only).
double LocalDistanceM(double lat1, double lon1, double lat2, double lon2);
// Distance from a position to the nearest point of a polyline, in local-plane metres.
double DistanceToPolylineM(double lat, double lon, const std::vector<std::pair<double, double>>& line);
