// The planned motion the demo card's telemetry comes from: within its limits, at rest where it stops.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/demo/DriveMotion.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLat0 = 40.0;
constexpr double kMPerDegLat = kPi / 180 * 6371000.0;
const double kMPerDegLon = kMPerDegLat * std::cos(kLat0 * kPi / 180);

RoutePoint At(double eastM, double northM) {
    return {{kLat0 + northM / kMPerDegLat, -73.0 + eastM / kMPerDegLon}, "Test Street"};
}

// North for 200 m, a right-hand quarter circle of radius 10 m, then east for 200 m.
RoutePath CornerRoute() {
    std::vector<RoutePoint> p;
    for (int i = 0; i <= 100; ++i) p.push_back(At(0, 2.0 * i));
    for (int i = 1; i <= 16; ++i) {
        const double phi = kPi / 2 * i / 16;
        p.push_back(At(10 - 10 * std::cos(phi), 200 + 10 * std::sin(phi)));
    }
    for (int i = 1; i <= 100; ++i) p.push_back(At(10 + 2.0 * i, 210));
    return RoutePath(p);
}

struct Extremes {
    double maxSpeed = 0, maxForward = -1e9, minForward = 1e9, maxRight = -1e9, minRight = 1e9;
    double maxCornerSpeed = 0;
};

Extremes Sweep(const DriveMotion& m, double cornerFrom, double cornerTo) {
    Extremes e;
    for (double t = 0; t <= m.MovingUntil() + 1; t += 0.02) {
        const MotionState s = m.At(t);
        e.maxSpeed = std::max(e.maxSpeed, s.speedMs);
        e.maxForward = std::max(e.maxForward, s.forwardMs2);
        e.minForward = std::min(e.minForward, s.forwardMs2);
        e.maxRight = std::max(e.maxRight, s.rightMs2);
        e.minRight = std::min(e.minRight, s.rightMs2);
        if (s.distanceM >= cornerFrom && s.distanceM <= cornerTo)
            e.maxCornerSpeed = std::max(e.maxCornerSpeed, s.speedMs);
    }
    return e;
}

TEST(DriveMotion, KeepsToItsLimitsAndStopsWhereTheLegEnds) {
    const RoutePath route = CornerRoute();
    const DrivingStyle style;
    const DriveMotion m(route, {{0, route.Length(), false, 0}}, 1.0, style);
    const double cornerStart = 200, cornerEnd = 200 + kPi * 10 / 2;
    const Extremes e = Sweep(m, cornerStart + 2, cornerEnd - 2);
    EXPECT_NEAR(e.maxSpeed, style.cruiseMs, 0.01) << "reaches but never passes the top speed";
    EXPECT_NEAR(e.maxForward, style.accelMs2, 0.01);
    EXPECT_NEAR(e.minForward, -style.brakeMs2, 0.01);
    EXPECT_LE(e.maxCornerSpeed, std::sqrt(style.lateralMs2 * 10) * 1.02);
    EXPECT_GT(e.maxRight, 0.8 * style.lateralMs2) << "the right turn pushes to the right";
    EXPECT_LE(e.maxRight, style.lateralMs2 * 1.05);
    EXPECT_GE(e.minRight, -0.01);
    EXPECT_EQ(m.HardBrakeStart(), -1);
    // Standing at the start for the first second, then gone; at rest at the end.
    EXPECT_EQ(m.At(0.5).distanceM, 0);
    EXPECT_GT(m.At(2.0).distanceM, 0);
    EXPECT_NEAR(m.At(m.MovingUntil()).distanceM, route.Length(), 1e-6);
    EXPECT_EQ(m.At(m.MovingUntil() + 5).speedMs, 0);
    EXPECT_NEAR(HaversineMeters(m.At(m.MovingUntil() + 5).position, route.Points().back().position), 0, 0.01);
}

TEST(DriveMotion, AnEmergencyStopBrakesHardAndStandsBeforeGoingOn) {
    const RoutePath route = CornerRoute();
    const DrivingStyle style;
    const DriveMotion m(route, {{0, 150, true, 2.0}, {150, route.Length(), false, 0}}, 1.0, style);
    const Extremes e = Sweep(m, 0, 0);
    EXPECT_NEAR(e.minForward, -style.hardBrakeMs2, 0.01);
    ASSERT_GT(m.HardBrakeStart(), 1.0);
    const MotionState braking = m.At(m.HardBrakeStart() + 0.5);
    EXPECT_NEAR(braking.forwardMs2, -style.hardBrakeMs2, 0.01);
    EXPECT_GT(braking.speedMs, 5.0);
    // From full speed to rest in about cruise / hard brake seconds, then standing at 150 m.
    const double stop = m.HardBrakeStart() + style.cruiseMs / style.hardBrakeMs2;
    EXPECT_NEAR(m.At(stop + 0.05).distanceM, 150, 0.01);
    EXPECT_EQ(m.At(stop + 1.5).speedMs, 0);
    EXPECT_GT(m.At(stop + 3.0).distanceM, 150);
}

TEST(DriveMotion, RefusesLegsThatDoNotRunForwardAlongTheRoute) {
    const RoutePath route = CornerRoute();
    EXPECT_THROW(DriveMotion(route, {}, 0), std::invalid_argument);
    EXPECT_THROW(DriveMotion(route, {{50, 50, false, 0}}, 0), std::invalid_argument);
    EXPECT_THROW(DriveMotion(route, {{50, 10, false, 0}}, 0), std::invalid_argument);
    EXPECT_THROW(DriveMotion(route, {{0, route.Length() + 10, false, 0}}, 0), std::invalid_argument);
}

}  // namespace
