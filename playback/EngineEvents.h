// The function attached to the engine's events: runs on the engine's threads and hands each event to
// the playback controller given as user data, which only posts messages to the main window.
#pragma once

#include "playback/VlcApi.h"

void EngineEventCallback(const vlc::Event* event, void* userData);
