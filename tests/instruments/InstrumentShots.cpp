// Pictures of the G-sensor curve and the speed read-out fed with the demo card's telemetry:
// one demo recording, and a whole demo drive as one long recording.
//   norvik-instrument-shots <output folder>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "controls/CGSensorCtrl.h"
#include "controls/CSpeedLabelStatic.h"
#include "controls/CVideoSlider.h"
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
    return 0;
}
