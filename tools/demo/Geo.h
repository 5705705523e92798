// Distances and bearings on the Earth's surface, for laying a drive along a route.
#pragma once

struct GeoPoint {
    double latitude = 0;  // decimal degrees
    double longitude = 0;
};

constexpr double kEarthRadiusM = 6371000.0;

// Great-circle distance in metres.
double HaversineMeters(const GeoPoint& a, const GeoPoint& b);
// Initial bearing from a to b in degrees clockwise from true north, in [0, 360).
double BearingDegrees(const GeoPoint& a, const GeoPoint& b);
// Signed difference b - a of two bearings, in (-180, 180].
double BearingDelta(double a, double b);
