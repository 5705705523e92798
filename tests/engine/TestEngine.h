// Engine options for tests: no sound card, and no video output unless a test gives the engine a window.
#pragma once

#include "playback/CVlcPlayer.h"

inline VlcEngineOptions HeadlessOptions() {
    VlcEngineOptions options;
    options.extraArguments = {"--aout=adummy", "--vout=dummy", "--no-video-title-show"};
    return options;
}

inline VlcEngineOptions WindowOptions() {
    VlcEngineOptions options;
    options.extraArguments = {"--aout=adummy", "--no-video-title-show"};
    return options;
}
