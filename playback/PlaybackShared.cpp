#include "playback/PlaybackShared.h"

std::atomic<int> g_openPending{0};
uint32_t g_lastOpenTick = 0;
std::atomic<int> g_nSliderOffset{0};
std::atomic<int> g_nSliderScale{kPositionSliderMax};
bool g_bCursorForced = false;
