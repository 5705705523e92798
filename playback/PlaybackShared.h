// Process-wide playback values. The ones the engine's thread touches are atomics.
#pragma once

#include <atomic>
#include <cstdint>

// A recording was opened and the engine has not reported a playback time yet.
extern std::atomic<int> g_openPending;
// Steady-clock milliseconds (low 32 bits) of the last accepted list open request; 0 before the first.
extern uint32_t g_lastOpenTick;
// The position slider's dead zone and the units that cover the recording (published by the slider).
extern std::atomic<int> g_nSliderOffset;
extern std::atomic<int> g_nSliderScale;
// The G-sensor curve draws its cursor at g_nCursorX on its next repaint while this is set.
extern bool g_bCursorForced;

constexpr int kPositionSliderMax = 1000;
constexpr int kSliderDeadZoneNumerator = 17760;

// Slider units in the dead zone for a slider width in pixels.
constexpr int SliderDeadZone(int width) { return width > 0 ? kSliderDeadZoneNumerator / width : 0; }
