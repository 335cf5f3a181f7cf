// Kestrin openNURBS-compatible geometry.
// ON_Polyline: validity, closure and evaluation of a chain of points.
#include "opennurbs_polyline.h"

#include <cmath>

namespace {
// A closed polyline needs a first point, one that differs from it, a third and the repeated
// first point: a triangle is the smallest closed polyline.
constexpr int kMinClosedPointCount = 4;

// Tolerance <= 0: exact equality (the translator hands over closed chains with the first
// point repeated bit for bit); tolerance > 0: Euclidean distance.
bool SamePoint(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance) {
    return tolerance > 0.0 ? a.DistanceTo(b) <= tolerance : a == b;
}
} // namespace

ON_Polyline::ON_Polyline(const ON_3dPointArray& points) : ON_3dPointArray(points) {}

ON_Polyline& ON_Polyline::operator=(const ON_3dPointArray& points) {
    ON_3dPointArray::operator=(points);
    return *this;
}

bool ON_Polyline::IsValid(double tolerance) const {
    if (m_count < 2) {
        return false;
    }
    for (int i = 0; i < m_count; ++i) {
        if (!m_a[i].IsValid()) {
            return false;
        }
    }
    for (int i = 1; i < m_count; ++i) {
        if (SamePoint(m_a[i - 1], m_a[i], tolerance)) {
            return false;
        }
    }
    return true;
}

bool ON_Polyline::IsClosed(double tolerance) const {
    if (m_count < kMinClosedPointCount) {
        return false;
    }
    const ON_3dPoint& first = m_a[0];
    const ON_3dPoint& last = m_a[m_count - 1];
    if (!SamePoint(first, last, tolerance)) {
        return false;
    }
    // Not a degenerate chain folded onto its end points.
    for (int i = 1; i < m_count - 1; ++i) {
        if (!SamePoint(m_a[i], first, tolerance) && !SamePoint(m_a[i], last, tolerance)) {
            return true;
        }
    }
    return false;
}

double ON_Polyline::Length() const {
    double length = 0.0;
    for (int i = 1; i < m_count; ++i) {
        length += m_a[i - 1].DistanceTo(m_a[i]);
    }
    return length;
}

ON_Line ON_Polyline::Segment(int segment_index) const {
    if (segment_index < 0 || segment_index >= SegmentCount()) {
        return ON_Line(ON_3dPoint::UnsetPoint, ON_3dPoint::UnsetPoint);
    }
    return ON_Line(m_a[segment_index], m_a[segment_index + 1]);
}

ON_3dPoint ON_Polyline::PointAt(double t) const {
    if (m_count == 0) {
        return ON_3dPoint::UnsetPoint;
    }
    if (m_count == 1 || !(t > 0.0)) {
        return m_a[0];
    }
    if (t >= SegmentCount()) {
        return m_a[m_count - 1];
    }
    const int i = static_cast<int>(std::floor(t));
    return ON_Line(m_a[i], m_a[i + 1]).PointAt(t - i);
}
