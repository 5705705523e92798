#include <gtest/gtest.h>

#include "catalogue/FileAttributes.h"
#include "tests/fileops/CardFixture.h"

using namespace cardtest;
using fileops::Answer;
using Strings = std::vector<std::string>;

namespace {

// Three groups of two recordings each.
std::vector<Recording> ThreeGroups() {
    return {{"DCIM/", "G0A.MOV", 0},         {"DCIM/", "G0B.MOV", 60},
            {"DCIM/", "G1A.MOV", kHour},     {"DCIM/", "G1B.MOV", kHour + 60},
            {"DCIM/", "G2A.MOV", 2 * kHour}, {"DCIM/", "G2B.MOV", 2 * kHour + 60}};
}

}  // namespace

TEST(Delete, TheMiddleOfThreeGroupsLeavesG0AndG1) {
    Card card(ThreeGroups());
    card.groups.selected = {1};
    card.Operations().OnDeleteFiles();
    EXPECT_EQ(card.FileNames(), (Strings{"G0A.MOV", "G0B.MOV", "G2A.MOV", "G2B.MOV"}));
    ASSERT_EQ(card.catalog.Groups().size(), 2u);
    ASSERT_EQ(card.groups.rows.size(), 2u);
    EXPECT_EQ(card.groups.rows[1].groupIndex, 1);
    EXPECT_EQ(card.groups.rows[1].startTime, 2 * kHour);
    ASSERT_EQ(card.files.rows.size(), 4u);
    EXPECT_EQ(card.files.rows[2].fileName, "G2A.MOV");
    EXPECT_EQ(card.files.rows[2].groupIndex, 1);
    EXPECT_FALSE(FileExists(card.PathOf(card.recordings[2])));
    EXPECT_FALSE(FileExists(card.PathOf(card.recordings[3])));
    EXPECT_TRUE(FileExists(card.PathOf(card.recordings[4])));
}

TEST(Delete, EveryRecordingGoneEmptiesTheCatalogueAndTheLists) {
    Card card({{"", "A.MOV", 0}, {"", "B.MOV", kHour}});
    card.groups.checked = {0, 1};
    ASSERT_TRUE(card.Operations().DeleteMarked());
    EXPECT_TRUE(card.catalog.IsEmpty());
    EXPECT_TRUE(card.catalog.Groups().empty());
    EXPECT_TRUE(card.catalog.Rows().empty());
    EXPECT_TRUE(card.groups.rows.empty());
    EXPECT_TRUE(card.files.rows.empty());
}

TEST(Delete, AReadOnlyRecordingIsUnprotectedAndDeleted) {
    Card card({{"", "A.MOV", 0, 60000, kLockManual}});
    FaultyFileSystem fs;
    const std::string path = card.PathOf(card.recordings[0]);
    fs.attributes[path] = fileattr::kReadOnly | fileattr::kArchive;
    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations(&fs).DeleteMarked());
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(card.catalog.IsEmpty());
}

TEST(Delete, AFailedDeleteKeepsTheRecordingItsRowAndItsProtection) {
    Card card({{"", "A.MOV", 0, 60000, kLockManual}, {"", "B.MOV", 60}});
    FaultyFileSystem fs;
    const std::string kept = card.PathOf(card.recordings[0]);
    fs.attributes[kept] = fileattr::kReadOnly | fileattr::kArchive;
    fs.failRemove = {kept};
    card.groups.checked = {0};
    ASSERT_TRUE(card.Operations(&fs).DeleteMarked());
    EXPECT_EQ(fs.GetAttributes(kept), fileattr::kReadOnly | fileattr::kArchive);
    EXPECT_EQ(card.FileNames(), Strings{"A.MOV"});
    ASSERT_EQ(card.files.rows.size(), 1u);
    EXPECT_EQ(card.files.rows[0].lockFlags, kLockManual);
    EXPECT_FALSE(FileExists(card.PathOf(card.recordings[1])));
}

TEST(Delete, NothingDeletedLeavesTheListsAlone) {
    Card card({{"", "A.MOV", 0}});
    FaultyFileSystem fs;
    fs.failRemove = {card.PathOf(card.recordings[0])};
    card.groups.checked = {0};
    const int deletesBefore = card.groups.deletes;
    ASSERT_TRUE(card.Operations(&fs).DeleteMarked());
    EXPECT_EQ(card.groups.deletes, deletesBefore);
    EXPECT_EQ(card.groups.rows.size(), 1u);
}

struct ProtectCase {
    const char* name;
    std::vector<Recording> recordings;
    std::set<int> marked;
    bool refused;
};

class ProtectedEvents : public ::testing::TestWithParam<ProtectCase> {};

TEST_P(ProtectedEvents, RefuseOnlyAProtectedAtomRecordingBeforeAnyMetaTrackOne) {
    const ProtectCase& c = GetParam();
    Card card(c.recordings);
    card.groups.checked = c.marked;
    EXPECT_EQ(card.Operations().HasProtectedInMarked(), c.refused);
    card.host.answers = {Answer::Cancel};
    card.Operations().OnDeleteFiles();
    if (c.refused)
        EXPECT_EQ(card.host.calls, Strings{"msg 146/128"});
    else
        EXPECT_EQ(card.host.calls, (Strings{"stop", "hide", "msg 129/128 okcancel"}));
    EXPECT_EQ(card.catalog.Entries().size(), c.recordings.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProtectedEvents,
    ::testing::Values(ProtectCase{"MetaTrackFirstThenLockedAtom",
                                  {{"", "EVGS0001.MOV", 0, 60000, kLockGSensor, kLayoutMetaTrack},
                                   {"", "EVSW0002.MOV", kHour, 60000, kLockManual, kLayoutBlocks}},
                                  {0, 1},
                                  false},
                      ProtectCase{"LockedAtomFirst",
                                  {{"", "EVSW0002.MOV", 0, 60000, kLockManual, kLayoutBlocks},
                                   {"", "EVGS0001.MOV", kHour, 60000, kLockGSensor, kLayoutMetaTrack}},
                                  {0, 1},
                                  true},
                      ProtectCase{"LockedAtomNotMarked",
                                  {{"", "FILE0001.MOV", 0}, {"", "EVSW0002.MOV", kHour, 60000, kLockManual}},
                                  {0},
                                  false},
                      ProtectCase{
                          "UnlockedAtoms", {{"", "FILE0001.MOV", 0}, {"", "FILE0002.MOV", 60}}, {0}, false}),
    [](const auto& p) { return std::string(p.param.name); });

struct DeleteFlowCase {
    const char* name;
    bool catalogueEmpty;
    bool marked;
    Answer answer;
    Strings calls;
    size_t entriesAfter;
};

class DeleteFlow : public ::testing::TestWithParam<DeleteFlowCase> {};

TEST_P(DeleteFlow, ShowsItsMessagesInOrder) {
    const DeleteFlowCase& c = GetParam();
    Card card(c.catalogueEmpty ? std::vector<Recording>{} : std::vector<Recording>{{"", "A.MOV", 0}});
    if (c.marked) card.groups.checked = {0};
    card.host.answers = {c.answer};
    card.Operations().OnDeleteFiles();
    EXPECT_EQ(card.host.calls, c.calls);
    EXPECT_EQ(card.catalog.Entries().size(), c.entriesAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteFlow,
    ::testing::Values(
        DeleteFlowCase{"EmptyCatalogue", true, true, Answer::Ok, {"msg 136/145"}, 0},
        DeleteFlowCase{"NothingMarked",
                       false,
                       false,
                       Answer::Ok,
                       {"stop", "hide", "msg 129/128 okcancel", "msg 135/144"},
                       1},
        DeleteFlowCase{"Cancelled", false, true, Answer::Cancel, {"stop", "hide", "msg 129/128 okcancel"}, 1},
        DeleteFlowCase{"Deleted", false, true, Answer::Ok, {"stop", "hide", "msg 129/128 okcancel"}, 0}),
    [](const auto& p) { return std::string(p.param.name); });
