// The grip, the splitters, their cursors, moving the window and the background double click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "app/ControlIds.h"
#include "tests/shell/ShellTestSupport.h"

using namespace ControlId;

namespace {

class MainWindowMouse : public ShellTest {
protected:
    void Send(CTarvoDlg& w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(pos), QPointF(w.mapToGlobal(pos)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }
    void Drag(CTarvoDlg& w, QPoint from, QPoint to) {
        Send(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
        Send(w, QEvent::MouseMove, to, Qt::LeftButton);
        Send(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
        Settle();
    }
};

TEST_F(MainWindowMouse, GripCannotMakeTheWindowSmallerThan800By560) {
    CTarvoDlg& w = Window({1000, 700});
    const QPoint corner = w.geometry().topLeft();
    Drag(w, {990, 690}, {100, 100});
    EXPECT_EQ(w.geometry(), QRect(corner, QSize(800, 560)));
    Drag(w, {790, 550}, {1100, 750});
    EXPECT_EQ(w.geometry(), QRect(corner, QSize(1100, 750)));
}

TEST_F(MainWindowMouse, GripDoesNothingWhileMaximised) {
    CTarvoDlg& w = Window();
    w.OnMaximiseRestore();
    Settle();
    const QSize size = w.ClientSize();
    Drag(w, {size.width() - 5, size.height() - 5}, {900, 700});
    EXPECT_EQ(w.geometry(), kFakeMonitor);
}

TEST_F(MainWindowMouse, ListSplitterDraggedToTheBottomStopsAtTwentyPixels) {
    CTarvoDlg& w = Window();
    // The list's rectangle is the requested height plus the 5 pixels below the splitter.
    Drag(w, w.SplitVideoList().center(), {200, 559});
    EXPECT_EQ(w.Control(kGroupList)->height(), 20 + 5);
    EXPECT_EQ(w.Control(kVideoBackground)->height(), 560 - 99 - 20 - 71 - 48);
    Drag(w, w.SplitVideoList().center(), {200, 300});
    EXPECT_EQ(w.ListHeight(), 560 - 300 - 74);
    EXPECT_EQ(w.Control(kGroupList)->height(), 186 + 5);
}

TEST_F(MainWindowMouse, ColumnSplitterSetsTheRightColumnWidth) {
    CTarvoDlg& w = Window();
    Drag(w, w.SplitColumns().center(), {400, 200});
    EXPECT_EQ(w.RightColumnWidth(), 800 - 400 - 10);
    EXPECT_EQ(w.Control(kFileList)->geometry().left(), 800 - 5 - 390);
}

TEST_F(MainWindowMouse, MapSplitterInTheGapSetsTheMapHeight) {
    CTarvoDlg& w = Window();
    const QPoint gap(600, 290);  // between the map (to 288) and the file list (from 293)
    ASSERT_TRUE(w.SplitMapFile().contains(gap));
    ASSERT_FALSE(w.MapWindow()->geometry().contains(gap));
    Drag(w, gap, {600, 148});
    EXPECT_EQ(w.MapHeight(), 100);
    EXPECT_EQ(w.MapWindow()->geometry(), QRect(555, 48, 240, 100));
}

TEST_F(MainWindowMouse, CursorShowsWhatADragWouldDo) {
    CTarvoDlg& w = Window();
    const std::pair<QPoint, Qt::CursorShape> probes[] = {
        {{795, 555}, Qt::SizeFDiagCursor},
        {w.SplitVideoList().center(), Qt::SizeVerCursor},
        {w.SplitColumns().center(), Qt::SizeHorCursor},
        {{400, 30}, Qt::ArrowCursor},
    };
    for (const auto& [pos, shape] : probes) {
        Send(w, QEvent::MouseMove, pos, Qt::NoButton);
        EXPECT_EQ(w.cursor().shape(), shape) << pos.x() << ", " << pos.y();
    }
}

TEST_F(MainWindowMouse, BackgroundIsDraggedWithoutAWindowManager) {
    CTarvoDlg& w = Window();
    const QRect before = w.geometry();
    Drag(w, {300, 30}, {350, 70});
    // Either the window system moved it or the window followed the mouse by itself.
    EXPECT_EQ(w.geometry(), before.translated(50, 40));
}

TEST_F(MainWindowMouse, AClickWithoutMovingLeavesTheWindowWhereItIs) {
    CTarvoDlg& w = Window();
    const QRect before = w.geometry();
    Drag(w, {300, 30}, {301, 30});
    EXPECT_EQ(w.geometry(), before);
    Send(w, QEvent::MouseMove, {360, 90}, Qt::NoButton);
    EXPECT_EQ(w.geometry(), before);
}

TEST_F(MainWindowMouse, DoubleClickOnTheBackgroundMaximisesOutsideTheSpeedReadout) {
    CTarvoDlg& w = Window();
    Send(w, QEvent::MouseButtonDblClick, w.Control(kSpeed)->geometry().center(), Qt::LeftButton);
    EXPECT_FALSE(w.IsMaximised());
    Send(w, QEvent::MouseButtonDblClick, {300, 30}, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(w.IsMaximised());
    EXPECT_EQ(w.geometry(), kFakeMonitor);
    Send(w, QEvent::MouseButtonDblClick, {300, 30}, Qt::LeftButton);
    Settle();
    EXPECT_FALSE(w.IsMaximised());
}

}  // namespace
