// The media engine binding: one libVLC instance with one media player, loaded at run time.
//
// Every operation is a no-op (returning the value named below) once the engine could not be loaded or
// created. All operations run on the user-interface thread, except GetLength and GetTime, which the
// event callback may also call. Inside the callback they answer from the engine's latest reports
// instead of asking the engine: the engine may be sending the event while the user-interface thread
// holds its player lock (stop, set media), and asking it then would deadlock.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "playback/VlcApi.h"

// How the engine is loaded; the defaults are the program's. Tests add arguments (for example
// "--aout=adummy") or name another library.
struct VlcEngineOptions {
    std::string library = vlc::kLibraryName;
    std::vector<std::string> extraArguments;
};

class CVlcPlayer {
public:
    using EventCallback = vlc::EventCallback;

    // Arguments of libvlc_new, before any extra ones.
    static constexpr int kEngineArgumentCount = 4;
    static constexpr const char* kEngineArguments[kEngineArgumentCount] = {
        "-I", "dummy", "--ignore-config", "--plugin-path=./plugins"};
    // Option given to every media.
    static constexpr const char* kMediaOption = ":avcodec-hw=any";
    // Event types attached to the player's event manager, in attach order.
    static constexpr int kAttachedEventCount = 12;
    static constexpr int kAttachedEvents[kAttachedEventCount] = {
        vlc::kMediaPlayerPositionChanged, vlc::kMediaPlayerSeekableChanged, vlc::kMediaPlayerTimeChanged,
        vlc::kMediaStateChanged,          vlc::kMediaPlayerMediaChanged,    vlc::kMediaPlayerOpening,
        vlc::kMediaPlayerBuffering,       vlc::kMediaPlayerPlaying,         vlc::kMediaPlayerPaused,
        vlc::kMediaPlayerStopped,         vlc::kMediaPlayerEndReached,      vlc::kMediaPlayerEncounteredError};
    static constexpr unsigned kMarqueeColor = 0xFF00FF00u;  // green

    CVlcPlayer();
    explicit CVlcPlayer(const VlcEngineOptions& options);
    ~CVlcPlayer();
    CVlcPlayer(const CVlcPlayer&) = delete;
    CVlcPlayer& operator=(const CVlcPlayer&) = delete;

    // Hands the engine the native window to draw into (an X11 window id).
    void SetHwnd(uint32_t window);
    // Attaches callback with userData to every event type of kAttachedEvents; it is called with the
    // engine's event record, on whatever thread the engine sends it. A second call replaces the first
    // callback; destruction detaches it, waiting for a call in progress.
    void AttachEvents(EventCallback callback, void* userData);
    // Sets the media of path (UTF-8) on the player without starting it. 1 when a media was set.
    int OpenFile(const std::string& path);
    void Play();
    void Pause();  // toggles the engine's pause; call it only to pause
    void Stop();
    int64_t GetLength() const;  // ms, -1 when not loaded or not known
    int64_t GetTime() const;    // ms, -1 when not loaded or not known
    void SetTime(int64_t ms);
    void SetRate(float rate);
    void SetVolume(int volume);  // 0..200, 100 is the engine's normal level; clamped
    void SetMute(bool on);
    // Writes the picture shown by the first video output, at its own size, to path: PNG for ".png",
    // JPEG for ".jpg"/".jpeg" (case-insensitive). 1 when the file was written, 0 otherwise (nothing
    // is then left under path's name).
    int TakeSnapshot(const std::string& path);
    // Green text overlay in the picture's top-left corner. 1, or 0 when not loaded.
    int SetMarquee(const std::string& text, int size, bool enable);

    int IsLoaded() const { return m_loaded; }
    int IsPlaying() const { return m_playing; }
    int IsPaused() const { return m_paused; }
    int GetVolume() const { return m_volume; }
    float GetRate() const { return m_rate; }
    const std::string& GetPath() const { return m_path; }
    vlc::Instance* GetInstance() const { return m_instance; }
    vlc::MediaPlayer* GetPlayer() const { return m_player; }
    vlc::Media* GetMedia() const { return m_media; }
    vlc::EventManager* GetEventManager() const { return m_eventManager; }
    EventCallback GetCallback() const { return m_callback; }
    void* GetCallbackData() const { return m_callbackData; }

private:
    void Create(const VlcEngineOptions& options);
    void DetachEvents();
    // Forwards an engine event to m_callback, marking the thread as inside the callback.
    static void Dispatch(const vlc::Event* event, void* self);
    // Keeps the latest time and length the engine reported.
    static void Track(const vlc::Event* event, void* self);
    bool InCallback() const;

    vlc::Instance* m_instance = nullptr;
    vlc::MediaPlayer* m_player = nullptr;
    vlc::Media* m_media = nullptr;
    vlc::EventManager* m_eventManager = nullptr;
    void* m_callbackData = nullptr;
    EventCallback m_callback = nullptr;
    void* m_module = nullptr;
    std::string m_path;
    int m_loaded = 1;
    int m_playing = 0;
    int m_paused = 1;
    int m_volume = 200;
    float m_rate = 1.0f;

    vlc::Api m_api{};
    bool m_tracking = false;
    std::atomic<int64_t> m_reportedTime{-1};
    std::atomic<int64_t> m_reportedLength{-1};
};
