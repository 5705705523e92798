// The playback controller against a fake engine, a fake main window and fake telemetry displays.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/TimerIds.h"
#include "app/WindowMessages.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackShared.h"
#include "playback/SpeedTable.h"
#include "playback/VlcApi.h"
#include "tests/playback/FakePlayback.h"

namespace {

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        g_openPending = 0;
        g_lastOpenTick = 0;
        g_nSliderOffset = 30;
        g_nSliderScale = 970;
        g_bCursorForced = false;
    }
    void TearDown() override {
        g_openPending = 0;
        g_nSliderOffset = 0;
        g_nSliderScale = 1000;
    }
    // Starts playing entry of a catalogue of count recordings and forgets the calls so far.
    void Playing(int count, int entry = 0) {
        FillCatalog(catalog, count);
        controller.OpenEntryAndPlay(entry);
        engine.calls.clear();
        engine.marquees.clear();
    }

    FakeEngine engine;
    FakeHost host;
    FakeTelemetry telemetry;
    FakeInhibitor inhibitor;
    CRecordingCatalog catalog;
    PlaybackController controller{engine, catalog, telemetry, host, inhibitor};
};

using Calls = std::vector<std::string>;

TEST_F(Controller, FastAndSlowPressedTwentyTimesStopAtTheTableEnds) {
    Playing(1);
    struct Case {
        bool fast;
        const char* lastRate;
        const char* lastLabel;
    };
    for (const Case& c : {Case{true, "SetRate 4.0", "4.0 X"}, Case{false, "SetRate 0.3", "0.3 X"}}) {
        controller.ResetRate();
        engine.calls.clear();
        engine.marquees.clear();
        for (int i = 0; i < 20; ++i) c.fast ? controller.OnFast() : controller.OnSlow();
        EXPECT_EQ(engine.calls.back(), c.lastRate);
        ASSERT_EQ(engine.marquees.size(), 20u);
        EXPECT_EQ(engine.marquees.back().text, c.lastLabel);
        for (const auto& m : engine.marquees) {
            EXPECT_NE(m.text, "1.0 X");
            EXPECT_TRUE(m.enable);
        }
    }
}

TEST_F(Controller, EachStepMovesOneRowOfTheTable) {
    Playing(1);
    controller.OnFast();
    EXPECT_EQ(controller.RateIndex(), 8);
    EXPECT_EQ(engine.calls.back(), "SetRate 1.2");
    controller.OnSlow();
    controller.OnSlow();
    EXPECT_EQ(controller.RateIndex(), 6);
    EXPECT_EQ(engine.calls.back(), "SetRate 0.9");
    EXPECT_EQ(engine.Count("OpenFile /card/FILE0002.MOV"), 0);  // NEXT lowers the rate, opens nothing
}

TEST_F(Controller, SpeedLabelIsATenthOfThePictureHeight) {
    struct Case {
        int height;
        int size;
    } cases[] = {{720, 72}, {1080, 108}, {0, 48}, {1, 0}, {359, 35}};
    for (const Case& c : cases) {
        CRecordingCatalog own;
        FillCatalog(own, 1, c.height);
        PlaybackController local(engine, own, telemetry, host, inhibitor);
        own.SelectEntry(0);
        engine.marquees.clear();
        local.UpdateSpeedOverlay();
        ASSERT_EQ(engine.marquees.size(), 1u);
        EXPECT_EQ(engine.marquees[0].size, c.size) << c.height;
        EXPECT_EQ(engine.marquees[0].text, "1.0 X");
        EXPECT_FALSE(engine.marquees[0].enable);  // shown only away from 1.0 X
    }
    engine.marquees.clear();
    controller.UpdateSpeedOverlay();  // empty catalogue
    EXPECT_EQ(engine.marquees.at(0).size, 48);
}

TEST_F(Controller, StopResetsTheRateWithoutRefreshingTheLabel) {
    Playing(2);
    controller.OnFast();
    controller.OnFast();
    host.slider = 500;
    engine.marquees.clear();
    controller.OnStop();
    EXPECT_EQ(engine.calls, (Calls{"SetRate 1.2", "SetRate 1.4", "Stop", "SetRate 1.0"}));
    EXPECT_TRUE(engine.marquees.empty());
    EXPECT_EQ(controller.RateIndex(), kNormalRateIndex);
    EXPECT_EQ(host.slider, 30);
    EXPECT_EQ(host.curvePositions.back(), 0u);
    EXPECT_EQ(host.curveStopped, true);
    EXPECT_FALSE(host.videoShown);
    EXPECT_TRUE(controller.VideoHidden());
    // PLAY afterwards plays the same recording at 1.0 X and refreshes the label.
    controller.OnPlay();
    EXPECT_EQ(engine.calls.back(), "Play");
    ASSERT_FALSE(engine.marquees.empty());
    EXPECT_EQ(engine.marquees.back().text, "1.0 X");
    EXPECT_TRUE(host.videoShown);
    EXPECT_EQ(host.curveStopped, false);
}

TEST_F(Controller, PlayPausesWhilePlayingAndResumesWhilePaused) {
    Playing(1);
    controller.OnPlay();
    EXPECT_EQ(engine.calls, (Calls{"Pause"}));
    controller.OnPlay();
    EXPECT_EQ(engine.calls, (Calls{"Pause", "Play"}));
    EXPECT_TRUE(host.timers[TimerId::kSpeedOverlay]);
}

TEST_F(Controller, PlayWithoutRecordingsOnlyResetsItsButton) {
    host.playAlternate = true;
    controller.OnPlay();
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_FALSE(host.playAlternate);
    EXPECT_FALSE(host.videoShown);
}

TEST_F(Controller, OpenEntryAndPlayInOrder) {
    FillCatalog(catalog, 3);
    std::vector<std::string> log;
    host.log = &log;
    controller.OpenEntryAndPlay(1);
    EXPECT_EQ(catalog.GetCurrentEntry(), 1);
    EXPECT_EQ(telemetry.loaded, (std::vector<int>{1}));
    EXPECT_EQ(engine.calls, (Calls{"OpenFile /card/FILE0002.MOV", "Play"}));
    EXPECT_EQ(log, (Calls{"Fit"}));
    EXPECT_EQ(controller.CurrentPath(), "/card/FILE0002.MOV");
    EXPECT_TRUE(host.videoShown);
    EXPECT_TRUE(host.timers[TimerId::kSpeedOverlay]);
    EXPECT_EQ(controller.MarqueeTicks(), 10);
    EXPECT_FALSE(host.playAlternate);  // the engine's Playing report switches the picture
}

TEST_F(Controller, SpeedLabelTimerRepeatsElevenTimesThenStops) {
    Playing(1);
    controller.OnFast();
    controller.OnPlay();  // pause
    controller.OnPlay();  // resume: restarts the label timer with ten repeats
    engine.marquees.clear();
    int ticks = 0;
    while (host.timers[TimerId::kSpeedOverlay] && ticks < 50) {
        controller.OnTimer(TimerId::kSpeedOverlay);
        ++ticks;
    }
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(engine.marquees.size(), 11u);
}

TEST_F(Controller, EndOfMediaTable) {
    struct Case {
        const char* name;
        bool autoPlay;
        int count;
        int current;
        Calls calls;
        int currentAfter;
        bool sliderAtStart;
    } cases[] = {
        {"auto, middle", true, 3, 1, {"OpenFile /card/FILE0003.MOV", "Play"}, 2, false},
        {"auto, last", true, 3, 2, {"Stop", "OpenFile /card/FILE0001.MOV", "Play", "Pause"}, 0, true},
        {"auto, only one", true, 1, 0, {"Stop", "OpenFile /card/FILE0001.MOV", "Play", "Pause"}, 0, true},
        {"off, middle", false, 3, 1, {"Stop", "Play", "Pause"}, 1, true},
        {"off, last", false, 3, 2, {"Stop", "Play", "Pause"}, 2, true},
    };
    for (const Case& c : cases) {
        FakeEngine e;
        FakeHost h;
        FakeTelemetry t;
        CRecordingCatalog cat;
        FillCatalog(cat, c.count);
        PlaybackController pc(e, cat, t, h, inhibitor);
        if (!c.autoPlay) pc.OnLoop();
        pc.OpenEntryAndPlay(c.current);
        e.calls.clear();
        h.slider = 700;
        h.sleeps.clear();
        pc.OnEndOfMedia();
        EXPECT_EQ(e.calls, c.calls) << c.name;
        EXPECT_EQ(cat.GetCurrentEntry(), c.currentAfter) << c.name;
        EXPECT_EQ(h.slider == 30, c.sliderAtStart) << c.name;
        if (c.sliderAtStart) {
            EXPECT_EQ(h.sleeps, (std::vector<int>{50})) << c.name;
        }
        EXPECT_EQ(e.playing, !c.sliderAtStart) << c.name;  // paused at the start, or playing the next
    }
}

TEST_F(Controller, EndOfMediaOnAnEmptyCatalogueOnlyStops) {
    controller.OnEndOfMedia();
    EXPECT_EQ(engine.calls, (Calls{"Stop"}));
}

TEST_F(Controller, ListOpenRequestsTable) {
    struct Request {
        bool group;
        int index;
        uint32_t tick;
    };
    struct Case {
        const char* name;
        std::vector<Request> requests;
        bool pendingBefore;
        std::vector<std::string> opened;
    } cases[] = {
        {"two files 1.5 s apart", {{false, 0, 10000}, {false, 1, 11500}}, false,
         {"/card/FILE0001.MOV", "/card/FILE0002.MOV"}},
        {"two files within 1.5 s", {{false, 0, 10000}, {false, 1, 11499}}, false, {"/card/FILE0001.MOV"}},
        {"two groups within 1.5 s", {{true, 0, 10000}, {true, 1, 10100}}, false, {"/card/FILE0001.MOV"}},
        {"file while an open is pending", {{false, 1, 10000}}, true, {}},
        {"group while an open is pending", {{true, 1, 10000}}, true, {}},
        {"file -1", {{false, -1, 10000}}, false, {}},
        {"group -1", {{true, -1, 10000}}, false, {}},
        {"file out of range", {{false, 9, 10000}}, false, {}},
        {"group 1 opens its first file", {{true, 1, 10000}}, false, {"/card/FILE0002.MOV"}},
        {"first request right after start", {{false, 1, 5}}, false, {"/card/FILE0002.MOV"}},
    };
    for (const Case& c : cases) {
        FakeEngine e;
        FakeHost h;
        FakeTelemetry t;
        CRecordingCatalog cat;
        FillCatalog(cat, 3, 720, false);
        PlaybackController pc(e, cat, t, h, inhibitor);
        g_openPending = c.pendingBefore ? 1 : 0;
        for (const Request& r : c.requests) {
            h.tick = r.tick;
            r.group ? pc.OnOpenGroup(r.index) : pc.OnOpenFile(r.index);
            g_openPending = c.pendingBefore ? 1 : 0;  // the first time report of the opened recording
        }
        std::vector<std::string> opened;
        for (const std::string& call : e.calls)
            if (call.rfind("OpenFile ", 0) == 0) opened.push_back(call.substr(9));
        EXPECT_EQ(opened, c.opened) << c.name;
        if (!c.opened.empty()) {
            EXPECT_NE(std::find(h.started.begin(), h.started.end(), TimerId::kOpenGuard), h.started.end()) << c.name;
            EXPECT_NE(std::find(h.sleeps.begin(), h.sleeps.end(), 200), h.sleeps.end()) << c.name;
        }
    }
}

TEST_F(Controller, AcceptedOpenSetsThePendingFlagUntilTheFirstTimeReportOrTheGuard) {
    FillCatalog(catalog, 2);
    controller.OnOpenFile(1);
    EXPECT_EQ(g_openPending.load(), 1);
    host.tick += 5000;
    controller.OnOpenFile(0);  // ignored: still waiting for the engine
    EXPECT_EQ(engine.Count("OpenFile /card/FILE0001.MOV"), 0);
    controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
    EXPECT_EQ(g_openPending.load(), 0);
    g_openPending = 1;
    controller.OnTimer(TimerId::kOpenGuard);
    EXPECT_EQ(g_openPending.load(), 0);
    EXPECT_FALSE(host.timers[TimerId::kOpenGuard]);
}

TEST_F(Controller, VolumeIsTwiceTheSliderAndMuteLeavesIt) {
    for (int position : {0, 37, 50, 100}) {
        host.volumeSlider = position;
        controller.OnVolumeMoved();
        EXPECT_EQ(engine.volume, 2 * position);
    }
    controller.OnMute(true);
    controller.OnMute(false);
    EXPECT_EQ(engine.calls.back(), "SetMute 0");
    EXPECT_EQ(engine.calls[engine.calls.size() - 2], "SetMute 1");
    EXPECT_EQ(host.volumeSlider, 100);
}

TEST_F(Controller, SeekTargetTable) {
    struct Case {
        const char* name;
        int64_t length;
        bool loaded;
        int slider;
        int64_t target;
    } cases[] = {
        {"middle of 60 s", 60000, true, 30 + 485, 61 * 485},
        {"right end", 60000, true, 1000, 61 * 970},
        {"start of the dead zone means the start", 60000, true, 30, 1},
        {"left of the dead zone", 60000, true, 0, 1},
        {"length below the span computes to 0", 900, true, 500, 0},
        {"engine missing", -1, false, 500, 0},
    };
    for (const Case& c : cases) {
        engine.length = c.length;
        engine.loaded = c.loaded;
        host.slider = c.slider;
        controller.OnSeekMoved(false);
        EXPECT_EQ(controller.PendingSeekMs(), c.target) << c.name;
        engine.calls.clear();
        controller.OnTimer(TimerId::kApplySeek);
        if (c.target == 0) {
            EXPECT_TRUE(engine.calls.empty()) << c.name;
        } else {
            EXPECT_EQ(engine.calls, (Calls{"SetTime " + std::to_string(c.target)})) << c.name;
            EXPECT_EQ(telemetry.rebuilds.back(), uint32_t(c.target)) << c.name;
        }
        EXPECT_EQ(controller.PendingSeekMs(), 0) << c.name;
    }
}

TEST_F(Controller, ManySliderMovesGiveOneSeekPerTick) {
    Playing(1);
    for (int p = 100; p <= 900; p += 50) {
        host.slider = p;
        controller.OnSeekMoved(true);
    }
    controller.OnTimer(TimerId::kApplySeek);
    controller.OnTimer(TimerId::kApplySeek);
    EXPECT_EQ(engine.calls, (Calls{"SetTime " + std::to_string(61 * 870)}));
}

TEST_F(Controller, SeekPreviewShowsTheTargetAndForcesTheCurveCursor) {
    Playing(1);
    host.slider = 30 + 485;
    telemetry.answer = 1;
    controller.OnSeekMoved(true);
    EXPECT_EQ(telemetry.updates, (std::vector<int64_t>{61 * 485}));
    EXPECT_TRUE(g_bCursorForced);
    EXPECT_EQ(host.gpsColour, true);
}

TEST_F(Controller, TimeReportsWhileASeekIsPendingOrDuringADragMoveNothing) {
    Playing(1);
    engine.time = 20000;
    host.slider = 800;
    controller.OnSeekMoved(false);
    controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
    EXPECT_TRUE(host.posted.empty());  // dropped on the engine thread
    controller.OnPlayTime(20000, 353);  // posted before the drag began
    EXPECT_EQ(host.slider, 800);
    EXPECT_TRUE(telemetry.updates.empty());

    controller.OnTimer(TimerId::kApplySeek);
    host.dragging = true;  // button down, not moved yet
    controller.OnPlayTime(20000, 353);
    EXPECT_EQ(host.slider, 800);
    EXPECT_TRUE(telemetry.updates.empty());
    host.dragging = false;
    telemetry.answer = 0;
    controller.OnPlayTime(20000, 353);
    EXPECT_EQ(host.slider, 353);
    EXPECT_EQ(telemetry.updates, (std::vector<int64_t>{20000}));
    EXPECT_EQ(host.gpsColour, false);
}

TEST_F(Controller, PlayOrStopDuringADragDiscardsThePendingSeek) {
    for (bool play : {true, false}) {
        Playing(1);
        host.slider = 600;
        controller.OnSeekMoved(true);
        ASSERT_NE(controller.PendingSeekMs(), 0);
        play ? controller.OnPlay() : controller.OnStop();
        EXPECT_EQ(controller.PendingSeekMs(), 0);
        engine.calls.clear();
        controller.OnTimer(TimerId::kApplySeek);
        EXPECT_TRUE(engine.calls.empty());
    }
}

TEST_F(Controller, EngineEventsPostMessagesOnly) {
    struct Case {
        int type;
        int code;  // 0: nothing posted
        intptr_t w;
        bool clearsSeek;
    } cases[] = {
        {vlc::kMediaPlayerOpening, PlaybackController::kGpsIndicatorChanged, 0, true},
        {vlc::kMediaPlayerPlaying, WindowMessage::kPlayState, 3, false},
        {vlc::kMediaPlayerPaused, WindowMessage::kPlayState, 4, true},
        {vlc::kMediaPlayerStopped, PlaybackController::kGpsIndicatorChanged, 0, false},
        {vlc::kMediaPlayerEndReached, WindowMessage::kEndOfMedia, 1, true},
        {vlc::kMediaPlayerEncounteredError, WindowMessage::kEngineError, 1, false},
        {vlc::kMediaPlayerBuffering, 0, 0, false},
        {vlc::kMediaPlayerPositionChanged, 0, 0, false},
        {vlc::kMediaPlayerSeekableChanged, 0, 0, false},
        {vlc::kMediaPlayerMediaChanged, 0, 0, false},
        {vlc::kMediaStateChanged, 0, 0, false},
    };
    Playing(1);
    for (const Case& c : cases) {
        host.posted.clear();
        host.slider = 600;
        controller.OnSeekMoved(false);
        engine.calls.clear();
        controller.OnEngineEvent(c.type);
        EXPECT_TRUE(engine.calls.empty()) << c.type;  // never drives the engine
        if (c.code == 0) {
            EXPECT_TRUE(host.posted.empty()) << c.type;
        } else {
            ASSERT_EQ(host.posted.size(), 1u) << c.type;
            EXPECT_EQ(host.posted[0].code, c.code) << c.type;
            EXPECT_EQ(host.posted[0].w, c.w) << c.type;
        }
        EXPECT_EQ(controller.PendingSeekMs() == 0, c.clearsSeek) << c.type;
    }
}

TEST_F(Controller, TimeReportHandsTheSliderPositionOver) {
    struct Case {
        int64_t time, length;
        intptr_t position;
    } cases[] = {{0, 60000, 30}, {30000, 60000, 515}, {60000, 60000, 1000}, {59999, 60000, 999}, {500, 0, 30}};
    for (const Case& c : cases) {
        host.posted.clear();
        engine.time = c.time;
        engine.length = c.length;
        controller.OnEngineEvent(vlc::kMediaPlayerTimeChanged);
        ASSERT_EQ(host.posted.size(), 1u);
        EXPECT_EQ(host.posted[0].code, WindowMessage::kPlayTime);
        EXPECT_EQ(host.posted[0].w, c.time);
        EXPECT_EQ(host.posted[0].l, c.position) << c.time << "/" << c.length;
    }
}

TEST_F(Controller, OpeningGreysTheGpsIndicatorThroughAPostedMessage) {
    Playing(1);
    controller.OnPlayTime(1000, 40);
    EXPECT_EQ(host.gpsColour, true);
    controller.OnEngineEvent(vlc::kMediaPlayerOpening);
    EXPECT_FALSE(controller.GpsColour());
    EXPECT_EQ(host.gpsColour, true);  // the window is only touched on its own thread
    controller.OnGpsIndicatorChanged();
    EXPECT_EQ(host.gpsColour, false);
}

TEST_F(Controller, PlayStateSetsThePlayPicture) {
    controller.OnPlayState(3);
    EXPECT_TRUE(host.playAlternate);
    controller.OnPlayState(4);
    EXPECT_FALSE(host.playAlternate);
    const int resets = host.playButtonResets;
    controller.OnPlayState(5);
    EXPECT_EQ(host.playButtonResets, resets);
}

TEST_F(Controller, EngineErrorShowsOneBoxPerEventAndLeavesPlayback) {
    Playing(1);
    controller.OnEngineError(1);
    controller.OnEngineError(1);
    controller.OnEngineError(0);
    EXPECT_EQ(host.errorBoxes, (std::vector<bool>{true, true, false}));
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(Controller, SnapshotTable) {
    struct Case {
        const char* name;
        bool playing;
        std::optional<std::string> answer;
        Calls calls;
    } cases[] = {
        {"while playing", true, "/tmp/a.png", {"Pause", "Dialog", "TakeSnapshot /tmp/a.png", "Play"}},
        {"while paused", false, "/tmp/a.jpg", {"Dialog", "TakeSnapshot /tmp/a.jpg"}},
        {"cancelled while playing", true, std::nullopt, {"Pause", "Dialog", "Play"}},
    };
    FillCatalog(catalog, 1);
    for (const Case& c : cases) {
        std::vector<std::string> log;
        host.log = &log;
        engine.log = &log;
        engine.playing = c.playing;
        host.snapshotAnswer = c.answer;
        controller.OnSnap();
        const Calls& merged = log;
        EXPECT_EQ(merged, c.calls) << c.name;
    }
}

TEST_F(Controller, SnapshotWithoutRecordingsShowsNoFiles) {
    controller.OnSnap();
    EXPECT_EQ(host.noFilesBoxes, 1);
    EXPECT_EQ(host.snapshotDialogs, 0);
}

TEST_F(Controller, DelayedOpenCountsDownAndOpensOnce) {
    FillCatalog(catalog, 2);
    controller.RequestDelayedOpen(0, 5);
    for (int i = 0; i < 4; ++i) controller.OnTimer(TimerId::kDelayedOpen);
    EXPECT_TRUE(engine.calls.empty());
    for (int i = 0; i < 10; ++i) controller.OnTimer(TimerId::kDelayedOpen);
    EXPECT_EQ(engine.calls, (Calls{"OpenFile /card/FILE0001.MOV", "Play"}));
    controller.RequestDelayedOpen(-1, 1);
    controller.OnTimer(TimerId::kDelayedOpen);
    controller.RequestDelayedOpen(1, -1);
    controller.OnTimer(TimerId::kDelayedOpen);
    EXPECT_EQ(engine.calls.size(), 2u);
}

TEST_F(Controller, SliderResetTimerPutsTheSliderAtTheDeadZone) {
    host.slider = 640;
    g_nSliderOffset = 17;
    controller.OnTimer(TimerId::kSliderReset);
    EXPECT_EQ(host.slider, 17);
    EXPECT_FALSE(controller.OnTimer(104));
}

TEST_F(Controller, ScreenStaysOnOnlyWhilePlayingInFullScreen) {
    Playing(1);
    struct Step {
        const char* name;
        bool fullScreen;
        void (*action)(PlaybackController&);
        bool inhibited;
    } steps[] = {
        {"timer in a window", false, [](PlaybackController& c) { c.OnTimer(TimerId::kFullScreenEntered); }, false},
        {"timer in full screen", true, [](PlaybackController& c) { c.OnTimer(TimerId::kFullScreenEntered); }, true},
        {"engine paused", true, [](PlaybackController& c) { c.OnPlayState(4); }, false},
        {"engine playing again", true, [](PlaybackController& c) { c.OnPlayState(3); }, true},
        {"PLAY pauses", true, [](PlaybackController& c) { c.OnPlay(); }, false},
        {"timer while paused", true, [](PlaybackController& c) { c.OnTimer(TimerId::kFullScreenEntered); }, false},
        {"PLAY resumes, engine reports", true, [](PlaybackController& c) { c.OnPlay(), c.OnPlayState(3); }, true},
        {"leave full screen", false, [](PlaybackController& c) { c.OnFullScreenChanged(false); }, false},
        {"playing in a window", false, [](PlaybackController& c) { c.OnPlayState(3); }, false},
        {"timer again", true, [](PlaybackController& c) { c.OnTimer(TimerId::kFullScreenEntered); }, true},
        {"STOP", true, [](PlaybackController& c) { c.OnStop(); }, false},
    };
    for (const Step& s : steps) {
        host.fullScreen = s.fullScreen;
        s.action(controller);
        EXPECT_EQ(inhibitor.inhibited, s.inhibited) << s.name;
    }
}

TEST_F(Controller, EngineMissingMakesEveryCommandHarmless) {
    engine.loaded = false;
    FillCatalog(catalog, 2);
    controller.OnPlay();
    controller.OnFast();
    host.slider = 500;
    controller.OnSeekMoved(true);
    controller.OnTimer(TimerId::kApplySeek);
    controller.OnSnap();
    controller.OnStop();
    EXPECT_EQ(controller.PendingSeekMs(), 0);
    EXPECT_EQ(engine.Count("SetTime 0"), 0);
    EXPECT_TRUE(telemetry.updates.empty());
    EXPECT_TRUE(host.posted.empty());
    EXPECT_TRUE(host.videoShown == false);  // STOP hid it again
}

}  // namespace
