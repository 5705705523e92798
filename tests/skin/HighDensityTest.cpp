// Run by skin_hidpi_tests at QT_SCALE_FACTOR=2: buttons compose their looks from the sharp twins.
#include "ButtonTestSupport.h"
#include "controls/CGdipButton.h"
#include "controls/SkinImages.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(HighDensity, ButtonSurfacesAreComposedAtTheScreensRatioFromTheTwin) {
    const QColor back(30, 60, 90);
    SolidParent parent(back);
    CGdipButton button(&parent);
    button.setGeometry(10, 10, 48, 48);
    button.SetStandardImage(129);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    ASSERT_EQ(button.devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    Painted(button);
    const QPixmap surface = button.Surface(CGdipButton::Look::Standard);
    EXPECT_EQ(surface.size(), QSize(96, 96));
    EXPECT_EQ(surface.devicePixelRatio(), 2.0);

    QImage expected(QSize(96, 96), QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(2.0);
    expected.fill(back);
    {
        QPainter painter(&expected);
        DrawImageScaled(painter, QRect(0, 0, 48, 48), button.m_pStdImage->ImageForRatio(2.0));
    }
    EXPECT_EQ(surface.toImage().convertToFormat(QImage::Format_ARGB32),
              expected.convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
