// Kestrin openNURBS-compatible geometry.
// ON_Arc: construction from circles, angles and three points; the angle interval rules.
#include "opennurbs_arc.h"

#include <cmath>

namespace {
// SetAngleIntervalRadians accepts intervals up to this much longer than 2π, for rounding.
constexpr double kMaxSweepFactor = 1.0 + ON_SQRT_EPSILON;
} // namespace

ON_Arc::ON_Arc() : m_angle(0.0, ON_2PI) {}

ON_Arc::ON_Arc(const ON_Circle& circle, double angle_radians) {
    Create(circle, angle_radians);
}

ON_Arc::ON_Arc(const ON_Circle& circle, ON_Interval angle_interval_radians) {
    Create(circle, angle_interval_radians);
}

ON_Arc::ON_Arc(const ON_Plane& arcPlane, double arcRadius, double angle_radians) {
    Create(arcPlane, arcRadius, angle_radians);
}

ON_Arc::ON_Arc(const ON_3dPoint& center, double arcRadius, double angle_radians) {
    Create(center, arcRadius, angle_radians);
}

ON_Arc::ON_Arc(const ON_Plane& arcPlane, const ON_3dPoint& center, double arcRadius,
               double angle_radians) {
    Create(arcPlane, center, arcRadius, angle_radians);
}

ON_Arc::ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
    Create(P, Q, R);
}

ON_Arc& ON_Arc::operator=(const ON_Circle& circle) {
    ON_Circle::operator=(circle);
    m_angle.Set(0.0, ON_2PI);
    return *this;
}

bool ON_Arc::Create(const ON_Circle& circle, double angle_radians) {
    return Create(circle, ON_Interval(0.0, angle_radians));
}

bool ON_Arc::Create(const ON_Circle& circle, ON_Interval angle_interval_radians) {
    ON_Circle::operator=(circle);
    bool rc = angle_interval_radians.IsValid();
    m_angle = angle_interval_radians;
    if (m_angle.IsDecreasing()) {
        // Run the same points the other way round: the plane flips and the angles negate.
        rc = false;
        m_angle.Swap();
        Reverse();
    }
    if (m_angle.Length() > ON_2PI) {
        rc = false;
        m_angle.m_t[1] = m_angle.m_t[0] + ON_2PI;
    }
    return IsValid() && rc;
}

bool ON_Arc::Create(const ON_Plane& arcPlane, double arcRadius, double angle_radians) {
    return Create(ON_Circle(arcPlane, arcRadius), angle_radians);
}

bool ON_Arc::Create(const ON_3dPoint& center, double arcRadius, double angle_radians) {
    return Create(ON_Circle(center, arcRadius), angle_radians);
}

bool ON_Arc::Create(const ON_Plane& arcPlane, const ON_3dPoint& center, double arcRadius,
                    double angle_radians) {
    return Create(ON_Circle(arcPlane, center, arcRadius), angle_radians);
}

bool ON_Arc::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
    ON_Circle circle;
    if (!circle.Create(P, Q, R)) {
        ON_Circle::operator=(circle);
        m_angle.Set(0.0, 0.0);
        return false;
    }
    double end = 0.0;
    circle.ClosestPointTo(R, &end);
    ON_Circle::operator=(circle);
    m_angle.Set(0.0, end);
    return IsValid();
}

bool ON_Arc::IsValid(ON_TextLog* text_log) const {
    if (!ON_Circle::IsValid(text_log)) {
        return false;
    }
    const double sweep = m_angle.Length();
    if (!m_angle.IsIncreasing() || !(sweep > ON_ZERO_TOLERANCE) ||
        !(sweep <= ON_2PI + ON_ZERO_TOLERANCE)) {
        if (text_log != nullptr) {
            text_log->Print("ON_Arc: m_angle = [%g, %g] is not increasing with a sweep in "
                            "(ON_ZERO_TOLERANCE, 2pi]\n",
                            m_angle[0], m_angle[1]);
        }
        return false;
    }
    return true;
}

bool ON_Arc::IsCircle() const {
    return std::fabs(std::fabs(AngleRadians()) - ON_2PI) <= ON_ZERO_TOLERANCE;
}

double ON_Arc::AngleRadians() const {
    return m_angle[1] - m_angle[0];
}

double ON_Arc::AngleDegrees() const {
    return AngleRadians() * ON_RADIANS_TO_DEGREES;
}

ON_Interval ON_Arc::DomainDegrees() const {
    return ON_Interval(m_angle[0] * ON_RADIANS_TO_DEGREES, m_angle[1] * ON_RADIANS_TO_DEGREES);
}

bool ON_Arc::SetAngleRadians(double angle_radians) {
    if (angle_radians < 0.0) {
        // Keep the start point: run backwards from it.
        m_angle.Set(m_angle[0] + angle_radians, m_angle[0]);
        Reverse();
    } else {
        m_angle.Set(m_angle[0], m_angle[0] + angle_radians);
    }
    return angle_radians != 0.0 && IsValid();
}

bool ON_Arc::SetAngleDegrees(double angle_degrees) {
    return SetAngleRadians(angle_degrees * ON_DEGREES_TO_RADIANS);
}

bool ON_Arc::SetAngleIntervalRadians(ON_Interval angle_radians) {
    if (!angle_radians.IsIncreasing() || !(angle_radians.Length() < kMaxSweepFactor * ON_2PI)) {
        return false;
    }
    m_angle = angle_radians;
    return true;
}

ON_3dPoint ON_Arc::StartPoint() const {
    return PointAt(m_angle[0]);
}

ON_3dPoint ON_Arc::MidPoint() const {
    return PointAt(m_angle.Mid());
}

ON_3dPoint ON_Arc::EndPoint() const {
    return PointAt(m_angle[1]);
}

double ON_Arc::Length() const {
    return std::fabs(AngleRadians() * radius);
}

bool ON_Arc::ClosestPointTo(const ON_3dPoint& point, double* t) const {
    double s = 0.0;
    const bool ok = ON_Circle::ClosestPointTo(point, &s);
    const double a0 = m_angle[0];
    const double a1 = m_angle[1];
    if (!std::isfinite(a0) || !std::isfinite(a1)) {
        if (t != nullptr) {
            *t = a0;
        }
        return false;
    }
    // Bring the circle angle into [a0, a0 + 2π) in one step (a loop would take forever for a
    // start angle far from 0), then to the nearer end if past a1.
    s = a0 + std::fmod(s - a0, ON_2PI);
    if (s < a0) {
        s += ON_2PI;
    }
    if (s > a1) {
        s = (s - a1 <= a0 + ON_2PI - s) ? a1 : a0;
    }
    if (t != nullptr) {
        *t = s;
    }
    return ok;
}

ON_3dPoint ON_Arc::ClosestPointTo(const ON_3dPoint& point) const {
    double t = 0.0;
    ClosestPointTo(point, &t);
    return PointAt(t);
}

bool ON_Arc::Reverse() {
    m_angle.Set(-m_angle[1], -m_angle[0]);
    ON_Circle::Reverse();
    return true;
}
