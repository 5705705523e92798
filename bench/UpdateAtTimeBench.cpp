// CPU time of one playback time report: the per-time telemetry update as the main window runs it
// (CatalogueTelemetrySync::UpdateAtTime) with the real G-sensor curve and speed read-out shown
// offscreen at the default layout, the paints the report schedules included, and a map view that
// builds each page command and keeps it (the web page's own work is not included). A three-minute
// drive to the north-east in each recording kind; a report every 250 ms of playback time, looping.
//   norvik-update-bench [--benchmark_repetitions=5 --benchmark_report_aggregates_only=true]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/MainLayout.h"
#include "catalogue/CRecordingCatalog.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CSpeedLabelStatic.h"
#include "map/core/MapCommands.h"
#include "playback/CatalogueTelemetrySync.h"
#include "telemetry/LocalTime.h"
#include "tools/fixture/MovFixture.h"

namespace {

constexpr int kReportEveryMs = 250;
constexpr int kSeconds = 180;
constexpr int64_t kStart = 1406714400;

// Both kinds move on both axes every second, so every new GPS sample moves the marker.
fixture::MovDesc BlockDrive() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::Atoms;
    d.duration = kSeconds * 1000;
    d.idit.reset();
    for (int s = 0; s < kSeconds; ++s) {
        const auto local = LocalFieldsFromTime(kStart + s);
        d.gps.push_back(fixture::BlockSample(3539.4 + s * 0.01, 13945.1 + s * 0.012, 40 + s % 20, 45, true,
                                             local.value_or(CalendarFields{})));
    }
    for (int i = 0; i < kSeconds * 10; ++i) d.gsensor.push_back({int8_t(i % 7 - 3), int8_t(i % 5 - 2), int8_t(64 + i % 3)});
    return d;
}

fixture::MovDesc MetaTrackDrive() {
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.duration = kSeconds * 1000;
    d.creationTime1904 = fixture::To1904(kStart + 3600);
    for (int i = 0; i < kSeconds * 5; ++i) {
        fixture::MetaChunk c;
        c.latNum = 35394000 + i * 20;
        c.latDen = 10000;
        c.lonNum = 139451000 + i * 24;
        c.lonDen = 10000;
        c.speedNum = 250 + i % 50;
        c.speedDen = 10;
        c.x = int8_t(i % 7 - 3);
        c.z = 64;
        d.chunks.push_back(c);
    }
    return d;
}

// The two recordings in a temporary folder, removed with the object.
class DriveCard {
public:
    DriveCard() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/norvik-update-XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        m_root = pattern;
        std::filesystem::create_directories(m_root + "/DCIM/100MEDIA");
        fixture::WriteMov(m_root + "/DCIM/100MEDIA/FILE0001.MOV", BlockDrive());
        fixture::WriteMov(m_root + "/DCIM/100MEDIA/FILE0002.MOV", MetaTrackDrive());
    }
    ~DriveCard() {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    DriveCard(const DriveCard&) = delete;
    DriveCard& operator=(const DriveCard&) = delete;
    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
};

// Keeps what the page would be sent, so building the commands is part of the measured work.
class RecordingMap : public IMapView {
public:
    void ExecuteScript(const std::string& script) override { Keep(script); }
    void SendPosition(double latitude, double longitude, bool alreadyDegrees) override {
        Keep(PositionCommand(latitude, longitude, alreadyDegrees));
    }
    size_t Commands() const { return m_commands; }

private:
    void Keep(const std::string& script) {
        m_last = script;
        ++m_commands;
    }
    std::string m_last;
    size_t m_commands = 0;
};

struct Instruments {
    Instruments() {
        LayoutInput in;
        in.client = QSize(1280, 800);
        in.gsensorHeight = TemplateRectPixels(7, 252, 386, 44).height();
        const MainLayout layout = ComputeMainLayout(in);
        curve.setGeometry(layout.gsensorCurve);
        speed.resize(TemplateRectPixels(293, 0, 60, 20).size());  // as the main window places it
        curve.show();
        speed.show();
        QApplication::processEvents();
    }
    CGSensorCtrl curve;
    CSpeedLabelStatic speed;
    RecordingMap map;
};

std::unique_ptr<DriveCard> g_card;
std::unique_ptr<CRecordingCatalog> g_catalog;

int EntryOfLayout(int layout) {
    const auto& entries = g_catalog->Entries();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].info.layout == layout) return int(i);
    return -1;
}

// range(0): the recording's layout (0 blocks, 1 meta track); range(1): curve on; range(2): map on.
void UpdateAtTime(benchmark::State& state) {
    const int entry = EntryOfLayout(int(state.range(0)));
    if (entry < 0) {
        state.SkipWithError("no recording of this layout on the card");
        return;
    }
    const bool curveOn = state.range(1) != 0;
    const bool mapOn = state.range(2) != 0;
    Instruments views;
    CatalogueTelemetrySync sync(*g_catalog);
    sync.Attach(&views.curve, &views.map, &views.speed);
    sync.LoadTelemetry(entry);
    const int64_t duration = g_catalog->Entries()[size_t(entry)].info.durationMs;
    int64_t t = 0;
    int shown = 0;
    const size_t loadCommands = views.map.Commands();  // the whole track, drawn by the load
    for (auto _ : state) {
        t = (t + kReportEveryMs) % duration;
        shown += sync.UpdateAtTime(t, curveOn, mapOn);
        QApplication::processEvents();  // the paints this report asked for
    }
    if (shown == 0) state.SkipWithError("no report showed a position");
    state.counters["map commands/report"] =
        benchmark::Counter(double(views.map.Commands() - loadCommands), benchmark::Counter::kAvgIterations);
}

// The speed read-out alone: a new value and the paint it asks for.
void SpeedReadoutPaint(benchmark::State& state) {
    Instruments views;
    int kmh = 0;
    for (auto _ : state) {
        kmh = (kmh + 1) % 200;
        views.speed.SetSpeed(true, kmh);
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(SpeedReadoutPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(UpdateAtTime)
    ->ArgNames({"layout", "curve", "map"})
    ->ArgsProduct({{0, 1}, {1, 0}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        g_card = std::make_unique<DriveCard>();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvik-update-bench: %s\n", e.what());
        return 1;
    }
    g_catalog = std::make_unique<CRecordingCatalog>();
    g_catalog->Init(nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!g_catalog->Load(g_card->Root())) {
        std::fprintf(stderr, "norvik-update-bench: the card cannot be scanned\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_catalog.reset();
    g_card.reset();
    return 0;
}
