// The track plotter drawing into the real map window: what the page holds after a load, a run of
// time reports and a seek.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <fstream>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/TrackPlotting.h"
#include "map/CCEFWebkitUI.h"
#include "map/CCefClientApp.h"
#include "map/CCefClientHandler.h"
#include "map/CHtmlMapDlg.h"
#include "tests/support/PageScript.h"

namespace {

constexpr int kBoundMs = 30000;  // an upper bound for waits, never a measurement

class Offline : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().scheme() != "file") info.block(true);
    }
};

using pagescript::Js;
using pagescript::WaitForJs;

// A block-layout recording of n fixes heading north-east, one a second, in a file of its own.
RecordingEntry BlockRecording(const QString& folder, int n) {
    RecordingEntry e;
    e.rootFolder = folder.toStdString() + "/";
    e.fileName = "NORM0001.MOV";
    e.info.layout = kLayoutBlocks;
    e.info.durationMs = uint32_t(n) * 1000;
    e.info.gpsAttr[0] = 1;
    e.info.gpsOffset = 64;
    e.info.gpsSize = uint32_t(n) * uint32_t(GpsSample::kSize);
    std::vector<uint8_t> bytes(e.info.gpsOffset + e.info.gpsSize, 0);
    for (int i = 0; i < n; ++i) {
        GpsSample s;
        s.latitude = 3538.4201 + i * 0.05;
        s.longitude = 13944.9422 + i * 0.05;
        s.speedKmh = int16_t(30 + i);
        s.fixFlags = kGpsFixValid;
        s.ToBytes(bytes.data() + e.info.gpsOffset + size_t(i) * GpsSample::kSize);
    }
    std::ofstream(e.Path(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return e;
}

TEST(PlottedTrack, LoadDrawsTheWholeTrackPlaybackExtendsTheDrivenLineAndASeekRedrawsIt) {
    g_lastIndex = g_lastTimeMs = 0;
    g_lastShownIndex = 0;
    g_lastSentLatitude = g_lastSentLongitude = 0;
    QTemporaryDir card;
    CRecordingCatalog catalog;
    ScanOutcome scan;
    scan.sourceExists = true;
    scan.entries.push_back(BlockRecording(card.path(), 20));
    ASSERT_TRUE(catalog.AdoptScan(std::move(scan)));

    QWidget host;
    host.resize(640, 480);
    host.show();
    auto* placeholder = new QWidget(&host);
    placeholder->setGeometry(10, 10, 404, 304);
    Offline offline;
    CHtmlMapDlg map(&host, QString());
    ASSERT_TRUE(map.CreateInPlace(&host, [&](int) { return placeholder; }));
    map.App()->Profile()->setUrlRequestInterceptor(&offline);
    map.SetMapType(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !map.WebView()->Handler()->Browsers().isEmpty(); }, kBoundMs));
    QWebEnginePage* page = map.WebView()->Handler()->Browsers().first()->page();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Js(page, "typeof drivenTrack !== 'undefined'").toBool(); }, kBoundMs));

    CTrackPlotter plotter(catalog);
    plotter.Attach(nullptr, &map, nullptr);
    ASSERT_EQ(plotter.LoadTelemetry(0), 1);
    for (int64_t t = 0; t <= 5000; t += 500) EXPECT_EQ(plotter.UpdateAtTime(t, false, true), 1) << t;
    EXPECT_EQ(Js(page, "fullTrack.getLatLngs().length").toInt(), 20);
    EXPECT_EQ(Js(page, "drivenTrack.getLatLngs().length").toInt(), 6);  // samples 0..5
    EXPECT_NEAR(Js(page, "marker.getLatLng().lat").toDouble(), 35 + 38.6701 / 60, 1e-6);

    ASSERT_EQ(plotter.RebuildDrivenTrack(15000), 1);
    EXPECT_EQ(Js(page, "drivenTrack.getLatLngs().length").toInt(), 15);  // up to the sample before 15
    ASSERT_EQ(plotter.UpdateAtTime(15000, false, true), 1);              // the jump empties it
    EXPECT_EQ(Js(page, "drivenTrack.getLatLngs().length").toInt(), 0);
}

}  // namespace
