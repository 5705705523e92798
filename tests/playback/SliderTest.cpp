// The position and volume sliders: dead zone, clicks, drags, messages and their look.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>

#include "app/WindowMessages.h"
#include "controls/CMySliderControl.h"
#include "controls/CVideoSlider.h"
#include "playback/PlaybackShared.h"

namespace {

// A parent that counts the private messages it receives and paints one flat colour.
class MessageCounter : public QWidget {
public:
    MessageCounter() { resize(900, 100); }
    std::vector<int> codes;
    std::vector<int> positionsAtMessage;
    QAbstractSlider* watched = nullptr;
    QColor colour{40, 60, 200};

protected:
    bool event(QEvent* e) override {
        if (CWindowMessageEvent::IsWindowMessage(e)) {
            codes.push_back(static_cast<CWindowMessageEvent*>(e)->Code());
            if (watched) positionsAtMessage.push_back(watched->value());
            return true;
        }
        return QWidget::event(e);
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

class Sliders : public ::testing::Test {
protected:
    void TearDown() override {
        g_nSliderOffset = 0;
        g_nSliderScale = 1000;
    }
    MessageCounter window;
};

TEST_F(Sliders, DeadZoneFollowsTheWidth) {
    struct Case {
        int width, offset;
    } cases[] = {{100, 177}, {600, 29}, {579, 30}, {800, 22}, {17760, 1}, {20000, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(SliderDeadZone(c.width), c.offset);
        CVideoSlider slider(&window, &window);
        slider.resize(c.width, 20);
        slider.grab();  // draws the channel, which publishes the dead zone
        EXPECT_EQ(g_nSliderOffset.load(), c.offset) << c.width;
        EXPECT_EQ(g_nSliderScale.load(), 1000 - c.offset) << c.width;
    }
}

TEST_F(Sliders, PositionClickJumpsWithoutMessageAndReleaseSendsOnce) {
    CVideoSlider slider(&window, &window);
    slider.setGeometry(0, 0, 600, 20);
    window.watched = &slider;
    window.show();
    slider.grab();
    const QRect channel = slider.ChannelRect();
    struct Case {
        int x;
        int position;
    } cases[] = {
        {0, 29},                                  // left of the channel: raised to the dead zone
        {channel.left(), 29},                     // the dead zone itself
        {channel.left() + channel.width() / 2, 500},
        {channel.right() + 1, 1000},
        {599, 1000},                              // limited by the range
    };
    for (const Case& c : cases) {
        window.codes.clear();
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(c.x, 10));
        EXPECT_EQ(slider.value(), c.position) << c.x;
        EXPECT_TRUE(window.codes.empty()) << c.x;
        EXPECT_TRUE(slider.IsDragging());
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(c.x, 10));
        EXPECT_EQ(window.codes, (std::vector<int>{WindowMessage::kSeekMoved})) << c.x;
        EXPECT_FALSE(slider.IsDragging());
    }
}

TEST_F(Sliders, PositionDragSendsEveryMoveWithTheNewPosition) {
    CVideoSlider slider(&window, &window);
    slider.setGeometry(0, 0, 600, 20);
    window.watched = &slider;
    window.show();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(100, 10));
    for (int x : {150, 200, 250}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), slider.mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(&slider, &move);
    }
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(250, 10));
    EXPECT_EQ(window.codes.size(), 4u);
    const QRect channel = slider.ChannelRect();
    const auto at = [&](int x) { return (x - channel.left()) * 1000 / channel.width(); };
    EXPECT_EQ(window.positionsAtMessage, (std::vector<int>{at(150), at(200), at(250), at(250)}));
    // Moves without a press send nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(300, 10), slider.mapToGlobal(QPointF(300, 10)), Qt::NoButton,
                      Qt::NoButton, {});
    QCoreApplication::sendEvent(&slider, &hover);
    EXPECT_EQ(window.codes.size(), 4u);
}

TEST_F(Sliders, CursorXFollowsThePosition) {
    CVideoSlider slider(&window, &window);
    slider.resize(600, 20);
    const int channelWidth = slider.ChannelRect().width();
    for (int position : {0, 500, 1000}) {
        slider.setValue(position);
        slider.grab();
        EXPECT_EQ(g_nCursorX, position * (channelWidth - 10) / 1000 + 10);
    }
}

TEST_F(Sliders, VolumeDragSendsEveryMoveAndOnceAtRelease) {
    CMySliderControl volume(&window, &window);
    volume.setGeometry(10, 10, 116, 20);
    window.watched = &volume;
    window.show();
    EXPECT_EQ(volume.value(), 50);
    EXPECT_EQ(volume.maximum(), 100);
    QTest::mousePress(&volume, Qt::LeftButton, {}, QPoint(8 + 37, 10));
    EXPECT_EQ(volume.value(), 37);
    EXPECT_TRUE(window.codes.empty());
    for (int x : {0, 200}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), volume.mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(&volume, &move);
    }
    QTest::mouseRelease(&volume, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(window.codes, (std::vector<int>(3, WindowMessage::kVolumeMoved)));
    EXPECT_EQ(window.positionsAtMessage, (std::vector<int>{0, 100, 100}));  // limited to the range
}

TEST_F(Sliders, ThumbColoursAndTheWindowShowingThroughTheVolumeSlider) {
    CVideoSlider position(&window, &window);
    position.setGeometry(0, 0, 600, 20);
    CMySliderControl volume(&window, &window);
    volume.setGeometry(0, 50, 116, 20);
    window.show();
    position.setValue(500);
    const auto thumbCentre = [](const QAbstractSlider& s) {
        const QRect channel = SkinSlider::Channel(s.rect());
        return SkinSlider::ThumbRect(s.rect(), channel, s.value(), s.minimum(), s.maximum()).center();
    };
    EXPECT_EQ(position.grab().toImage().pixelColor(thumbCentre(position)), QColor(100, 250, 100));
    QTest::mousePress(&position, Qt::LeftButton, {}, thumbCentre(position));
    EXPECT_EQ(position.grab().toImage().pixelColor(thumbCentre(position)), QColor(240, 0, 180));
    QTest::mouseRelease(&position, Qt::LeftButton, {}, thumbCentre(position));

    const QImage whole = window.grab().toImage();
    EXPECT_EQ(whole.pixelColor(QPoint(0, 50) + thumbCentre(volume)), QColor(255, 0, 0));
    EXPECT_EQ(whole.pixelColor(QPoint(2, 51)), window.colour);  // no background of its own
    EXPECT_EQ(whole.pixelColor(QPoint(100, 10)), QColor(5, 5, 5));  // the position slider's own background
}

}  // namespace
