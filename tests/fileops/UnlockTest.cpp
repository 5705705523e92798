#include <gtest/gtest.h>

#include "catalogue/FileAttributes.h"
#include "tests/fileops/CardFixture.h"

using namespace cardtest;

TEST(Unlock, BothFlagsClearedAndTheIconsBlank) {
    Card card({{"", "A.MOV", 0, 60000, kLockGSensor | kLockManual}});
    FaultyFileSystem fs;
    const std::string path = card.PathOf(card.recordings[0]);
    fs.attributes[path] = fileattr::kReadOnly;
    card.groups.checked = {0};
    ASSERT_EQ(card.groups.rows.at(0).lockFlags, kLockGSensor | kLockManual);
    ASSERT_TRUE(card.Operations(&fs).UnlockMarked());
    EXPECT_EQ(fs.GetAttributes(path) & fileattr::kReadOnly, 0u);
    EXPECT_EQ(card.catalog.Entries()[0].lockFlags, 0);
    EXPECT_EQ(card.catalog.Groups()[0].lockFlags, 0);
    ASSERT_EQ(card.groups.rows.size(), 1u);
    EXPECT_EQ(card.groups.rows[0].lockFlags, 0);
    ASSERT_EQ(card.files.rows.size(), 1u);
    EXPECT_EQ(card.files.rows[0].lockFlags, 0);
}

TEST(Unlock, AFailedUnlockKeepsItsFlagAndTheGroupsIcon) {
    Card card({{"", "A.MOV", 0, 60000, kLockManual}, {"", "B.MOV", 60, 60000, kLockGSensor}});
    FaultyFileSystem fs;
    const std::string stuck = card.PathOf(card.recordings[0]);
    fs.attributes[stuck] = fileattr::kReadOnly;
    fs.failSetAttributes = {stuck};
    card.groups.selected = {0};
    ASSERT_TRUE(card.Operations(&fs).UnlockMarked());
    EXPECT_EQ(card.catalog.Entries()[0].lockFlags, kLockManual);
    EXPECT_EQ(card.catalog.Entries()[1].lockFlags, 0);
    EXPECT_EQ(card.catalog.Groups()[0].lockFlags, kLockManual);
    EXPECT_EQ(card.groups.rows.at(0).lockFlags, kLockManual);
}

TEST(Unlock, OnARealFileTheWritePermissionComesBack) {
    Card card({{"", "A.MOV", 0, 60000, kLockManual}});
    const std::string path = card.PathOf(card.recordings[0]);
    ASSERT_TRUE(fileattr::SetReadOnly(path, true));
    card.groups.checked = {0};
    card.Operations().OnUnlockFiles();
    EXPECT_EQ(fileattr::Get(path) & fileattr::kReadOnly, 0u);
    EXPECT_TRUE(card.host.calls.empty());
}

TEST(Unlock, OnlyMarkedGroupsAndTheirMessages) {
    Card card({{"", "A.MOV", 0, 60000, kLockManual}, {"", "B.MOV", kHour, 60000, kLockManual}});
    FaultyFileSystem fs;
    card.groups.checked = {1};
    card.Operations(&fs).OnUnlockFiles();
    EXPECT_EQ(card.catalog.Entries()[0].lockFlags, kLockManual);
    EXPECT_EQ(card.catalog.Entries()[1].lockFlags, 0);

    card.groups.checked.clear();
    card.Operations(&fs).OnUnlockFiles();
    EXPECT_EQ(card.host.calls, std::vector<std::string>{"msg 135/144"});

    Card empty({});
    empty.Operations(&fs).OnUnlockFiles();
    EXPECT_EQ(empty.host.calls, std::vector<std::string>{"msg 136/145"});
}
