// The texts of the group and file rows: lengths, sizes, resolutions, times and titles.
#include <gtest/gtest.h>

#include "app/CTarvoSettings.h"
#include "catalogue/views/CTarvoFileListCtrl.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "catalogue/views/ListTexts.h"
#include "tests/lists/ListTestSupport.h"

namespace {

TEST(GroupRows, ColumnTexts) {
    struct Case {
        int group;
        const char* resolution;
        uint64_t durationMs, size;
        int64_t start;
        const char* name;
        const char* length;
        const char* sizeText;
        const char* startText;
    };
    const Case cases[] = {
        {0, "1080P HD", 179999, 1048575, July30(18, 5, 9), "G0", " 179 s ", " 0 MB", "2014-07-30 18:05:09"},
        {1, "1920x1088", 180000, 1048576, July30(23, 59, 30), "G1", " 180 s ", " 1 MB", "2014-07-30 23:59:30"},
        {12, "720P", 999, 3 * 1048576 - 1, July30(0, 0, 0), "G12", " 0 s ", " 2 MB", "2014-07-30 00:00:00"},
        {3, "", 7200000, 5000000000ULL, 0, "G3", " 7200 s ", " 4768 MB", "1970-01-01 00:00:00"},
    };
    CTarvoGroupListCtrl list(nullptr);
    for (const Case& c : cases)
        ASSERT_TRUE(list.AddGroupRow(c.group, c.resolution, c.durationMs, c.size, 0, c.start));
    ASSERT_EQ(list.RowCount(), int(std::size(cases)));
    for (int r = 0; r < list.RowCount(); ++r) {
        const Case& c = cases[r];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Cell(list, r, 0), c.name);
        EXPECT_EQ(Cell(list, r, 1), c.resolution);
        EXPECT_EQ(Cell(list, r, 2), c.startText);
        EXPECT_EQ(Cell(list, r, 3), c.length);
        EXPECT_EQ(Cell(list, r, 4), c.sizeText);
    }
}

TEST(FileRows, ColumnTexts) {
    struct Case {
        int group, index;
        const char* folder;
        const char* file;
        uint32_t durationMs;
        uint64_t size;
        int64_t start;
        const char* id;
        const char* startText;
        const char* endText;
        const char* sizeText;
    };
    const Case cases[] = {
        // Past midnight: the end time wraps to the next day.
        {0, 0, "/card/DCIM/", "FILE0001.MOV", 60000, 1048575, July30(23, 59, 30), "G0-0", "23:59:30", "00:00:30",
         " 0 MB"},
        // Whole seconds of the duration only.
        {0, 1, "/card/", "FILE0002.MOV", 59999, 104857600, July30(18, 5, 9), "G0-1", "18:05:09", "18:06:08",
         " 100 MB"},
        {4, 11, "", "EVGS0003.MOV", 0, 0, July30(12, 0, 0), "G4-11", "12:00:00", "12:00:00", " 0 MB"},
    };
    CTarvoFileListCtrl list(nullptr);
    for (const Case& c : cases)
        ASSERT_TRUE(list.AddFileRow(c.group, c.index, c.folder, c.file, c.durationMs, c.size, 0, c.start));
    ASSERT_EQ(list.RowCount(), int(std::size(cases)));
    for (int r = 0; r < list.RowCount(); ++r) {
        const Case& c = cases[r];
        SCOPED_TRACE(c.id);
        EXPECT_EQ(Cell(list, r, 0), c.id);
        EXPECT_EQ(Cell(list, r, 1), c.file);
        EXPECT_EQ(Cell(list, r, 2), c.startText);
        EXPECT_EQ(Cell(list, r, 3), c.endText);
        EXPECT_EQ(Cell(list, r, 4), c.sizeText);
        EXPECT_EQ(Cell(list, r, 5), c.folder);
    }
}

TEST(ListTexts, TimeFailuresGiveEmptyText) {
    // Out of the range of a calendar year: the conversion fails.
    EXPECT_EQ(LocalTimeText(INT64_MAX, "%H:%M:%S"), "");
    // A format that yields nothing counts as a failure.
    EXPECT_EQ(LocalTimeText(July30(1, 2, 3), ""), "");
    EXPECT_EQ(LocalTimeText(July30(1, 2, 3), "%H:%M:%S"), "01:02:03");
}

TEST(ListTitles, CurrentLanguageTexts) {
    const CTarvoSettings& settings = CTarvoSettings::Instance();
    CTarvoGroupListCtrl groups(nullptr);
    CTarvoFileListCtrl files(nullptr);
    const int groupIds[] = {116, 117, 118, 119, 120};
    const int fileIds[] = {121, 122, 118, 123, 120, 124};
    ASSERT_EQ(groups.Model()->columnCount(), 5);
    ASSERT_EQ(files.Model()->columnCount(), 6);
    for (int c = 0; c < 5; ++c) {
        const QString title = groups.Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_FALSE(title.isEmpty());
        EXPECT_EQ(title, settings.LoadText(groupIds[c]));
    }
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(files.Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  settings.LoadText(fileIds[c]));
    if (settings.LanguageCode() == QStringLiteral("ENG")) {
        EXPECT_EQ(groups.Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Group");
        EXPECT_EQ(files.Model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Folder");
    }
}

}  // namespace
