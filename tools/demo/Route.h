// The committed demo route: points along named streets, read from a CSV file.
#pragma once

#include <string>
#include <vector>

#include "tools/demo/Geo.h"

struct RoutePoint {
    GeoPoint position;
    std::string street;
};

// Reads "latitude,longitude,street" lines after a header line. Throws std::runtime_error naming the
// file and line when the file cannot be read or a line is malformed.
std::vector<RoutePoint> LoadRoute(const std::string& path);

// The route as a path a car drives along, measured in metres from its first point.
class RoutePath {
public:
    explicit RoutePath(std::vector<RoutePoint> points);  // at least two points

    double Length() const { return m_distance.back(); }
    GeoPoint PointAt(double s) const;
    double BearingAt(double s) const;             // of the piece of the route at s
    double CurvatureAt(double s) const;           // 1/m, positive when the route bends to the right
    const std::string& StreetAt(double s) const;  // a point names the street of the piece it begins
    const std::vector<RoutePoint>& Points() const { return m_points; }

private:
    size_t PieceAt(double s) const;  // index i of the piece from point i to point i + 1

    std::vector<RoutePoint> m_points;
    std::vector<double> m_distance;   // from the first point, per point
    std::vector<double> m_bearing;    // per piece
    std::vector<double> m_curvature;  // per point; 0 at both ends
};
