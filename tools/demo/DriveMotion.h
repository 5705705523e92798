// A car's motion along a route: speeds planned from limits on speed, acceleration and cornering,
// laid out in time from the moment the camera starts recording.
#pragma once

#include <vector>

#include "tools/demo/Route.h"

struct DrivingStyle {
    double cruiseMs = 40 / 3.6;  // top speed on a straight
    double accelMs2 = 1.8;       // pulling away
    double brakeMs2 = 2.0;       // ordinary slowing down and stopping
    double hardBrakeMs2 = 5.6;   // an emergency stop (about 0.57 g)
    double lateralMs2 = 2.0;     // highest sideways acceleration in a corner
};

// One stretch driven without stopping, from rest to rest.
struct DriveLeg {
    double fromM = 0, toM = 0;  // distances along the route
    bool hardStop = false;      // ends in an emergency stop instead of a gentle one
    double standAfterS = 0;     // seconds standing after the stop
};

struct MotionState {
    GeoPoint position;
    double distanceM = 0;
    double speedMs = 0;
    double forwardMs2 = 0;  // along the direction of travel
    double rightMs2 = 0;    // sideways, towards the right
    double bearing = 0;     // of the route where the car is
};

class DriveMotion {
public:
    // The car stands for standBeforeS seconds, then drives the legs in order.
    DriveMotion(const RoutePath& route, const std::vector<DriveLeg>& legs, double standBeforeS,
                const DrivingStyle& style = {});

    double MovingUntil() const { return m_nodes.back().t; }  // seconds until the last stop is over
    MotionState At(double t) const;                          // standing still after the end
    // The time at which the first emergency stop of the drive begins to brake, or -1.
    double HardBrakeStart() const { return m_hardBrakeStart; }

private:
    struct Node {
        double t, s, v;
    };
    void AddLeg(const DriveLeg& leg, const DrivingStyle& style);

    const RoutePath& m_route;
    std::vector<Node> m_nodes;
    double m_hardBrakeStart = -1;
};
