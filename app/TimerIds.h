// The main window's timers: id, period and whether a tick stops it.
#pragma once

#include <array>

namespace TimerId {
constexpr int kFullScreenEntered = 100;
constexpr int kSpeedOverlay = 102;
constexpr int kApplySeek = 103;
constexpr int kDelayedOpen = 105;
constexpr int kOpenGuard = 106;
constexpr int kSliderReset = 107;
}  // namespace TimerId

struct TimerSpec {
    int id;
    int periodMs;
    bool once;  // stopped by its first tick
};

constexpr std::array<TimerSpec, 6> kMainWindowTimers = {{
    {TimerId::kFullScreenEntered, 800, true},
    {TimerId::kSpeedOverlay, 300, false},
    {TimerId::kApplySeek, 500, false},
    {TimerId::kDelayedOpen, 100, false},
    {TimerId::kOpenGuard, 100000, true},
    {TimerId::kSliderReset, 200, true},
}};

constexpr const TimerSpec* FindTimer(int id) {
    for (const TimerSpec& timer : kMainWindowTimers)
        if (timer.id == id) return &timer;
    return nullptr;
}
