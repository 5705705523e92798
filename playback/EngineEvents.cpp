#include "playback/EngineEvents.h"

#include "playback/PlaybackController.h"

void EngineEventCallback(const vlc::Event* event, void* userData) {
    if (!event || !userData) return;
    static_cast<PlaybackController*>(userData)->OnEngineEvent(event->type);
}
