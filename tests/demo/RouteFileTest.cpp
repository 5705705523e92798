// The route file: the committed route itself, and the lines the reader refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "DemoCardSetup.h"
#include "tools/demo/OutputFolder.h"
#include "tools/demo/Route.h"

namespace {

TEST(RouteFile, TheCommittedRouteRunsAlongNamedStreetsInSmallSteps) {
    const auto points = LoadRoute(DefaultRoutePath());
    ASSERT_GE(points.size(), 200u);
    std::set<std::string> streets;
    for (const RoutePoint& p : points) streets.insert(p.street);
    EXPECT_EQ(streets, (std::set<std::string>{"Avenue of the Americas", "Central Park South", "Fifth Avenue",
                                              "West 57th Street"}));
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double step = LocalDistanceM(points[i].position.latitude, points[i].position.longitude,
                                           points[i + 1].position.latitude, points[i + 1].position.longitude);
        EXPECT_GT(step, 0.5) << "point " << i;
        EXPECT_LT(step, 5.0) << "point " << i;
    }
    // A loop round one Midtown block: it ends where it starts and is under a kilometre long.
    const RoutePath path(points);
    EXPECT_LT(LocalDistanceM(points.front().position.latitude, points.front().position.longitude,
                             points.back().position.latitude, points.back().position.longitude),
              0.5);
    EXPECT_GT(path.Length(), 800);
    EXPECT_LT(path.Length(), 1000);
}

TEST(RouteFile, RefusesMalformedLinesNamingTheLine) {
    const std::string dir = MakeTemporaryFolder("route");
    struct Case {
        const char* text;
        const char* where;
    };
    const Case cases[] = {
        {"latitude,longitude,street\n40.1,-73.2,A Street\n40.1x,-73.2,A Street\n", ":3:"},
        {"latitude,longitude,street\n40.1,-73.2\n", ":2:"},
        {"latitude,longitude,street\n95.0,-73.2,A Street\n40.1,-73.2,A Street\n", ":2:"},
        {"latitude,longitude,street\n40.1,-73.2,A Street\n", "fewer than two"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string path = dir + "route.csv";
        std::ofstream(path) << c.text;
        try {
            LoadRoute(path);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(LoadRoute(dir + "missing.csv"), std::runtime_error);
    RemoveTree(dir);
}

TEST(RouteFile, PositionsBearingsAndBendsAlongThePath) {
    // 0.001 degrees north (111.195 m), then 0.001 degrees east at 40.001 N (85.178 m): a right turn;
    // the corner point names the street that begins there.
    const RoutePath path({{{40.0, -73.0}, "North"}, {{40.001, -73.0}, "East"}, {{40.001, -72.999}, "East"}});
    const double north = 111.195;
    EXPECT_NEAR(path.Length(), north + 85.178, 0.01);
    EXPECT_NEAR(path.PointAt(north / 2).latitude, 40.0005, 1e-7);
    EXPECT_NEAR(path.PointAt(north / 2).longitude, -73.0, 1e-12);
    EXPECT_NEAR(path.BearingAt(10), 0.0, 1e-6);
    EXPECT_NEAR(path.BearingAt(north + 10), 90.0, 0.05);
    EXPECT_GT(path.CurvatureAt(north), 0) << "a right turn bends positively";
    EXPECT_EQ(path.StreetAt(10), "North");
    EXPECT_EQ(path.StreetAt(north + 10), "East");
    EXPECT_NEAR(path.PointAt(1e9).longitude, -72.999, 1e-12) << "clamped at the end";
}

}  // namespace
