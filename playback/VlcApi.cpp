#include "playback/VlcApi.h"

#include <dlfcn.h>

namespace vlc {

namespace {

template <typename Fn>
bool Resolve(void* module, const char* name, Fn& slot, const char** missing) {
    slot = reinterpret_cast<Fn>(dlsym(module, name));
    if (slot == nullptr && missing != nullptr && *missing == nullptr) *missing = name;
    return slot != nullptr;
}

}  // namespace

bool ResolveApi(void* module, Api& api, const char** missing) {
    if (missing != nullptr) *missing = nullptr;
    if (module == nullptr) return false;
    bool ok = true;
#define NORVIK_RESOLVE(name) ok = Resolve(module, #name, api.name, missing) && ok
    NORVIK_RESOLVE(libvlc_new);
    NORVIK_RESOLVE(libvlc_release);
    NORVIK_RESOLVE(libvlc_media_player_new);
    NORVIK_RESOLVE(libvlc_media_player_release);
    NORVIK_RESOLVE(libvlc_media_player_event_manager);
    NORVIK_RESOLVE(libvlc_media_player_set_xwindow);
    NORVIK_RESOLVE(libvlc_media_player_set_media);
    NORVIK_RESOLVE(libvlc_media_player_play);
    NORVIK_RESOLVE(libvlc_media_player_pause);
    NORVIK_RESOLVE(libvlc_media_player_stop);
    NORVIK_RESOLVE(libvlc_media_player_get_length);
    NORVIK_RESOLVE(libvlc_media_player_get_time);
    NORVIK_RESOLVE(libvlc_media_player_set_time);
    NORVIK_RESOLVE(libvlc_media_player_set_rate);
    NORVIK_RESOLVE(libvlc_event_attach);
    NORVIK_RESOLVE(libvlc_event_detach);
    NORVIK_RESOLVE(libvlc_media_new_path);
    NORVIK_RESOLVE(libvlc_media_add_option);
    NORVIK_RESOLVE(libvlc_media_release);
    NORVIK_RESOLVE(libvlc_audio_set_volume);
    NORVIK_RESOLVE(libvlc_audio_set_mute);
    NORVIK_RESOLVE(libvlc_video_set_key_input);
    NORVIK_RESOLVE(libvlc_video_set_mouse_input);
    NORVIK_RESOLVE(libvlc_video_take_snapshot);
    NORVIK_RESOLVE(libvlc_video_set_marquee_int);
    NORVIK_RESOLVE(libvlc_video_set_marquee_string);
#undef NORVIK_RESOLVE
    return ok;
}

}  // namespace vlc
