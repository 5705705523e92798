// Playing recordings of a demo card with the real engine and taking snapshots of them into a folder
// elsewhere leaves the card as it was.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "playback/CVlcPlayer.h"
#include "tests/engine/EventRecorder.h"
#include "tests/engine/TestEngine.h"
#include "tests/safety/CardSnapshot.h"
#include "tools/demo/DemoCard.h"
#include "tools/demo/OutputFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(EngineCardSafety, PlaySnapshotAndStopLeaveTheCardAsItWas) {
    const std::string root = TemporaryFolder("engine");
    DemoCardOptions options;
    options.outDir = root + "card/";
    const DemoCard card = BuildDemoCard(options);
    ASSERT_GE(card.recordings.size(), 2u);
    const std::string shots = root + "shots/";
    fs::create_directories(shots);
    const CardSnapshot before = TakeCardSnapshot(options.outDir);

    {
        EventRecorder events;  // outlives the player that calls it
        CVlcPlayer player{HeadlessOptions()};
        events.Attach(player);
        // One recording of each layout, the read-only one among them when the card has it.
        std::vector<const DemoRecording*> chosen = {&card.recordings.front()};
        for (const DemoRecording& r : card.recordings)
            if ((r.kind != chosen.front()->kind || r.readOnly) && chosen.size() < 3) chosen.push_back(&r);
        for (size_t i = 0; i < chosen.size(); ++i) {
            const std::string path = options.outDir + chosen[i]->path;
            ASSERT_EQ(player.OpenFile(path), 1) << path;
            const size_t from = events.Count();
            player.Play();
            ASSERT_TRUE(PollUntil([&] { return player.GetTime() >= 300; })) << path;
            player.Pause();
            ASSERT_GE(events.WaitFor(vlc::kMediaPlayerPaused, from), 0) << path;
            for (const char* ext : {".png", ".jpg"}) {
                const std::string shot = shots + std::to_string(i) + ext;
                EXPECT_EQ(player.TakeSnapshot(shot), 1) << shot;
                EXPECT_GT(fs::file_size(shot), 0u) << shot;
            }
            player.Stop();
            ASSERT_GE(events.WaitFor(vlc::kMediaPlayerStopped, from), 0) << path;
        }
    }

    const std::vector<std::string> changes = CardDifferences(before, TakeCardSnapshot(options.outDir));
    EXPECT_TRUE(changes.empty()) << ::testing::PrintToString(changes);
    RemoveTree(root);
}

}  // namespace
