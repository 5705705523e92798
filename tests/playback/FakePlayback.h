// Test doubles of the engine, the main window and the telemetry displays; each records its calls.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CRecordingCatalog.h"
#include "playback/IMediaEngine.h"
#include "playback/PlaybackHost.h"

struct FakeEngine : IMediaEngine {
    bool loaded = true;
    bool playing = false;
    bool paused = true;
    int64_t length = 60000;
    int64_t time = 0;
    std::vector<std::string> calls;  // "Play", "OpenFile /card/A.MOV", "SetRate 1.2", ...
    float rate = 1.0f;
    int volume = 200;
    struct Marquee {
        std::string text;
        int size;
        bool enable;
    };
    std::vector<Marquee> marquees;

    bool IsLoaded() const override { return loaded; }
    bool IsPlaying() const override { return playing; }
    bool IsPaused() const override { return paused; }
    int OpenFile(const std::string& path) override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    int64_t GetLength() const override { return loaded ? length : -1; }
    int64_t GetTime() const override { return loaded ? time : -1; }
    void SetTime(int64_t ms) override;
    void SetRate(float r) override;
    void SetVolume(int v) override;
    void SetMute(bool on) override;
    int TakeSnapshot(const std::string& path) override;
    int SetMarquee(const std::string& text, int size, bool enable) override;
    int Count(const std::string& call) const;
    void Record(const std::string& call);
    std::vector<std::string>* log = nullptr;  // shared with the host to check the order of calls
};

struct FakeHost : IPlaybackHost {
    bool videoShown = false;
    bool playAlternate = false;
    int playButtonResets = 0;
    int slider = 0;
    bool dragging = false;
    int volumeSlider = 50;
    std::optional<bool> gpsColour;
    std::vector<uint32_t> curvePositions;
    std::optional<bool> curveStopped;
    bool fullScreen = false;
    std::map<int, bool> timers;  // id → running
    std::vector<int> started;
    std::vector<bool> errorBoxes;  // with text?
    int noFilesBoxes = 0;
    std::optional<std::string> snapshotAnswer;
    int snapshotDialogs = 0;
    std::vector<int> sleeps;
    uint32_t tick = 100000;
    struct Posted {
        int code;
        intptr_t w, l;
    };
    std::vector<Posted> posted;
    std::vector<std::string>* log = nullptr;  // shared with the engine to check the order of calls

    void ShowVideoSurface(bool show) override { videoShown = show; }
    void FitVideoSurface() override;
    void SetPlayButtonAlternate(bool alternate) override {
        playAlternate = alternate;
        ++playButtonResets;
    }
    int PositionSliderValue() const override { return slider; }
    void SetPositionSliderValue(int position) override { slider = position; }
    bool PositionSliderDragging() const override { return dragging; }
    int VolumeSliderValue() const override { return volumeSlider; }
    void SetGpsIndicatorColour(bool colour) override { gpsColour = colour; }
    void SetCurvePosition(uint32_t ms) override { curvePositions.push_back(ms); }
    void SetCurveStopped(bool stopped) override { curveStopped = stopped; }
    bool IsFullScreen() const override { return fullScreen; }
    void StartTimer(int id) override {
        timers[id] = true;
        started.push_back(id);
    }
    void StopTimer(int id) override { timers[id] = false; }
    void ShowEngineError(bool withText) override { errorBoxes.push_back(withText); }
    void ShowNoFiles() override { ++noFilesBoxes; }
    std::optional<std::string> AskSnapshotPath() override;
    void Sleep(int ms) override;
    uint32_t TickCount() const override { return tick; }
    void Post(int code, intptr_t w, intptr_t l) override { posted.push_back({code, w, l}); }
};

struct FakeTelemetry : ITelemetrySync {
    std::vector<int> loaded;
    std::vector<int64_t> updates;
    std::vector<uint32_t> rebuilds;
    int answer = 1;
    void LoadTelemetry(int entry) override { loaded.push_back(entry); }
    int UpdateAtTime(int64_t ms, bool, bool) override {
        updates.push_back(ms);
        return answer;
    }
    void RebuildDrivenTrack(uint32_t ms) override { rebuilds.push_back(ms); }
};

struct FakeInhibitor : IScreenSaverInhibitor {
    bool inhibited = false;
    int inhibits = 0;
    void Inhibit() override {
        if (!inhibited) ++inhibits;
        inhibited = true;
    }
    void UnInhibit() override { inhibited = false; }
    bool IsInhibited() const override { return inhibited; }
};

// A catalogue of count recordings "/card/FILE000n.MOV" of the given picture height, one group each
// when split, else one group.
void FillCatalog(CRecordingCatalog& catalog, int count, int height = 720, bool oneGroup = true);
