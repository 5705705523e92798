// The catalogue filling the real lists from a small card, and its highlight of the current recording.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/views/CTarvoFileListCtrl.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "tests/lists/ListTestSupport.h"
#include "tools/fixture/MovFixture.h"

namespace {

void WriteRecording(const std::string& path, const char* idit, uint16_t height) {
    fixture::MovDesc d;
    d.idit = idit;
    d.height = height;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    fixture::WriteMov(path, d);
}

TEST(ListsFromCatalogue, LoadFillsBothLists) {
    QTemporaryDir card;
    ASSERT_TRUE(card.isValid());
    const std::string root = card.path().toStdString();
    // Two recordings one after the other, then one an hour later in another folder.
    WriteRecording(root + "/DCIM/100MEDIA/FILE0001.MOV", "2014-07-30 18:05:09", 1080);
    WriteRecording(root + "/DCIM/100MEDIA/FILE0002.MOV", "2014-07-30 18:06:09", 1080);
    WriteRecording(root + "/DCIM/101MEDIA/FILE0003.MOV", "2014-07-30 19:30:00", 1088);

    MessageRecorder parent;
    auto* groups = new CTarvoGroupListCtrl(&parent);
    auto* files = new CTarvoFileListCtrl(&parent);
    CRecordingCatalog catalog;
    catalog.Init(groups, files, nullptr, nullptr, nullptr);
    ASSERT_TRUE(catalog.Load(root));

    ASSERT_EQ(groups->RowCount(), 2);
    ASSERT_EQ(files->RowCount(), 3);
    EXPECT_EQ(Cell(*groups, 0, 0), "G0");
    EXPECT_EQ(Cell(*groups, 0, 1), "1080P HD");
    EXPECT_EQ(Cell(*groups, 0, 2), "2014-07-30 18:05:09");
    EXPECT_EQ(Cell(*groups, 0, 3), " 120 s ");
    EXPECT_EQ(Cell(*groups, 1, 1), "1920x1088");

    struct Row {
        const char* id;
        const char* name;
        const char* start;
        const char* end;
        const char* folderTail;
    };
    const Row rows[] = {
        {"G0-0", "FILE0001.MOV", "18:05:09", "18:06:09", "/DCIM/100MEDIA/"},
        {"G0-1", "FILE0002.MOV", "18:06:09", "18:07:09", "/DCIM/100MEDIA/"},
        {"G1-0", "FILE0003.MOV", "19:30:00", "19:31:00", "/DCIM/101MEDIA/"},
    };
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(rows[r].id);
        EXPECT_EQ(Cell(*files, r, 0), rows[r].id);
        EXPECT_EQ(Cell(*files, r, 1), rows[r].name);
        EXPECT_EQ(Cell(*files, r, 2), rows[r].start);
        EXPECT_EQ(Cell(*files, r, 3), rows[r].end);
        EXPECT_TRUE(Cell(*files, r, 5).endsWith(rows[r].folderTail)) << Cell(*files, r, 5).toStdString();
    }

    // Selecting a recording moves the highlight in both lists; nothing else marks it.
    ASSERT_TRUE(catalog.SelectEntry(2));
    EXPECT_TRUE(files->IsRowHighlighted(2));
    EXPECT_TRUE(groups->IsRowHighlighted(1));
    ASSERT_TRUE(catalog.SelectEntry(0));
    EXPECT_FALSE(files->IsRowHighlighted(2));
    EXPECT_FALSE(groups->IsRowHighlighted(1));
    EXPECT_TRUE(files->IsRowHighlighted(0));
    EXPECT_TRUE(groups->IsRowHighlighted(0));

    // A checked group is what the catalogue marks.
    ASSERT_TRUE(groups->Model()->setData(groups->Model()->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(catalog.MarkGroups());
    EXPECT_EQ(catalog.Groups()[0].marked, 0);
    EXPECT_EQ(catalog.Groups()[1].marked, 1);

    catalog.ClearCatalog();
    EXPECT_EQ(groups->RowCount(), 0);
    EXPECT_EQ(files->RowCount(), 0);
}

}  // namespace
