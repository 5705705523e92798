#include "tests/engine/EventRecorder.h"

#include <thread>

void EventRecorder::Callback(const vlc::Event* event, void* userData) {
    auto* self = static_cast<EventRecorder*>(userData);
    RecordedEvent recorded{event->type, 0, std::chrono::steady_clock::now()};
    if (event->type == vlc::kMediaPlayerTimeChanged) recorded.newTime = event->u.timeChanged.newTime;
    {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_events.push_back(recorded);
    }
    self->m_changed.notify_all();
    if (self->m_hook) self->m_hook(*event);
}

std::vector<RecordedEvent> EventRecorder::Events() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

size_t EventRecorder::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events.size();
}

size_t EventRecorder::CountOf(int type) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    size_t n = 0;
    for (const RecordedEvent& e : m_events) n += e.type == type;
    return n;
}

int EventRecorder::IndexOf(int type, size_t from) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = from; i < m_events.size(); ++i)
        if (m_events[i].type == type) return static_cast<int>(i);
    return -1;
}

int EventRecorder::WaitFor(int type, size_t from, std::chrono::milliseconds timeout) const {
    int found = -1;
    WaitUntil(
        [&](const std::vector<RecordedEvent>& events) {
            for (size_t i = from; i < events.size(); ++i)
                if (events[i].type == type) {
                    found = static_cast<int>(i);
                    return true;
                }
            return false;
        },
        timeout);
    return found;
}

bool EventRecorder::WaitUntil(const std::function<bool(const std::vector<RecordedEvent>&)>& pred,
                              std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return pred(m_events); });
}

bool PollUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!pred()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
