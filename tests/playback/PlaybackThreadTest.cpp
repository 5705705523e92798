// The engine's events arrive on a thread of their own while the controller works on the main thread:
// the event side only posts messages, every posted message reaches the controller there, in order.
// Meant to run under ThreadSanitizer as well as normally.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/TimerIds.h"
#include "app/WindowMessages.h"
#include "catalogue/CRecordingCatalog.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "playback/VlcApi.h"
#include "tests/playback/FakePlayback.h"

namespace {

// The engine's clock is read from its event thread, so it is kept in atomics as the real engine's is.
struct ThreadedEngine : FakeEngine {
    std::atomic<int64_t> clock{0};
    std::atomic<int64_t> duration{60000};
    int64_t GetTime() const override { return clock.load(); }
    int64_t GetLength() const override { return duration.load(); }
};

// Qt hands a posted event over under its own lock, which ThreadSanitizer cannot see inside the
// uninstrumented Qt library; this release/acquire pair states the same ordering where it can.
std::atomic<unsigned> g_handover{0};

// Posts like the main window's host: a queued event to an object of the main thread, which hands it
// to the controller as the window does.
class Receiver : public QObject {
public:
    PlaybackController* controller = nullptr;
    std::vector<int> codes;
    std::vector<int64_t> times;

    bool event(QEvent* e) override {
        (void)g_handover.load(std::memory_order_acquire);
        if (!CWindowMessageEvent::IsWindowMessage(e)) return QObject::event(e);
        const auto& m = static_cast<const CWindowMessageEvent&>(*e);
        codes.push_back(m.Code());
        switch (m.Code()) {
        case WindowMessage::kEngineError: controller->OnEngineError(m.WParam()); break;
        case WindowMessage::kPlayState: controller->OnPlayState(m.WParam()); break;
        case WindowMessage::kPlayTime:
            times.push_back(int64_t(m.WParam()));
            controller->OnPlayTime(int64_t(m.WParam()), int(m.LParam()));
            break;
        case PlaybackController::kGpsIndicatorChanged: controller->OnGpsIndicatorChanged(); break;
        default: break;
        }
        return true;
    }
};

struct PostingHost : FakeHost {
    Receiver* receiver = nullptr;
    std::atomic<int> posts{0};
    void Post(int code, intptr_t w, intptr_t l) override {
        ++posts;
        auto* message = new CWindowMessageEvent(code, w, l);
        g_handover.fetch_add(1, std::memory_order_release);
        QCoreApplication::postEvent(receiver, message);
    }
};

// The controller on the main thread with an engine whose events come from a thread of its own.
struct ThreadedPlayback {
    explicit ThreadedPlayback(int recordings) {
        FillCatalog(catalog, recordings);
        host.receiver = &receiver;
        receiver.controller = &controller;
    }
    ThreadedEngine engine;
    CRecordingCatalog catalog;
    FakeTelemetry telemetry;  // every time has a fix
    FakeInhibitor inhibitor;
    Receiver receiver;
    PostingHost host;
    PlaybackController controller{engine, catalog, telemetry, host, inhibitor};
};

TEST(PlaybackThreads, EventsFromTheEngineThreadReachTheControllerInOrder) {
    ThreadedPlayback p(2);
    auto& [engine, catalog, telemetry, inhibitor, receiver, host, controller] = p;

    constexpr int kTimes = 400;
    std::atomic<bool> done{false};
    std::thread engineThread([&] {
        controller.OnEngineEvent(vlc::kMediaPlayerOpening);
        controller.OnEngineEvent(vlc::kMediaPlayerPlaying);
        for (int i = 1; i <= kTimes; ++i) {
            engine.clock = i * 40;
            controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
            std::this_thread::sleep_for(std::chrono::microseconds(50));  // as the engine's clock ticks
        }
        controller.OnEngineEvent(vlc::kMediaPlayerPaused);
        controller.OnEngineEvent(vlc::kMediaPlayerStopped);
        controller.OnEngineEvent(vlc::kMediaPlayerEncounteredError);
        done = true;
    });
    // Meanwhile the main thread works as the user interface does: commands, timers, its messages.
    QElapsedTimer clock;
    clock.start();
    for (int turn = 0; (!done || receiver.codes.size() < size_t(host.posts.load())) && clock.elapsed() < 20000;
         ++turn) {
        if (turn < 2000) {
            controller.OnVolumeMoved();
            controller.OnTimer(TimerId::kFullScreenEntered);
        }
        (void)controller.GpsColour();
        (void)controller.PendingSeekMs();
        QCoreApplication::processEvents();
    }
    engineThread.join();
    QCoreApplication::processEvents();

    // Opening, playing, every time, paused, stopped, error: each posted once and handled once.
    ASSERT_EQ(receiver.codes.size(), size_t(kTimes + 5));
    EXPECT_EQ(host.posts.load(), kTimes + 5);
    EXPECT_EQ(receiver.codes.front(), PlaybackController::kGpsIndicatorChanged);
    EXPECT_EQ(receiver.codes[1], WindowMessage::kPlayState);
    EXPECT_EQ(receiver.codes.back(), WindowMessage::kEngineError);
    ASSERT_EQ(receiver.times.size(), size_t(kTimes));
    for (int i = 0; i < kTimes; ++i) EXPECT_EQ(receiver.times[size_t(i)], (i + 1) * 40) << i;
    EXPECT_EQ(telemetry.updates, receiver.times);
    EXPECT_EQ(host.errorBoxes.size(), 1u);
    EXPECT_FALSE(host.playAlternate);  // the pause came last
    EXPECT_FALSE(controller.GpsColour());
    EXPECT_EQ(g_openPending.load(), 0);
}

// A seek held on the main thread silences the engine thread's time reports until it is applied.
TEST(PlaybackThreads, APendingSeekHoldsBackTimeReportsFromTheEngineThread) {
    ThreadedPlayback p(1);
    auto& [engine, catalog, telemetry, inhibitor, receiver, host, controller] = p;

    host.slider = g_nSliderOffset.load() + 500;
    controller.OnSeekMoved(false);
    ASSERT_NE(controller.PendingSeekMs(), 0);
    std::thread engineThread([&] {
        for (int i = 1; i <= 50; ++i) {
            engine.clock = i;
            controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
        }
    });
    engineThread.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(host.posts.load(), 0);
    EXPECT_TRUE(receiver.times.empty());
}

// Time reports still queued when the engine stops are handled before the stop's message, which must
// leave the indicator grey however the two threads interleaved.
TEST(PlaybackThreads, AStopAfterQueuedTimeReportsLeavesTheGpsIndicatorGrey) {
    ThreadedPlayback p(1);
    auto& [engine, catalog, telemetry, inhibitor, receiver, host, controller] = p;
    for (int type : {vlc::kMediaPlayerStopped, vlc::kMediaPlayerOpening}) {
        std::thread engineThread([&] {
            engine.clock = 5000;
            controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
            controller.OnEngineEvent(type);
        });
        engineThread.join();  // both queued before the main thread looks
        QCoreApplication::processEvents();
        EXPECT_EQ(telemetry.updates.back(), 5000) << type;
        EXPECT_EQ(host.gpsColour, false) << type;
        EXPECT_FALSE(controller.GpsColour()) << type;
    }
}

}  // namespace
