// Replacing the card's folder: earlier cards go, read-only parts and all; anything else is left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "DemoCardSetup.h"
#include "tools/demo/OutputFolder.h"

namespace fs = std::filesystem;

namespace {

class OutputFolder : public ::testing::Test {
protected:
    void SetUp() override { m_root = MakeTemporaryFolder("out"); }
    void TearDown() override { RemoveTree(m_root); }

    static void Write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }
    static void ReadOnly(const fs::path& p) {
        fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    // Begins a card in `out`, writes one file into it and finishes it.
    static void ReplaceWithNewCard(const std::string& out) {
        const std::string staging = BeginCardFolder(out);
        Write(fs::path(staging) / "DCIM" / "NEW.txt", "new");
        FinishCardFolder(staging, out);
    }

    std::string m_root;
};

TEST_F(OutputFolder, ReplacesAnEarlierCardWithReadOnlyFilesAndFolders) {
    const fs::path out = m_root + "card";
    Write(out / kDemoCardMarker, "");
    Write(out / "DCIM" / "EVENT" / "EVGS0001.MOV", "old");
    ReadOnly(out / "DCIM" / "EVENT" / "EVGS0001.MOV");
    ReadOnly(out / "DCIM" / "EVENT");
    ReplaceWithNewCard(out.string());
    EXPECT_FALSE(fs::exists(out / "DCIM" / "EVENT"));
    EXPECT_TRUE(fs::exists(out / "DCIM" / "NEW.txt"));
    EXPECT_TRUE(fs::exists(out / kDemoCardMarker));
    EXPECT_FALSE(fs::exists(m_root + "card.building"));
}

TEST_F(OutputFolder, TakesAMissingOrEmptyFolderAndATrailingSlash) {
    for (const std::string name : {"missing", "empty/", "nested/deeper"}) {
        SCOPED_TRACE(name);
        if (name == "empty/") fs::create_directories(m_root + name);
        ReplaceWithNewCard(m_root + name);
        EXPECT_TRUE(fs::exists(fs::path(m_root + name) / "DCIM" / "NEW.txt"));
    }
}

TEST_F(OutputFolder, RefusesAFolderThatIsNotACardAndLeavesItAlone) {
    const fs::path out = m_root + "photos";
    Write(out / "holiday.jpg", "keep me");
    const fs::path file = m_root + "notes.txt";
    Write(file, "keep me too");
    for (const fs::path& p : {out, file}) {
        SCOPED_TRACE(p.string());
        EXPECT_THROW(BeginCardFolder(p.string()), std::runtime_error);
        EXPECT_FALSE(fs::exists(p.string() + ".building"));
    }
    EXPECT_TRUE(fs::exists(out / "holiday.jpg"));
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_THROW(BeginCardFolder("/"), std::runtime_error);
    EXPECT_THROW(BeginCardFolder(""), std::runtime_error);
}

TEST_F(OutputFolder, RemoveTreeRemovesALinkButNotWhatItPointsTo) {
    const fs::path target = m_root + "elsewhere";
    Write(target / "precious.txt", "keep");
    const fs::path tree = m_root + "tree";
    fs::create_directories(tree);
    fs::create_directory_symlink(target, tree / "link");
    RemoveTree(tree.string());
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_TRUE(fs::exists(target / "precious.txt"));
}

}  // namespace
