// Turns the user's playback commands, the engine's events and the main window's timers into engine
// calls and display updates. Everything runs on the user-interface thread except OnEngineEvent.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "playback/IMediaEngine.h"
#include "playback/PlaybackHost.h"

class CRecordingCatalog;

class PlaybackController {
public:
    // A private message of the engine thread: the GPS indicator's flag changed.
    static constexpr int kGpsIndicatorChanged = 0xC02;
    static constexpr int kPlayingState = 3;
    static constexpr int kPausedState = 4;
    static constexpr uint32_t kOpenDebounceMs = 1500;
    static constexpr int kMarqueeRepeats = 10;

    PlaybackController(IMediaEngine& engine, CRecordingCatalog& catalog, ITelemetrySync& telemetry,
                       IPlaybackHost& host, IScreenSaverInhibitor& inhibitor);

    // Commands.
    void OnPlay();
    void OnStop();
    void OnFast();
    void OnSlow();
    void OnLoop();
    void OnMute(bool muted);
    void OnVolumeMoved();
    // The position slider moved; preview shows the telemetry at the target at once.
    void OnSeekMoved(bool preview);
    void OnSnap();

    // Private messages, on the user-interface thread.
    void OnEngineError(intptr_t wParam);
    void OnPlayState(intptr_t state);
    void OnPlayTime(int64_t timeMs, int sliderPosition);
    void OnEndOfMedia();
    void OnOpenGroup(int group);
    void OnOpenFile(int entry);
    // The engine opened or stopped a recording: the GPS indicator turns grey.
    void OnGpsIndicatorChanged();
    // One tick of a main-window timer; false for an id that is not a playback timer.
    bool OnTimer(int id);
    void OnFullScreenChanged(bool fullScreen);

    // The engine's event callback, on the engine's thread: only atomics and posted messages.
    void OnEngineEvent(int type);

    void OpenEntryAndPlay(int entry);
    void UpdateSpeedOverlay();
    // Opens entry after ticks of the delayed-open timer.
    void RequestDelayedOpen(int entry, int ticks);
    // Before a folder is chosen: drops the pending seek, stops playback and returns to normal speed.
    void PrepareForOpen();
    // Stops playback for a command that then leaves nothing playing (SAVE, DEL): PLAY shows its play
    // picture again, as the engine reports no pause for a stop.
    void StopPlayback();
    // Hides the video surface when it is showing, so the next open shows it again.
    void HideVideo();
    // The slider position of a playback time for a recording length.
    static int SliderPositionForTime(int64_t timeMs, int64_t lengthMs);

    void SetTelemetryEnabled(bool gsensor, bool map) {
        m_gsensorEnabled = gsensor;
        m_mapEnabled = map;
    }
    void ResetRate() { m_rateIndex = 7; }
    int RateIndex() const { return m_rateIndex; }
    bool AutoPlayNext() const { return m_autoPlayNext; }
    int64_t PendingSeekMs() const { return m_pendingSeekMs.load(); }
    bool GpsColour() const { return m_gpsColour.load(); }
    const std::string& CurrentPath() const { return m_currentPath; }
    bool VideoHidden() const { return m_videoHidden; }
    int DelayedOpenTicks() const { return m_delayedOpenTicks; }
    int MarqueeTicks() const { return m_marqueeTicks; }

private:
    void ShowVideo();
    // Selects entry, loads its telemetry, opens it and starts the engine.
    void OpenEntry(int entry);
    void LoadAndShowPaused(int entry);
    bool AcceptOpenRequest();
    void ApplyPendingSeek();
    void StartMarquee();

    IMediaEngine& m_engine;
    CRecordingCatalog& m_catalog;
    ITelemetrySync& m_telemetry;
    IPlaybackHost& m_host;
    IScreenSaverInhibitor& m_inhibitor;

    int m_rateIndex = 7;
    bool m_autoPlayNext = true;
    std::atomic<int64_t> m_pendingSeekMs{0};
    std::atomic<bool> m_gpsColour{false};
    int m_delayedOpenEntry = -1;
    int m_delayedOpenTicks = 0;
    int m_marqueeTicks = kMarqueeRepeats;
    std::string m_currentPath;
    bool m_videoHidden = true;
    bool m_gsensorEnabled = true;
    bool m_mapEnabled = true;
    bool m_openAccepted = false;  // a list open request was accepted once
};
