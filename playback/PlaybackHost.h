// What the playback controller needs of the main window, of the telemetry displays and of the desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The main window's side: its controls, timers, boxes and the posting of its private messages.
class IPlaybackHost {
public:
    virtual ~IPlaybackHost() = default;
    virtual void ShowVideoSurface(bool show) = 0;
    virtual void FitVideoSurface() = 0;
    // PLAY's pause picture on or off; clears its greyed state and repaints it.
    virtual void SetPlayButtonAlternate(bool alternate) = 0;
    virtual int PositionSliderValue() const = 0;
    virtual void SetPositionSliderValue(int position) = 0;
    virtual bool PositionSliderDragging() const = 0;
    virtual int VolumeSliderValue() const = 0;
    virtual void SetGpsIndicatorColour(bool colour) = 0;
    virtual void SetCurvePosition(uint32_t positionMs) = 0;
    virtual void SetCurveStopped(bool stopped) = 0;
    virtual bool IsFullScreen() const = 0;
    virtual void StartTimer(int id) = 0;
    virtual void StopTimer(int id) = 0;
    // Box of an engine error event: caption the program's name, OK only.
    virtual void ShowEngineError(bool withText) = 0;
    virtual void ShowNoFiles() = 0;
    // Save dialog of a snapshot; the chosen path (UTF-8), empty when cancelled.
    virtual std::optional<std::string> AskSnapshotPath() = 0;
    virtual void Sleep(int ms) = 0;
    virtual uint32_t TickCount() const = 0;
    // Posts a private message to the main window; safe from any thread, never waits.
    virtual void Post(int code, intptr_t wParam, intptr_t lParam) = 0;
};

// The per-time telemetry update of the speed read-out, curve, map and driven track.
class ITelemetrySync {
public:
    virtual ~ITelemetrySync() = default;
    // Loads the telemetry of an entry and draws its whole track.
    virtual void LoadTelemetry(int entry) = 0;
    // 1 when the time has a GPS fix to show, else 0.
    virtual int UpdateAtTime(int64_t ms, bool gsensorEnabled, bool mapEnabled) = 0;
    virtual void RebuildDrivenTrack(uint32_t ms) = 0;
};

// Keeps the screen from blanking.
class IScreenSaverInhibitor {
public:
    virtual ~IScreenSaverInhibitor() = default;
    virtual void Inhibit() = 0;    // nothing when already inhibited
    virtual void UnInhibit() = 0;  // nothing when not inhibited
    virtual bool IsInhibited() const = 0;
};
