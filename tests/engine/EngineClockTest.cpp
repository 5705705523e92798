// Playback rate, seeking, volume and mute against the engine's own clock and state.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EngineProbe.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Media milliseconds per wall-clock millisecond over about two seconds.
double MeasureClockSpeed(const CVlcPlayer& player) {
    const int64_t media0 = player.GetTime();
    const auto wall0 = Clock::now();
    std::this_thread::sleep_for(2000ms);
    const int64_t media1 = player.GetTime();
    const auto wall1 = Clock::now();
    const double wallMs = std::chrono::duration<double, std::milli>(wall1 - wall0).count();
    return static_cast<double>(media1 - media0) / wallMs;
}

class EngineClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(player.IsLoaded(), 1);
        events.Attach(player);
        ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kLong)), 1);
        player.Play();
        // The clock is steady once reports are coming.
        ASSERT_TRUE(events.WaitUntil([](const auto& all) {
            int n = 0;
            for (const RecordedEvent& e : all) n += e.type == vlc::kMediaPlayerTimeChanged;
            return n >= 2;
        }));
    }

    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player{HeadlessOptions()};
};

}  // namespace

TEST_F(EngineClock, RateFourRunsTheMediaClockFourTimesFaster) {
    const double normal = MeasureClockSpeed(player);
    EXPECT_NEAR(normal, 1.0, 0.35);

    player.SetRate(4.0f);
    EXPECT_EQ(player.GetRate(), 4.0f);
    EngineProbe probe;
    ASSERT_TRUE(probe.IsValid());
    EXPECT_EQ(probe.Rate(player.GetPlayer()), 4.0f);
    std::this_thread::sleep_for(300ms);  // let the new rate reach the clock
    const double fast = MeasureClockSpeed(player);
    EXPECT_NEAR(fast, 4.0, 1.0);
    EXPECT_GT(fast, 2.5 * normal);
}

TEST_F(EngineClock, SetTimeMovesTheClock) {
    player.SetTime(12000);
    ASSERT_TRUE(PollUntil([&] { return player.GetTime() >= 12000; }, 5000ms))
        << "time after seek: " << player.GetTime();
    EXPECT_LT(player.GetTime(), 15000);

    player.SetTime(2000);
    ASSERT_TRUE(PollUntil([&] { return player.GetTime() < 5000; }, 5000ms))
        << "time after seek back: " << player.GetTime();
    EXPECT_GE(player.GetTime(), 2000);
}

TEST(EngineAudio, VolumeAndMuteReachTheAudioOutput) {
    AudioTap tap;  // outlives the player that calls into it
    CVlcPlayer player(HeadlessOptions());
    EngineProbe probe;
    ASSERT_TRUE(probe.IsValid());
    probe.TapAudio(player.GetPlayer(), tap);
    ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kLong)), 1);
    player.Play();
    ASSERT_TRUE(PollUntil([&] { return tap.volume.load() >= 0; })) << "no audio output";

    struct Case {
        int asked;
        int stored;
    };
    for (const Case c : {Case{150, 150}, Case{0, 0}, Case{100, 100}, Case{-20, 0}, Case{350, 200}}) {
        player.SetVolume(c.asked);
        EXPECT_EQ(player.GetVolume(), c.stored) << "asked " << c.asked;
        EXPECT_TRUE(PollUntil([&] { return std::abs(tap.volume.load() - c.stored / 100.0f) < 0.01f; }, 3000ms))
            << "asked " << c.asked << ", output has " << tap.volume.load();
    }
    player.SetMute(true);
    EXPECT_TRUE(PollUntil([&] { return tap.mute.load() == 1; }, 3000ms));
    player.SetMute(false);
    EXPECT_TRUE(PollUntil([&] { return tap.mute.load() == 0; }, 3000ms));
}
