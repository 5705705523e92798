// A curve control of a known size: client 422 x 88, so the plot is x 24..419, rows 20..79, the
// centre row 50 and the plot's bottom edge row 80; a raw 64 at full scale 2 and range 2 lies on row 35.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <initializer_list>
#include <memory>

#include "controls/CGSensorCtrl.h"
#include "controls/CVideoSlider.h"
#include "playback/PlaybackShared.h"
#include "tests/instruments/InstrumentTestSupport.h"

constexpr int kPlotLeft = 24;
constexpr int kPlotTop = 20;
constexpr int kPlotWidth = 396;
constexpr int kPlotBottom = 80;  // first row below the plot
constexpr int kCentreRow = 50;

class CurveTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_nCursorX = 0;
        g_bCursorForced = false;
        curve = std::make_unique<CGSensorCtrl>();
        curve->resize(422, 88);
    }
    void TearDown() override {
        g_nCursorX = 0;
        g_bCursorForced = false;
    }

    // The loading order of a recording, every axis with the same raw value; rate in samples per ms.
    void Load(std::initializer_list<int> raws, double fullScale = 2.0, double rate = 0.004) {
        curve->ClearSamples();
        curve->SetScale(fullScale, 2.0);
        curve->ClearSamples();
        for (int raw : raws) curve->AddSample(int8_t(raw), int8_t(raw), int8_t(raw));
        curve->UpdateDuration();
        curve->SetSampleRate(rate);
        curve->SetPixelsPerMs(0.01);
        curve->SetSpanMode(2);
    }

    QImage Paint() { return curve->RenderImage(); }

    std::unique_ptr<CGSensorCtrl> curve;
};

// Any of the three curve colours.
inline int CurvePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (const QColor& colour : GSensorLook::kAxis) count += CountColour(image, area, colour);
    return count;
}
