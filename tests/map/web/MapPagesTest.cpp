#include <gtest/gtest.h>

#include <QString>

#include "WebHarness.h"
#include "map/core/MapCommands.h"

using maptest::Js;
using maptest::WaitForJs;
using maptest::WebHarness;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct OpenPage {
    explicit OpenPage(const QString& address, const QString& standIn = {})
        : browser(WebHarness::Get().Open(address, standIn)), page(browser->page()) {}
    ~OpenPage() { delete browser; }
    QVariant operator()(const QString& code) const { return Js(page, code); }
    void Send(const std::string& command) const { Js(page, Q(command)); }
    CMapBrowser* browser;
    QWebEnginePage* page;
};

TEST(OsmPage, DrawsBothTracksAndMovesTheMarkerWithTheLocalLeaflet) {
    WebHarness::Get().Interceptor().Clear();
    OpenPage p("file:///res/osm.html");
    ASSERT_TRUE(WaitForJs(p.page, "window.map !== null && typeof L !== 'undefined'"));
    EXPECT_EQ(p("L.version").toString(), "1.9.4");
    EXPECT_EQ(p("map.getZoom()").toInt(), 15);
    EXPECT_NEAR(p("map.getCenter().lat").toDouble(), 35.640335, 1e-9);
    EXPECT_NEAR(p("map.getCenter().lng").toDouble(), 139.749037, 1e-9);
    EXPECT_EQ(p("[fullTrack.options.color, fullTrack.options.opacity, fullTrack.options.weight].join()").toString(),
              "#8833FF,0.5,6");
    EXPECT_EQ(p("[drivenTrack.options.color, drivenTrack.options.opacity, drivenTrack.options.weight].join()").toString(),
              "#55EE55,0.5,6");
    EXPECT_TRUE(p("marker.options.icon.options.iconUrl === './gmap_ufo.png'").toBool());
    EXPECT_TRUE(WaitForJs(p.page, "document.querySelector('.leaflet-marker-icon') !== null && "
                                  "document.querySelector('.leaflet-marker-icon').complete && "
                                  "document.querySelector('.leaflet-marker-icon').naturalWidth === 40"));
    EXPECT_TRUE(p("document.querySelector('.leaflet-control-attribution').textContent")
                    .toString()
                    .contains(QStringLiteral("© OpenStreetMap contributors")));
    // Only the tiles come from the network.
    const QStringList blocked = WebHarness::Get().Interceptor().Blocked();
    ASSERT_FALSE(blocked.isEmpty());
    for (const QString& url : blocked) EXPECT_TRUE(url.startsWith("https://tile.openstreetmap.org/")) << url.toStdString();

    for (int i = 0; i < 3; ++i) p.Send(PathPlotCommand(35.64 + i * 0.001, 139.75 + i * 0.001));
    p("map.setZoom(12, {animate: false})");
    p.Send(MovposCommand(35.641, 139.751));
    p.Send(MovposCommand(-35.642, 139.752));
    EXPECT_EQ(p("fullTrack.getLatLngs().length").toInt(), 3);
    EXPECT_EQ(p("drivenTrack.getLatLngs().length").toInt(), 2);
    EXPECT_NEAR(p("marker.getLatLng().lat").toDouble(), -35.642, 1e-9);
    EXPECT_NEAR(p("marker.getLatLng().lng").toDouble(), 139.752, 1e-9);
    EXPECT_NEAR(p("map.getCenter().lat").toDouble(), -35.642, 1e-6);
    EXPECT_EQ(p("map.getZoom()").toInt(), 12);  // movpos keeps the user's zoom

    p.Send(PathDrivedDeleteCommand());
    EXPECT_EQ(p("drivenTrack.getLatLngs().length").toInt(), 0);
    p.Send(MovposCommand(35.643, 139.753));
    EXPECT_EQ(p("drivenTrack.getLatLngs().length").toInt(), 1);
    p.Send(PathDrivedPlotCommand(35.644, 139.754));
    EXPECT_EQ(p("drivenTrack.getLatLngs().length").toInt(), 2);
    p.Send(PathDeleteCommand());
    EXPECT_EQ(p("fullTrack.getLatLngs().length").toInt(), 0);
    // The lines are drawn: one SVG path each, the full track with its three points gone.
    EXPECT_EQ(p("document.querySelectorAll('path.leaflet-interactive').length").toInt(), 2);
}

TEST(GooglePage, LoadsTheApiWithTheKeyAndAnswersTheCommands) {
    WebHarness::Get().Interceptor().Clear();
    OpenPage p("file:///res/gmap_ja.html?key=TEST-KEY%26x", maptest::StandInScript("google_maps_standin.js"));
    ASSERT_TRUE(WaitForJs(p.page, "window.map !== null"));
    const QStringList blocked = WebHarness::Get().Interceptor().Blocked();
    ASSERT_EQ(blocked.size(), 1);
    EXPECT_TRUE(blocked[0].startsWith("https://maps.googleapis.com/maps/api/js?")) << blocked[0].toStdString();
    EXPECT_TRUE(blocked[0].contains("key=TEST-KEY%26x")) << blocked[0].toStdString();
    EXPECT_EQ(p("document.title").toString(), "Google Maps");

    EXPECT_EQ(p("[map.element.id, map.options.zoom, map.options.mapTypeId, map.center.lat(), map.center.lng()].join()")
                  .toString(),
              "map_canvas,15,roadmap,35.640335,139.749037");
    EXPECT_EQ(p("[marker.options.icon, marker.options.title, marker.map === map].join()").toString(), "./gmap_ufo.png,,true");
    EXPECT_EQ(p("[fullTrack.options.strokeColor, fullTrack.options.strokeOpacity, fullTrack.options.strokeWeight, "
                "fullTrack.map === map].join()")
                  .toString(),
              "#8833FF,0.5,6,true");
    EXPECT_EQ(p("[drivenTrack.options.strokeColor, drivenTrack.options.strokeOpacity, drivenTrack.options.strokeWeight, "
                "drivenTrack.map === map].join()")
                  .toString(),
              "#55EE55,0.5,6,true");

    p.Send(PathPlotCommand(1, 2));
    p.Send(PathPlotCommand(3, 4));
    p("map.setZoom(11)");
    p.Send(MovposCommand(35.5, 139.5));
    EXPECT_EQ(p("[fullTrack.getPath().getLength(), drivenTrack.getPath().getLength()].join()").toString(), "2,1");
    EXPECT_EQ(p("[marker.getPosition().lat(), marker.getPosition().lng(), map.getCenter().lat(), map.getZoom()].join()")
                  .toString(),
              "35.5,139.5,35.5,11");
    p.Send(PathDrivedPlotCommand(5, 6));
    p.Send(PathDrivedDeleteCommand());
    p.Send(MovposCommand(7, 8));
    EXPECT_EQ(p("drivenTrack.getPath().getLength()").toInt(), 1);
    p.Send(PathDeleteCommand());
    EXPECT_EQ(p("fullTrack.getPath().getLength()").toInt(), 0);
}

TEST(GooglePage, WithoutAKeyNoApiIsRequested) {
    WebHarness::Get().Interceptor().Clear();
    OpenPage p("file:///res/gmap_ja.html", maptest::StandInScript("google_maps_standin.js"));
    ASSERT_TRUE(WaitForJs(p.page, "document.readyState === 'complete'"));
    EXPECT_TRUE(WebHarness::Get().Interceptor().Blocked().isEmpty());
}

TEST(ChinaPage, ConvertsEveryPointAndShowsTheMarkerOnlyAfterMovpos) {
    OpenPage p("file:///res/BMap.html", maptest::StandInScript("baidu_maps_standin.js"));
    ASSERT_TRUE(WaitForJs(p.page, "window.map !== null"));
    EXPECT_EQ(p("document.title").toString(), "Hello, World");
    EXPECT_EQ(p("[map.id, map.zoom, map.center.lng, map.center.lat, map.wheel, map.keyboard, "
                "map.controls.length, map.controls[0].options.type].join()")
                  .toString(),
              "container,16,116.404,39.915,true,true,1,0");
    EXPECT_EQ(p("[fullTrack.options.strokeColor, fullTrack.options.strokeWeight, fullTrack.options.strokeOpacity, "
                "drivenTrack.options.strokeColor].join()")
                  .toString(),
              "blue,6,0.5,red");
    EXPECT_EQ(p("map.overlays.length").toInt(), 2);
    EXPECT_FALSE(p("map.overlays.indexOf(marker) >= 0").toBool());

    p.Send(PathPlotCommand(10, 20));
    p.Send(PathPlotCommand(11, 21));
    EXPECT_EQ(p("fullTrack.getPath().length").toInt(), 0);  // nothing before the answers
    // Longitude first, type 0 (GPS coordinates).
    EXPECT_EQ(p("JSON.stringify(standinRequests)").toString(), "[[20,10,0],[21,11,0]]");
    EXPECT_EQ(p("standinRelease([1, 0])").toInt(), 2);  // answers out of order are appended as they come
    EXPECT_EQ(p("fullTrack.getPath().map(function (q) { return q.lat.toFixed(3); }).join()").toString(), "11.006,10.006");

    p("movpos(35.5, 139.5, 99)");  // a third argument is accepted
    EXPECT_FALSE(p("map.overlays.indexOf(marker) >= 0").toBool());
    p("map.zoom = 13");
    p("standinRelease()");
    EXPECT_TRUE(p("map.overlays.indexOf(marker) >= 0").toBool());
    EXPECT_EQ(p("[marker.point.lng.toFixed(4), marker.point.lat.toFixed(3), map.zoom, map.overlays.length, "
                "drivenTrack.getPath().length].join()")
                  .toString(),
              "139.5065,35.506,13,3,1");

    // A delete does not cancel conversions still outstanding.
    p.Send(PathDrivedPlotCommand(1, 2));
    p.Send(PathDrivedDeleteCommand());
    EXPECT_EQ(p("drivenTrack.getPath().length").toInt(), 0);
    p("standinRelease()");
    EXPECT_EQ(p("drivenTrack.getPath().length").toInt(), 1);
    p.Send(PathDeleteCommand());
    EXPECT_EQ(p("fullTrack.getPath().length").toInt(), 0);
}

}  // namespace
