// The painted curve, checked pixel by pixel.
#include <QPainter>
#include <functional>

#include "controls/SkinImages.h"
#include "tests/instruments/CurveTestSupport.h"

using namespace GSensorLook;

namespace {
const QColor kZ = kAxis[2];

// Curve-coloured pixels in area, the legend items (which share the colours) left out.
int CurvePixelsOutsideLegend(const CGSensorCtrl& curve, QImage image, const QRect& area) {
    QPainter painter(&image);
    for (int axis = 0; axis < 3; ++axis)
        painter.fillRect(curve.LegendRect(axis).adjusted(-1, -1, 2, 2), Qt::black);
    painter.end();
    return CurvePixels(image, area);
}
}  // namespace

TEST_F(CurveTest, EmptyCurveHasWhiteZeroLineOnTheCentreRowAndGreyLeftAxis) {
    g_bCursorForced = true;
    g_nCursorX = 300;  // out of the way of the axis
    const QImage image = Paint();
    EXPECT_EQ(CountColour(image, QRect(kPlotLeft + 1, kCentreRow, kPlotWidth - 1, 1), kZeroLine),
              kPlotWidth - 1 - 2);
    EXPECT_EQ(PixelAt(image, kPlotLeft + kPlotWidth, kCentreRow), SkinBackColor)
        << "the end point is left out";
    EXPECT_FALSE(HasColour(image, QRect(kPlotLeft, kCentreRow - 1, kPlotWidth, 1), kZeroLine));
    EXPECT_FALSE(HasColour(image, QRect(kPlotLeft, kCentreRow + 1, kPlotWidth, 1), kZeroLine));
    EXPECT_EQ(CountColour(image, QRect(kPlotLeft, kPlotTop, 1, kPlotBottom - kPlotTop), kGrid),
              kPlotBottom - kPlotTop);
    EXPECT_EQ(CurvePixels(image, image.rect()), 0);
}

TEST_F(CurveTest, RulerTicksEveryTwoPixelsWithLongerOnesEveryTenAndTwenty) {
    Load({0, 0});
    g_bCursorForced = true;
    g_nCursorX = 300;
    const QImage image = Paint();
    ASSERT_LT(curve->LegendRect(2).right() + 2, 400) << "the legend covers the top ticks it lies over";
    // 0.01 px per ms over 396 px is a span of 39600 ms: a tick each 200 ms, every 2 px.
    const struct {
        int x;
        int length;
    } ticks[] = {{kPlotLeft + 380, 6}, {kPlotLeft + 390, 4}, {kPlotLeft + 382, 2}, {kPlotLeft + 394, 2}};
    for (const auto& tick : ticks) {
        for (int y : {kPlotTop, kCentreRow, kPlotBottom}) {
            EXPECT_EQ(CountColour(image, QRect(tick.x, y - tick.length, 1, tick.length), kGrid), tick.length)
                << "x " << tick.x << " y " << y;
            EXPECT_NE(PixelAt(image, tick.x, y - tick.length - 1), kGrid) << "x " << tick.x << " y " << y;
        }
        EXPECT_NE(PixelAt(image, tick.x + 1, kPlotBottom - 1), kGrid) << "no tick on odd columns";
    }
}

struct RowCase {
    const char* name;
    int raw;
    double fullScale;
    int row;
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class CurveRowTest : public CurveTest, public ::testing::WithParamInterface<RowCase> {};

// Three samples 132 px apart; the middle one starts the second segment, so its own pixel is drawn.
TEST_P(CurveRowTest, ValueLandsOnItsRow) {
    const RowCase& c = GetParam();
    Load({0, c.raw, 0}, c.fullScale);
    EXPECT_EQ(curve->RowOf(c.raw, kPlotTop, kPlotBottom - kPlotTop), c.row);
    const QImage image = Paint();
    const int x = kPlotLeft + 132;
    EXPECT_EQ(PixelAt(image, x, c.row), kZ);
    EXPECT_EQ(CurvePixelsOutsideLegend(*curve, image, QRect(0, 0, image.width(), kPlotTop)), 0)
        << "nothing above the plot";
    EXPECT_EQ(CurvePixels(image, QRect(0, kPlotBottom + 1, image.width(), 10)), 0)
        << "nothing below the plot";
}

INSTANTIATE_TEST_SUITE_P(Rows, CurveRowTest,
                         ::testing::Values(RowCase{"Half", 64, 2.0, 35},
                                           RowCase{"BeyondTop", 64, 8.0, kPlotTop},
                                           RowCase{"AtRangeTop", 32, 8.0, kPlotTop},
                                           RowCase{"BeyondBottom", -64, 8.0, kPlotBottom},
                                           RowCase{"NegativeHalf", -64, 2.0, 65},
                                           RowCase{"Zero", 0, 2.0, kCentreRow}),
                         CaseName());

struct GapCase {
    const char* name;
    int8_t x, y, z;
};
void PrintTo(const GapCase& c, std::ostream* os) { *os << c.name; }

class CurveGapTest : public CurveTest, public ::testing::WithParamInterface<GapCase> {};

// Four samples 99 px apart; the second has -128 on one axis and 127 (row 20) on the others.
TEST_P(CurveGapTest, NoDataSampleDrawsNothingAndTheNextJoinsTheLastValid) {
    const GapCase& c = GetParam();
    curve->SetScale(2.0, 2.0);
    curve->AddSample(64, 64, 64);
    curve->AddSample(c.x, c.y, c.z);
    curve->AddSample(-64, -64, -64);
    curve->AddSample(0, 0, 0);
    curve->SetSampleRate(0.004);
    curve->SetSpanMode(2);
    const QImage image = Paint();
    const int skipped = kPlotLeft + 99;
    // The line from (24, 35) to (222, 65) passes the skipped column half-way, on row 50.
    EXPECT_GT(CountColour(image, QRect(skipped, kCentreRow - 1, 1, 3), kZ), 0);
    EXPECT_EQ(CurvePixels(image, QRect(skipped, kPlotTop, 1, kCentreRow - 2 - kPlotTop)), 0);
    EXPECT_EQ(CurvePixels(image, QRect(kPlotLeft + 1, kPlotTop, kPlotWidth, 12)), 0)
        << "no axis reached row 20";
    EXPECT_EQ(PixelAt(image, kPlotLeft + 198, 65), kZ);
}

INSTANTIATE_TEST_SUITE_P(Gaps, CurveGapTest,
                         ::testing::Values(GapCase{"OnX", -128, 127, 127}, GapCase{"OnY", 127, -128, 127},
                                           GapCase{"OnZ", 127, 127, -128}),
                         CaseName());

TEST_F(CurveTest, PointsOnRowsTwentyAndSixtyAreNotJoined) {
    // raw 127 lies on row 20, raw -44 on row 60: (24,20) (123,20) (222,60) (321,50).
    ASSERT_EQ(curve->RowOf(-44, kPlotTop, kPlotBottom - kPlotTop), 60);
    Load({127, 127, -44, 0});
    g_bCursorForced = true;
    g_nCursorX = 400;
    const QImage image = Paint();
    EXPECT_EQ(CurvePixels(image, QRect(kPlotLeft + 2, kPlotTop, 120, 1)), 0) << "20 to 20";
    EXPECT_EQ(CurvePixels(image, QRect(kPlotLeft + 100, kPlotTop + 1, 97, 39)), 0) << "20 to 60";
    EXPECT_GT(CurvePixels(image, QRect(kPlotLeft + 199, 51, 98, 9)), 10) << "60 to 50 is drawn";
    EXPECT_GT(CurvePixels(image, QRect(kPlotLeft, 21, 1, 29)), 20) << "start to 20 is drawn";
}

TEST_F(CurveTest, StoppedCurveDrawsNoCurvesAndGreysTheLegend) {
    Load({64, -64, 64, -64});
    ASSERT_GT(CurvePixels(Paint(), curve->PlotRect()), 100);
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_GT(CountColour(Paint(), curve->LegendRect(axis), kAxis[axis]), 10);
    curve->SetStopped(true);
    const QImage image = Paint();
    EXPECT_EQ(CurvePixels(image, image.rect()), 0);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_GT(CountColour(image, curve->LegendRect(axis), kGreyText), 10) << axis;
        EXPECT_EQ(CurvePixels(image, curve->LegendRect(axis)), 0) << axis;
    }
    curve->SetStopped(false);
    EXPECT_GT(CurvePixels(Paint(), curve->PlotRect()), 100) << "the curve comes back";
}

TEST_F(CurveTest, LegendIsGreyWithoutDurationAndFramedInTheActiveColoursWithOne) {
    QImage image = Paint();
    QRect frame = curve->LegendRect(0).adjusted(-1, -1, 1, 1);
    EXPECT_EQ(PixelAt(image, frame.left(), frame.top()), kGreyFrameLight);
    EXPECT_EQ(PixelAt(image, frame.right(), frame.bottom()), kGreyFrameDark);
    EXPECT_GT(CountColour(image, curve->LegendRect(0), kGreyText), 10);

    Load({0, 0, 0});
    image = Paint();
    frame = curve->LegendRect(0).adjusted(-1, -1, 1, 1);
    EXPECT_EQ(curve->LegendRect(0).topLeft(), QPoint(41, 3)) << "moved by one";
    EXPECT_EQ(PixelAt(image, frame.left(), frame.top()), kActiveFrameLight);
    EXPECT_EQ(PixelAt(image, frame.right(), frame.bottom()), kActiveFrameDark);
    EXPECT_GT(CountColour(image, curve->LegendRect(0), kAxis[0]), 10);
    EXPECT_EQ(CountColour(image, curve->LegendRect(0), kGreyText), 0);
}

TEST_F(CurveTest, ClickOnALegendItemHidesItsAxisAndAgainShowsIt) {
    Load({64, -64, 64, -64});
    Paint();
    const QRect z = curve->LegendRect(2);
    Click(curve.get(), z.center());
    EXPECT_FALSE(curve->IsAxisVisible(2));
    QImage image = Paint();
    EXPECT_EQ(CountColour(image, curve->PlotRect(), kAxis[2]), 0);
    EXPECT_GT(CountColour(image, curve->PlotRect(), kAxis[1]), 100) << "Y now shows where Z lay over it";
    EXPECT_GT(CountColour(image, curve->LegendRect(2), kGreyText), 10);
    EXPECT_EQ(CountColour(image, curve->LegendRect(2), kAxis[2]), 0);
    EXPECT_GT(CountColour(image, curve->LegendRect(0), kAxis[0]), 10) << "X stays active";

    Click(curve.get(), curve->LegendRect(2).center());
    EXPECT_TRUE(curve->IsAxisVisible(2));
    EXPECT_GT(CountColour(Paint(), curve->PlotRect(), kAxis[2]), 100);
}

TEST_F(CurveTest, ClickOutsideTheLegendOrOnItsRightEdgeChangesNoAxis) {
    Load({0, 0});
    Paint();
    const QRect x = curve->LegendRect(0);
    Click(curve.get(), QPoint(200, 60));
    Click(curve.get(), QPoint(x.left() + x.width(), x.center().y()));
    Click(curve.get(), QPoint(x.center().x(), x.top() + x.height()));
    for (int axis = 0; axis < 3; ++axis) EXPECT_TRUE(curve->IsAxisVisible(axis)) << axis;
    Click(curve.get(), QPoint(x.left(), x.top()));
    EXPECT_FALSE(curve->IsAxisVisible(0)) << "left and top edges belong to the item";
}

struct CursorCase {
    const char* name;
    bool forced;
    int positionMs;
    int cursorX;
    int expectedX;
};
void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.name; }

class CurveCursorTest : public CurveTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CurveCursorTest, CursorStandsWhereExpected) {
    const CursorCase& c = GetParam();
    Load({0, 0, 0, 0});
    curve->SetPosition(c.positionMs);
    g_nCursorX = c.cursorX;
    g_bCursorForced = c.forced;
    const QImage image = Paint();
    const int rows = kPlotBottom + 4 - (kPlotTop - 4);
    EXPECT_EQ(CountColour(image, QRect(c.expectedX, kPlotTop - 4, 1, rows), kCursor), rows);
    EXPECT_EQ(CountColour(image, QRect(c.expectedX - 1, kPlotTop - 4, 1, rows), kCursor), rows)
        << "2 px wide";
    EXPECT_EQ(CountColour(image, image.rect(), kCursor), 2 * rows) << "nowhere else";
    EXPECT_FALSE(g_bCursorForced) << "cleared by the paint";
}

INSTANTIATE_TEST_SUITE_P(Cursor, CurveCursorTest,
                         ::testing::Values(CursorCase{"StartIgnoresTheSlider", false, 0, 300, kPlotLeft},
                                           CursorCase{"StartAfterADrag", true, 0, 300, 300},
                                           CursorCase{"PlayingFollowsTheSlider", false, 500, 250, 250},
                                           CursorCase{"NegativeFallsBackToThePlotLeft", true, 0, -7,
                                                      kPlotLeft}),
                         CaseName());

TEST_F(CurveTest, ScaleLabelsAreDrawnWhiteOnTheBackgroundAtTheirRows) {
    const QImage image = Paint();
    const int a = (88 - 20) / 6;
    for (int which = 0; which < 3; ++which) {
        const QRect box(4, (2 * which + 1) * a + 10, 18, 10);
        EXPECT_GT(CountColour(image, box, Qt::white), 4) << which;
    }
    EXPECT_EQ(CountColour(image, QRect(0, 0, 4, 88), Qt::white), 0);
}

TEST_F(CurveTest, PaintingTheWidgetShowsTheSameImage) {
    Load({64, -64, 64, -64});
    const QImage direct = Paint();
    const QImage grabbed = curve->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed, direct);
}

// Each change of what the curve shows reaches the next paint, however it is composed.
TEST_F(CurveTest, NextPaintShowsEveryChange) {
    const struct {
        const char* name;
        std::function<void(CGSensorCtrl&)> change;
    } changes[] = {
        {"sample added", [](CGSensorCtrl& c) { c.AddSample(100, 100, 100); }},
        {"full scale", [](CGSensorCtrl& c) { c.SetScale(4.0, 2.0); }},
        {"range", [](CGSensorCtrl& c) { c.SetScale(2.0, 1.0); }},
        {"span mode", [](CGSensorCtrl& c) { c.SetSpanMode(0); }},
        {"pixel scale", [](CGSensorCtrl& c) { c.SetPixelsPerMs(0.05); }},
        {"width", [](CGSensorCtrl& c) { c.resize(c.width() - 40, c.height()); }},
        {"stopped", [](CGSensorCtrl& c) { c.SetStopped(true); }},
    };
    for (const auto& c : changes) {
        Load({64, -64, 32, -32});
        const QImage before = Paint();
        ASSERT_EQ(Paint(), before) << "a paint without a change is the same";
        c.change(*curve);
        EXPECT_NE(Paint(), before) << c.name;
        curve = std::make_unique<CGSensorCtrl>();
        curve->resize(422, 88);
    }
}

struct SpanCase {
    const char* name;
    int mode;
    double pixelsPerMs;
    double rate;
    int tenthTickX;  // x of the 10th tick, the first long one after the plot's left edge
};
void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }

class CurveSpanTest : public CurveTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(CurveSpanTest, RulerSpanFollowsTheModeAndFallsBackTo20Seconds) {
    const SpanCase& c = GetParam();
    curve->AddSample(0, 0, 0);
    curve->SetSampleRate(c.rate);
    curve->SetPixelsPerMs(c.pixelsPerMs);
    curve->SetSpanMode(c.mode);
    g_bCursorForced = true;
    g_nCursorX = 410;
    const QImage image = Paint();
    EXPECT_EQ(CountColour(image, QRect(c.tenthTickX, kPlotBottom - 6, 1, 6), kGrid), 6);
    EXPECT_EQ(CountColour(image, QRect(c.tenthTickX + 1, kPlotBottom - 6, 1, 4), kGrid), 0);
    EXPECT_EQ(CountColour(image, QRect(c.tenthTickX - 1, kPlotBottom - 6, 1, 4), kGrid), 0);
}

// 20000 ms: 100 ticks over 396 px; 60000 ms: 300 ticks; 0.05 px/ms: 7920 ms, 39.6 ticks; 1 sample at
// 0.0001 per ms: 10000 ms, 50 ticks.
INSTANTIATE_TEST_SUITE_P(Spans, CurveSpanTest,
                         ::testing::Values(SpanCase{"PixelScaleZero", 2, 0.0, 0.004, 63},
                                           SpanCase{"RateZeroInModeZero", 0, 0.01, 0.0, 63},
                                           SpanCase{"Fixed", 1, 0.01, 0.004, 37},
                                           SpanCase{"PixelScale", 2, 0.05, 0.004, 124},
                                           SpanCase{"Duration", 0, 0.01, 0.0001, 103}),
                         CaseName());
