// The main window as the playback controller sees it: its controls, timers, boxes and posted messages.
#pragma once

#include <QString>

#include "playback/PlaybackHost.h"

class CTarvoDlg;

class CTarvoPlaybackHost : public IPlaybackHost {
public:
    explicit CTarvoPlaybackHost(CTarvoDlg& window) : m_window(window) {}
    void ShowVideoSurface(bool show) override;
    void FitVideoSurface() override;
    void SetPlayButtonAlternate(bool alternate) override;
    int PositionSliderValue() const override;
    void SetPositionSliderValue(int position) override;
    bool PositionSliderDragging() const override;
    int VolumeSliderValue() const override;
    void SetGpsIndicatorColour(bool colour) override;
    void SetCurvePosition(uint32_t positionMs) override;
    void SetCurveStopped(bool stopped) override;
    bool IsFullScreen() const override;
    void StartTimer(int id) override;
    void StopTimer(int id) override;
    void ShowEngineError(bool withText) override;
    void ShowNoFiles() override;
    std::optional<std::string> AskSnapshotPath() override;
    void Sleep(int ms) override;
    uint32_t TickCount() const override;
    void Post(int code, intptr_t wParam, intptr_t lParam) override;

    // The caption of the engine error box: the program file's name without its extension.
    static QString ProgramName();

private:
    CTarvoDlg& m_window;
};
