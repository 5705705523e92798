// The map window in a real Qt WebEngine, offline: the OpenStreetMap page with its local Leaflet.
#include <gtest/gtest.h>

#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <memory>

#include "map/CCEFWebkitUI.h"
#include "map/CCefClientApp.h"
#include "map/CCefClientHandler.h"
#include "map/CHtmlMapDlg.h"
#include "map/core/MapCommands.h"
#include "tests/support/PageScript.h"

namespace {

constexpr int kBoundMs = 30000;  // an upper bound for waits, never a measurement

class Offline : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != "file" && scheme != "data" && scheme != "qrc") info.block(true);
    }
};

using pagescript::Js;
using pagescript::WaitForJs;

// A main window stand-in holding the map placeholder, and the map window created over it.
struct MapFixture {
    explicit MapFixture(int mapType = kMapGoogle, QRect placeholderRect = QRect(30, 40, 400, 200)) {
        host.resize(800, 600);
        host.show();
        placeholder = new QWidget(&host);
        placeholder->setGeometry(placeholderRect);
        map = new CHtmlMapDlg(&host, QString());
        created = map->CreateInPlace(&host, [this](int id) {
            return id == CHtmlMapDlg::kPlaceholderId ? placeholder.data() : nullptr;
        });
        if (map->App()) map->App()->Profile()->setUrlRequestInterceptor(&offline);
        map->SetMapType(mapType);  // the runtime is not ready yet: only remembered
    }
    ~MapFixture() { delete map; }

    QList<QPointer<CMapBrowser>> Browsers() const { return map->WebView()->Handler()->Browsers(); }
    CMapBrowser* WaitForPage() {
        if (!QTest::qWaitFor([&] { return !Browsers().isEmpty(); }, kBoundMs)) return nullptr;
        CMapBrowser* b = Browsers().first();
        if (!WaitForJs(b->page(), "typeof map !== 'undefined' && document.readyState === 'complete'"))
            return nullptr;
        return b;
    }

    Offline offline;
    QWidget host;
    QPointer<QWidget> placeholder;
    CHtmlMapDlg* map = nullptr;
    bool created = false;
};

TEST(MapWindow, CommandsBeforeThePageAreDroppedAndLaterOnesDrawOnTheMap) {
    MapFixture f;
    ASSERT_TRUE(f.created);
    EXPECT_TRUE(f.placeholder.isNull());
    EXPECT_EQ(f.map->geometry(), QRect(32, 42, 396, 196));
    EXPECT_FALSE(f.map->IsContextReady());
    EXPECT_TRUE(f.Browsers().isEmpty());
    f.map->ExecuteScript("window.earlyCommand = 1;");
    f.map->ExecuteScript(PathPlotCommand(35.7, 139.8));

    CMapBrowser* b = f.WaitForPage();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(f.map->IsContextReady());
    EXPECT_TRUE(b->url().toString().endsWith("/osm.html")) << b->url().toString().toStdString();
    EXPECT_EQ(b->geometry(), QRect(0, 0, 396, 186));  // the 10-pixel strip stays free
    EXPECT_EQ(Js(b->page(), "typeof window.earlyCommand").toString(), "undefined");
    EXPECT_EQ(Js(b->page(), "fullTrack.getLatLngs().length").toInt(), 0);

    f.map->ExecuteScript(PathPlotCommand(35.64, 139.75));
    f.map->ExecuteScript(PathPlotCommand(35.65, 139.76));
    f.map->SendPosition(3538.4201 / 100, 13944.9422 / 100, false);  // block values, converted
    EXPECT_EQ(Js(b->page(), "fullTrack.getLatLngs().length").toInt(), 2);
    EXPECT_EQ(Js(b->page(), "drivenTrack.getLatLngs().length").toInt(), 1);
    EXPECT_NEAR(Js(b->page(), "marker.getLatLng().lat").toDouble(), 35.640335, 1e-9);
    EXPECT_NEAR(Js(b->page(), "marker.getLatLng().lng").toDouble(), 139.749037, 1e-9);
    f.map->ExecuteScript(PathDrivedDeleteCommand());
    EXPECT_EQ(Js(b->page(), "drivenTrack.getLatLngs().length").toInt(), 0);
}

TEST(MapWindow, PlaceAtLeavesTheStripAndCollapseParksTheBrowserWithTraceLines) {
    MapFixture f;
    CMapBrowser* b = f.WaitForPage();
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.map->RefreshPending(); }, kBoundMs));

    testing::internal::CaptureStdout();
    f.map->PlaceAt(QRect(10, 20, 300, 200));
    const QRect afterTall = b->geometry();
    f.map->PlaceAt(QRect(10, 20, 300, 8));
    const QRect afterLow = b->geometry();
    // Both refresh requests arrive before the timer fires: the second restarts it, one refresh runs.
    const bool refreshed = QTest::qWaitFor([&] { return f.map->RefreshPending(); }, kBoundMs) &&
                           QTest::qWaitFor([&] { return !f.map->RefreshPending(); }, kBoundMs);
    const std::string out = testing::internal::GetCapturedStdout();

    EXPECT_EQ(f.map->geometry(), QRect(10, 20, 300, 8));
    EXPECT_EQ(afterTall, QRect(0, 0, 300, 190));
    EXPECT_EQ(afterLow, QRect(0, 0, 300, 8));
    EXPECT_EQ(f.map->WebView()->GetPos(), (WebViewRect{0, 0, 300, 8}));
    ASSERT_TRUE(refreshed);
    EXPECT_EQ(out,
              "==>>CCEFWebkitUI::SetPos \n"
              "==>>CCEFWebkitUI::SetPos \n"
              "==>>CCEFWebkitUI::ReFresh Refresh the Webview \n"
              "==>> CCEFWebkitUI::Refresh the Webview \n");
    EXPECT_TRUE(b->isVisible());

    // Full screen: the main window parks the map window at 1 x 1, then collapses the browser.
    f.map->setGeometry(0, 0, 1, 1);
    f.map->Collapse();
    EXPECT_EQ(b->geometry(), QRect(0, 0, 1, 1));
    EXPECT_EQ(f.map->WebView()->GetPos(), (WebViewRect{0, 0, 1, 1}));

    // The main window's layout moves the map window directly; the browser follows it.
    f.map->setGeometry(5, 5, 250, 120);
    EXPECT_EQ(b->geometry(), QRect(0, 0, 250, 110));
}

TEST(MapWindow, TypeChosenBeforeReadyGivesTheFirstPageAndALaterTypeSwitchesIt) {
    MapFixture f(kMapChina);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Browsers().isEmpty(); }, kBoundMs));
    CMapBrowser* b = f.Browsers().first();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->url().fileName() == "BMap.html"; }, kBoundMs))
        << b->url().toString().toStdString();
    f.map->SetMapType(kMapGoogle);
    EXPECT_EQ(f.map->MapType(), kMapGoogle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->url().toString().endsWith("/osm.html"); }, kBoundMs));
    ASSERT_TRUE(WaitForJs(b->page(), "typeof map !== 'undefined'"));
    EXPECT_EQ(f.Browsers().size(), 1);  // the page changes in the one browser, which stays shown
    f.map->PlaceAt(QRect(0, 0, 200, 100));
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->geometry(), QRect(0, 0, 200, 90));

    f.map->SetGoogleMapKey("K&Y");
    f.map->SetMapType(kMapGoogle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->url().fileName() == "gmap_ja.html"; }, kBoundMs));
    EXPECT_EQ(b->url().query(QUrl::FullyEncoded), "key=K%26Y");
}

TEST(MapWindow, WithoutThePlaceholderNothingStartsAndCommandsAreDropped) {
    QWidget host;
    CHtmlMapDlg map(&host, QString());
    EXPECT_FALSE(map.CreateInPlace(&host, [](int) { return nullptr; }));
    map.SetMapType(kMapChina);
    EXPECT_EQ(map.MapType(), kMapChina);
    EXPECT_EQ(map.WebView(), nullptr);
    EXPECT_EQ(map.App(), nullptr);
    map.ExecuteScript("path_delete()");
    map.SendPosition(35.0, 139.0, true);
    map.PlaceAt(QRect(0, 0, 100, 100));
    EXPECT_EQ(map.geometry(), QRect(0, 0, 100, 100));
}

TEST(MapWindow, NamedProfileKeepsItsCacheUnderTheUsersCacheFolder) {
    QWidget host;
    auto* placeholder = new QWidget(&host);
    CHtmlMapDlg map(&host, QStringLiteral("VelidorMapTest"));
    ASSERT_TRUE(map.CreateInPlace(&host, [&](int) { return placeholder; }));
    const QString cacheHome = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    ASSERT_FALSE(cacheHome.isEmpty());
    EXPECT_FALSE(map.App()->Profile()->isOffTheRecord());
    EXPECT_TRUE(map.App()->Profile()->cachePath().startsWith(cacheHome + "/"))
        << map.App()->Profile()->cachePath().toStdString();
    map.ShutdownBrowserRuntime();
    EXPECT_EQ(map.WebView(), nullptr);
    map.ExecuteScript("path_delete()");  // dropped after shutdown
}

}  // namespace
