// The engine drawing into a real X window: the speed label, input hand-over, snapshots.
#include <gtest/gtest.h>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EngineProbe.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/ImageProbe.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"
#include "tests/engine/TestWindow.h"

#include <filesystem>
#include <thread>

using namespace std::chrono_literals;

namespace {

bool IsLabelGreen(Rgb p) { return p.g >= 150 && p.r <= 110 && p.b <= 110; }
bool IsDrawn(Rgb p) { return p.r > 40 || p.g > 40 || p.b > 40; }  // the window itself is black

// A player drawing clip into a width x height window.
class EngineWindow : public ::testing::Test {
protected:
    void Start(ClipKind clip, int width, int height) {
        window = std::make_unique<TestWindow>(width, height);
        ASSERT_TRUE(window->IsOpen()) << "needs an X display: run under ./dev test or xvfb-run";
        player = std::make_unique<CVlcPlayer>(WindowOptions());
        ASSERT_EQ(player->IsLoaded(), 1);
        player->SetHwnd(window->Id());
        events.Attach(*player);
        ASSERT_EQ(player->OpenFile(ClipPath(clip)), 1);
        player->Play();
        ASSERT_TRUE(PollUntil([&] { return player->GetTime() >= 300; }));
        ASSERT_TRUE(PollUntil([&] { return window->CountPixels(0, 0, width, height, IsDrawn) > 0; }))
            << "the engine draws nothing into the window";
    }

    void TearDown() override {
        player.reset();  // before the window it draws into
        window.reset();
    }

    EventRecorder events;
    std::unique_ptr<TestWindow> window;
    std::unique_ptr<CVlcPlayer> player;
};

}  // namespace

TEST_F(EngineWindow, MarqueeShowsTheGreenLabelInTheTopLeftCorner) {
    ASSERT_NO_FATAL_FAILURE(Start(ClipKind::kGray, 640, 360));
    auto cornerGreen = [&] { return window->CountPixels(0, 0, 200, 80, IsLabelGreen); };
    EXPECT_EQ(window->CountPixels(0, 0, 640, 360, IsLabelGreen), 0) << "green before the label";

    EXPECT_EQ(player->SetMarquee("4.0X", 40, true), 1);
    EXPECT_TRUE(PollUntil([&] { return cornerGreen() >= 50; }, 8000ms)) << "label not shown: " << cornerGreen();
    EXPECT_EQ(window->CountPixels(320, 180, 320, 180, IsLabelGreen), 0) << "label outside the corner";

    EngineProbe probe;
    ASSERT_TRUE(probe.IsValid());
    vlc::MediaPlayer* mp = player->GetPlayer();
    EXPECT_EQ(probe.MarqueeText(mp), "4.0X");
    EXPECT_EQ(probe.MarqueeInt(mp, vlc::kMarqueeSize), 40);
    EXPECT_EQ(probe.MarqueeInt(mp, vlc::kMarqueeOpacity), 255);
    EXPECT_EQ(static_cast<unsigned>(probe.MarqueeInt(mp, vlc::kMarqueeColor)), 0xFF00FF00u);
    EXPECT_EQ(probe.MarqueeInt(mp, vlc::kMarqueeX), 0);
    EXPECT_EQ(probe.MarqueeInt(mp, vlc::kMarqueeY), 0);
    EXPECT_EQ(probe.MarqueeInt(mp, vlc::kMarqueeTimeout), -1);

    EXPECT_EQ(player->SetMarquee("4.0X", 40, false), 1);
    EXPECT_TRUE(PollUntil([&] { return cornerGreen() == 0; }, 8000ms)) << "label still shown: " << cornerGreen();
}

// The engine's video window must leave clicks and keys to the program. On X the engine listens on the
// window it was given; button presses can be taken by one client only.
TEST_F(EngineWindow, EngineLeavesClicksAndKeysToTheOwner) {
    ASSERT_NO_FATAL_FAILURE(Start(ClipKind::kLong, 320, 180));
    const long foreign = window->ForeignEventMask();
    EXPECT_EQ(foreign & (ButtonPressMask | ButtonReleaseMask), 0) << "the engine listens to mouse buttons";
    EXPECT_EQ(foreign & (KeyPressMask | KeyReleaseMask), 0) << "the engine listens to keys";

    ASSERT_TRUE(window->SelectInput(ExposureMask | ButtonPressMask)) << "the engine holds the button presses";
    window->DrainButtonPresses();
    ASSERT_TRUE(window->Click(160, 90)) << "no XTest extension";
    int presses = 0;
    EXPECT_TRUE(PollUntil([&] { return (presses += window->DrainButtonPresses()) > 0; }, 3000ms))
        << "the click did not reach the owner's window";
    EXPECT_EQ(player->IsPlaying(), 1);
    EXPECT_EQ(events.IndexOf(vlc::kMediaPlayerPaused), -1);
}

TEST_F(EngineWindow, SnapshotHasThePicturesSizeNotTheWindows) {
    ASSERT_NO_FATAL_FAILURE(Start(ClipKind::kPattern, 320, 180));
    const std::string folder = ScratchFolder() + "/window-snap";
    std::filesystem::create_directories(folder);
    ASSERT_EQ(player->TakeSnapshot(folder + "/w.png"), 1);
    ASSERT_EQ(player->TakeSnapshot(folder + "/w.jpg"), 1);
    const ImageInfo png = ProbeImage(folder + "/w.png");
    const ImageInfo jpeg = ProbeImage(folder + "/w.jpg");
    EXPECT_EQ(png.kind, ImageKind::kPng);
    EXPECT_EQ(jpeg.kind, ImageKind::kJpeg);
    EXPECT_EQ(png.width, 640);
    EXPECT_EQ(png.height, 360);
    EXPECT_EQ(jpeg.width, 640);
    EXPECT_EQ(jpeg.height, 360);
}
