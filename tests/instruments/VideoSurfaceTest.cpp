// The video surface and the reserved video area: the scan count overlay and the mouse.
#include <gtest/gtest.h>

#include <QImage>

#include "app/WindowMessages.h"
#include "controls/CVideoStatic.h"
#include "controls/CVideoStaticBg.h"
#include "controls/SkinImages.h"
#include "tests/instruments/InstrumentTestSupport.h"

namespace {
QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct Window {
    Window() {
        receiver.resize(400, 300);
        video = new CVideoStatic(&receiver, &receiver);
        video->setGeometry(10, 10, 320, 180);
        background = new CVideoStaticBg(&receiver, &receiver);
        background->setGeometry(0, 200, 400, 100);
    }
    MessageReceiver receiver;
    CVideoStatic* video;
    CVideoStaticBg* background;
};
}  // namespace

TEST(VideoSurface, IsANativeWindowForTheEngine) {
    Window w;
    EXPECT_TRUE(w.video->testAttribute(Qt::WA_NativeWindow));
    EXPECT_NE(w.video->winId(), 0u);
}

TEST(VideoSurface, ShowsOnlyTheBackgroundWithoutTheOverlay) {
    Window w;
    w.video->SetOverlayNumber(5);
    const QImage image = Grab(*w.video);
    EXPECT_EQ(CountOther(image, image.rect(), SkinBackColor), 0);
}

TEST(VideoSurface, OverlayShowsTheCountAndChangesWithIt) {
    Window w;
    w.video->ShowOverlay(true);
    QImage previous;
    for (int count : {0, 1, 2}) {
        w.video->SetOverlayNumber(count);
        EXPECT_EQ(w.video->OverlayText(), QString::number(count) + QLatin1Char('\n'));
        const QImage image = Grab(*w.video);
        EXPECT_GT(CountOther(image, QRect(10, 10, 60, 90), SkinBackColor), 100) << count;
        EXPECT_EQ(CountOther(image, QRect(200, 0, 120, 180), SkinBackColor), 0)
            << "one digit stays at the left";
        EXPECT_NE(image, previous) << count;
        previous = image;
    }
    w.video->ShowOverlay(false);
    const QImage off = Grab(*w.video);
    EXPECT_EQ(CountOther(off, off.rect(), SkinBackColor), 0);
}

TEST(VideoSurface, CaptionAppearsBelowTheNumber) {
    Window w;
    w.video->ShowOverlay(true);
    w.video->SetOverlayNumber(3);
    const QImage plain = Grab(*w.video);
    w.video->SetOverlayCaption(QStringLiteral("SCAN"));
    const QImage captioned = Grab(*w.video);
    EXPECT_EQ(CountOther(plain, QRect(0, 100, 320, 40), SkinBackColor), 0);
    EXPECT_GT(CountOther(captioned, QRect(0, 95, 320, 40), SkinBackColor), 50);
}

TEST(VideoSurface, DoubleClickSendsTheFullScreenToggleOnce) {
    Window w;
    DoubleClick(w.video, QPoint(100, 100));
    EXPECT_EQ(w.receiver.messages, std::vector<int>{WindowMessage::kToggleFullScreen});
    EXPECT_EQ(w.receiver.mousePresses, 0);
    EXPECT_EQ(w.receiver.mouseDoubleClicks, 0);
}

TEST(VideoSurface, SingleClickIsConsumed) {
    Window w;
    Click(w.video, QPoint(100, 100));
    EXPECT_TRUE(w.receiver.messages.empty());
    EXPECT_EQ(w.receiver.mousePresses, 0) << "the press does not reach the main window";
}

TEST(VideoSurface, RightDoubleClickDoesNotToggle) {
    Window w;
    SendMouse(w.video, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::RightButton);
    EXPECT_TRUE(w.receiver.messages.empty());
}

TEST(VideoBackground, DoubleClickSendsTheFullScreenToggleOnceAndASingleClickNothing) {
    Window w;
    Click(w.background, QPoint(50, 50));
    EXPECT_TRUE(w.receiver.messages.empty());
    DoubleClick(w.background, QPoint(50, 50));
    EXPECT_EQ(w.receiver.messages, std::vector<int>{WindowMessage::kToggleFullScreen});
}

TEST(VideoBackground, DrawsNothingInsideItsEdge) {
    Window w;
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    for (bool edge : {true, false}) {
        w.background->SetClientEdge(edge);
        QImage canvas = image;
        w.background->render(&canvas, QPoint(), QRegion(), QWidget::RenderFlags());
        EXPECT_EQ(CountOther(canvas, QRect(1, 1, 398, 98), QColor(10, 200, 30)), 0) << edge;
        const int frame = 2 * 400 + 2 * 98;
        EXPECT_EQ(CountOther(canvas, canvas.rect(), QColor(10, 200, 30)), edge ? frame : 0);
    }
}
