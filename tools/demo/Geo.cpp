#include "tools/demo/Geo.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kRad = std::numbers::pi / 180.0;
}

double HaversineMeters(const GeoPoint& a, const GeoPoint& b) {
    const double dLat = (b.latitude - a.latitude) * kRad;
    const double dLon = (b.longitude - a.longitude) * kRad;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(a.latitude * kRad) *
                                                                   std::cos(b.latitude * kRad) *
                                                                   std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusM * std::asin(std::min(1.0, std::sqrt(h)));
}

double BearingDegrees(const GeoPoint& a, const GeoPoint& b) {
    const double lat1 = a.latitude * kRad, lat2 = b.latitude * kRad;
    const double dLon = (b.longitude - a.longitude) * kRad;
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x = std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double deg = std::atan2(y, x) / kRad;
    return deg < 0 ? deg + 360.0 : deg;
}

double BearingDelta(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}
