// The part of libVLC 3's public C API the player uses, declared by hand and resolved at run time.
#pragma once

#include <cstdint>

namespace vlc {

// Name of the engine library, looked up on the system's library search path.
#if defined(_WIN32)
inline constexpr const char* kLibraryName = "libvlc.dll";
#elif defined(__APPLE__)
inline constexpr const char* kLibraryName = "libvlc.dylib";
#else
inline constexpr const char* kLibraryName = "libvlc.so.5";
#endif

// Opaque engine handles.
struct Instance;
struct MediaPlayer;
struct Media;
struct EventManager;

using Time = int64_t;  // milliseconds

// libvlc_event_type_t codes.
enum EventType : int {
    kMediaStateChanged = 5,
    kMediaPlayerMediaChanged = 0x100,
    kMediaPlayerOpening = 0x102,
    kMediaPlayerBuffering = 0x103,
    kMediaPlayerPlaying = 0x104,
    kMediaPlayerPaused = 0x105,
    kMediaPlayerStopped = 0x106,
    kMediaPlayerEndReached = 0x109,
    kMediaPlayerEncounteredError = 0x10a,
    kMediaPlayerTimeChanged = 0x10b,
    kMediaPlayerPositionChanged = 0x10c,
    kMediaPlayerSeekableChanged = 0x10d,
    kMediaPlayerLengthChanged = 0x111,
};

// libvlc_event_t: the type, the emitting object, then a union of per-type payloads. Only the payloads the
// player reads are spelled out; the union is at least as large and as aligned as libVLC's.
struct Event {
    int type;
    void* object;
    union {
        struct {
            int newState;
        } mediaStateChanged;
        struct {
            Media* newMedia;
        } mediaChanged;
        struct {
            float newCache;
        } buffering;
        struct {
            Time newTime;
        } timeChanged;
        struct {
            float newPosition;
        } positionChanged;
        struct {
            int newSeekable;
        } seekableChanged;
        struct {
            Time newLength;
        } lengthChanged;
        struct {
            const void* first;
            const void* second;
        } largest;
    } u;
};

// libvlc_callback_t: called on an engine thread.
using EventCallback = void (*)(const Event* event, void* userData);

// libvlc_video_marquee_option_t codes.
enum MarqueeOption : unsigned {
    kMarqueeEnable = 0,
    kMarqueeText = 1,
    kMarqueeColor = 2,
    kMarqueeOpacity = 3,
    kMarqueePosition = 4,
    kMarqueeRefresh = 5,
    kMarqueeSize = 6,
    kMarqueeTimeout = 7,
    kMarqueeX = 8,
    kMarqueeY = 9,
};

// Entry points, resolved by exported name once when the library is loaded.
struct Api {
    Instance* (*libvlc_new)(int argc, const char* const* argv);
    void (*libvlc_release)(Instance*);

    MediaPlayer* (*libvlc_media_player_new)(Instance*);
    void (*libvlc_media_player_release)(MediaPlayer*);
    EventManager* (*libvlc_media_player_event_manager)(MediaPlayer*);
    void (*libvlc_media_player_set_xwindow)(MediaPlayer*, uint32_t drawable);
    void (*libvlc_media_player_set_media)(MediaPlayer*, Media*);
    int (*libvlc_media_player_play)(MediaPlayer*);
    void (*libvlc_media_player_pause)(MediaPlayer*);
    void (*libvlc_media_player_stop)(MediaPlayer*);
    Time (*libvlc_media_player_get_length)(MediaPlayer*);
    Time (*libvlc_media_player_get_time)(MediaPlayer*);
    void (*libvlc_media_player_set_time)(MediaPlayer*, Time);
    int (*libvlc_media_player_set_rate)(MediaPlayer*, float);

    int (*libvlc_event_attach)(EventManager*, int type, EventCallback, void* userData);
    void (*libvlc_event_detach)(EventManager*, int type, EventCallback, void* userData);

    Media* (*libvlc_media_new_path)(Instance*, const char* path);
    void (*libvlc_media_add_option)(Media*, const char* option);
    void (*libvlc_media_release)(Media*);

    int (*libvlc_audio_set_volume)(MediaPlayer*, int volume);
    void (*libvlc_audio_set_mute)(MediaPlayer*, int on);

    void (*libvlc_video_set_key_input)(MediaPlayer*, unsigned on);
    void (*libvlc_video_set_mouse_input)(MediaPlayer*, unsigned on);
    int (*libvlc_video_take_snapshot)(MediaPlayer*, unsigned num, const char* path, unsigned width,
                                      unsigned height);
    void (*libvlc_video_set_marquee_int)(MediaPlayer*, unsigned option, int value);
    void (*libvlc_video_set_marquee_string)(MediaPlayer*, unsigned option, const char* text);
};

// Fills every entry of api from the loaded module (a dlopen handle). Returns false, naming the first
// missing symbol in *missing when given, if any entry point is absent.
bool ResolveApi(void* module, Api& api, const char** missing = nullptr);

}  // namespace vlc
