// One paint of the G-sensor curve at the 1280 x 800 layout, as the playback clock asks for at every
// time report: a three-minute and a thirty-minute recording at 5 samples a second. "Moving" paints
// at a new position each time (what playback does); "Resized" changes the width each time, so all of
// the curve is drawn again (what a window resize does).
//   norvik-curve-bench [--benchmark_repetitions=5 --benchmark_report_aggregates_only=true]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cmath>
#include <memory>

#include "app/MainLayout.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CVideoSlider.h"

namespace {

constexpr int kSamplesPerSecond = 5;

QRect CurveRectAtDefaultSize() {
    LayoutInput in;
    in.client = QSize(1280, 800);
    in.gsensorHeight = TemplateRectPixels(7, 252, 386, 44).height();
    return ComputeMainLayout(in).gsensorCurve;
}

// A drive: slow swings on x and y, gravity with road noise on z, a reading without data now and then.
std::unique_ptr<CGSensorCtrl> LoadedCurve(int seconds) {
    auto curve = std::make_unique<CGSensorCtrl>();
    curve->resize(CurveRectAtDefaultSize().size());
    curve->ClearSamples();
    curve->SetScale(2, 2.0);
    curve->ClearSamples();
    const int count = seconds * kSamplesPerSecond;
    for (int i = 0; i < count; ++i) {
        if (i % 97 == 0) {
            curve->AddSample(-128, -128, -128);
            continue;
        }
        const double t = i / double(kSamplesPerSecond);
        curve->AddSample(int8_t(40 * std::sin(t / 7.0)),
                         int8_t(30 * std::sin(t / 3.1) + 10 * std::sin(t * 1.7)),
                         int8_t(64 + 12 * std::sin(t * 5.3)));
    }
    curve->UpdateDuration();
    curve->SetSampleRate(kSamplesPerSecond / 1000.0);
    curve->SetPixelsPerMs(0.01);
    curve->SetSpanMode(2);
    return curve;
}

void CurvePaintMoving(benchmark::State& state) {
    const auto curve = LoadedCurve(int(state.range(0)));
    const int duration = int(curve->DurationMs());
    int position = 0;
    for (auto _ : state) {
        position = (position + 250) % duration;
        curve->SetPosition(position);
        g_nCursorX = 10 + position * (curve->width() - 10) / duration;
        QImage frame = curve->RenderImage();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["samples"] = double(curve->SampleCount());
    state.counters["width"] = curve->width();
}

void CurvePaintResized(benchmark::State& state) {
    const auto curve = LoadedCurve(int(state.range(0)));
    const QSize size = curve->size();
    int flip = 0;
    for (auto _ : state) {
        curve->resize(size.width() - (flip ^= 1), size.height());
        curve->SetPosition(1000);
        QImage frame = curve->RenderImage();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["samples"] = double(curve->SampleCount());
    state.counters["width"] = curve->width();
}

}  // namespace

BENCHMARK(CurvePaintMoving)->Arg(3 * 60)->Arg(30 * 60)->ArgName("seconds")->Unit(benchmark::kMicrosecond);
BENCHMARK(CurvePaintResized)->Arg(3 * 60)->Arg(30 * 60)->ArgName("seconds")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
