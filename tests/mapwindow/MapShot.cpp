// Screenshot of the map window with the track of the longest recording of a card, half of it
// driven: norvik-map-shot CARD OUT.png (run under an X server).
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/TrackPlotting.h"
#include "map/CCEFWebkitUI.h"
#include "map/CCefClientApp.h"
#include "map/CCefClientHandler.h"
#include "map/CHtmlMapDlg.h"

namespace {
void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: norvik-map-shot CARD OUT.png\n");
        return 2;
    }
    CCefClientApp::PrepareProcess();
    QApplication app(argc, argv);
    CRecordingCatalog catalog;
    if (!catalog.AdoptScan(ScanFolder(argv[1]))) return 1;

    QWidget host;
    host.setStyleSheet("background: rgb(5, 5, 5)");
    host.setGeometry(0, 0, 660, 520);
    auto* placeholder = new QWidget(&host);
    placeholder->setGeometry(8, 8, 644, 504);
    host.show();
    CHtmlMapDlg map(&host, QString());
    if (!map.CreateInPlace(&host, [&](int) { return placeholder; })) return 1;
    map.SetMapType(0);
    Pump(4000);

    CTrackPlotter plotter(catalog);
    plotter.Attach(nullptr, &map, nullptr);
    // The recording with the most GPS samples, played from its start to half its length.
    int best = -1;
    size_t bestCount = 0;
    for (int i = 0; i < int(catalog.Entries().size()); ++i) {
        if (plotter.LoadTelemetry(i) != 1) continue;
        const size_t n = plotter.GpsBlockSize() / GpsSample::kSize + plotter.GpsSamples().size();
        if (n > bestCount) best = i, bestCount = n;
    }
    if (best < 0 || plotter.LoadTelemetry(best) != 1) return 1;
    const uint32_t half = catalog.Entries()[size_t(best)].info.durationMs / 2;
    for (uint32_t t = 0; t <= half; t += 250) plotter.UpdateAtTime(t, false, true);
    map.ExecuteScript("map.fitBounds(fullTrack.getBounds(), {animate: false});");
    Pump(1500);
    bool done = false;
    map.WebView()->Handler()->Browsers().first()->page()->runJavaScript(
        "fullTrack.getLatLngs().length + ' full, ' + drivenTrack.getLatLngs().length + ' driven'",
        [&](const QVariant& v) {
            std::printf("%s\n", qPrintable(v.toString()));
            done = true;
        });
    while (!done) QApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("%s: entry %d\n", catalog.Entries()[size_t(plotter.CurrentEntry())].fileName.c_str(),
                plotter.CurrentEntry());
    return QApplication::primaryScreen()->grabWindow(0).save(argv[2]) ? 0 : 1;
}
