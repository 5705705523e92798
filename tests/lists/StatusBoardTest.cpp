// The copy progress board: the pattern over the given share, the text, the edge and the clamp.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/CGdiPlusBitmap.h"
#include "controls/CStatusBoardStatic.h"

namespace {

bool IsBoardBack(QColor c) { return c.red() == 5 && c.green() == 5 && c.blue() == 5; }

TEST(StatusBoard, PatternCoversGivenShare) {
    CGdiPlusBitmapResource pattern(189, CGdiPlusBitmapResource::kTypeBitmap);
    ASSERT_FALSE(pattern.IsNull());
    const QImage tile = pattern.Image().convertToFormat(QImage::Format_RGB32);

    struct Case {
        int percent, shownPercent;
    };
    for (const Case c : {Case{0, 0}, Case{42, 42}, Case{100, 100}, Case{-5, 0}, Case{250, 100}}) {
        SCOPED_TRACE(c.percent);
        CStatusBoardStatic board;
        board.SetBarBitmap(189);
        board.resize(400, 40);
        board.SetValue(c.percent);
        board.SetText({});  // no text, to sample the bar freely
        EXPECT_EQ(board.Value(), c.shownPercent);
        const QImage shot = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int barRight = 400 * c.shownPercent / 100;
        const int y = 20;
        // Inside the edge: the tile's own pixels left of the bar's end, the near-black board right of it.
        for (int x = 3; x < 397; x += 7) {
            const QColor got = shot.pixelColor(x, y);
            if (x < barRight)
                EXPECT_EQ(got.rgb(), tile.pixelColor(x % tile.width(), y % tile.height()).rgb()) << x;
            else
                EXPECT_TRUE(IsBoardBack(got)) << x;
        }
    }
}

TEST(StatusBoard, ProgressTextAndRaisedEdge) {
    CStatusBoardStatic board;
    board.SetBarBitmap(189);
    board.resize(300, 30);
    board.SetProgress(42);
    EXPECT_EQ(board.Text(), "42 %");
    board.SetProgress(0);
    EXPECT_EQ(board.Text(), "0 %");
    const QImage shot = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Light top-left, dark bottom-right.
    EXPECT_GT(qGray(shot.pixel(150, 0)), 200);
    EXPECT_GT(qGray(shot.pixel(0, 15)), 200);
    EXPECT_LT(qGray(shot.pixel(150, 29)), 100);
    EXPECT_LT(qGray(shot.pixel(299, 15)), 100);
    // At 0 % the text lies on the dark board and is drawn light there.
    int light = 0;
    for (int y = 5; y < 25; ++y)
        for (int x = 120; x < 180; ++x) light += qGray(shot.pixel(x, y)) > 128;
    EXPECT_GT(light, 5);
}

TEST(StatusBoard, MissingPatternLeavesBarUnpainted) {
    CStatusBoardStatic board;
    board.SetBarBitmap(999999);
    board.resize(200, 20);
    board.SetValue(50);
    const QImage shot = board.grab().toImage();
    EXPECT_TRUE(IsBoardBack(shot.pixelColor(50, 10)));
    EXPECT_TRUE(IsBoardBack(shot.pixelColor(150, 10)));
}

}  // namespace
