// Reads engine state the binding sets but never reads back, straight from the libVLC the binding loaded.
#pragma once

#include <atomic>
#include <string>

#include "playback/VlcApi.h"

// Volume (1.0 = 100) and mute the engine last applied to a tapped audio output; -1 before the first.
struct AudioTap {
    std::atomic<float> volume{-1.0f};
    std::atomic<int> mute{-1};
};

class EngineProbe {
public:
    // Valid only while a binding keeps the library loaded.
    EngineProbe();
    bool IsValid() const { return m_valid; }

    int Volume(vlc::MediaPlayer* player) const { return m_getVolume(player); }
    int Mute(vlc::MediaPlayer* player) const { return m_getMute(player); }
    float Rate(vlc::MediaPlayer* player) const { return m_getRate(player); }
    int MarqueeInt(vlc::MediaPlayer* player, unsigned option) const { return m_getMarqueeInt(player, option); }
    std::string MarqueeText(vlc::MediaPlayer* player) const;

    // Routes the player's audio to memory (instead of the instance's output) so the volume and mute the
    // engine applies to its output land in tap, which must outlive the player. Call before Play.
    void TapAudio(vlc::MediaPlayer* player, AudioTap& tap) const;

private:
    bool m_valid = false;
    int (*m_getVolume)(vlc::MediaPlayer*) = nullptr;
    int (*m_getMute)(vlc::MediaPlayer*) = nullptr;
    float (*m_getRate)(vlc::MediaPlayer*) = nullptr;
    int (*m_getMarqueeInt)(vlc::MediaPlayer*, unsigned) = nullptr;
    char* (*m_getMarqueeString)(vlc::MediaPlayer*, unsigned) = nullptr;
    void (*m_free)(void*) = nullptr;
    using PlayCb = void (*)(void*, const void*, unsigned, int64_t);
    using TimeCb = void (*)(void*, int64_t);
    void (*m_setAudioCallbacks)(vlc::MediaPlayer*, PlayCb, TimeCb, TimeCb, TimeCb, TimeCb, void*) = nullptr;
    void (*m_setVolumeCallback)(vlc::MediaPlayer*, void (*)(void*, float, bool)) = nullptr;
};
