// Snapshots: the format follows the name, the size is the picture's, failures leave nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/ImageProbe.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"

namespace fs = std::filesystem;

namespace {

std::string NewFolder(const std::string& name) {
    const std::string folder = ScratchFolder() + "/" + name;
    fs::create_directories(folder);
    return folder;
}

// A headless player showing the pattern clip, paused as the program pauses before a snapshot.
class EngineSnapshot : public ::testing::Test {
protected:
    void StartPattern() {
        events.Attach(player);
        ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kPattern)), 1);
        player.Play();
        ASSERT_TRUE(PollUntil([&] { return player.GetTime() >= 500; }));
        player.Pause();
        ASSERT_GE(events.WaitFor(vlc::kMediaPlayerPaused), 0);
    }

    EventRecorder events;  // outlives the player that calls it
    CVlcPlayer player{HeadlessOptions()};
};

}  // namespace

TEST_F(EngineSnapshot, FormatFollowsTheExtensionAtThePicturesOwnSize) {
    StartPattern();
    const std::string folder = NewFolder("formats");
    struct Case {
        const char* name;
        ImageKind kind;
    };
    const Case cases[] = {{"shot.png", ImageKind::kPng},   {"SHOT2.PNG", ImageKind::kPng},
                          {"shot.jpg", ImageKind::kJpeg},  {"shot.jpeg", ImageKind::kJpeg},
                          {"Shot3.JPG", ImageKind::kJpeg}, {"dotted.name.Jpeg", ImageKind::kJpeg}};
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        const std::string path = folder + "/" + c.name;
        EXPECT_EQ(player.TakeSnapshot(path), 1) << c.name;
        const ImageInfo info = ProbeImage(path);
        EXPECT_EQ(info.kind, c.kind) << c.name;
        EXPECT_EQ(info.width, 640) << c.name;
        EXPECT_EQ(info.height, 360) << c.name;
        expected.push_back(c.name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ListFolder(folder), expected) << "temporary files left behind";
}

TEST_F(EngineSnapshot, JpegShowsTheSamePictureAsPng) {
    StartPattern();
    const std::string folder = NewFolder("same");
    ASSERT_EQ(player.TakeSnapshot(folder + "/a.png"), 1);
    ASSERT_EQ(player.TakeSnapshot(folder + "/a.jpg"), 1);
    const ImageInfo png = ProbeImage(folder + "/a.png");
    const ImageInfo jpeg = ProbeImage(folder + "/a.jpg");
    ASSERT_EQ(png.kind, ImageKind::kPng);
    ASSERT_EQ(jpeg.kind, ImageKind::kJpeg);
    const double difference = MeanDifference(png, jpeg);
    EXPECT_GE(difference, 0.0);
    EXPECT_LT(difference, 6.0) << "the JPEG is not the paused picture";
}

TEST_F(EngineSnapshot, ReplacesAnExistingFile) {
    StartPattern();
    const std::string folder = NewFolder("replace");
    for (const char* name : {"old.png", "old.jpg"}) {
        const std::string path = folder + "/" + name;
        std::ofstream(path) << "previous content";
        ASSERT_EQ(player.TakeSnapshot(path), 1) << name;
        EXPECT_EQ(ProbeImage(path).width, 640) << name;
    }
    EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"old.jpg", "old.png"}));
}

TEST_F(EngineSnapshot, WithoutAPictureNothingIsWritten) {
    const std::string folder = NewFolder("nopicture");
    EXPECT_EQ(player.TakeSnapshot(folder + "/before-open.png"), 0);
    ASSERT_EQ(player.OpenFile(ClipPath(ClipKind::kPattern)), 1);
    EXPECT_EQ(player.TakeSnapshot(folder + "/before-play.jpg"), 0);
    events.Attach(player);
    player.Play();
    ASSERT_GE(events.WaitFor(vlc::kMediaPlayerEndReached), 0);
    EXPECT_EQ(player.TakeSnapshot(folder + "/after-end.png"), 0);
    EXPECT_TRUE(ListFolder(folder).empty());
}

TEST_F(EngineSnapshot, RefusedTargetsLeaveNothing) {
    StartPattern();
    const std::string folder = NewFolder("refused");
    for (const std::string name : {"shot.bmp", "shot", "shot.png.txt", "jpg"}) {
        EXPECT_EQ(player.TakeSnapshot(folder + "/" + name), 0) << name;
    }
    EXPECT_EQ(player.TakeSnapshot(folder + "/missing-folder/shot.png"), 0);
    EXPECT_EQ(player.TakeSnapshot(folder + "/missing-folder/shot.jpg"), 0);
    EXPECT_TRUE(ListFolder(folder).empty());
}
