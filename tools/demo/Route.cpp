#include "tools/demo/Route.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<RoutePoint> LoadRoute(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read the route " + path);
    std::vector<RoutePoint> points;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 || line.empty()) continue;
        std::istringstream fields(line);
        std::string lat, lon, street;
        std::getline(fields, lat, ',');
        std::getline(fields, lon, ',');
        std::getline(fields, street);
        RoutePoint p;
        try {
            size_t usedLat = 0, usedLon = 0;
            p.position.latitude = std::stod(lat, &usedLat);
            p.position.longitude = std::stod(lon, &usedLon);
            if (usedLat != lat.size() || usedLon != lon.size()) throw std::invalid_argument("trailing text");
        } catch (const std::exception&) {
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": expected latitude,longitude,street");
        }
        if (std::fabs(p.position.latitude) > 90 || std::fabs(p.position.longitude) > 180 || street.empty())
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": position out of range or no street");
        p.street = street;
        points.push_back(std::move(p));
    }
    if (points.size() < 2) throw std::runtime_error("the route " + path + " has fewer than two points");
    return points;
}

RoutePath::RoutePath(std::vector<RoutePoint> points) : m_points(std::move(points)) {
    if (m_points.size() < 2) throw std::invalid_argument("a route needs at least two points");
    m_distance.push_back(0);
    for (size_t i = 0; i + 1 < m_points.size(); ++i) {
        m_distance.push_back(m_distance.back() +
                             HaversineMeters(m_points[i].position, m_points[i + 1].position));
        m_bearing.push_back(BearingDegrees(m_points[i].position, m_points[i + 1].position));
    }
    m_curvature.assign(m_points.size(), 0.0);
    for (size_t i = 1; i + 1 < m_points.size(); ++i) {
        const double span = (m_distance[i + 1] - m_distance[i - 1]) / 2;
        const double turn = BearingDelta(m_bearing[i - 1], m_bearing[i]) * std::acos(-1.0) / 180.0;
        m_curvature[i] = span > 0 ? turn / span : 0.0;
    }
}

size_t RoutePath::PieceAt(double s) const {
    const auto it = std::upper_bound(m_distance.begin(), m_distance.end(), s);
    const size_t after = size_t(it - m_distance.begin());
    return std::clamp<size_t>(after == 0 ? 0 : after - 1, 0, m_points.size() - 2);
}

GeoPoint RoutePath::PointAt(double s) const {
    const size_t i = PieceAt(s);
    const double length = m_distance[i + 1] - m_distance[i];
    const double f = length > 0 ? std::clamp((s - m_distance[i]) / length, 0.0, 1.0) : 0.0;
    const GeoPoint& a = m_points[i].position;
    const GeoPoint& b = m_points[i + 1].position;
    return {a.latitude + (b.latitude - a.latitude) * f, a.longitude + (b.longitude - a.longitude) * f};
}

double RoutePath::BearingAt(double s) const { return m_bearing[PieceAt(s)]; }

double RoutePath::CurvatureAt(double s) const {
    const size_t i = PieceAt(s);
    const double length = m_distance[i + 1] - m_distance[i];
    const double f = length > 0 ? std::clamp((s - m_distance[i]) / length, 0.0, 1.0) : 0.0;
    return m_curvature[i] + (m_curvature[i + 1] - m_curvature[i]) * f;
}

const std::string& RoutePath::StreetAt(double s) const { return m_points[PieceAt(s)].street; }
