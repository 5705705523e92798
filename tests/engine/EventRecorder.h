// Records engine events from the engine's threads and lets a test wait for them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "playback/CVlcPlayer.h"

struct RecordedEvent {
    int type;
    int64_t newTime;  // time-changed events only
    std::chrono::steady_clock::time_point at;
};

class EventRecorder {
public:
    static constexpr std::chrono::milliseconds kGenerous{10000};

    // The callback to attach, with the recorder as user data.
    static void Callback(const vlc::Event* event, void* userData);
    void Attach(CVlcPlayer& player) { player.AttachEvents(&EventRecorder::Callback, this); }

    std::vector<RecordedEvent> Events() const;
    size_t Count() const;
    size_t CountOf(int type) const;
    // Index of the first event of type at or after from, or -1.
    int IndexOf(int type, size_t from = 0) const;
    // Waits until the type occurs at or after index from; returns its index, or -1 on timeout.
    int WaitFor(int type, size_t from = 0, std::chrono::milliseconds timeout = kGenerous) const;
    // Waits until pred(events) holds; false on timeout.
    bool WaitUntil(const std::function<bool(const std::vector<RecordedEvent>&)>& pred,
                   std::chrono::milliseconds timeout = kGenerous) const;
    // Called on each event on the engine thread, after it was recorded.
    void SetHook(std::function<void(const vlc::Event&)> hook) { m_hook = std::move(hook); }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<RecordedEvent> m_events;
    std::function<void(const vlc::Event&)> m_hook;
};

// Polls pred every 20 ms until it holds or the timeout passes.
bool PollUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout = EventRecorder::kGenerous);
