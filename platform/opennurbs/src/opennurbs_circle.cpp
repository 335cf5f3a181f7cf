// Kestrin openNURBS-compatible geometry.
// ON_Circle: construction (including the circle through three points), evaluation and the
// closest point angle.
#include "opennurbs_circle.h"

#include <cmath>

namespace {
// Three points closer to collinear than this (|u x v| relative to |u|·|v|) define no circle.
constexpr double kCollinearTolerance = ON_EPSILON;
} // namespace

ON_Circle::ON_Circle(const ON_Plane& circlePlane, double circleRadius) {
    Create(circlePlane, circleRadius);
}

ON_Circle::ON_Circle(const ON_3dPoint& center, double circleRadius) {
    Create(center, circleRadius);
}

ON_Circle::ON_Circle(const ON_Plane& circlePlane, const ON_3dPoint& center, double circleRadius) {
    Create(circlePlane, center, circleRadius);
}

ON_Circle::ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
    Create(P, Q, R);
}

bool ON_Circle::Create(const ON_Plane& circlePlane, double circleRadius) {
    plane = circlePlane;
    radius = circleRadius;
    return IsValid();
}

bool ON_Circle::Create(const ON_3dPoint& center, double circleRadius) {
    ON_Plane p = ON_Plane::World_xy;
    p.SetOrigin(center);
    return Create(p, circleRadius);
}

bool ON_Circle::Create(const ON_Plane& circlePlane, const ON_3dPoint& center, double circleRadius) {
    ON_Plane p = circlePlane;
    p.SetOrigin(center);
    return Create(p, circleRadius);
}

bool ON_Circle::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) {
    plane = ON_Plane::World_xy;
    radius = 0.0;
    if (!P.IsValid() || !Q.IsValid() || !R.IsValid()) {
        return false;
    }
    const ON_3dVector u = Q - P;
    const ON_3dVector v = R - P;
    const ON_3dVector w = ON_CrossProduct(u, v);
    const double ww = w * w;
    if (!(w.Length() > kCollinearTolerance * u.Length() * v.Length()) || !(ww > 0.0)) {
        return false;
    }
    // Circumcentre: P + ((|u|² v - |v|² u) x (u x v)) / (2 |u x v|²).
    const ON_3dVector offset = ON_CrossProduct((u * u) * v - (v * v) * u, w) / (2.0 * ww);
    const ON_3dPoint center = P + offset;
    ON_3dVector x = P - center;
    ON_3dVector z = w;
    if (!x.Unitize() || !z.Unitize()) {
        return false;
    }
    ON_3dVector y = ON_CrossProduct(z, x);
    y.Unitize();
    plane.origin = center;
    plane.xaxis = x;
    plane.yaxis = y;
    plane.zaxis = z;
    plane.UpdateEquation();
    radius = P.DistanceTo(center);
    return IsValid();
}

bool ON_Circle::IsValid(ON_TextLog* text_log) const {
    if (!ON_IsValid(radius) || !(radius > 0.0)) {
        if (text_log != nullptr) {
            text_log->Print("ON_Circle: radius = %g is not > 0\n", radius);
        }
        return false;
    }
    return plane.IsValid(text_log);
}

double ON_Circle::Circumference() const {
    return ON_2PI * std::fabs(radius);
}

ON_3dPoint ON_Circle::PointAt(double t) const {
    return plane.PointAt(radius * std::cos(t), radius * std::sin(t));
}

ON_3dVector ON_Circle::DerivativeAt(int order, double t) const {
    // The k-th derivative of (cos t, sin t) is the point at t + k·π/2.
    const double c = std::cos(t);
    const double s = std::sin(t);
    double a = c;
    double b = s;
    switch (((order % 4) + 4) % 4) {
    case 1:
        a = -s;
        b = c;
        break;
    case 2:
        a = -c;
        b = -s;
        break;
    case 3:
        a = s;
        b = -c;
        break;
    default:
        break;
    }
    return radius * (a * plane.xaxis + b * plane.yaxis);
}

ON_3dVector ON_Circle::TangentAt(double t) const {
    return DerivativeAt(1, t).UnitVector();
}

bool ON_Circle::ClosestPointTo(const ON_3dPoint& point, double* t) const {
    double s = 0.0;
    double u = 0.0;
    plane.ClosestPointTo(point, &s, &u);
    double angle = 0.0;
    const bool ok = !(s == 0.0 && u == 0.0);
    if (ok) {
        angle = std::atan2(u, s);
        if (angle < 0.0) {
            angle += ON_2PI;
        }
        if (angle >= ON_2PI) {
            angle = 0.0; // a tiny negative angle rounds up to 2π
        }
    }
    if (t != nullptr) {
        *t = angle;
    }
    return ok;
}

ON_3dPoint ON_Circle::ClosestPointTo(const ON_3dPoint& point) const {
    double t = 0.0;
    ClosestPointTo(point, &t);
    return PointAt(t);
}

void ON_Circle::Reverse() {
    plane.yaxis = -plane.yaxis;
    plane.zaxis = -plane.zaxis;
    plane.UpdateEquation();
}
