// Cards a camera or a user can leave behind: huge folders, link loops, files that vanish during a scan,
// names no camera writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/FolderWalk.h"
#include "telemetry/TelemetryTrack.h"
#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

std::vector<uint8_t> Recording() {
    fixture::MovDesc d;
    d.mdatPayload = 16;
    d.gps.push_back(fixture::BlockSample(5130.5, 1234.25, 40, 10, true, {2014, 7, 30, 18, 5, 9}));
    return Build(d);
}

TEST(HostileCard, FolderOfTenThousandFiles) {
    ScratchDir dir;
    const std::vector<uint8_t> recording = Recording();
    std::vector<std::string> expected;
    for (int i = 0; i < 10000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "FILE%04d.MOV", i);
        // One in fifty is a recording; the rest are empty files under recording names.
        dir.Write(name, i % 50 == 0 ? recording : std::vector<uint8_t>{});
        if (i % 50 == 0) expected.push_back(name);
    }
    const ScanOutcome out = ScanFolder(dir.Path());
    EXPECT_TRUE(out.sourceExists);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.scanned, 10000);
    EXPECT_EQ(ScannedNames(out), expected);
}

TEST(HostileCard, SymbolicLinkLoops) {
    ScratchDir dir;
    dir.Write("FILE0001.MOV", Recording());
    dir.Write("sub/FILE0002.MOV", Recording());
    const auto link = [&](const std::string& target, const std::string& name) {
        ASSERT_EQ(symlink(target.c_str(), dir.File(name).c_str()), 0) << name;
    };
    link("LOOP0002.MOV", "LOOP0001.MOV");  // a pair of links naming each other
    link("LOOP0001.MOV", "LOOP0002.MOV");
    link("SELF0001.MOV", "SELF0001.MOV");  // a link to itself
    link("..", "sub/up");                  // a link back to the root from below it
    link("../sub", "sub/again");
    link("deep/deeper", "sub/deep");  // a link into a folder that does not exist
    const ScanOutcome out = ScanFolder(dir.Path());
    EXPECT_TRUE(out.sourceExists);
    EXPECT_FALSE(out.stopped);
    // The looping links to files are reported and rejected; links to folders are not entered.
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0001.MOV", "sub/FILE0002.MOV"}));
    EXPECT_EQ(out.scanned, 6);
}

// Lists the real folder, then lets a hook change the card before the scan opens what was listed.
class ChangingSource : public FolderSource {
public:
    std::function<void(const std::string& folder)> afterListing;
    bool List(const std::string& folder, std::vector<FolderItem>& items) const override {
        const bool ok = FolderSource::List(folder, items);
        if (afterListing) afterListing(folder);
        return ok;
    }
};

TEST(HostileCard, FilesThatChangeBetweenListingAndOpening) {
    ScratchDir dir;
    for (const char* name :
         {"FILE0001.MOV", "FILE0002.MOV", "FILE0003.MOV", "FILE0004.MOV", "sub/FILE0005.MOV"})
        dir.Write(name, Recording());
    ChangingSource source;
    source.afterListing = [&](const std::string& folder) {
        if (folder != dir.Path() + "/") return;
        std::remove(dir.File("FILE0002.MOV").c_str());    // gone
        truncate(dir.File("FILE0003.MOV").c_str(), 100);  // cut short by a pulled card
        std::remove(dir.File("FILE0004.MOV").c_str());    // replaced by a folder
        dir.MakeDir("FILE0004.MOV");
        std::remove(dir.File("sub/FILE0005.MOV").c_str());  // a folder's content gone before it is listed
        dir.Write("sub/FILE0006.MOV", Recording());         // and new content in its place
    };
    ScanHooks hooks;
    hooks.source = &source;
    const ScanOutcome out = ScanFolder(dir.Path(), hooks);
    EXPECT_TRUE(out.sourceExists);
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0001.MOV", "sub/FILE0006.MOV"}));
    EXPECT_EQ(out.scanned, 5);
}

// Folder and file names with spaces, markup characters and bytes that are not UTF-8 are kept byte for
// byte, and the recordings under them can be read through the listed path.
TEST(HostileCard, NamesWithSpacesMarkupAndNonUtf8Bytes) {
    const std::vector<std::string> names = {
        "with space/FILE0001.MOV", "a&b/FILE0002.MOV",
        "<x>/FILE0003.MOV",        "\xff\xfe\x80/FILE0004.MOV",
        "FILE0005 copy.MOV",       "FILE0006&<1>.MOV",
        "FILE0007\xe9\xff.MOV",    "sp ace/&amp;/<b>/FILE0008.MOV",
    };
    ScratchDir dir;
    for (const auto& n : names) dir.Write(n, Recording());
    const ScanOutcome out = ScanFolder(dir.Path());
    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(ScannedNames(out), expected);
    for (const RecordingEntry& e : out.entries) {
        TelemetryTrack track;
        ASSERT_TRUE(ReadTelemetryTrack(e.Path(), e.info, track)) << e.Path();
        EXPECT_EQ(track.gps.size(), 1u) << e.Path();
    }
}

}  // namespace
