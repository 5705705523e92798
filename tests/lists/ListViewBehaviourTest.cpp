// What the lists do on their own: double clicks, refills, check boxes, padlocks, the highlight and
// the column widths.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QTest>

#include "app/WindowMessages.h"
#include "catalogue/views/CTarvoFileListCtrl.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "controls/CGdiPlusBitmap.h"
#include "tests/lists/ListTestSupport.h"

namespace {

void AddGroups(CTarvoGroupListCtrl& list, int count) {
    for (int g = 0; g < count; ++g)
        ASSERT_TRUE(list.AddGroupRow(g, "1080P HD", 60000, 2097152, g % 4, July30(10, g, 0)));
}

void AddFiles(CTarvoFileListCtrl& list, int count) {
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(list.AddFileRow(0, i, "/card/", "FILE000" + std::to_string(i) + ".MOV", 60000, 2097152, 0,
                                    July30(10, i, 0)));
}

struct Shown {
    MessageRecorder parent;
    Shown() {
        parent.resize(700, 400);
        parent.show();
    }
};

template <class List>
void DoubleClickAt(List& list, QPoint at) {
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

TEST(ListDoubleClick, SendsOpenMessageWithRowOrMinusOne) {
    Shown w;
    auto* groups = new CTarvoGroupListCtrl(&w.parent);
    auto* files = new CTarvoFileListCtrl(&w.parent);
    groups->setGeometry(0, 0, 600, 200);
    files->setGeometry(0, 200, 600, 200);
    groups->show();
    files->show();
    AddGroups(*groups, 2);
    AddFiles(*files, 2);

    struct Case {
        CTarvoListCtrlBase* list;
        int row;  // -1: below the last row
        int code;
    };
    const Case cases[] = {
        {groups, 1, WindowMessage::kOpenGroup}, {groups, 0, WindowMessage::kOpenGroup},
        {groups, -1, WindowMessage::kOpenGroup}, {files, 1, WindowMessage::kOpenFile},
        {files, -1, WindowMessage::kOpenFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        w.parent.messages.clear();
        QPoint at;
        if (c.row >= 0) {
            // Column 2: clear of the check box, which eats a double click.
            at = c.list->visualRect(c.list->Model()->index(c.row, 2)).center();
        } else {
            const QRect last = c.list->visualRect(c.list->Model()->index(c.list->RowCount() - 1, 2));
            at = QPoint(last.center().x(), last.bottom() + 20);
            ASSERT_LT(at.y(), c.list->viewport()->height());
        }
        DoubleClickAt(*c.list, at);
        ASSERT_EQ(w.parent.messages.size(), 1u);
        EXPECT_EQ(w.parent.messages[0].first, c.code);
        EXPECT_EQ(w.parent.messages[0].second, c.row);
    }
}

TEST(GroupList, RefillDropsChecksAndSelection) {
    Shown w;
    auto* groups = new CTarvoGroupListCtrl(&w.parent);
    groups->setGeometry(0, 0, 600, 300);
    groups->show();
    AddGroups(*groups, 3);
    auto* model = groups->Model();
    ASSERT_TRUE(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    groups->selectionModel()->select(model->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    struct Probe {
        int row;
        bool checked, selected;
    };
    for (const Probe& p : {Probe{0, true, false}, Probe{1, false, false}, Probe{2, false, true}}) {
        EXPECT_EQ(groups->IsRowChecked(p.row), p.checked) << p.row;
        EXPECT_EQ(groups->IsRowSelected(p.row), p.selected) << p.row;
    }
    // Rows that do not exist are neither.
    EXPECT_FALSE(groups->IsRowChecked(3));
    EXPECT_FALSE(groups->IsRowSelected(-1));

    groups->DeleteAllRows();
    EXPECT_EQ(groups->RowCount(), 0);
    AddGroups(*groups, 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_FALSE(groups->IsRowChecked(r)) << r;
        EXPECT_FALSE(groups->IsRowSelected(r)) << r;
    }
}

TEST(GroupList, ClickOnCheckBoxChecksRow) {
    Shown w;
    auto* groups = new CTarvoGroupListCtrl(&w.parent);
    groups->setGeometry(0, 0, 600, 300);
    groups->show();
    AddGroups(*groups, 2);
    const QRect cell = groups->visualRect(groups->Model()->index(1, 0));
    // The indicator sits at the left of the first cell.
    QTest::mouseClick(groups->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.left() + 10, cell.center().y()));
    EXPECT_TRUE(groups->IsRowChecked(1));
    EXPECT_FALSE(groups->IsRowChecked(0));
    // Only the group list has check boxes.
    CTarvoFileListCtrl files(nullptr);
    AddFiles(files, 1);
    EXPECT_FALSE(files.Model()->index(0, 0).data(Qt::CheckStateRole).isValid());
    EXPECT_FALSE(files.Model()->flags(files.Model()->index(0, 0)) & Qt::ItemIsUserCheckable);
}

QImage IconImage(const QVariant& v) {
    return v.value<QIcon>().pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ListPadlocks, IconPerLockFlags) {
    CGdiPlusBitmapResource strip(158, CGdiPlusBitmapResource::kTypeBitmap);
    ASSERT_FALSE(strip.IsNull());
    const QImage source = strip.Image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(source.size(), QSize(96, 24));

    CTarvoGroupListCtrl groups(nullptr);
    CTarvoFileListCtrl files(nullptr);
    for (int flags = 0; flags < 4; ++flags) {
        ASSERT_TRUE(groups.AddGroupRow(flags, "720P", 1000, 1, flags, 0));
        ASSERT_TRUE(files.AddFileRow(0, flags, "/", "FILE0001.MOV", 1000, 1, flags, 0));
    }
    for (int flags = 0; flags < 4; ++flags) {
        SCOPED_TRACE(flags);
        const QImage icon = IconImage(groups.Model()->index(flags, 0).data(Qt::DecorationRole));
        ASSERT_EQ(icon.size(), QSize(24, 24));
        EXPECT_EQ(icon, IconImage(files.Model()->index(flags, 0).data(Qt::DecorationRole)));
        // Magenta and transparent pixels of the strip stay clear; the others are the strip's own.
        int opaque = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const QColor s = source.pixelColor(flags * 24 + x, y);
                const QColor i = icon.pixelColor(x, y);
                if ((s.rgb() & 0xFFFFFF) == 0xFF00FF || s.alpha() == 0) {
                    EXPECT_EQ(i.alpha(), 0) << x << "," << y;
                } else if (s.alpha() == 255) {
                    EXPECT_EQ(i.rgba(), s.rgba()) << x << "," << y;
                    ++opaque;
                } else {
                    EXPECT_NEAR(i.alpha(), s.alpha(), 2) << x << "," << y;
                }
            }
        if (flags == 0)
            EXPECT_EQ(opaque, 0);
        else
            EXPECT_GT(opaque, 24);
        // Icons only in the first column.
        EXPECT_FALSE(groups.Model()->index(flags, 1).data(Qt::DecorationRole).isValid());
    }
    EXPECT_NE(IconImage(groups.Model()->index(1, 0).data(Qt::DecorationRole)),
              IconImage(groups.Model()->index(2, 0).data(Qt::DecorationRole)));
    EXPECT_NE(IconImage(groups.Model()->index(2, 0).data(Qt::DecorationRole)),
              IconImage(groups.Model()->index(3, 0).data(Qt::DecorationRole)));
}

TEST(ListHighlight, DistinctFromSelectionAndPlainRows) {
    Shown w;
    auto* files = new CTarvoFileListCtrl(&w.parent);
    files->setGeometry(0, 0, 600, 300);
    files->show();
    AddFiles(*files, 4);
    files->SetCurrentHighlight(1, true);
    files->selectionModel()->select(files->Model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    files->SetCurrentHighlight(9, true);  // no such row: ignored
    EXPECT_TRUE(files->IsRowHighlighted(1));
    EXPECT_FALSE(files->IsRowHighlighted(2));
    EXPECT_TRUE(files->Model()->index(1, 3).data(Qt::FontRole).value<QFont>().bold());

    const QImage shot = files->viewport()->grab().toImage();
    const auto background = [&](int row) {
        // The right end of the first cell, past its short text.
        const QRect cell = files->visualRect(files->Model()->index(row, 0));
        return shot.pixelColor(cell.right() - 4, cell.center().y()).rgb();
    };
    const QRgb plain = background(0), highlighted = background(1), selected = background(2);
    EXPECT_NE(plain, highlighted);
    EXPECT_NE(plain, selected);
    EXPECT_NE(highlighted, selected);
    EXPECT_EQ(plain, background(3));
    EXPECT_LT(qGray(plain), 40);  // the dark skin

    // Off again: the row looks plain.
    files->SetCurrentHighlight(1, false);
    EXPECT_EQ(files->viewport()->grab().toImage().pixelColor(
                  files->visualRect(files->Model()->index(1, 0)).right() - 4,
                  files->visualRect(files->Model()->index(1, 0)).center().y()).rgb(),
              plain);
}

TEST(ListColumns, WidthsFromFirstSizeOnce) {
    struct Case {
        bool group;
        int width;
        int columns, columnWidth;
    };
    for (const Case& c : {Case{true, 600, 5, 120}, Case{false, 600, 6, 180}, Case{true, 455, 5, 91}}) {
        MessageRecorder parent;
        CTarvoListCtrlBase* list = c.group ? static_cast<CTarvoListCtrlBase*>(new CTarvoGroupListCtrl(&parent))
                                           : new CTarvoFileListCtrl(&parent);
        list->setGeometry(0, 0, 0, 0);
        parent.show();
        list->setGeometry(0, 0, c.width, 200);
        QApplication::processEvents();
        list->setGeometry(0, 0, c.width * 2, 200);  // later resizes keep the widths
        QApplication::processEvents();
        ASSERT_EQ(list->Model()->columnCount(), c.columns);
        for (int col = 0; col < c.columns; ++col) EXPECT_EQ(list->columnWidth(col), c.columnWidth) << col;
        // Rows hold the 24-pixel icons.
        EXPECT_GE(list->verticalHeader()->defaultSectionSize(), 26);
    }
}

TEST(ListScrolling, EnsureVisibleBringsRowIntoView) {
    Shown w;
    auto* files = new CTarvoFileListCtrl(&w.parent);
    files->setGeometry(0, 0, 500, 150);
    files->show();
    AddFiles(*files, 40);
    const auto visible = [&](int row) {
        return files->viewport()->rect().contains(files->visualRect(files->Model()->index(row, 0)));
    };
    ASSERT_FALSE(visible(35));
    files->EnsureVisible(35);
    EXPECT_TRUE(visible(35));
    files->EnsureVisible(2);
    EXPECT_TRUE(visible(2));
    files->EnsureVisible(99);  // no such row: stays where it is
    EXPECT_TRUE(visible(2));
}

TEST(ListNames, FoundByObjectName) {
    MessageRecorder parent;
    new CTarvoGroupListCtrl(&parent);
    new CTarvoFileListCtrl(&parent);
    EXPECT_NE(parent.findChild<CTarvoGroupListCtrl*>("groupList"), nullptr);
    EXPECT_NE(parent.findChild<CTarvoFileListCtrl*>("fileList"), nullptr);
}

}  // namespace
