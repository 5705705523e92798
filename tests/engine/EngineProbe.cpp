#include "tests/engine/EngineProbe.h"

#include <dlfcn.h>

namespace {

template <typename Fn>
bool Find(void* module, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(dlsym(module, name));
    return slot != nullptr;
}

}  // namespace

EngineProbe::EngineProbe() {
    void* module = dlopen(vlc::kLibraryName, RTLD_NOW | RTLD_NOLOAD);
    if (module == nullptr) return;
    m_valid = Find(module, "libvlc_audio_get_volume", m_getVolume) &&
              Find(module, "libvlc_audio_get_mute", m_getMute) &&
              Find(module, "libvlc_media_player_get_rate", m_getRate) &&
              Find(module, "libvlc_video_get_marquee_int", m_getMarqueeInt) &&
              Find(module, "libvlc_video_get_marquee_string", m_getMarqueeString) &&
              Find(module, "libvlc_free", m_free) &&
              Find(module, "libvlc_audio_set_callbacks", m_setAudioCallbacks) &&
              Find(module, "libvlc_audio_set_volume_callback", m_setVolumeCallback);
    dlclose(module);  // drops only the reference taken above
}

std::string EngineProbe::MarqueeText(vlc::MediaPlayer* player) const {
    char* text = m_getMarqueeString(player, vlc::kMarqueeText);
    if (text == nullptr) return {};
    std::string result(text);
    m_free(text);
    return result;
}

void EngineProbe::TapAudio(vlc::MediaPlayer* player, AudioTap& tap) const {
    m_setAudioCallbacks(
        player, [](void*, const void*, unsigned, int64_t) {}, nullptr, nullptr, nullptr, nullptr, &tap);
    m_setVolumeCallback(player, [](void* data, float volume, bool mute) {
        auto* target = static_cast<AudioTap*>(data);
        target->volume = volume;
        target->mute = mute ? 1 : 0;
    });
}
