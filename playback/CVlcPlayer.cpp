#include "playback/CVlcPlayer.h"

#include <dlfcn.h>

#include <algorithm>

#include "playback/PngToJpeg.h"
#include "playback/SnapshotFile.h"

namespace {

// Kinds of report kept for GetTime/GetLength inside the callback.
constexpr int kTrackedEvents[] = {vlc::kMediaPlayerMediaChanged, vlc::kMediaPlayerLengthChanged,
                                  vlc::kMediaPlayerTimeChanged};

// The binding whose callback is running on this thread, if any.
thread_local const CVlcPlayer* t_dispatching = nullptr;

}  // namespace

CVlcPlayer::CVlcPlayer() : CVlcPlayer(VlcEngineOptions{}) {}

CVlcPlayer::CVlcPlayer(const VlcEngineOptions& options) { Create(options); }

void CVlcPlayer::Create(const VlcEngineOptions& options) {
    m_instance = nullptr;
    m_player = nullptr;
    m_media = nullptr;
    m_eventManager = nullptr;
    m_callbackData = nullptr;
    m_callback = nullptr;
    m_path.clear();
    m_rate = 1.0f;
    m_playing = 0;
    m_paused = 1;
    m_volume = 200;
    m_loaded = 1;

    m_module = dlopen(options.library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_module == nullptr) {
        m_loaded = 0;
        return;
    }
    // A library without every entry point is not an engine the player can drive.
    if (!vlc::ResolveApi(m_module, m_api)) {
        m_loaded = 0;
        return;
    }

    std::vector<const char*> argv(std::begin(kEngineArguments), std::end(kEngineArguments));
    for (const std::string& extra : options.extraArguments) argv.push_back(extra.c_str());
    m_instance = m_api.libvlc_new(static_cast<int>(argv.size()), argv.data());
    if (m_instance == nullptr) {
        m_loaded = 0;
        return;
    }
    m_player = m_api.libvlc_media_player_new(m_instance);
    if (m_player == nullptr) {
        m_loaded = 0;
        return;
    }
    m_eventManager = m_api.libvlc_media_player_event_manager(m_player);
    if (m_eventManager == nullptr) {
        m_loaded = 0;
        return;
    }
    m_api.libvlc_audio_set_volume(m_player, m_volume);
    // Attached first, so a report is stored before the program's callback sees it.
    m_tracking = true;
    for (int type : kTrackedEvents) m_api.libvlc_event_attach(m_eventManager, type, &CVlcPlayer::Track, this);
}

CVlcPlayer::~CVlcPlayer() {
    // Handles obtained before a failed creation are released too. Detaching first waits for a callback
    // in flight and keeps the engine's threads from calling back while the player is torn down.
    DetachEvents();
    if (m_tracking)
        for (int type : kTrackedEvents) m_api.libvlc_event_detach(m_eventManager, type, &CVlcPlayer::Track, this);
    if (m_media != nullptr) m_api.libvlc_media_release(m_media);
    if (m_player != nullptr) m_api.libvlc_media_player_release(m_player);
    if (m_instance != nullptr) m_api.libvlc_release(m_instance);
    if (m_module != nullptr) dlclose(m_module);
    m_media = nullptr;
    m_player = nullptr;
    m_instance = nullptr;
    m_eventManager = nullptr;
    m_module = nullptr;
}

void CVlcPlayer::DetachEvents() {
    if (m_eventManager == nullptr || m_callback == nullptr) return;
    for (int type : kAttachedEvents) m_api.libvlc_event_detach(m_eventManager, type, &CVlcPlayer::Dispatch, this);
}

void CVlcPlayer::Dispatch(const vlc::Event* event, void* self) {
    auto* player = static_cast<CVlcPlayer*>(self);
    const CVlcPlayer* outer = t_dispatching;
    t_dispatching = player;
    player->m_callback(event, player->m_callbackData);
    t_dispatching = outer;
}

void CVlcPlayer::Track(const vlc::Event* event, void* self) {
    auto* player = static_cast<CVlcPlayer*>(self);
    switch (event->type) {
        case vlc::kMediaPlayerMediaChanged:
            player->m_reportedTime = -1;
            player->m_reportedLength = -1;
            break;
        case vlc::kMediaPlayerLengthChanged: player->m_reportedLength = event->u.lengthChanged.newLength; break;
        case vlc::kMediaPlayerTimeChanged: player->m_reportedTime = event->u.timeChanged.newTime; break;
        default: break;
    }
}

bool CVlcPlayer::InCallback() const { return t_dispatching == this; }

void CVlcPlayer::SetHwnd(uint32_t window) {
    if (!m_loaded) return;
    m_api.libvlc_media_player_set_xwindow(m_player, window);
}

void CVlcPlayer::AttachEvents(EventCallback callback, void* userData) {
    if (!m_loaded) return;
    DetachEvents();  // no dispatch runs past this, so the fields can change
    m_callback = callback;
    m_callbackData = userData;
    if (callback == nullptr) return;
    for (int type : kAttachedEvents) m_api.libvlc_event_attach(m_eventManager, type, &CVlcPlayer::Dispatch, this);
}

int CVlcPlayer::OpenFile(const std::string& path) {
    if (!m_loaded) return 0;
    m_api.libvlc_audio_set_volume(m_player, m_volume);
    m_path = path;
    vlc::Media* media = m_api.libvlc_media_new_path(m_instance, m_path.c_str());
    if (media == nullptr) return 0;
    m_api.libvlc_media_add_option(media, kMediaOption);
    m_api.libvlc_media_player_set_media(m_player, media);
    // The player holds its own reference to the media it plays.
    if (m_media != nullptr) m_api.libvlc_media_release(m_media);
    m_media = media;
    m_api.libvlc_video_set_key_input(m_player, 0);
    m_api.libvlc_video_set_mouse_input(m_player, 0);
    return 1;
}

void CVlcPlayer::Play() {
    if (!m_loaded) return;
    m_api.libvlc_media_player_play(m_player);
    m_playing = 1;
    m_paused = 0;
}

void CVlcPlayer::Pause() {
    if (!m_loaded) return;
    m_playing = 0;
    m_api.libvlc_media_player_pause(m_player);
    m_paused = 1;
}

void CVlcPlayer::Stop() {
    if (!m_loaded) return;
    m_api.libvlc_media_player_stop(m_player);
    m_playing = 0;
    m_paused = 0;
}

int64_t CVlcPlayer::GetLength() const {
    if (!m_loaded) return -1;
    if (InCallback()) return m_reportedLength;
    return m_api.libvlc_media_player_get_length(m_player);
}

int64_t CVlcPlayer::GetTime() const {
    if (!m_loaded) return -1;
    if (InCallback()) return m_reportedTime;
    return m_api.libvlc_media_player_get_time(m_player);
}

void CVlcPlayer::SetTime(int64_t ms) {
    if (!m_loaded) return;
    m_api.libvlc_media_player_set_time(m_player, ms);
}

void CVlcPlayer::SetRate(float rate) {
    if (!m_loaded) return;
    m_rate = rate;
    m_api.libvlc_media_player_set_rate(m_player, rate);
}

void CVlcPlayer::SetVolume(int volume) {
    if (!m_loaded) return;
    m_volume = std::clamp(volume, 0, 200);
    m_api.libvlc_audio_set_volume(m_player, m_volume);
}

void CVlcPlayer::SetMute(bool on) {
    if (!m_loaded) return;
    m_api.libvlc_audio_set_mute(m_player, on ? 1 : 0);
}

int CVlcPlayer::TakeSnapshot(const std::string& path) {
    if (!m_loaded) return 0;
    const SnapshotFormat format = SnapshotFormatOf(path);
    if (format == SnapshotFormat::kUnsupported) return 0;
    // The engine always writes PNG data; it writes to a fresh file beside the target, which is then
    // moved or converted into place, so a failed snapshot leaves nothing under the target's name.
    TempSnapshotFile temp(path);
    if (!temp.IsCreated()) return 0;
    if (m_api.libvlc_video_take_snapshot(m_player, 0, temp.Path().c_str(), 0, 0) != 0) return 0;
    if (!IsPngFile(temp.Path())) return 0;
    if (format == SnapshotFormat::kPng) return temp.MoveTo(path) ? 1 : 0;
    return ConvertPngToJpeg(temp.Path(), path) ? 1 : 0;
}

int CVlcPlayer::SetMarquee(const std::string& text, int size, bool enable) {
    if (!m_loaded) return 0;
    m_api.libvlc_video_set_marquee_string(m_player, vlc::kMarqueeText, text.c_str());
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeSize, size);
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeOpacity, 255);
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeColor, static_cast<int>(kMarqueeColor));
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeTimeout, -1);
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeX, 0);
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeY, 0);
    m_api.libvlc_video_set_marquee_int(m_player, vlc::kMarqueeEnable, enable ? 1 : 0);
    return 1;
}
