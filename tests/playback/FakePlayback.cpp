#include "tests/playback/FakePlayback.h"

#include <cstdio>

void FakeEngine::Record(const std::string& call) {
    calls.push_back(call);
    if (log) log->push_back(call);
}
int FakeEngine::OpenFile(const std::string& path) {
    Record("OpenFile " + path);
    return loaded ? 1 : 0;
}
void FakeEngine::Play() {
    Record("Play");
    if (loaded) playing = true, paused = false;
}
void FakeEngine::Pause() {
    Record("Pause");
    if (loaded) playing = false, paused = true;
}
void FakeEngine::Stop() {
    Record("Stop");
    if (loaded) playing = false, paused = false;
}
void FakeEngine::SetTime(int64_t ms) { Record("SetTime " + std::to_string(ms)); }
void FakeEngine::SetRate(float r) {
    char text[32];
    std::snprintf(text, sizeof text, "SetRate %.1f", double(r));
    Record(text);
    rate = r;
}
void FakeEngine::SetVolume(int v) {
    Record("SetVolume " + std::to_string(v));
    volume = v;
}
void FakeEngine::SetMute(bool on) { Record(on ? "SetMute 1" : "SetMute 0"); }
int FakeEngine::TakeSnapshot(const std::string& path) {
    Record("TakeSnapshot " + path);
    return 1;
}
int FakeEngine::SetMarquee(const std::string& text, int size, bool enable) {
    marquees.push_back({text, size, enable});
    return 1;
}
int FakeEngine::Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call;
    return n;
}

void FakeHost::FitVideoSurface() {
    if (log) log->push_back("Fit");
}
std::optional<std::string> FakeHost::AskSnapshotPath() {
    ++snapshotDialogs;
    if (log) log->push_back("Dialog");
    return snapshotAnswer;
}
void FakeHost::Sleep(int ms) {
    sleeps.push_back(ms);
    if (log) log->push_back("Sleep " + std::to_string(ms));
}

void FillCatalog(CRecordingCatalog& catalog, int count, int height, bool oneGroup) {
    ScanOutcome scan;
    scan.sourceExists = true;
    for (int i = 0; i < count; ++i) {
        RecordingEntry entry;
        char name[32];
        std::snprintf(name, sizeof name, "FILE%04d.MOV", i + 1);
        entry.fileName = name;
        entry.rootFolder = "/card/";
        entry.info.width = 1280;
        entry.info.height = uint16_t(height);
        entry.info.durationMs = 60000;
        // Groups break where recordings are not continuous.
        entry.info.startTime = 1700000000 + (oneGroup ? 60 : 3600) * i;
        scan.entries.push_back(entry);
    }
    catalog.AdoptScan(std::move(scan));
}
