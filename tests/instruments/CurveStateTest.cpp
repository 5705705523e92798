// The curve's state: scale, rate, duration, position limits and the legend and label texts.
#include "tests/instruments/CurveTestSupport.h"

TEST_F(CurveTest, StartsEmptyWithTheDocumentedDefaults) {
    EXPECT_EQ(curve->SampleCount(), 0u);
    EXPECT_DOUBLE_EQ(curve->SamplesPerMs(), 0.016);
    EXPECT_DOUBLE_EQ(curve->DurationMs(), 0);
    EXPECT_DOUBLE_EQ(curve->FullScaleG(), 2.0);
    EXPECT_DOUBLE_EQ(curve->RangeG(), 2.0);
    EXPECT_DOUBLE_EQ(curve->PixelsPerMs(), 0.025);
    EXPECT_EQ(curve->SpanMode(), 0);
    EXPECT_FALSE(curve->IsStopped());
    Paint();
    EXPECT_EQ(curve->PlotRect(), QRect(kPlotLeft, kPlotTop, kPlotWidth, kPlotBottom - kPlotTop));
}

TEST_F(CurveTest, LoadingOrderSetsTheScaleRateAndDuration) {
    Load({1, 2, 3, 4, 5}, 8.0, 0.005);
    EXPECT_EQ(curve->SampleCount(), 5u);
    EXPECT_DOUBLE_EQ(curve->FullScaleG(), 8.0);
    EXPECT_DOUBLE_EQ(curve->DurationMs(), 1000.0);
    EXPECT_DOUBLE_EQ(curve->PixelsPerMs(), 0.01);
    EXPECT_EQ(curve->SpanMode(), 2);
    curve->ClearSamples();
    EXPECT_EQ(curve->SampleCount(), 0u);
    EXPECT_DOUBLE_EQ(curve->PositionMs(), 0);
}

TEST_F(CurveTest, ZeroScaleStandsForEight) {
    curve->SetScale(0.0, 0.0);
    EXPECT_DOUBLE_EQ(curve->FullScaleG(), 8.0);
    EXPECT_DOUBLE_EQ(curve->RangeG(), 8.0);
    curve->SetScale(0, 2.0);  // the recording's full-scale byte
    EXPECT_DOUBLE_EQ(curve->FullScaleG(), 8.0);
    curve->SetScale(4, -1.0);
    EXPECT_DOUBLE_EQ(curve->FullScaleG(), 4.0);
    EXPECT_DOUBLE_EQ(curve->RangeG(), 8.0) << "a negative range would turn the plot over";
}

TEST_F(CurveTest, RateZeroGivesNoDurationAndHoldsThePositionAtZero) {
    Load({1, 2, 3}, 2.0, 0.0);
    EXPECT_DOUBLE_EQ(curve->DurationMs(), 0);
    EXPECT_TRUE(curve->SetPosition(500));
    EXPECT_DOUBLE_EQ(curve->PositionMs(), 0);
    const QImage image = Paint();  // span falls back to 20000 ms; no division by zero
    EXPECT_GT(CountColour(image, curve->LegendRect(0), GSensorLook::kGreyText), 10);
}

struct PositionCase {
    const char* name;
    int requestMs;
    double expectedMs;
};
void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class CurvePositionTest : public CurveTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(CurvePositionTest, PositionIsLimitedToTheDuration) {
    Load({0, 0, 0, 0}, 2.0, 0.004);  // 1000 ms
    EXPECT_TRUE(curve->SetPosition(GetParam().requestMs));
    EXPECT_DOUBLE_EQ(curve->PositionMs(), GetParam().expectedMs);
}

INSTANTIATE_TEST_SUITE_P(Positions, CurvePositionTest,
                         ::testing::Values(PositionCase{"Inside", 400, 400},
                                           PositionCase{"AtEnd", 1000, 1000},
                                           PositionCase{"Beyond", 5000, 1000},
                                           PositionCase{"Negative", -30, 0}),
                         CaseName());

TEST_F(CurveTest, UnsignedPositionBeyondTheIntRangeClampsToTheDuration) {
    Load({0, 0, 0, 0}, 2.0, 0.004);
    static_cast<IGSensorCurveView&>(*curve).SetPosition(uint32_t(4000000000u));
    EXPECT_DOUBLE_EQ(curve->PositionMs(), 1000);
}

TEST_F(CurveTest, ScaleLabelsShowTheRange) {
    EXPECT_EQ(CGSensorCtrl::ScaleLabel(0, 2.0), QStringLiteral(" 2G"));
    EXPECT_EQ(CGSensorCtrl::ScaleLabel(1, 2.0), QStringLiteral(" 0G"));
    EXPECT_EQ(CGSensorCtrl::ScaleLabel(2, 2.0), QStringLiteral("-2G"));
    EXPECT_EQ(CGSensorCtrl::ScaleLabel(0, 8.0), QStringLiteral(" 8G"));
}

TEST_F(CurveTest, LegendShowsTheValuesAtThePosition) {
    curve->SetScale(8.0, 2.0);
    curve->AddSample(0, 0, 0);
    curve->AddSample(16, -32, -128);  // -128 is shown as it is
    curve->SetSampleRate(0.001);      // one sample a second
    curve->SetPosition(1500);
    EXPECT_EQ(curve->LegendText(CGSensorCtrl::kX), QStringLiteral("X: 1.0000 G    "));
    EXPECT_EQ(curve->LegendText(CGSensorCtrl::kY), QStringLiteral("Y: -2.0000 G    "));
    EXPECT_EQ(curve->LegendText(CGSensorCtrl::kZ), QStringLiteral("Z: -8.0000 G    "));
    curve->SetPosition(999);
    EXPECT_EQ(curve->LegendText(CGSensorCtrl::kX), QStringLiteral("X: 0.0000 G    "));
}

TEST_F(CurveTest, PositionIndexBeyondTheSamplesShowsZeros) {
    curve->SetScale(8.0, 2.0);
    curve->AddSample(16, 16, 16);
    curve->SetSampleRate(0.001);
    curve->SetPosition(1000);  // the duration; index 1 lies past the only sample
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_TRUE(curve->LegendText(axis).endsWith(QStringLiteral(": 0.0000 G    "))) << axis;
}

TEST_F(CurveTest, ResizeMovesThePlotAndKeepsTheDuration) {
    Load({0, 0}, 2.0, 0.002);
    curve->resize(600, 120);
    EXPECT_EQ(CGSensorCtrl::PlotRectFor(curve->size()), QRect(24, 20, 574, 92));
    Paint();
    EXPECT_EQ(curve->PlotRect(), QRect(24, 20, 574, 92));
    EXPECT_DOUBLE_EQ(curve->DurationMs(), 1000);
}
