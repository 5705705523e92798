// Card attributes: the FAT branch through its seam, the permission fallback for real.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "catalogue/FileAttributes.h"
#include "tests/core/TestFiles.h"

namespace {

// A FAT driver holding one attribute byte per open descriptor's inode.
class RecordingFat : public fileattr::FatIoctl {
public:
    bool OnFatVolume(const std::string&) const override { return true; }
    bool Get(int fd, uint32_t& attributes) const override {
        struct stat st {};
        if (fstat(fd, &st) != 0) return false;
        attributes = byInode[st.st_ino];
        return true;
    }
    bool Set(int fd, uint32_t attributes) const override {
        struct stat st {};
        if (fstat(fd, &st) != 0) return false;
        byInode[st.st_ino] = attributes;
        return true;
    }
    mutable std::map<ino_t, uint32_t> byInode;
};

ino_t Inode(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(FileAttributes, FatBranchKeepsTheOtherBits) {
    using namespace fileattr;
    testfiles::ScratchDir dir;
    const std::string path = dir.Write("EVGS0001.MOV", {1});
    RecordingFat fat;
    fat.byInode[Inode(path)] = kArchive | kHidden | 0x40;  // 0x40: a bit the card keeps for itself
    const FatIoctl* previous = InstallFatIoctl(&fat);
    EXPECT_EQ(Get(path), kArchive | kHidden | 0x40);
    EXPECT_TRUE(SetReadOnly(path, true));
    EXPECT_EQ(fat.byInode[Inode(path)], kArchive | kHidden | 0x40 | kReadOnly);
    EXPECT_TRUE(SetReadOnly(path, false));
    EXPECT_EQ(fat.byInode[Inode(path)], kArchive | kHidden | 0x40);
    EXPECT_TRUE(Set(path, kSystem));
    EXPECT_EQ(fat.byInode[Inode(path)], kSystem | 0x40);
    // The permission bits are not touched on a FAT card.
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    InstallFatIoctl(previous);
}

TEST(FileAttributes, PermissionFallback) {
    using namespace fileattr;
    testfiles::ScratchDir dir;
    const std::string path = dir.Write("FILE0001.MOV", {1});
    const std::string hidden = dir.Write(".FILE0002.MOV", {1});
    EXPECT_FALSE(OnFatVolume(path));
    EXPECT_EQ(Get(path), kArchive);
    EXPECT_EQ(Get(hidden), kArchive | kHidden);
    ASSERT_TRUE(SetReadOnly(path, true));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    EXPECT_EQ(Get(path), kArchive | kReadOnly);
    ASSERT_TRUE(SetReadOnly(path, false));
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    EXPECT_EQ(Get(path), kArchive);
    EXPECT_FALSE(SetReadOnly(dir.File("missing"), true));
    EXPECT_EQ(Get(dir.File("missing")), kInvalid);
}

}  // namespace
