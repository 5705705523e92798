#include "controls/CMemoryDC.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryDc, DrawsInTargetCoordinatesAndCopiesOnlyItsRectangle) {
    QImage target(20, 20, QImage::Format_ARGB32);
    target.fill(Qt::blue);
    {
        QPainter painter(&target);
        CMemoryDC memory(painter, QRect(5, 5, 10, 10));
        memory.Painter().fillRect(QRect(0, 0, 20, 20), Qt::red);  // clipped to the rectangle
        memory.Painter().fillRect(QRect(5, 5, 1, 1), Qt::green);
        EXPECT_EQ(target.pixel(10, 10), QColor(Qt::blue).rgba()) << "nothing reaches the target before the end";
    }
    EXPECT_EQ(target.pixel(5, 5), QColor(Qt::green).rgba());
    EXPECT_EQ(target.pixel(14, 14), QColor(Qt::red).rgba());
    EXPECT_EQ(target.pixel(4, 4), QColor(Qt::blue).rgba());
    EXPECT_EQ(target.pixel(15, 15), QColor(Qt::blue).rgba());
}

TEST(MemoryDc, WithoutARectangleCoversTheWholeTarget) {
    QImage target(8, 6, QImage::Format_ARGB32);
    target.fill(Qt::blue);
    {
        QPainter painter(&target);
        CMemoryDC memory(painter);
        EXPECT_EQ(memory.Rect(), QRect(0, 0, 8, 6));
        memory.Painter().fillRect(memory.Rect(), Qt::white);
    }
    EXPECT_EQ(target.pixel(0, 0), QColor(Qt::white).rgba());
    EXPECT_EQ(target.pixel(7, 5), QColor(Qt::white).rgba());
}

}  // namespace
