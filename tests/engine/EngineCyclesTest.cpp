// Creating and destroying players over and over, with media playing, while callbacks read the clock.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"

using namespace std::chrono_literals;

namespace {

// Like the program's callback: reads time and length on every time report; optionally lingers in the
// callback to widen the window in which the user-interface thread stops or replaces the media.
// Declared before the player it is bound to, so it outlives the player's callbacks.
struct ClockReadingRecorder {
    EventRecorder events;
    std::atomic<int> reads{0};
    std::atomic<int> mismatches{0};
    CVlcPlayer* player = nullptr;

    void Bind(CVlcPlayer& p, std::chrono::milliseconds linger = 0ms) {
        player = &p;
        events.SetHook([this, linger](const vlc::Event& e) {
            if (e.type != vlc::kMediaPlayerTimeChanged) return;
            std::this_thread::sleep_for(linger);
            const int64_t time = player->GetTime();
            const int64_t length = player->GetLength();
            if (time == e.u.timeChanged.newTime && length > 0) ++reads;
            else ++mismatches;
        });
        events.Attach(p);
    }
};

}  // namespace

TEST(EngineCycles, OpenPlayStopDestroy) {
    const std::string clip = ClipPath(ClipKind::kPattern);
    for (int cycle = 0; cycle < 4; ++cycle) {
        SCOPED_TRACE(cycle);
        ClockReadingRecorder recorder;
        auto player = std::make_unique<CVlcPlayer>(HeadlessOptions());
        ASSERT_EQ(player->IsLoaded(), 1);
        recorder.Bind(*player);
        ASSERT_EQ(player->OpenFile(clip), 1);
        player->Play();
        ASSERT_GE(recorder.events.WaitFor(vlc::kMediaPlayerTimeChanged), 0);
        const size_t before = recorder.events.Count();
        player->Stop();
        ASSERT_GE(recorder.events.WaitFor(vlc::kMediaPlayerStopped, before), 0);
        EXPECT_GT(recorder.reads.load(), 0);
        EXPECT_EQ(recorder.mismatches.load(), 0);
        player.reset();
    }
}

TEST(EngineCycles, DestroyWhilePlayingStopsTheCallbacks) {
    const std::string clip = ClipPath(ClipKind::kLong);
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        ClockReadingRecorder recorder;
        auto player = std::make_unique<CVlcPlayer>(HeadlessOptions());
        recorder.Bind(*player);
        ASSERT_EQ(player->OpenFile(clip), 1);
        player->Play();
        ASSERT_GE(recorder.events.WaitFor(vlc::kMediaPlayerTimeChanged), 0);
        player.reset();  // media playing, engine threads busy
        const size_t after = recorder.events.Count();
        std::this_thread::sleep_for(600ms);
        EXPECT_EQ(recorder.events.Count(), after) << "callback ran after destruction";
    }
}

TEST(EngineCycles, DestroyRightAfterPlay) {
    const std::string clip = ClipPath(ClipKind::kPattern);
    for (int cycle = 0; cycle < 4; ++cycle) {
        ClockReadingRecorder recorder;
        auto player = std::make_unique<CVlcPlayer>(HeadlessOptions());
        recorder.Bind(*player);
        ASSERT_EQ(player->OpenFile(clip), 1);
        player->Play();
        player.reset();
        const size_t after = recorder.events.Count();
        std::this_thread::sleep_for(200ms);
        EXPECT_EQ(recorder.events.Count(), after) << "callback ran after destruction";
    }
}

// Stop and OpenFile hold the engine's player lock while they wait for its threads, which may be inside
// the callback at that moment: reading the clock there must not ask the engine.
TEST(EngineCycles, ClockReadsInTheCallbackDoNotBlockStopOrReopen) {
    ClockReadingRecorder recorder;
    CVlcPlayer player(HeadlessOptions());
    recorder.Bind(player, 40ms);
    const std::string clips[] = {ClipPath(ClipKind::kPattern), ClipPath(ClipKind::kLong)};
    for (int round = 0; round < 8; ++round) {
        const size_t from = recorder.events.Count();
        ASSERT_EQ(player.OpenFile(clips[round % 2]), 1);
        player.Play();
        ASSERT_GE(recorder.events.WaitFor(vlc::kMediaPlayerTimeChanged, from), 0) << "round " << round;
        if (round % 3 == 2) player.Stop();
    }
    EXPECT_GT(recorder.reads.load(), 0);
    EXPECT_EQ(recorder.mismatches.load(), 0) << "clock read in the callback differs from the report";
}

TEST(EngineCycles, ReopenWhilePlaying) {
    ClockReadingRecorder recorder;
    CVlcPlayer player(HeadlessOptions());
    recorder.Bind(player);
    const std::string clips[] = {ClipPath(ClipKind::kPattern), ClipPath(ClipKind::kLong)};
    for (int round = 0; round < 6; ++round) {
        const size_t from = recorder.events.Count();
        ASSERT_EQ(player.OpenFile(clips[round % 2]), 1);
        player.Play();
        ASSERT_GE(recorder.events.WaitFor(vlc::kMediaPlayerTimeChanged, from), 0) << "round " << round;
    }
    EXPECT_EQ(player.GetLength(), 20000);
    EXPECT_EQ(recorder.mismatches.load(), 0);
}
