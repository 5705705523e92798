// Without a usable engine every operation is a no-op that returns at once.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/ImageProbe.h"
#include "tests/engine/TestClips.h"
#include "tests/engine/TestEngine.h"

namespace {

struct Unavailable {
    const char* what;
    VlcEngineOptions options;
};

void PrintTo(const Unavailable& c, std::ostream* out) { *out << c.what; }

std::vector<Unavailable> Cases() {
    VlcEngineOptions missing;
    missing.library = "libvlc-missing-for-norvik.so.5";
    VlcEngineOptions notVlc;
    notVlc.library = "libz.so.1";  // loads, but has none of the entry points
    VlcEngineOptions refused = HeadlessOptions();
    refused.extraArguments.push_back("--no-such-option-for-norvik");  // libvlc_new fails on it
    return {{"missing library", missing},
            {"library without the entry points", notVlc},
            {"engine that fails to create", refused}};
}

}  // namespace

class EngineUnavailable : public ::testing::TestWithParam<Unavailable> {};

TEST_P(EngineUnavailable, EveryOperationIsANoOp) {
    // Made before the clock starts: only the binding's own work is under the limit below.
    const std::string clip = ClipPath(ClipKind::kPattern);
    const std::string folder = ScratchFolder() + "/unavailable";
    std::filesystem::create_directories(folder);

    const auto start = std::chrono::steady_clock::now();
    EventRecorder events;
    CVlcPlayer player(GetParam().options);
    EXPECT_EQ(player.IsLoaded(), 0);
    EXPECT_EQ(player.GetInstance(), nullptr);
    EXPECT_EQ(player.GetPlayer(), nullptr);
    EXPECT_EQ(player.GetEventManager(), nullptr);

    player.SetHwnd(0x1234);
    events.Attach(player);
    EXPECT_EQ(player.GetCallback(), nullptr);
    EXPECT_EQ(player.GetCallbackData(), nullptr);
    EXPECT_EQ(player.OpenFile(clip), 0);
    EXPECT_TRUE(player.GetPath().empty());
    EXPECT_EQ(player.GetMedia(), nullptr);
    player.Play();
    EXPECT_EQ(player.IsPlaying(), 0);
    EXPECT_EQ(player.IsPaused(), 1);
    player.Stop();
    EXPECT_EQ(player.IsPaused(), 1);
    player.Pause();
    EXPECT_EQ(player.IsPlaying(), 0);
    EXPECT_EQ(player.GetLength(), -1);
    EXPECT_EQ(player.GetTime(), -1);
    player.SetTime(1000);
    player.SetRate(4.0f);
    EXPECT_EQ(player.GetRate(), 1.0f);
    player.SetVolume(50);
    EXPECT_EQ(player.GetVolume(), 200);
    player.SetMute(true);
    EXPECT_EQ(player.TakeSnapshot(folder + "/shot.png"), 0);
    EXPECT_EQ(player.TakeSnapshot(folder + "/shot.jpg"), 0);
    EXPECT_EQ(player.SetMarquee("4.0X", 40, true), 0);
    EXPECT_EQ(player.IsLoaded(), 0);

    EXPECT_TRUE(ListFolder(folder).empty());
    EXPECT_EQ(events.Count(), 0u);
    // Nothing waited for an engine: the whole round (construction included) is quick.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineUnavailable, ::testing::ValuesIn(Cases()),
                         [](const auto& param) {
                             std::string name = param.param.what;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });
