#include "tools/demo/DriveMotion.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double kStepM = 0.25;         // planning grid along the route
constexpr double kHardBrakeZoneM = 30;  // the emergency stop brakes hard only this close to its end
}  // namespace

DriveMotion::DriveMotion(const RoutePath& route, const std::vector<DriveLeg>& legs, double standBeforeS,
                         const DrivingStyle& style)
    : m_route(route) {
    if (legs.empty()) throw std::invalid_argument("a drive needs at least one leg");
    m_nodes.push_back({0, legs.front().fromM, 0});
    m_nodes.push_back({standBeforeS, legs.front().fromM, 0});
    for (const DriveLeg& leg : legs) AddLeg(leg, style);
}

void DriveMotion::AddLeg(const DriveLeg& leg, const DrivingStyle& style) {
    if (leg.toM <= leg.fromM || leg.toM > m_route.Length() + 1e-6)
        throw std::invalid_argument("a leg must run forward along the route");
    const size_t n = std::max<size_t>(1, size_t(std::ceil((leg.toM - leg.fromM) / kStepM)));
    const double ds = (leg.toM - leg.fromM) / double(n);
    auto inHardZone = [&](size_t i) { return leg.hardStop && double(n - i) * ds <= kHardBrakeZoneM; };

    // Speed limits per grid point: top speed, cornering, at rest at both ends; then what pulling
    // away (forward pass) and braking (backward pass) allow.
    std::vector<double> v(n + 1);
    for (size_t i = 0; i <= n; ++i) {
        const double k = std::fabs(m_route.CurvatureAt(leg.fromM + double(i) * ds));
        v[i] = k > 1e-6 ? std::min(style.cruiseMs, std::sqrt(style.lateralMs2 / k)) : style.cruiseMs;
    }
    v.front() = v.back() = 0;
    for (size_t i = 0; i < n; ++i)
        v[i + 1] = std::min(v[i + 1], std::sqrt(v[i] * v[i] + 2 * style.accelMs2 * ds));
    for (size_t i = n; i > 0; --i) {
        const double brake = inHardZone(i) ? style.hardBrakeMs2 : style.brakeMs2;
        v[i - 1] = std::min(v[i - 1], std::sqrt(v[i] * v[i] + 2 * brake * ds));
    }

    // Each step at constant acceleration takes its length over the mean of its end speeds.
    double t = m_nodes.back().t;
    for (size_t i = 0; i < n; ++i) {
        if (m_hardBrakeStart < 0 && inHardZone(i) && v[i + 1] < v[i]) m_hardBrakeStart = t;
        t += ds / ((v[i] + v[i + 1]) / 2);
        m_nodes.push_back({t, leg.fromM + double(i + 1) * ds, v[i + 1]});
    }
    m_nodes.push_back({t + leg.standAfterS, leg.toM, 0});
}

MotionState DriveMotion::At(double t) const {
    MotionState m;
    const auto after =
        std::upper_bound(m_nodes.begin(), m_nodes.end(), t, [](double x, const Node& n) { return x < n.t; });
    if (after == m_nodes.begin() || after == m_nodes.end()) {
        m.distanceM = after == m_nodes.end() ? m_nodes.back().s : m_nodes.front().s;
    } else {
        const Node& a = *(after - 1);
        const Node& b = *after;
        const double span = b.t - a.t;
        // Constant acceleration within a step: distance grows with the mean of the speeds so far.
        const double accel = span > 0 ? (b.v - a.v) / span : 0;
        const double dt = t - a.t;
        m.speedMs = a.v + accel * dt;
        m.distanceM = a.s + a.v * dt + accel * dt * dt / 2;
        if (b.s == a.s) m.distanceM = a.s;  // standing
        m.distanceM = std::min(m.distanceM, b.s);
        m.forwardMs2 = accel;
    }
    m.position = m_route.PointAt(m.distanceM);
    m.bearing = m_route.BearingAt(m.distanceM);
    m.rightMs2 = m.speedMs * m.speedMs * m_route.CurvatureAt(m.distanceM);
    return m;
}
