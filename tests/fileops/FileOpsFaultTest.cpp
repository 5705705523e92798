// Copies under faults of the file system: the disk filling up, a destination that cannot be made, a
// source that vanishes. Each time the user is told which recording failed, the recordings on the card
// stay whole, nothing stands under the recording's name at the destination and no temporary is left.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <ostream>

#include "tests/fileops/CardFixture.h"

using namespace cardtest;

namespace {

namespace fs = std::filesystem;

constexpr size_t kBig = 200 * 1024;  // more than the room the faults below leave

std::vector<Recording> ThreeInOneGroup() {
    std::vector<Recording> r;
    for (int i = 0; i < 3; ++i)
        r.push_back({"DCIM/100MEDIA/", "FILE000" + std::to_string(i) + ".MOV", 1000 + i * 60, 60000});
    return r;
}

std::string BigContents() {
    std::string s(kBig, '\0');
    for (size_t i = 0; i < s.size(); ++i) s[i] = char(i * 7 + i / 251);
    return s;
}

// The real calls, with a limit on the size of any file written during a copy: the write that crosses
// it fails as on a full disk.
class LimitedWrites : public fileops::FileSystemCalls {
public:
    bool CopyFile(const std::string& source, const std::string& destination) const override {
        struct rlimit old {};
        ::getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit limited = old;
        limited.rlim_cur = 64 * 1024;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const bool ok = FileSystemCalls::CopyFile(source, destination);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        return ok;
    }
};

class NoNewFolders : public fileops::FileSystemCalls {
public:
    bool MakeDirectory(const std::string&) const override { return false; }
};

// Removes the source when its copy begins, as when the card is pulled out.
class SourceVanishes : public fileops::FileSystemCalls {
public:
    bool CopyFile(const std::string& source, const std::string& destination) const override {
        if (source == vanishing) ::unlink(source.c_str());
        return FileSystemCalls::CopyFile(source, destination);
    }
    std::string vanishing;
};

struct Fault {
    const char* name;
    // Prepares the fault for the card and destination; returns the calls to copy with (null: real ones).
    std::function<const fileops::FileSystemCalls*(Card&, const std::string& target)> arrange;
    std::vector<size_t> failing;  // recordings whose copy must fail
    bool sourceRemoved = false;   // the failing recordings' sources are gone by design
};

LimitedWrites g_limited;
NoNewFolders g_noFolders;
SourceVanishes g_vanishes;

const Fault kFaults[] = {
    {"DiskFullHalfWay",
     [](Card& card, const std::string&) {
         WriteAll(card.PathOf(card.recordings[1]), BigContents());
         return &g_limited;
     },
     {1}},
    {"FolderCannotBeCreated", [](Card&, const std::string&) { return &g_noFolders; }, {0, 1, 2}},
    {"RegularFileWhereTheFolderGoes",
     [](Card&, const std::string& target) {
         WriteAll(target + "/DCIM", "not a folder");
         return nullptr;
     },
     {0, 1, 2}},
    {"FolderUnderTheRecordingsName",
     [](Card&, const std::string& target) {
         fs::create_directories(target + "/DCIM/100MEDIA/FILE0002.MOV");
         return nullptr;
     },
     {2}},
    {"SourceRemovedAfterListing",
     [](Card& card, const std::string&) {
         ::unlink(card.PathOf(card.recordings[0]).c_str());
         return nullptr;
     },
     {0},
     true},
    {"SourceRemovedAsItsCopyBegins",
     [](Card& card, const std::string&) {
         g_vanishes.vanishing = card.PathOf(card.recordings[2]);
         return &g_vanishes;
     },
     {2},
     true},
};

void PrintTo(const Fault& fault, std::ostream* os) { *os << fault.name; }

class CopyUnderFault : public ::testing::TestWithParam<Fault> {};

TEST_P(CopyUnderFault, TellsTheUserKeepsTheSourceAndLeavesNoPartialCopy) {
    const Fault& fault = GetParam();
    Card card(ThreeInOneGroup());
    ScratchDir elsewhere;
    const fileops::FileSystemCalls* calls = fault.arrange(card, elsewhere.Path());
    std::vector<std::string> before;
    for (const Recording& r : card.recordings) before.push_back(ReadAll(card.PathOf(r)));
    const fs::file_type typeAtTarget =
        fs::symlink_status(elsewhere.Path() + "/DCIM/100MEDIA/FILE0002.MOV").type();

    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations(calls).CopyMarked(elsewhere.Path()));

    std::vector<std::string> told;
    for (const fileops::UserMessage& m : card.host.messages)
        if (m.textId == fileops::kTextCopyFailed) told.push_back(m.argument);
    std::vector<std::string> expected;
    for (size_t i : fault.failing) expected.push_back(card.PathOf(card.recordings[i]));
    EXPECT_EQ(told, expected);
    EXPECT_EQ(card.host.progress.back(), 100);

    for (size_t i = 0; i < card.recordings.size(); ++i) {
        const std::string source = card.PathOf(card.recordings[i]);
        const std::string copy = elsewhere.Path() + "/DCIM/100MEDIA/" + card.recordings[i].fileName;
        const bool fails = std::find(fault.failing.begin(), fault.failing.end(), i) != fault.failing.end();
        if (fails && fault.sourceRemoved) {
            EXPECT_FALSE(FileExists(source)) << i;
        } else {
            EXPECT_EQ(ReadAll(source), before[i]) << "source " << i;
        }
        if (!fails) {
            EXPECT_EQ(ReadAll(copy), before[i]) << "copy " << i;
        } else if (i == 2 && typeAtTarget == fs::file_type::directory) {
            EXPECT_TRUE(fs::is_directory(copy));  // left as it was
        } else {
            EXPECT_FALSE(fs::is_regular_file(copy)) << "partial copy under the name of " << i;
        }
    }
    EXPECT_EQ(HiddenNames(elsewhere.Path()), std::vector<std::string>{});
    if (fs::is_regular_file(elsewhere.Path() + "/DCIM")) {
        EXPECT_EQ(ReadAll(elsewhere.Path() + "/DCIM"), "not a folder");
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, CopyUnderFault, ::testing::ValuesIn(kFaults),
                         [](const auto& test) { return std::string(test.param.name); });

// A real small file system that fills up: the failed copy's space comes back, so the next one fits.
TEST(CopyOnFullDisk, SmallTmpfsFillsUpOnTheBigRecordingOnly) {
    ScratchDir mountPoint;
    if (::mount("tmpfs", mountPoint.Path().c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint.Path()};

    std::vector<Recording> list = ThreeInOneGroup();
    Card card(list);
    WriteAll(card.PathOf(card.recordings[0]), BigContents());
    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations().CopyMarked(mountPoint.Path()));

    ASSERT_EQ(card.host.messages.size(), 1u);
    EXPECT_EQ(Describe(card.host.messages[0]), "msg 147/131 warning");
    EXPECT_EQ(card.host.messages[0].argument, card.PathOf(card.recordings[0]));
    const std::string folder = mountPoint.Path() + "/DCIM/100MEDIA/";
    EXPECT_FALSE(FileExists(folder + "FILE0000.MOV"));
    EXPECT_EQ(ReadAll(card.PathOf(card.recordings[0])), BigContents());
    EXPECT_EQ(ReadAll(folder + "FILE0001.MOV"), Card::Contents(1));
    EXPECT_EQ(ReadAll(folder + "FILE0002.MOV"), Card::Contents(2));
    EXPECT_TRUE(HiddenNames(mountPoint.Path()).empty());
}

}  // namespace
