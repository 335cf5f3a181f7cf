// Kestrin openNURBS-compatible geometry.
// ON_NurbsCurve shape tests: linearity and planarity from the control points, the arc test with
// its strict (rational Bezier) preconditions, closure and periodicity.
#include "opennurbs_arc.h"
#include "opennurbs_knot.h"
#include "opennurbs_line.h"
#include "opennurbs_math.h"
#include "opennurbs_nurbscurve.h"
#include "opennurbs_plane.h"

#include <cmath>

namespace {

// A projection parameter further than this outside [0, 1] rejects a control point at once;
// closer ones are judged by distance (see IsLinear).
constexpr double QuickRejectMargin = 0.01;

bool Coincident(const ON_3dPoint& a, const ON_3dPoint& b) {
    const double pa[3] = {a.x, a.y, a.z};
    const double pb[3] = {b.x, b.y, b.z};
    return ON_PointsAreCoincident(3, false, pa, pb);
}

// Within tolerance, or coincident when no tolerance is given.
bool Near(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance) {
    return tolerance > 0.0 ? a.DistanceTo(b) <= tolerance : Coincident(a, b);
}

} // namespace

bool ON_NurbsCurve::IsClamped(int end) const {
    if (m_knot == nullptr || m_order < 2 || m_cv_count < m_order) {
        return false;
    }
    const bool start_clamped = m_knot[0] == m_knot[m_order - 2];
    const bool end_clamped = m_knot[m_cv_count - 1] == m_knot[m_order + m_cv_count - 3];
    switch (end) {
    case 0:
        return start_clamped;
    case 1:
        return end_clamped;
    default:
        return start_clamped && end_clamped;
    }
}

bool ON_NurbsCurve::IsPeriodicKnotVector() const {
    return m_knot != nullptr && m_order >= 2 && m_cv_count >= m_order &&
           ON_Knot::IsPeriodicKnotVector(m_order, m_cv_count, m_knot);
}

bool ON_NurbsCurve::IsBezierSpans() const {
    const int degree = Degree();
    if (degree < 1 || KnotCount() % degree != 0) {
        return false;
    }
    for (int i = 0; i < m_cv_count; i += degree) {
        if (m_knot[i] != m_knot[i + degree - 1]) {
            return false;
        }
    }
    return true;
}

bool ON_NurbsCurve::IsLinear(double tolerance) const {
    if (!IsClamped() || m_cv == nullptr || m_dim < 1) {
        return false;
    }
    ON_Line chord;
    if (!GetCV(0, chord.from) || !GetCV(m_cv_count - 1, chord.to)) {
        return false;
    }
    const double chord_length_squared = chord.Direction().LengthSquared();
    if (!std::isfinite(chord_length_squared) || !(chord_length_squared > 0.0)) {
        return false;
    }
    if (m_cv_count == 2) {
        return true;
    }
    const bool default_mode = !(tolerance > 0.0);
    double t0 = 0.0; // furthest parameter reached so far, capped at 1
    for (int i = 1; i < m_cv_count - 1; ++i) {
        ON_3dPoint P;
        double t = 0.0;
        if (!GetCV(i, P) || !chord.ClosestPointTo(P, &t)) {
            return false;
        }
        if (t < -QuickRejectMargin || t > 1.0 + QuickRejectMargin) {
            return false;
        }
        const ON_3dPoint Q = chord.PointAt(t);
        if (default_mode ? !Coincident(P, Q) : P.DistanceTo(Q) > tolerance) {
            return false;
        }
        if (t > t0) {
            t0 = t < 1.0 ? t : 1.0;
        }
        // Going back along the chord, or past its end, is allowed only within tolerance.
        if ((t < t0 || t > 1.0) && !Near(Q, chord.PointAt(t0), tolerance)) {
            return false;
        }
    }
    return true;
}

bool ON_NurbsCurve::IsPlanar(ON_Plane* plane, double tolerance) const {
    if (m_cv == nullptr || m_dim < 1 || m_cv_count < 1) {
        return false;
    }
    if (m_dim == 2) {
        for (int i = 0; i < m_cv_count; ++i) {
            if (m_is_rat && Weight(i) == 0.0) {
                return false;
            }
        }
        if (plane != nullptr) {
            *plane = ON_Plane::World_xy;
        }
        return true;
    }
    ON_3dPoint base;
    if (!GetCV(0, base)) {
        return false;
    }
    // The CV farthest from the first, then the one spanning the largest triangle with both.
    ON_3dPoint far_point = base;
    for (int i = 1; i < m_cv_count; ++i) {
        ON_3dPoint P;
        if (!GetCV(i, P)) {
            return false;
        }
        if (P.DistanceTo(base) > far_point.DistanceTo(base)) {
            far_point = P;
        }
    }
    const ON_3dVector axis = far_point - base;
    ON_3dVector normal;
    for (int i = 1; i < m_cv_count; ++i) {
        ON_3dPoint P;
        GetCV(i, P);
        const ON_3dVector n = ON_CrossProduct(axis, P - base);
        if (n.LengthSquared() > normal.LengthSquared()) {
            normal = n;
        }
    }
    ON_Plane found;
    if (normal.IsZero()) {
        // Collinear (or coincident) control points lie in every plane through their line.
        ON_3dVector n;
        if (!n.PerpendicularTo(axis.IsZero() ? ON_3dVector::ZAxis : axis)) {
            n = ON_3dVector::ZAxis;
        }
        found.CreateFromNormal(base, n);
    } else {
        found.CreateFromNormal(base, normal);
        for (int i = 1; i < m_cv_count; ++i) {
            ON_3dPoint P;
            GetCV(i, P);
            if (std::fabs(found.DistanceTo(P)) > tolerance) {
                return false;
            }
        }
    }
    if (plane != nullptr) {
        *plane = found;
    }
    return true;
}

bool ON_NurbsCurve::IsArc(const ON_Plane* plane, ON_Arc* arc, double tolerance) const {
    constexpr int MinimumArcDegree = 2;
    if ((m_dim != 2 && m_dim != 3) || m_cv_count < m_order || Degree() < MinimumArcDegree ||
        m_knot == nullptr || m_cv == nullptr) {
        return false;
    }
    const bool strict = !(tolerance > ON_ZERO_TOLERANCE);
    if (strict && (!m_is_rat || !IsBezierSpans())) {
        return false;
    }
    if (IsLinear(tolerance)) {
        return false;
    }
    return ON_Curve::IsArc(plane, arc, tolerance);
}

bool ON_NurbsCurve::IsClosed() const {
    constexpr int MinimumClosedCVCount = 4;
    if (m_dim < 1 || m_cv_count < MinimumClosedCVCount) {
        return false;
    }
    return IsPeriodic() || ON_Curve::IsClosed();
}

bool ON_NurbsCurve::IsPeriodic() const {
    if (m_cv == nullptr || m_dim < 1 || !IsPeriodicKnotVector()) {
        return false;
    }
    const int degree = Degree();
    for (int k = 0; k < degree; ++k) {
        if (!ON_PointsAreCoincident(m_dim, m_is_rat != 0, CV(m_cv_count - degree + k), CV(k))) {
            return false;
        }
    }
    return true;
}
