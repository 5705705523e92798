// Sorting, grouping, rows, selection and marking of the catalogue, from entries made in the test.
#include <gtest/gtest.h>

#include "catalogue/CRecordingCatalog.h"
#include "tests/core/FakeViews.h"

namespace {

RecordingEntry Entry(const std::string& name, int64_t start, uint32_t durationMs, uint64_t size = 1000,
                     int lockFlags = 0) {
    RecordingEntry e;
    e.fileName = name;
    e.rootFolder = "/card/";
    e.subFolder = "DCIM/";
    e.lockFlags = lockFlags;
    e.info.startTime = start;
    e.info.durationMs = durationMs;
    e.info.fileSize = size;
    e.info.width = 1920;
    e.info.height = 1080;
    return e;
}

struct Catalogue {
    FakeGroupList groups;
    FakeFileList files;
    FakeCurve curve;
    FakeMap map;
    FakeMainWindow main;
    CRecordingCatalog catalog;

    explicit Catalogue(std::vector<RecordingEntry> entries) {
        catalog.Init(&groups, &files, &curve, &map, &main);
        ScanOutcome outcome;
        outcome.sourceExists = true;
        outcome.entries = std::move(entries);
        outcome.scanned = int(outcome.entries.size());
        EXPECT_TRUE(catalog.AdoptScan(std::move(outcome)));
    }
    std::vector<int> GroupStarts() const {
        std::vector<int> out;
        for (const auto& g : catalog.Groups()) out.push_back(g.firstEntry);
        return out;
    }
};

constexpr int64_t k10h = 1406714400;  // some day at 10:00:00

struct GapCase {
    const char* name;
    int64_t secondStart;
    uint32_t firstDurationMs;
    bool continues;
};

// The previous end is its start plus whole seconds of its duration; the next continues within ±2 s.
TEST(CatalogueGrouping, GapRule) {
    const GapCase cases[] = {
        {"exactly at the end", k10h + 60, 60000, true},
        {"2 s after", k10h + 62, 60000, true},
        {"3 s after", k10h + 63, 60000, false},
        {"2 s before", k10h + 58, 60000, true},
        {"3 s before", k10h + 57, 60000, false},
        {"duration cut to whole seconds", k10h + 63, 61999, true},  // end 10:01:01
        {"cut duration, 3 s after", k10h + 64, 61999, false},
        {"cut duration, 2 s before", k10h + 59, 61999, true},
        {"short recording", k10h + 2, 999, true},
        {"same start", k10h, 60000, false},
    };
    for (const GapCase& c : cases) {
        Catalogue cat(
            {Entry("FILE0001.MOV", k10h, c.firstDurationMs), Entry("FILE0002.MOV", c.secondStart, 60000)});
        ASSERT_EQ(cat.catalog.Entries().size(), 2u);
        EXPECT_EQ(cat.catalog.Groups().size(), c.continues ? 1u : 2u) << c.name;
        EXPECT_EQ(cat.catalog.Entries()[1].groupStart, c.continues ? 0 : 1) << c.name;
        EXPECT_EQ(cat.catalog.Entries()[0].groupStart, 1) << c.name;
    }
}

TEST(CatalogueGrouping, ThreeRecordingsTwoGroups) {
    Catalogue cat({Entry("FILE0003.MOV", k10h + 125, 60000, 300, kLockManual),
                   Entry("FILE0001.MOV", k10h, 60000, 100),
                   Entry("FILE0002.MOV", k10h + 60, 60000, 200, kLockGSensor)});
    const auto& e = cat.catalog.Entries();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].fileName, "FILE0001.MOV");
    EXPECT_EQ(e[1].fileName, "FILE0002.MOV");
    EXPECT_EQ(e[2].fileName, "FILE0003.MOV");
    ASSERT_EQ(cat.GroupStarts(), (std::vector<int>{0, 2}));
    const RecordingGroup& g0 = cat.catalog.Groups()[0];
    EXPECT_EQ(g0.groupIndex, 0);
    EXPECT_EQ(g0.entryCount, 2);
    EXPECT_EQ(g0.totalDurationMs, 120000u);
    EXPECT_EQ(g0.totalSize, 300u);
    EXPECT_EQ(g0.lockFlags, kLockGSensor);
    EXPECT_EQ(g0.marked, 0);
    const RecordingGroup& g1 = cat.catalog.Groups()[1];
    EXPECT_EQ(g1.groupIndex, 1);
    EXPECT_EQ(g1.entryCount, 1);
    EXPECT_EQ(g1.lockFlags, kLockManual);
    const auto& rows = cat.catalog.Rows();
    ASSERT_EQ(rows.size(), 3u);
    const int expect[3][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[size_t(i)].groupIndex, expect[i][0]);
        EXPECT_EQ(rows[size_t(i)].indexInGroup, expect[i][1]);
        EXPECT_EQ(rows[size_t(i)].entryIndex, expect[i][2]);
        EXPECT_EQ(rows[size_t(i)].fileSize, uint64_t(100 * (i + 1)));
        EXPECT_EQ(rows[size_t(i)].durationMs, 60000u);
    }
}

// Totals are 64-bit: many long, large recordings do not wrap.
TEST(CatalogueGrouping, TotalsDoNotWrap) {
    std::vector<RecordingEntry> entries;
    for (int i = 0; i < 3; ++i)
        entries.push_back(
            Entry("FILE000" + std::to_string(i) + ".MOV", k10h + i * 4000000, 4000000000u, 3000000000ull));
    Catalogue cat(entries);
    ASSERT_EQ(cat.catalog.Groups().size(), 1u);
    EXPECT_EQ(cat.catalog.Groups()[0].totalDurationMs, 12000000000ull);
    EXPECT_EQ(cat.catalog.Groups()[0].totalSize, 9000000000ull);
}

TEST(CatalogueGrouping, FlagsOfAllRecordingsOrTogether) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000, 1, kLockGSensor),
                   Entry("FILE0002.MOV", k10h + 60, 60000, 1, kLockManual)});
    ASSERT_EQ(cat.catalog.Groups().size(), 1u);
    EXPECT_EQ(cat.catalog.Groups()[0].lockFlags, kLockGSensor | kLockManual);
}

// Equal start times keep the order in which the walk found them.
TEST(CatalogueSorting, ByStartTimeStable) {
    std::vector<RecordingEntry> entries;
    const int64_t starts[] = {500, 100, 300, 100, 0, 300, 100};
    for (size_t i = 0; i < 7; ++i)
        entries.push_back(Entry("FILE000" + std::to_string(i) + ".MOV", k10h + starts[i], 1000));
    Catalogue cat(entries);
    std::vector<std::string> names;
    for (const auto& e : cat.catalog.Entries()) names.push_back(e.fileName);
    EXPECT_EQ(names, (std::vector<std::string>{"FILE0004.MOV", "FILE0001.MOV", "FILE0003.MOV", "FILE0006.MOV",
                                               "FILE0002.MOV", "FILE0005.MOV", "FILE0000.MOV"}));

    // Many recordings with few distinct start times, in an order that makes an unstable sort reorder.
    std::vector<RecordingEntry> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(
            Entry("FILE" + std::to_string(1000 + i) + ".MOV", k10h + ((i * 7919) % 5) * 100, 1000));
    Catalogue big(many);
    const auto& sorted = big.catalog.Entries();
    for (size_t i = 1; i < sorted.size(); ++i) {
        ASSERT_LE(sorted[i - 1].info.startTime, sorted[i].info.startTime) << i;
        if (sorted[i - 1].info.startTime == sorted[i].info.startTime) {
            EXPECT_LT(sorted[i - 1].fileName, sorted[i].fileName) << i;
        }
    }
}

TEST(CatalogueLists, FilledFromGroupsAndRows) {
    auto first = Entry("FILE0001.MOV", k10h, 60000, 10, kLockManual);
    first.info.width = 1280;
    first.info.height = 720;
    auto second = Entry("FILE0002.MOV", k10h + 60, 30000, 20);
    second.subFolder = "";
    Catalogue cat({second, first});
    ASSERT_EQ(cat.groups.rows.size(), 1u);
    const GroupRowCall& g = cat.groups.rows[0];
    EXPECT_EQ(g.groupIndex, 0);
    EXPECT_EQ(g.resolution, "720P");  // of the group's first recording
    EXPECT_EQ(g.totalDurationMs, 90000u);
    EXPECT_EQ(g.totalSize, 30u);
    EXPECT_EQ(g.lockFlags, kLockManual);
    EXPECT_EQ(g.startTime, k10h);
    ASSERT_EQ(cat.files.rows.size(), 2u);
    EXPECT_EQ(cat.files.rows[0].folder, "/card/DCIM/");
    EXPECT_EQ(cat.files.rows[0].fileName, "FILE0001.MOV");
    EXPECT_EQ(cat.files.rows[0].lockFlags, kLockManual);
    EXPECT_EQ(cat.files.rows[1].folder, "/card/");
    EXPECT_EQ(cat.files.rows[1].indexInGroup, 1);
    EXPECT_EQ(cat.files.rows[1].durationMs, 30000u);
    EXPECT_EQ(cat.files.rows[1].fileSize, 20u);
    EXPECT_EQ(cat.files.rows[1].startTime, k10h + 60);
}

TEST(CatalogueSelection, SelectEntryMovesBothHighlights) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000), Entry("FILE0002.MOV", k10h + 60, 60000),
                   Entry("FILE0003.MOV", k10h + 500, 60000)});
    EXPECT_EQ(cat.catalog.GetCurrentEntry(), -1);
    int w = 0, h = 0;
    EXPECT_FALSE(cat.catalog.GetCurrentPictureSize(w, h));
    EXPECT_EQ(cat.catalog.GetCurrentPath(), "");

    ASSERT_TRUE(cat.catalog.SelectEntry(2));
    EXPECT_EQ(cat.catalog.GetCurrentEntry(), 2);
    EXPECT_EQ(cat.catalog.CurrentGroup(), 1);
    EXPECT_EQ(cat.groups.calls, (std::vector<std::string>{"off 0", "on 1", "show 1"}));
    EXPECT_EQ(cat.files.calls, (std::vector<std::string>{"off -1", "on 2", "show 2"}));
    ASSERT_TRUE(cat.catalog.GetCurrentPictureSize(w, h));
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    EXPECT_EQ(cat.catalog.GetCurrentPath(), "/card/DCIM/FILE0003.MOV");

    cat.groups.calls.clear();
    cat.files.calls.clear();
    ASSERT_TRUE(cat.catalog.SelectEntry(1));
    EXPECT_EQ(cat.catalog.CurrentGroup(), 0);
    EXPECT_EQ(cat.groups.calls, (std::vector<std::string>{"off 1", "on 0", "show 0"}));
    EXPECT_EQ(cat.files.calls, (std::vector<std::string>{"off 2", "on 1", "show 1"}));
}

TEST(CatalogueSelection, OutOfRangeChangesNothing) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000), Entry("FILE0002.MOV", k10h + 60, 60000)});
    ASSERT_TRUE(cat.catalog.SelectEntry(1));
    cat.groups.calls.clear();
    cat.files.calls.clear();
    for (const int i : {2, -1, 1000}) EXPECT_FALSE(cat.catalog.SelectEntry(i)) << i;
    for (const int g : {1, -1}) EXPECT_FALSE(cat.catalog.SelectGroup(g)) << g;
    EXPECT_EQ(cat.catalog.GetCurrentEntry(), 1);
    EXPECT_EQ(cat.catalog.CurrentGroup(), 0);
    EXPECT_TRUE(cat.groups.calls.empty());
    EXPECT_TRUE(cat.files.calls.empty());
}

TEST(CatalogueSelection, SelectGroupGoesToItsFirstEntryWithoutScrolling) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000), Entry("FILE0002.MOV", k10h + 500, 60000),
                   Entry("FILE0003.MOV", k10h + 560, 60000)});
    ASSERT_TRUE(cat.catalog.SelectEntry(0));
    cat.groups.calls.clear();
    cat.files.calls.clear();
    ASSERT_TRUE(cat.catalog.SelectGroup(1));
    EXPECT_EQ(cat.catalog.GetCurrentEntry(), 1);
    EXPECT_EQ(cat.catalog.CurrentGroup(), 1);
    EXPECT_EQ(cat.groups.calls, (std::vector<std::string>{"off 0", "on 1"}));
    EXPECT_EQ(cat.files.calls, (std::vector<std::string>{"off 0", "on 1"}));
    EXPECT_EQ(cat.catalog.GetEntryPath(2), "/card/DCIM/FILE0003.MOV");
    EXPECT_EQ(cat.catalog.GetEntryPath(3), "");
}

TEST(CatalogueMarking, SelectedOrCheckedGroups) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000), Entry("FILE0002.MOV", k10h + 500, 60000),
                   Entry("FILE0003.MOV", k10h + 1000, 60000), Entry("FILE0004.MOV", k10h + 1500, 60000)});
    ASSERT_EQ(cat.catalog.Groups().size(), 4u);
    struct Case {
        std::set<int> selected, checked;
        std::vector<int> marked;
    };
    const Case cases[] = {{{}, {}, {0, 0, 0, 0}},
                          {{1}, {}, {0, 1, 0, 0}},
                          {{}, {3}, {0, 0, 0, 1}},
                          {{0, 2}, {2, 3}, {1, 0, 1, 1}},
                          {{}, {}, {0, 0, 0, 0}}};  // marks of an earlier call are cleared
    for (const Case& c : cases) {
        cat.groups.selected = c.selected;
        cat.groups.checked = c.checked;
        const bool any = cat.catalog.MarkGroups();
        std::vector<int> marked;
        for (const auto& g : cat.catalog.Groups()) marked.push_back(g.marked);
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(any, c.marked != std::vector<int>(4, 0));
    }
}

TEST(CatalogueClear, EmptiesModelAndViews) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000)});
    ASSERT_TRUE(cat.catalog.SelectEntry(0));
    cat.curve.calls.clear();
    cat.catalog.ClearCatalog();
    EXPECT_TRUE(cat.catalog.IsEmpty());
    EXPECT_TRUE(cat.catalog.Groups().empty());
    EXPECT_TRUE(cat.catalog.Rows().empty());
    EXPECT_EQ(cat.catalog.GetCurrentEntry(), -1);
    EXPECT_TRUE(cat.groups.rows.empty());
    EXPECT_TRUE(cat.files.rows.empty());
    EXPECT_EQ(cat.curve.calls, (std::vector<std::string>{"clear", "position 0", "repaint"}));
    EXPECT_FALSE(cat.catalog.SelectEntry(0));
}

TEST(CatalogueLoad, MissingFolder) {
    Catalogue cat({Entry("FILE0001.MOV", k10h, 60000)});
    EXPECT_FALSE(cat.catalog.Load("/nonexistent/card"));
    EXPECT_TRUE(cat.catalog.IsEmpty());
    EXPECT_TRUE(cat.catalog.Groups().empty());
    EXPECT_EQ(cat.files.deletes, 1);
}

// Without views the catalogue still works (the command-line tool runs it that way).
TEST(CatalogueLoad, WithoutViews) {
    CRecordingCatalog catalog;
    catalog.Init(nullptr, nullptr, nullptr, nullptr, nullptr);
    ScanOutcome outcome;
    outcome.sourceExists = true;
    outcome.entries = {Entry("FILE0002.MOV", k10h + 60, 60000), Entry("FILE0001.MOV", k10h, 60000)};
    ASSERT_TRUE(catalog.AdoptScan(std::move(outcome)));
    EXPECT_TRUE(catalog.SelectEntry(1));
    EXPECT_TRUE(catalog.SelectGroup(0));
    EXPECT_FALSE(catalog.MarkGroups());
    EXPECT_EQ(catalog.GetCurrentPath(), "/card/DCIM/FILE0001.MOV");
}

}  // namespace
