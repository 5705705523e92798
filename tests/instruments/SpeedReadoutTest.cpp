// The speed read-out: its texts, its empty look and its transparency to the mouse.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/CSpeedLabelStatic.h"
#include "controls/SkinImages.h"
#include "tests/instruments/InstrumentTestSupport.h"

namespace {
QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
}  // namespace

TEST(SpeedReadout, StartsValidWithTwoBlanksAndZero) {
    CSpeedLabelStatic speed;
    EXPECT_TRUE(speed.IsValid());
    EXPECT_EQ(speed.ValueText(), QStringLiteral("  0"));
    EXPECT_EQ(speed.UnitText(), QStringLiteral("Km/h"));
}

TEST(SpeedReadout, FormatsTheSpeedInThreeColumns) {
    const struct {
        int kmh;
        const char* shown;
    } cases[] = {{100, "100"}, {7, "  7"}, {42, " 42"}, {0, "  0"}, {1234, "1234"}};
    CSpeedLabelStatic speed;
    for (const auto& c : cases) {
        speed.SetSpeed(true, c.kmh);
        EXPECT_EQ(speed.ValueText(), QString::fromLatin1(c.shown)) << c.kmh;
        EXPECT_EQ(speed.UnitText(), QStringLiteral("Km/h"));
        EXPECT_EQ(speed.SpeedKmh(), c.kmh);
    }
}

TEST(SpeedReadout, InvalidShowsOnlyTheBackgroundWhateverTheSpeed) {
    CSpeedLabelStatic speed;
    speed.resize(100, 33);
    speed.SetSpeed(true, 88);
    const QImage shown = Grab(speed);
    EXPECT_GT(CountOther(shown, shown.rect(), SkinBackColor), 50) << "number and unit are drawn";
    speed.SetSpeed(false, 88);
    const QImage blank = Grab(speed);
    EXPECT_EQ(CountOther(blank, blank.rect(), SkinBackColor), 0);
}

TEST(SpeedReadout, DifferentSpeedsLookDifferent) {
    CSpeedLabelStatic speed;
    speed.resize(100, 33);
    speed.SetSpeed(true, 100);
    const QImage hundred = Grab(speed);
    speed.SetSpeed(true, 7);
    const QImage seven = Grab(speed);
    EXPECT_NE(hundred, seven);
    // The two blanks of "  7" leave the left edge empty, glow included; "100" does not.
    EXPECT_EQ(CountOther(seven, QRect(0, 0, 6, 33), SkinBackColor), 0);
    EXPECT_GT(CountOther(hundred, QRect(0, 0, 6, 33), SkinBackColor), 10);
}

TEST(SpeedReadout, ClicksPassThroughToTheWindowUnderIt) {
    MessageReceiver window;
    window.resize(200, 100);
    auto* speed = new CSpeedLabelStatic(&window);
    speed->setGeometry(50, 20, 100, 33);
    EXPECT_EQ(window.childAt(QPoint(60, 30)), nullptr);
}
