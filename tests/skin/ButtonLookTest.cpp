#include "ButtonTestSupport.h"
#include "controls/CGdipButton.h"
#include "controls/SkinImages.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Look = CGdipButton::Look;
const QColor kParentColour(40, 90, 30);

class ButtonLook : public ::testing::Test {
protected:
    void SetUp() override {
        parent = std::make_unique<SolidParent>(kParentColour);
        play = new CGdipButton(parent.get());
        play->setGeometry(20, 20, 48, 48);
        play->SetStandardImage(129);
        play->SetAlternateImage(132);
        play->SetToggleMode();
        other = new CGdipButton(parent.get());
        other->setGeometry(120, 20, 48, 36);
        other->SetStandardImage(139);
        parent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
        // Park the mouse away from both buttons.
        QTest::mouseMove(parent.get(), QPoint(100, 100));
    }

    QPoint Centre() const { return QPoint(24, 24); }
    // Repaints and reports the look that paint chose.
    Look Paint(CGdipButton& button) {
        last = Painted(button);
        return button.LastPaintedLook();
    }

    std::unique_ptr<SolidParent> parent;
    CGdipButton* play = nullptr;
    CGdipButton* other = nullptr;
    QImage last;
};

TEST_F(ButtonLook, FirstPaintComposesEverySurfaceOverTheParentsBackground) {
    EXPECT_EQ(Paint(*play), Look::Standard);
    ASSERT_TRUE(play->SurfacesBuilt());
    for (Look look : {Look::Standard, Look::StandardPressed, Look::StandardHot, Look::Alternate,
                      Look::AlternatePressed, Look::AlternateHot}) {
        const QImage surface = play->Surface(look).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(surface.size(), QSize(48, 48)) << "scaled to the client size";
        // The round face leaves the corner transparent: the parent's colour shows there.
        EXPECT_EQ(QColor(surface.pixel(0, 0)), kParentColour) << int(look);
    }
    EXPECT_EQ(last, play->Surface(Look::Standard).toImage().convertToFormat(QImage::Format_ARGB32))
        << "the paint is a plain copy of the surface";
}

TEST_F(ButtonLook, PressedIsTheStandardLookMovedByOnePixel) {
    Paint(*play);
    const QImage normal = play->Surface(Look::Standard).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage pressed = play->Surface(Look::StandardPressed).toImage().convertToFormat(QImage::Format_ARGB32);
    int compared = 0;
    for (int y = 10; y < 38; ++y)
        for (int x = 10; x < 38; ++x, ++compared)
            ASSERT_EQ(pressed.pixel(x + 1, y + 1), normal.pixel(x, y)) << x << "," << y;
    EXPECT_GT(compared, 0);
    EXPECT_NE(pressed, normal);
}

TEST_F(ButtonLook, HotIsTheImageThroughTheHotMatrix) {
    Paint(*play);
    const QImage normal = play->Surface(Look::Standard).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage hot = play->Surface(Look::StandardHot).toImage().convertToFormat(QImage::Format_ARGB32);
    // The play triangle's inside is opaque ink: there hot = normal * 1.05 + 13, clamped.
    const QPoint inside(22, 24);
    ASSERT_EQ(qAlpha(normal.pixel(inside)), 255);
    for (int shift : {16, 8, 0}) {
        const int before = (normal.pixel(inside) >> shift) & 0xff;
        const int expected = std::min(255, int(before * 1.05 + 12.75 + 0.5));
        EXPECT_NEAR(int((hot.pixel(inside) >> shift) & 0xff), expected, 2) << "channel at bit " << shift;
    }
    EXPECT_EQ(hot.pixel(0, 0), normal.pixel(0, 0)) << "the background is not brightened";
}

TEST_F(ButtonLook, HoverShowsTheHotLookAndLeavingRestoresIt) {
    Paint(*play);
    QTest::mouseMove(play, Centre());
    EXPECT_TRUE(play->m_bHover);
    EXPECT_EQ(Paint(*play), Look::StandardHot);
    EXPECT_EQ(last, play->Surface(Look::StandardHot).toImage().convertToFormat(QImage::Format_ARGB32));
    QTest::mouseMove(parent.get(), QPoint(100, 100));
    EXPECT_FALSE(play->m_bHover);
    EXPECT_FALSE(play->m_bTracking);
    EXPECT_EQ(Paint(*play), Look::Standard);
}

TEST_F(ButtonLook, ToggleShowsTheOtherImagePressedAndFlipsBeforeTheClick) {
    Paint(*play);
    std::vector<bool> seenByHandler;
    QObject::connect(play, &QAbstractButton::clicked, [&] { seenByHandler.push_back(play->IsAlternate()); });
    QTest::mouseMove(play, Centre());
    QTest::mousePress(play, Qt::LeftButton, {}, Centre());
    EXPECT_EQ(Paint(*play), Look::AlternatePressed);
    EXPECT_EQ(Paint(*play), Look::AlternatePressed) << "a repaint while held does not flip again";
    QTest::mouseRelease(play, Qt::LeftButton, {}, Centre());
    ASSERT_EQ(seenByHandler.size(), 1u);
    EXPECT_TRUE(seenByHandler[0]) << "the handler reads the new state";
    EXPECT_TRUE(play->IsAlternate());
    EXPECT_EQ(Paint(*play), Look::AlternateHot);
    QTest::mouseClick(play, Qt::LeftButton, {}, Centre());
    EXPECT_FALSE(play->IsAlternate());
    EXPECT_EQ(Paint(*play), Look::StandardHot);
}

TEST_F(ButtonLook, DoubleClickCountsAsTwoPresses) {
    Paint(*play);
    QSignalSpy clicks(play, &QAbstractButton::clicked);
    QTest::mouseMove(play, Centre());
    // As the window system sends it: press, release, then the second press comes as a double click.
    QTest::mouseClick(play, Qt::LeftButton, {}, Centre());
    QTest::mouseDClick(play, Qt::LeftButton, {}, Centre());
    QTest::mouseRelease(play, Qt::LeftButton, {}, Centre());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(play->IsAlternate()) << "flipped twice";
}

TEST_F(ButtonLook, DoubleClickAfterASeparatePressIsStillOnePress) {
    Paint(*play);
    QSignalSpy clicks(play, &QAbstractButton::clicked);
    QTest::mouseMove(play, Centre());
    // Press, release, press and the double click for that same press, release.
    QTest::mouseClick(play, Qt::LeftButton, {}, Centre());
    QTest::mousePress(play, Qt::LeftButton, {}, Centre());
    QTest::mouseDClick(play, Qt::LeftButton, {}, Centre());
    QTest::mouseRelease(play, Qt::LeftButton, {}, Centre());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(play->IsAlternate());
}

TEST_F(ButtonLook, PressReleasedOutsideIsNoClickAndNoFlip) {
    Paint(*play);
    QSignalSpy clicks(play, &QAbstractButton::clicked);
    QTest::mouseMove(play, Centre());
    QTest::mousePress(play, Qt::LeftButton, {}, Centre());
    QTest::mouseMove(play, QPoint(80, 80));
    QTest::mouseRelease(play, Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(play->IsAlternate());
    EXPECT_EQ(Paint(*play), Look::Standard);
}

TEST_F(ButtonLook, PlainButtonPressesWithoutFlipping) {
    Paint(*other);
    QSignalSpy clicks(other, &QAbstractButton::clicked);
    QTest::mouseMove(other, QPoint(10, 10));
    QTest::mousePress(other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(Paint(*other), Look::StandardPressed);
    QTest::mouseRelease(other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(other->IsAlternate());
    EXPECT_EQ(Paint(*other), Look::StandardHot);
}

TEST_F(ButtonLook, ShowAlternateSetsTheStateWithoutAClick) {
    Paint(*play);
    QSignalSpy clicks(play, &QAbstractButton::clicked);
    play->ShowAlternate(true);
    EXPECT_TRUE(play->IsAlternate());
    EXPECT_EQ(Paint(*play), Look::Alternate);
    play->ShowAlternate(false);
    EXPECT_EQ(Paint(*play), Look::Standard);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonLook, AlternateWithoutAnImageKeepsTheLastPaintedLook) {
    EXPECT_EQ(Paint(*other), Look::Standard);
    const QImage before = last;
    other->ShowAlternate(true);
    EXPECT_EQ(Paint(*other), Look::Standard);
    EXPECT_EQ(last, before);
}

TEST_F(ButtonLook, ToggleModeNeedsAnAlternateImage) {
    other->SetToggleMode();
    EXPECT_FALSE(other->m_bToggle);
    EXPECT_TRUE(play->m_bToggle);
}

TEST_F(ButtonLook, SurfacesAreComposedOnceAndThenOnlyCopied) {
    Paint(*play);
    const qint64 key = play->Surface(Look::Standard).cacheKey();
    parent->SetColour(QColor(200, 10, 10));
    Paint(*play);
    EXPECT_EQ(play->Surface(Look::Standard).cacheKey(), key);
    EXPECT_EQ(QColor(last.pixel(0, 0)), kParentColour) << "the background of the first paint stays";
}

TEST_F(ButtonLook, ImagesOfDifferentSizesEachFillTheButton) {
    CGdipButton vol(parent.get());
    vol.setGeometry(60, 60, 30, 40);
    vol.SetStandardImage(156);   // 24 x 44
    vol.SetAlternateImage(129);  // 64 x 64
    vol.show();
    Painted(vol);
    EXPECT_EQ(vol.Surface(Look::Standard).size(), QSize(30, 40));
    const QImage alt = vol.Surface(Look::Alternate).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(alt.size(), QSize(30, 40));
    // The round face is stretched to the whole rectangle: ink at the centre, background at the corner.
    EXPECT_NE(QColor(alt.pixel(15, 20)), kParentColour);
    EXPECT_EQ(QColor(alt.pixel(0, 0)), kParentColour);
}

TEST_F(ButtonLook, MissingImageShowsTheBackgroundOnly) {
    CGdipButton broken(parent.get());
    broken.setGeometry(100, 70, 20, 20);
    broken.SetStandardImage(4242);
    broken.show();
    ASSERT_TRUE(broken.m_pStdImage);
    EXPECT_TRUE(broken.m_pStdImage->IsNull());
    const QImage shown = Painted(broken);
    EXPECT_EQ(QColor(shown.pixel(10, 10)), kParentColour);
}

}  // namespace
