#include <gtest/gtest.h>

#include "tests/fileops/CardFixture.h"

using namespace cardtest;
using fileops::Answer;
using Strings = std::vector<std::string>;

namespace {

// One group of four continuous recordings in DCIM/100MEDIA/.
std::vector<Recording> FourInOneGroup() {
    std::vector<Recording> r;
    for (int i = 0; i < 4; ++i)
        r.push_back({"DCIM/100MEDIA/", "FILE000" + std::to_string(i) + ".MOV", 1000 + i * 60, 60000});
    return r;
}

}  // namespace

TEST(Copy, IntoANewTargetCreatesEveryLevelAndCopiesTheBytes) {
    Card card(FourInOneGroup());
    ScratchDir elsewhere;
    const std::string target = elsewhere.Path() + "/Backup";
    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations().CopyMarked(target));
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ReadAll(target + "/DCIM/100MEDIA/" + card.recordings[i].fileName), Card::Contents(i)) << i;
    EXPECT_EQ(card.host.progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(card.host.calls.back(), "board off");
    EXPECT_TRUE(card.host.messages.empty());
    EXPECT_TRUE(HiddenNames(target).empty());
}

TEST(Copy, RefusingOneOverwriteOfFourStillEndsAtOneHundredPercent) {
    Card card(FourInOneGroup());
    ScratchDir elsewhere;
    const std::string existing = elsewhere.Path() + "/DCIM/100MEDIA/FILE0002.MOV";
    WriteAll(existing, "older copy");
    card.host.answers = {Answer::Cancel};
    card.groups.selected = {0};
    ASSERT_TRUE(card.Operations().CopyMarked(elsewhere.Path()));
    ASSERT_EQ(card.host.messages.size(), 1u);
    EXPECT_EQ(Describe(card.host.messages[0]), "msg 141/140 okcancel");
    EXPECT_EQ(card.host.messages[0].argument, existing);
    EXPECT_EQ(ReadAll(existing), "older copy");
    EXPECT_EQ(ReadAll(elsewhere.Path() + "/DCIM/100MEDIA/FILE0003.MOV"), Card::Contents(3));
    EXPECT_EQ(card.host.progress.back(), 100);
}

TEST(Copy, AnAgreedOverwriteReplacesTheDestination) {
    Card card(FourInOneGroup());
    ScratchDir elsewhere;
    const std::string existing = elsewhere.Path() + "/DCIM/100MEDIA/FILE0001.MOV";
    WriteAll(existing, "older copy");
    card.host.answers = {Answer::Ok};
    card.groups.checked = {0};
    card.Operations().CopyMarked(elsewhere.Path());
    EXPECT_EQ(ReadAll(existing), Card::Contents(1));
    EXPECT_TRUE(HiddenNames(elsewhere.Path()).empty());
}

TEST(Copy, OnlyMarkedGroupsAreCopied) {
    Card card({{"", "A.MOV", 0}, {"", "B.MOV", kHour}, {"", "C.MOV", 2 * kHour}});
    ScratchDir elsewhere;
    card.groups.checked = {2};
    card.groups.selected = {0};
    card.Operations().CopyMarked(elsewhere.Path());
    EXPECT_TRUE(FileExists(elsewhere.Path() + "/A.MOV"));
    EXPECT_FALSE(FileExists(elsewhere.Path() + "/B.MOV"));
    EXPECT_TRUE(FileExists(elsewhere.Path() + "/C.MOV"));
    EXPECT_EQ(card.host.progress, (std::vector<int>{0, 50, 100}));
}

TEST(Copy, IntoTheRecordingsOwnFolderLeavesThemWholeAndCountsThemDone) {
    Card card(FourInOneGroup());
    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations().CopyMarked(card.dir.Path()));
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ReadAll(card.PathOf(card.recordings[i])), Card::Contents(i)) << i;
    EXPECT_TRUE(card.host.messages.empty());
    EXPECT_EQ(card.host.progress.back(), 100);
    EXPECT_TRUE(HiddenNames(card.dir.Path()).empty());
}

TEST(Copy, AFailedWriteIsReportedAndTheCopyGoesOn) {
    Card card(FourInOneGroup());
    ScratchDir elsewhere;
    FaultyFileSystem fs;
    const std::string failing = card.PathOf(card.recordings[1]);
    fs.failCopyOf = {failing};
    card.groups.checked = {0};
    card.Operations(&fs).CopyMarked(elsewhere.Path());
    ASSERT_EQ(card.host.messages.size(), 1u);
    EXPECT_EQ(Describe(card.host.messages[0]), "msg 147/131 warning");
    EXPECT_EQ(card.host.messages[0].argument, failing);
    // No half file under the recording's name, no leftover temporary, and the next ones copied.
    EXPECT_FALSE(FileExists(elsewhere.Path() + "/DCIM/100MEDIA/FILE0001.MOV"));
    EXPECT_TRUE(HiddenNames(elsewhere.Path()).empty());
    EXPECT_EQ(ReadAll(elsewhere.Path() + "/DCIM/100MEDIA/FILE0002.MOV"), Card::Contents(2));
    EXPECT_EQ(card.host.progress.back(), 100);
}

TEST(Copy, AFailedOverwriteLeavesTheOldDestinationWhole) {
    Card card(FourInOneGroup());
    ScratchDir elsewhere;
    const std::string existing = elsewhere.Path() + "/DCIM/100MEDIA/FILE0000.MOV";
    WriteAll(existing, "older copy");
    FaultyFileSystem fs;
    fs.failCopyOf = {card.PathOf(card.recordings[0])};
    card.groups.checked = {0};
    card.Operations(&fs).CopyMarked(elsewhere.Path());
    EXPECT_EQ(ReadAll(existing), "older copy");
    EXPECT_EQ(Describe(card.host.messages.at(1)), "msg 147/131 warning");
}

TEST(Copy, TheTemporaryNameIsHiddenNextToTheDestination) {
    EXPECT_EQ(fileops::TemporaryCopyName("/mnt/b/DCIM/X.MOV"), "/mnt/b/DCIM/.X.MOV.copying");
    EXPECT_EQ(fileops::JoinPath("/mnt/b/", "DCIM/"), "/mnt/b/DCIM/");
    EXPECT_EQ(fileops::JoinPath("/mnt/b", "X.MOV"), "/mnt/b/X.MOV");
    EXPECT_EQ(fileops::JoinPath("/mnt/b", ""), "/mnt/b/");
}

struct SaveCase {
    const char* name;
    bool catalogueEmpty;
    bool marked;
    std::optional<std::string> folder;  // "@" stands for an existing folder
    Strings calls;
};

class SaveFlow : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFlow, ShowsItsMessagesInOrder) {
    const SaveCase& c = GetParam();
    Card card(c.catalogueEmpty ? std::vector<Recording>{} : std::vector<Recording>{{"", "A.MOV", 0}});
    ScratchDir elsewhere;
    if (c.folder) card.host.folder = *c.folder == "@" ? elsewhere.Path() : *c.folder;
    if (c.marked) card.groups.checked = {0};
    card.Operations().OnSaveAs();
    EXPECT_EQ(card.host.calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFlow,
    ::testing::Values(SaveCase{"EmptyCatalogue", true, true, "@", {"msg 136/145"}},
                      SaveCase{
                          "NothingMarked", false, false, "@", {"stop", "browse 130", "msg 135/144", "hide"}},
                      SaveCase{"Cancelled", false, true, std::nullopt, {"stop", "browse 130", "hide"}},
                      SaveCase{"MissingFolder",
                               false,
                               true,
                               "/nonexistent/folder",
                               {"stop", "browse 130", "msg 132/131 warning", "hide"}},
                      SaveCase{"Copied",
                               false,
                               true,
                               "@",
                               {"stop", "browse 130", "progress 0", "progress 100", "board off", "hide"}}),
    [](const auto& p) { return std::string(p.param.name); });
