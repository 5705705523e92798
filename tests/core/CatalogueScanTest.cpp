// The folder walk and the scan: name filter, lock flags, links, unreadable and deep folders, cancel,
// progress and paths.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <map>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/FileAttributes.h"
#include "catalogue/NameFilter.h"
#include "tests/core/FakeViews.h"
#include "tests/core/TestFiles.h"

using namespace testfiles;

namespace {

std::vector<uint8_t> AtomKind() { return Build(fixture::MovDesc{}); }
std::vector<uint8_t> MetaKind() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    return Build(d);
}

TEST(NameFilterRules, Table) {
    struct Case {
        const char* name;
        bool passes;
    };
    const Case cases[] = {
        {"FILE0001.MOV", true},
        {"file0001.mov", true},
        {"FILE0002.avi", true},
        {"FILE0002.AVI", true},
        {"AB_-0001.MOV", true},
        {"a1b20001.xyz", true},
        {"ab.MOV", false},
        {"MOVI0001.MOV.bak", false},
        {"FILE0001.mov2", false},
        {"FILE0001_long.MOV", true},
        {"FILE0001_long.mov", false},
        {"FILE0001", false},
        {"FILE001.MOV", false},
        {"FIL.0001.MOV", false},
        {"FILE000A.MOV", false},
        {"FI E0001.MOV", false},
        {"", false},
        {"FILE0001.M", false},
        {"FILE0001.MOV ", false},
        {"\xc3\xa9"
         "ILE0001.MOV",
         false},
        // Twelve characters in UTF-8 (one two-byte character in the extension): any extension passes.
        {"FILE0001.M\xc3\xa9V", true},
    };
    for (const Case& c : cases) EXPECT_EQ(PassesNameFilter(c.name), c.passes) << c.name;
}

TEST(ScanFolder, NameFilterAndReaderDecideWhatIsListed) {
    ScratchDir dir;
    const auto good = AtomKind();
    dir.Write("FILE0001.MOV", good);
    dir.Write("file0001.mov", good);       // 8.3 name, any case
    dir.Write("FILE0002.avi", good);       // examined by the reader, which accepts this content
    dir.Write("FILE0003.AVI", good);       // never examined
    dir.Write("ab.MOV", good);             // too short
    dir.Write("MOVI0001.MOV.bak", good);   // wrong ending
    dir.Write("FILE0004.MOV", {1, 2, 3});  // not a recording
    // The start of a RIFF AVI file: "RIFF", size, "AVI ", then a "LIST" chunk.
    std::vector<uint8_t> avi = {'R', 'I', 'F', 'F', 0xF8, 0,   0,    0, 'A', 'V',
                                'I', ' ', 'L', 'I', 'S',  'T', 0xEC, 0, 0,   0};
    avi.resize(256, 0);
    dir.Write("FILE0005.avi", avi);
    const ScanOutcome out = ScanFolder(dir.Path());
    EXPECT_TRUE(out.sourceExists);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(out.scanned, 8);
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0001.MOV", "FILE0002.avi", "file0001.mov"}));
}

TEST(ScanFolder, PathsAreJoinedWithSlashes) {
    ScratchDir dir;
    dir.Write("DCIM/100CAM/FILE0001.MOV", AtomKind());
    dir.Write("FILE0002.MOV", AtomKind());
    for (const std::string& root : {dir.Path(), dir.Path() + "/"}) {
        const ScanOutcome out = ScanFolder(root);
        ASSERT_EQ(out.entries.size(), 2u);
        for (const auto& e : out.entries) {
            EXPECT_EQ(e.rootFolder, dir.Path() + "/");
            if (e.fileName == "FILE0001.MOV") {
                EXPECT_EQ(e.subFolder, "DCIM/100CAM/");
                EXPECT_EQ(e.Path(), dir.Path() + "/DCIM/100CAM/FILE0001.MOV");
            } else {
                EXPECT_EQ(e.subFolder, "");
                EXPECT_EQ(e.Path(), dir.Path() + "/FILE0002.MOV");
            }
            EXPECT_TRUE(std::filesystem::exists(e.Path()));
        }
    }
}

TEST(ScanFolder, HiddenEntriesAndLinksToFoldersAreNotVisited) {
    ScratchDir dir;
    dir.Write(".hidden/FILE0001.MOV", AtomKind());
    dir.Write(".FILE0002.MOV", AtomKind());
    dir.Write("real/FILE0003.MOV", AtomKind());
    ASSERT_EQ(symlink(dir.Path().c_str(), dir.File("loop").c_str()), 0);  // a link to the root itself
    ASSERT_EQ(symlink(dir.File("real").c_str(), dir.File("again").c_str()), 0);
    ASSERT_EQ(symlink(dir.File("real/FILE0003.MOV").c_str(), dir.File("FILE0004.MOV").c_str()), 0);
    const ScanOutcome out = ScanFolder(dir.Path());
    // A link to a file is a file like any other.
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0004.MOV", "real/FILE0003.MOV"}));
}

// A named pipe or a device among the recordings is not opened for a blocking read.
TEST(ScanFolder, PipesAndDevicesDoNotHang) {
    ScratchDir dir;
    dir.Write("FILE0001.MOV", AtomKind());
    ASSERT_EQ(mkfifo(dir.File("FILE0002.MOV").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", dir.File("FILE0003.MOV").c_str()), 0);
    const ScanOutcome out = ScanFolder(dir.Path());
    EXPECT_EQ(out.scanned, 3);
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0001.MOV"}));
}

// A listing made up in the test: folder path -> items, or missing to fail the listing.
class FakeSource : public FolderSource {
public:
    bool List(const std::string& folder, std::vector<FolderItem>& items) const override {
        listed.push_back(folder);
        if (deep && folder.size() < 100000) {  // every folder holds a file and a subfolder
            items = {{"d", true, false, false}, {"f", false, false, false}};
            return true;
        }
        const auto it = tree.find(folder);
        if (it == tree.end()) return false;
        items = it->second;
        return true;
    }
    std::map<std::string, std::vector<FolderItem>> tree;
    bool deep = false;
    mutable std::vector<std::string> listed;
};

struct Visit {
    std::vector<std::string> seen;  // "sub/name" with a trailing "/" for folders
    WalkCallback Callback() {
        return [this](const std::string&, const std::string& sub, const std::string& name, bool isDir) {
            seen.push_back(sub + name + (isDir ? "/" : ""));
            return true;
        };
    }
};

TEST(WalkFolder, UnlistableFoldersAreSkippedAndTheWalkGoesOn) {
    ScratchDir dir;
    const std::string root = dir.Path() + "/";
    FakeSource source;
    source.tree[root] = {{"a", true, false, false},
                         {"bad", true, false, false},
                         {"c", true, false, false},
                         {"z.MOV", false, false, false}};
    source.tree[root + "a/"] = {{"x.MOV", false, false, false}};
    source.tree[root + "c/"] = {{"y.MOV", false, false, false},
                                {"link", true, true, false},
                                {"hid", false, false, true},
                                {".", true, false, false},
                                {"..", true, false, false}};
    Visit v;
    EXPECT_EQ(WalkFolder(dir.Path(), v.Callback(), source), WalkResult::Done);
    EXPECT_EQ(v.seen, (std::vector<std::string>{"a/", "a/x.MOV", "bad/", "c/", "c/y.MOV", "z.MOV"}));
    EXPECT_EQ(std::count(source.listed.begin(), source.listed.end(), root + "c/link/"), 0);
}

// The scan takes its listings from the source it is given; files are still read from their paths.
TEST(ScanFolder, UsesTheGivenFolderSource) {
    ScratchDir dir;
    dir.Write("FILE0001.MOV", AtomKind());
    dir.Write("shut/FILE0002.MOV", AtomKind());
    dir.Write("FILE0003.MOV", AtomKind());  // present on disk, absent from the listing
    const std::string root = dir.Path() + "/";
    FakeSource source;
    source.tree[root] = {{"FILE0001.MOV", false, false, false},
                         {"shut", true, false, false},
                         {"FILE0009.MOV", false, false, false}};  // listed but gone
    ScanHooks hooks;
    hooks.source = &source;
    const ScanOutcome out = ScanFolder(dir.Path(), hooks);
    EXPECT_TRUE(out.sourceExists);
    EXPECT_EQ(out.scanned, 2);
    EXPECT_EQ(ScannedNames(out), (std::vector<std::string>{"FILE0001.MOV"}));
    EXPECT_EQ(source.listed, (std::vector<std::string>{root, root + "shut/"}));
}

TEST(WalkFolder, RootThatCannotBeListedIsAnEmptyWalk) {
    ScratchDir dir;
    FakeSource source;
    Visit v;
    EXPECT_EQ(WalkFolder(dir.Path(), v.Callback(), source), WalkResult::Done);
    EXPECT_TRUE(v.seen.empty());
    EXPECT_EQ(WalkFolder(dir.File("missing"), v.Callback(), source), WalkResult::MissingSource);
    EXPECT_EQ(WalkFolder(dir.File(""), v.Callback(), source), WalkResult::Done);
    EXPECT_EQ(WalkFolder("", v.Callback(), source), WalkResult::MissingSource);
}

// Folders are entered down to kMaxWalkDepth levels below the root; deeper ones are not entered.
TEST(WalkFolder, NestingDeeperThanTheLimit) {
    ScratchDir dir;
    FakeSource source;
    source.deep = true;
    Visit v;
    EXPECT_EQ(WalkFolder(dir.Path(), v.Callback(), source), WalkResult::Done);
    int deepestFile = -1;
    for (const std::string& s : v.seen) {
        if (s.back() == '/') continue;
        deepestFile = std::max(deepestFile, int(std::count(s.begin(), s.end(), '/')));
    }
    EXPECT_EQ(deepestFile, kMaxWalkDepth);
    EXPECT_EQ(source.listed.size(), size_t(kMaxWalkDepth + 1));
    EXPECT_EQ(v.seen.size(), size_t(2 * kMaxWalkDepth + 1));
}

TEST(ScanFolder, RealTreeDeeperThanTheLimit) {
    ScratchDir dir;
    std::string sub;
    for (int level = 0; level <= kMaxWalkDepth + 5; ++level) {
        dir.Write(sub + "FILE" + std::to_string(1000 + level) + ".MOV", AtomKind());
        sub += "d/";
    }
    const ScanOutcome out = ScanFolder(dir.Path());
    EXPECT_EQ(out.scanned, kMaxWalkDepth + 1);
    EXPECT_EQ(out.entries.size(), size_t(kMaxWalkDepth + 1));
}

TEST(ScanFolder, ProgressCountsEveryFileBeforeIt) {
    ScratchDir dir;
    dir.Write("FILE0001.MOV", AtomKind());
    dir.Write("junk.txt", {1});
    dir.Write("sub/FILE0002.MOV", {1});
    dir.Write("sub/deeper/FILE0003.MOV", MetaKind());
    std::vector<int> progress;
    ScanHooks hooks;
    hooks.progress = [&](int handled) { progress.push_back(handled); };
    const ScanOutcome out = ScanFolder(dir.Path(), hooks);
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(out.scanned, 4);
    EXPECT_EQ(out.entries.size(), 2u);
}

TEST(ScanFolder, CancelStopsTheWalk) {
    ScratchDir dir;
    for (int i = 0; i < 6; ++i) dir.Write("FILE000" + std::to_string(i) + ".MOV", AtomKind());
    std::atomic<bool> cancel{false};
    ScanHooks hooks;
    hooks.cancel = &cancel;
    hooks.progress = [&](int handled) {
        if (handled == 1) cancel = true;
    };
    const ScanOutcome out = ScanFolder(dir.Path(), hooks);
    EXPECT_TRUE(out.stopped);
    EXPECT_TRUE(out.sourceExists);
    EXPECT_EQ(out.scanned, 2);
    EXPECT_EQ(out.entries.size(), 2u);
    cancel = true;
    EXPECT_EQ(ScanFolder(dir.Path(), hooks).scanned, 0);
}

TEST(CatalogueLoad, ScansSortsGroupsAndReportsProgress) {
    const TimeZone zone("UTC0");
    ScratchDir dir;
    const char* texts[] = {"2014-07-30 10:02:05", "2014-07-30 10:00:00", "2014-07-30 10:01:00"};
    for (int i = 0; i < 3; ++i) {
        fixture::MovDesc d;
        d.idit = texts[i];
        dir.Write("DCIM/FILE000" + std::to_string(i) + ".MOV", Build(d));
    }
    FakeGroupList groups;
    FakeFileList files;
    FakeCurve curve;
    FakeMainWindow main;
    CRecordingCatalog catalog;
    catalog.Init(&groups, &files, &curve, nullptr, &main);
    ASSERT_TRUE(catalog.Load(dir.Path()));
    EXPECT_EQ(main.progress, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(catalog.ScanCounter(), 3);
    ASSERT_EQ(catalog.Entries().size(), 3u);
    EXPECT_EQ(catalog.Entries()[0].fileName, "FILE0001.MOV");
    EXPECT_EQ(catalog.Entries()[0].info.startTime, UtcSeconds(2014, 7, 30, 10, 0, 0));
    EXPECT_EQ(catalog.Groups().size(), 2u);
    EXPECT_EQ(files.rows.size(), 3u);
    EXPECT_EQ(groups.rows.size(), 2u);
    EXPECT_EQ(catalog.GetEntryPath(2), dir.Path() + "/DCIM/FILE0000.MOV");
    // An empty folder is not an error.
    ScratchDir empty;
    EXPECT_TRUE(catalog.Load(empty.Path()));
    EXPECT_TRUE(catalog.IsEmpty());
    EXPECT_TRUE(files.rows.empty());
}

// FAT attributes through the seam: the attribute byte per file name.
class FakeFat : public fileattr::FatIoctl {
public:
    bool OnFatVolume(const std::string&) const override { return true; }
    bool Get(int fd, uint32_t& attributes) const override {
        char link[4096];
        const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), link, sizeof link - 1);
        if (n <= 0) return false;
        const std::string path(link, size_t(n));
        const std::string name = path.substr(path.rfind('/') + 1);
        const auto it = byName.find(name);
        if (it == byName.end()) return failOthers ? false : (attributes = fileattr::kArchive, true);
        attributes = it->second;
        return true;
    }
    bool Set(int, uint32_t) const override { return false; }
    std::map<std::string, uint32_t> byName;
    bool failOthers = false;
};

struct InstalledFat {
    explicit InstalledFat(const FakeFat& fat) : previous(fileattr::InstallFatIoctl(&fat)) {}
    ~InstalledFat() { fileattr::InstallFatIoctl(previous); }
    const fileattr::FatIoctl* previous;
};

TEST(LockFlags, FromFatAttributesAndNames) {
    using namespace fileattr;
    struct Case {
        const char* name;
        bool meta;
        uint32_t attributes;
        int lockFlags;
    };
    const Case cases[] = {
        {"EVGS0012.MOV", false, kReadOnly | kArchive, kLockGSensor},
        {"EVSW0012.MOV", false, kReadOnly | kArchive, kLockManual},
        {"FILE0012.MOV", false, kReadOnly | kArchive, kLockManual},
        {"FILE0013.MOV", false, kReadOnly, kLockGSensor | kLockManual},
        {"EVGS0013.MOV", false, kReadOnly, kLockGSensor | kLockManual},
        {"FILE0014.MOV", false, kArchive, 0},
        {"FILE0015.MOV", false, 0, 0},
        {"evgs0016.mov", false, kReadOnly | kArchive, kLockManual},  // the name test is case-sensitive
        // The meta-track kind takes its flags from the name alone.
        {"EVGS0020.MOV", true, kArchive, kLockGSensor},
        {"EVSW0021.MOV", true, kReadOnly, kLockManual},
        {"FILE0022.MOV", true, kReadOnly, 0},
        {"EVGS0023.MOV", true, kReadOnly | kArchive, kLockGSensor},
    };
    ScratchDir dir;
    FakeFat fat;
    for (const Case& c : cases) {
        dir.Write(c.name, c.meta ? MetaKind() : AtomKind());
        fat.byName[c.name] = c.attributes;
    }
    dir.Write("FILE0030.MOV", AtomKind());
    fat.byName["FILE0030.MOV"] = kHidden | kArchive;  // hidden on the card: not visited
    dir.Write("FILE0031.MOV", AtomKind());
    fat.byName["FILE0031.MOV"] = kSystem | kArchive | kReadOnly;
    const InstalledFat installed(fat);
    const ScanOutcome out = ScanFolder(dir.Path());
    std::map<std::string, int> flags;
    for (const auto& e : out.entries) flags[e.fileName] = e.lockFlags;
    EXPECT_EQ(flags.size(), std::size(cases));
    for (const Case& c : cases) {
        ASSERT_TRUE(flags.count(c.name)) << c.name;
        EXPECT_EQ(flags[c.name], c.lockFlags) << c.name;
    }
    EXPECT_EQ(out.scanned, int(std::size(cases)));
}

// Off a FAT card: read-only is the owner's missing write permission, archive is always set.
TEST(LockFlags, FromPermissionsOffFat) {
    ScratchDir dir;
    const std::string locked = dir.Write("EVGS0001.MOV", AtomKind());
    const std::string plain = dir.Write("FILE0001.MOV", AtomKind());
    const std::string manual = dir.Write("FILE0002.MOV", AtomKind());
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    ASSERT_EQ(chmod(manual.c_str(), 0464), 0);  // group may write, the owner may not
    const ScanOutcome out = ScanFolder(dir.Path());
    std::map<std::string, int> flags;
    for (const auto& e : out.entries) flags[e.fileName] = e.lockFlags;
    EXPECT_EQ(flags["EVGS0001.MOV"], kLockGSensor);
    EXPECT_EQ(flags["FILE0001.MOV"], 0);
    EXPECT_EQ(flags["FILE0002.MOV"], kLockManual);
    EXPECT_EQ(fileattr::Get(locked), fileattr::kReadOnly | fileattr::kArchive);
    EXPECT_EQ(fileattr::Get(dir.File("missing")), fileattr::kInvalid);
    EXPECT_EQ(fileattr::Get(dir.Path()) & fileattr::kDirectory, fileattr::kDirectory);
}

// Folders that cannot be listed are skipped, shown for real by an unprivileged user: as root,
// permission bits do not stop reading, so the scan runs in a child that drops to "nobody".
TEST(ScanFolder, UnreadableFolderIsSkipped) {
    ScratchDir dir;
    dir.Write("open/FILE0001.MOV", AtomKind());
    dir.Write("shut/FILE0002.MOV", AtomKind());
    dir.Write("zzz/FILE0003.MOV", AtomKind());
    ASSERT_EQ(chmod(dir.File("shut").c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        const ScanOutcome out = ScanFolder(dir.Path());
        const bool ok = out.sourceExists && !out.stopped && out.scanned == 2 && out.entries.size() == 2 &&
                        ScannedNames(out) == std::vector<std::string>{"open/FILE0001.MOV", "zzz/FILE0003.MOV"};
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
