// Pictures of the G-sensor curve and the speed read-out fed with the demo card's telemetry:
// one demo recording, and a whole demo drive as one long recording.
//   norvik-instrument-shots <output folder>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "app/CTarvoDlg.h"
#include "app/CTarvoSettings.h"
#include "app/ControlIds.h"
#include "app/ShellDialogs.h"
#include "controls/CGSensorCtrl.h"
#include "controls/CPngStatic.h"
#include "controls/CSpeedLabelStatic.h"
#include "controls/CVideoSlider.h"
#include "controls/CVideoStatic.h"
#include "tools/demo/CardSchedule.h"
#include "tools/demo/ClipTelemetry.h"
#include "tools/demo/DemoCard.h"
#include "tools/demo/Route.h"

namespace {

struct Telemetry {
    std::vector<GSensorSample> gsensor;
    std::vector<GpsSample> gps;
    int fullScale = 2;
    int rate = 10;
};

Telemetry DriveTelemetry(const CardSchedule& schedule, int drive, int clips) {
    Telemetry t;
    for (const ScheduledClip& clip : schedule.clips) {
        if (clip.drive != drive || clips-- <= 0) continue;
        fixture::RealClipDesc desc;
        FillClipTelemetry(clip, schedule.drives[size_t(drive)], desc);
        if (desc.kind == fixture::Kind::Atoms) {
            t.gsensor.insert(t.gsensor.end(), desc.gsensor.begin(), desc.gsensor.end());
            t.gps.insert(t.gps.end(), desc.gps.begin(), desc.gps.end());
            t.fullScale = desc.gsensorAttr[1];
            t.rate = desc.gsensorAttr[0];
        } else {
            for (const fixture::MetaChunk& c : desc.chunks) t.gsensor.push_back({c.x, c.y, c.z});
            t.fullScale = kMetaGSensorRangeG;
            t.rate = kMetaRate;
        }
    }
    return t;
}

void Shoot(const Telemetry& t, double atFraction, const QString& path) {
    CGSensorCtrl curve;
    curve.resize(1250, 60);
    curve.ClearSamples();
    curve.SetScale(double(t.fullScale), 2.0);
    curve.ClearSamples();
    for (const GSensorSample& s : t.gsensor) curve.AddSample(s);
    curve.UpdateDuration();
    curve.SetSampleRate(t.rate / 1000.0);
    curve.SetPixelsPerMs(0.01);
    curve.SetSpanMode(2);
    curve.SetPosition(int(curve.DurationMs() * atFraction));
    g_nCursorX = 10 + int(atFraction * (1250 - 16 - 10));

    CSpeedLabelStatic speed;
    speed.resize(100, 33);
    const size_t gpsIndex = size_t(atFraction * double(t.gps.size()));
    if (gpsIndex < t.gps.size()) speed.SetSpeed(true, int(t.gps[gpsIndex].speedKmh));

    QImage sheet(1270, 120, QImage::Format_RGB32);
    sheet.fill(QColor(5, 5, 5));
    QPainter painter(&sheet);
    painter.drawImage(10, 50, curve.RenderImage());
    speed.render(&painter, QPoint(10, 8), QRegion(), QWidget::RenderFlags());
    painter.end();
    sheet.save(path);
    std::printf("%s: %zu samples, %.0f ms\n", qPrintable(path), t.gsensor.size(), curve.DurationMs());
}

class QuietDialogs : public IShellDialogs {
public:
    int RunModal(QDialog&) override { return QDialog::Rejected; }
    void ShowMessage(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
};

void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The main window at 1280 x 800 without the engine, its instruments fed by hand.
void ShootMainWindow(const Telemetry& t, const QString& path) {
    QTemporaryDir work;
    CTarvoSettings settings(work.path());
    settings.WriteString("UI", "LANGID", "ENG");
    QuietDialogs dialogs;
    ShellOptions options;
    options.dialogs = &dialogs;
    options.engine.library = "libnorvik-absent-engine.so.0";
    CTarvoDlg window(settings, options);
    window.setGeometry(0, 0, 1280, 800);
    window.show();
    Pump(300);
    auto* curve = dynamic_cast<CGSensorCtrl*>(window.Control(ControlId::kGSensorCurve));
    auto* speed = dynamic_cast<CSpeedLabelStatic*>(window.Control(ControlId::kSpeed));
    auto* gps = dynamic_cast<CPngStatic*>(window.Control(ControlId::kGps));
    if (!curve || !speed || !gps) return;
    curve->ClearSamples();
    curve->SetScale(double(t.fullScale), 2.0);
    curve->ClearSamples();
    for (const GSensorSample& s : t.gsensor) curve->AddSample(s);
    curve->UpdateDuration();
    curve->SetSampleRate(t.rate / 1000.0);
    curve->SetPixelsPerMs(0.01);
    curve->SetSpanMode(2);
    curve->SetPosition(int(curve->DurationMs() * 0.4));
    g_nCursorX = 10 + int(0.4 * (curve->width() - 26));
    speed->SetSpeed(true, t.gps.empty() ? 0 : int(t.gps[t.gps.size() * 2 / 5].speedKmh));
    gps->SetColour(true);
    Pump(300);
    window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: norvik-instrument-shots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const RoutePath route(LoadRoute(DefaultRoutePath()));  // the drives refer to it
    const CardSchedule schedule = MakeCardSchedule(route);
    Shoot(DriveTelemetry(schedule, 0, 1), 0.5, out.filePath(QStringLiteral("curve-recording.png")));
    Shoot(DriveTelemetry(schedule, 0, 1000), 0.3, out.filePath(QStringLiteral("curve-drive.png")));
    Shoot(DriveTelemetry(schedule, 1, 1000), 0.6, out.filePath(QStringLiteral("curve-drive-meta.png")));
    CVideoStatic video(nullptr);
    video.resize(480, 270);
    video.ShowOverlay(true);
    video.SetOverlayNumber(1234);
    video.grab().save(out.filePath(QStringLiteral("video-overlay.png")));
    ShootMainWindow(DriveTelemetry(schedule, 0, 1000), out.filePath(QStringLiteral("main-window.png")));
    return 0;
}
