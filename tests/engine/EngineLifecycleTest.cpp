// Opening, playing, pausing, ending and stopping a recording on the real engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"

using namespace std::chrono_literals;

namespace {

void ExpectFlags(const CVlcPlayer& player, int playing, int paused) {
    EXPECT_EQ(player.IsPlaying(), playing);
    EXPECT_EQ(player.IsPaused(), paused);
}

// Time-changed events from index from on.
std::vector<int64_t> TimesFrom(const std::vector<RecordedEvent>& events, size_t from, size_t to) {
    std::vector<int64_t> times;
    for (size_t i = from; i < to && i < events.size(); ++i)
        if (events[i].type == vlc::kMediaPlayerTimeChanged) times.push_back(events[i].newTime);
    return times;
}

}  // namespace

TEST(EngineLifecycle, CreateSetsTheInitialFieldsAndTheEngineVolume) {
    CVlcPlayer player(HeadlessOptions());
    ASSERT_EQ(player.IsLoaded(), 1);
    EXPECT_NE(player.GetInstance(), nullptr);
    EXPECT_NE(player.GetPlayer(), nullptr);
    EXPECT_NE(player.GetEventManager(), nullptr);
    EXPECT_EQ(player.GetMedia(), nullptr);
    EXPECT_EQ(player.GetCallback(), nullptr);
    EXPECT_EQ(player.GetCallbackData(), nullptr);
    EXPECT_TRUE(player.GetPath().empty());
    ExpectFlags(player, 0, 1);
    EXPECT_EQ(player.GetVolume(), 200);
    EXPECT_EQ(player.GetRate(), 1.0f);
    EXPECT_EQ(player.GetTime(), -1);  // no media yet
    EXPECT_EQ(player.GetLength(), -1);
}

TEST(EngineLifecycle, OpenFileSetsTheMediaWithoutPlaying) {
    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player(HeadlessOptions());
    events.Attach(player);
    EXPECT_EQ(player.GetCallbackData(), &events);
    const std::string clip = ClipPath(ClipKind::kPattern);

    ASSERT_EQ(player.OpenFile(clip), 1);
    EXPECT_EQ(player.GetPath(), clip);
    EXPECT_NE(player.GetMedia(), nullptr);
    ExpectFlags(player, 0, 1);
    std::this_thread::sleep_for(600ms);
    EXPECT_EQ(events.IndexOf(vlc::kMediaPlayerOpening), -1);
    EXPECT_EQ(events.IndexOf(vlc::kMediaPlayerPlaying), -1);
    EXPECT_EQ(events.IndexOf(vlc::kMediaPlayerTimeChanged), -1);
}

TEST(EngineLifecycle, OpenPlayPausePlayEndStop) {
    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player(HeadlessOptions());
    events.Attach(player);
    ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kPattern)), 1);

    player.Play();
    ExpectFlags(player, 1, 0);
    const int opening = events.WaitFor(vlc::kMediaPlayerOpening);
    const int playing = events.WaitFor(vlc::kMediaPlayerPlaying);
    ASSERT_GE(opening, 0);
    ASSERT_GT(playing, opening);
    ASSERT_TRUE(events.WaitUntil([&](const auto& all) { return TimesFrom(all, playing, all.size()).size() >= 2; }))
        << "no time reports while playing";
    EXPECT_EQ(player.GetLength(), 3000);

    player.Pause();
    ExpectFlags(player, 0, 1);
    const int paused = events.WaitFor(vlc::kMediaPlayerPaused, playing);
    ASSERT_GT(paused, playing);
    const int64_t pausedAt = player.GetTime();
    std::this_thread::sleep_for(700ms);
    EXPECT_EQ(player.GetTime(), pausedAt) << "the clock moved while paused";

    player.Play();
    ExpectFlags(player, 1, 0);
    const int resumed = events.WaitFor(vlc::kMediaPlayerPlaying, paused);
    ASSERT_GT(resumed, paused);
    const int ended = events.WaitFor(vlc::kMediaPlayerEndReached, resumed);
    ASSERT_GT(ended, resumed) << "end of media not reported";
    ExpectFlags(player, 1, 0);  // the flags say what the program asked, not what the engine did

    const auto all = events.Events();
    const std::vector<int64_t> times = TimesFrom(all, resumed, ended);
    ASSERT_GE(times.size(), 3u) << "time reports should come several times a second";
    EXPECT_GE(times.front(), pausedAt);
    for (size_t i = 1; i < times.size(); ++i) {
        EXPECT_GT(times[i], times[i - 1]);
        EXPECT_LE(times[i] - times[i - 1], 1000) << "gap between time reports too long";
    }
    EXPECT_GE(times.back(), 2000);

    const size_t beforeStop = events.Count();
    player.Stop();
    ExpectFlags(player, 0, 0);
    EXPECT_GE(events.WaitFor(vlc::kMediaPlayerStopped, beforeStop), 0);
    EXPECT_NE(player.GetMedia(), nullptr);  // Stop keeps the media

    // The other attached kinds came too, and nothing that was not attached reached the callback.
    for (int type : {vlc::kMediaPlayerMediaChanged, vlc::kMediaPlayerBuffering, vlc::kMediaPlayerPositionChanged,
                     vlc::kMediaPlayerSeekableChanged})
        EXPECT_GT(events.CountOf(type), 0u) << "event type " << type;
    for (const RecordedEvent& e : events.Events())
        EXPECT_NE(std::find(std::begin(CVlcPlayer::kAttachedEvents), std::end(CVlcPlayer::kAttachedEvents), e.type),
                  std::end(CVlcPlayer::kAttachedEvents))
            << "event type " << e.type << " was not attached";
}

TEST(EngineLifecycle, PlayAfterStopPlaysTheSameRecordingFromItsStart) {
    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player(HeadlessOptions());
    events.Attach(player);
    const std::string clip = ClipPath(ClipKind::kLong);
    ASSERT_EQ(player.OpenFile(clip), 1);
    player.Play();
    ASSERT_TRUE(PollUntil([&] { return player.GetTime() >= 1500; }));

    player.Stop();
    const size_t stopped = static_cast<size_t>(events.WaitFor(vlc::kMediaPlayerStopped));
    player.Play();
    const int playing = events.WaitFor(vlc::kMediaPlayerPlaying, stopped);
    ASSERT_GT(playing, 0);
    const int firstTime = events.WaitFor(vlc::kMediaPlayerTimeChanged, playing);
    ASSERT_GT(firstTime, playing);
    EXPECT_LT(events.Events()[firstTime].newTime, 1000);
    EXPECT_EQ(player.GetPath(), clip);
    EXPECT_EQ(player.GetLength(), 20000);
}

TEST(EngineLifecycle, OpenFileReplacesTheCurrentMedia) {
    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player(HeadlessOptions());
    events.Attach(player);
    ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kPattern)), 1);
    player.Play();
    ASSERT_GE(events.WaitFor(vlc::kMediaPlayerTimeChanged), 0);
    vlc::Media* first = player.GetMedia();

    const std::string second = ClipPath(ClipKind::kLong);
    ASSERT_EQ(player.OpenFile(second), 1);
    EXPECT_NE(player.GetMedia(), first);
    EXPECT_EQ(player.GetPath(), second);
    const size_t from = events.Count();
    player.Play();
    ASSERT_GE(events.WaitFor(vlc::kMediaPlayerTimeChanged, from), 0);
    EXPECT_EQ(player.GetLength(), 20000);
}

TEST(EngineLifecycle, MissingFileIsReportedAsEngineError) {
    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player(HeadlessOptions());
    events.Attach(player);
    ASSERT_EQ(player.OpenFile(ScratchFolder() + "/NO_SUCH_FILE.MOV"), 1);
    player.Play();
    EXPECT_GE(events.WaitFor(vlc::kMediaPlayerEncounteredError), 0);
    EXPECT_EQ(events.IndexOf(vlc::kMediaPlayerTimeChanged), -1);
}

TEST(EngineLifecycle, SecondAttachReplacesTheFirstCallback) {
    EventRecorder first;
    EventRecorder second;
    CVlcPlayer player(HeadlessOptions());
    first.Attach(player);
    second.Attach(player);
    EXPECT_EQ(player.GetCallbackData(), &second);
    ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kPattern)), 1);
    player.Play();
    ASSERT_GE(second.WaitFor(vlc::kMediaPlayerTimeChanged), 0);
    EXPECT_EQ(first.Count(), 0u);
    EXPECT_EQ(second.CountOf(vlc::kMediaPlayerPlaying), 1u);  // attached once, delivered once
}
