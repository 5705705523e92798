// Reading a card leaves every byte, permission and modification time on it as it was and adds nothing:
// the scan, the telemetry load of every listed recording and the KML and GPX export of each.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/TrackPlotting.h"
#include "map/core/RecordingExport.h"
#include "telemetry/TelemetryTrack.h"
#include "tests/safety/CardSnapshot.h"
#include "tools/demo/DemoCard.h"
#include "tools/demo/OutputFolder.h"

namespace {

namespace fs = std::filesystem;

class NeverWrites : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = TemporaryFolder("card");
        DemoCardOptions options;
        options.outDir = s_root + "card/";
        s_card = BuildDemoCard(options);
    }
    static void TearDownTestSuite() { RemoveTree(s_root); }

    static std::string Card() { return s_root + "card/"; }

    static inline std::string s_root;
    static inline DemoCard s_card;
};

void ExpectUnchanged(const CardSnapshot& before, const std::string& card) {
    const std::vector<std::string> changes = CardDifferences(before, TakeCardSnapshot(card));
    EXPECT_TRUE(changes.empty()) << ::testing::PrintToString(changes);
}

TEST_F(NeverWrites, ScanTelemetryAndExportLeaveTheCardAsItWas) {
    const CardSnapshot before = TakeCardSnapshot(Card());
    ASSERT_GT(before.size(), s_card.recordings.size());

    CRecordingCatalog catalog;
    ASSERT_TRUE(catalog.Load(Card()));
    ASSERT_EQ(catalog.Entries().size(), s_card.recordings.size());

    const std::string out = TemporaryFolder("export");
    CTrackPlotter plotter(catalog);
    for (int i = 0; i < int(catalog.Entries().size()); ++i) {
        const RecordingEntry& e = catalog.Entries()[size_t(i)];
        EXPECT_EQ(plotter.LoadTelemetry(i), 1) << e.Path();
        plotter.UpdateAtTime(1000, true, true);
        plotter.RebuildDrivenTrack(2000);
        TelemetryTrack track;
        EXPECT_TRUE(ReadTelemetryTrack(e.Path(), e.info, track)) << e.Path();
        for (TrackFormat format : {TrackFormat::Kml, TrackFormat::Gpx}) {
            const RecordingExportResult r = ExportRecordingFile(e.Path(), out, format);
            EXPECT_TRUE(r.ok) << e.Path() << ": " << r.error;
            EXPECT_TRUE(r.path.starts_with(out)) << r.path;
            EXPECT_TRUE(fs::is_regular_file(r.path)) << r.path;
        }
    }
    // Two files per recording landed in the export folder, none on the card.
    EXPECT_EQ(size_t(std::distance(fs::directory_iterator(out), fs::directory_iterator())),
              2 * catalog.Entries().size());
    RemoveTree(out);
    ExpectUnchanged(before, Card());
}

// A second scan over the same card, as a rescan does, is just as harmless.
TEST_F(NeverWrites, RepeatedScanLeavesTheCardAsItWas) {
    const CardSnapshot before = TakeCardSnapshot(Card());
    CRecordingCatalog catalog;
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(catalog.Load(Card()));
    EXPECT_FALSE(catalog.IsEmpty());
    ExpectUnchanged(before, Card());
}

// The comparison notices each kind of change, so its silence above means something.
TEST_F(NeverWrites, SnapshotNoticesEveryKindOfChange) {
    const std::string scratch = TemporaryFolder("scratch");
    fs::copy(Card(), scratch + "card", fs::copy_options::recursive);
    const std::string card = scratch + "card/";
    const std::string recording = card + s_card.recordings.front().path;
    const CardSnapshot before = TakeCardSnapshot(card);

    auto onlyChange = [&] {
        const std::vector<std::string> changes = CardDifferences(before, TakeCardSnapshot(card));
        EXPECT_EQ(changes.size(), 1u) << ::testing::PrintToString(changes);
        return changes.empty() ? std::string() : changes.front();
    };
    struct stat st {};
    ASSERT_EQ(::stat(recording.c_str(), &st), 0);

    // One byte flipped, the modification time put back.
    {
        std::fstream f(recording, std::ios::in | std::ios::out | std::ios::binary);
        f.seekg(100);
        const char c = char(f.get());
        f.seekp(100);
        f.put(char(c ^ 1));
    }
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, recording.c_str(), times, 0), 0);
    EXPECT_TRUE(onlyChange().starts_with("contents changed: "));
    fs::copy_file(Card() + s_card.recordings.front().path, recording, fs::copy_options::overwrite_existing);
    ASSERT_EQ(::utimensat(AT_FDCWD, recording.c_str(), times, 0), 0);
    ExpectUnchanged(before, card);

    // Only the modification time moved.
    struct timespec later[2] = {st.st_atim, st.st_mtim};
    later[1].tv_nsec = (later[1].tv_nsec + 1) % 1000000000;
    ASSERT_EQ(::utimensat(AT_FDCWD, recording.c_str(), later, 0), 0);
    EXPECT_TRUE(onlyChange().starts_with("modification time changed: "));
    ASSERT_EQ(::utimensat(AT_FDCWD, recording.c_str(), times, 0), 0);

    // Only the permissions.
    fs::permissions(recording, fs::perms::others_write, fs::perm_options::add);
    EXPECT_TRUE(onlyChange().starts_with("permissions changed: "));
    ASSERT_EQ(::chmod(recording.c_str(), st.st_mode & 07777), 0);
    ExpectUnchanged(before, card);

    // A file added (and with it the folder's time), then removed.
    const CardSnapshot now = TakeCardSnapshot(card);
    std::ofstream(card + "DCIM/new.txt") << "x";
    const std::vector<std::string> added = CardDifferences(now, TakeCardSnapshot(card));
    EXPECT_NE(std::find(added.begin(), added.end(), "added: DCIM/new.txt"), added.end())
        << ::testing::PrintToString(added);
    RemoveTree(scratch);
}

}  // namespace
