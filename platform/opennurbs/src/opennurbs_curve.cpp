// Kestrin openNURBS-compatible geometry.
// ON_Curve: point evaluation, the generic closure test and the shape tests by sampling. The arc
// test builds the arc through three curve points and then checks samples of every span.
#include "opennurbs_curve.h"

#include "opennurbs_line.h"
#include "opennurbs_math.h"

#include <algorithm>
#include <vector>

namespace {
// Curves up to this dimension evaluate into a stack buffer.
constexpr int kInlineDimension = 4;
// The arc test samples every span at least this many times.
constexpr int kMinArcSamplesPerSpan = 4;

bool Coincident(const ON_3dPoint& a, const ON_3dPoint& b) {
    return ON_PointsAreCoincident(3, false, &a.x, &b.x);
}

// Sample parameters: samples_per_span points per span, at fractions 0, 1/n, ..., (n-1)/n.
bool SpanSamples(const ON_Curve& curve, int samples_per_span, std::vector<double>* samples) {
    const int span_count = curve.SpanCount();
    if (span_count < 1) {
        return false;
    }
    std::vector<double> spans(static_cast<size_t>(span_count) + 1);
    if (!curve.GetSpanVector(spans.data())) {
        return false;
    }
    samples->clear();
    for (int i = 0; i < span_count; ++i) {
        const ON_Interval span(spans[static_cast<size_t>(i)], spans[static_cast<size_t>(i) + 1]);
        for (int j = 0; j < samples_per_span; ++j) {
            samples->push_back(span.ParameterAt(static_cast<double>(j) / samples_per_span));
        }
    }
    return true;
}
} // namespace

bool ON_Curve::EvPoint(double t, ON_3dPoint& point, int side) const {
    const int dim = Dimension();
    if (dim < 1) {
        return false;
    }
    double inline_buffer[kInlineDimension] = {0.0, 0.0, 0.0, 0.0};
    std::vector<double> heap_buffer;
    double* v = inline_buffer;
    if (dim > kInlineDimension) {
        heap_buffer.assign(static_cast<size_t>(dim), 0.0);
        v = heap_buffer.data();
    }
    if (!Evaluate(t, 0, dim, v, side, nullptr)) {
        return false;
    }
    point.Set(v[0], dim > 1 ? v[1] : 0.0, dim > 2 ? v[2] : 0.0);
    return true;
}

ON_3dPoint ON_Curve::PointAt(double t) const {
    ON_3dPoint p;
    return EvPoint(t, p) ? p : ON_3dPoint::UnsetPoint;
}

ON_3dPoint ON_Curve::PointAtStart() const {
    const ON_Interval domain = Domain();
    return domain.IsValid() ? PointAt(domain.Min()) : ON_3dPoint::UnsetPoint;
}

ON_3dPoint ON_Curve::PointAtEnd() const {
    const ON_Interval domain = Domain();
    ON_3dPoint p;
    // From the left, so that the end of the last span is evaluated on that span.
    return (domain.IsValid() && EvPoint(domain.Max(), p, -1)) ? p : ON_3dPoint::UnsetPoint;
}

ON_3dVector ON_Curve::DerivativeAt(double t) const {
    const int dim = Dimension();
    if (dim < 1) {
        return ON_3dVector::ZeroVector;
    }
    std::vector<double> v(2 * static_cast<size_t>(dim), 0.0);
    if (!Evaluate(t, 1, dim, v.data(), 0, nullptr)) {
        return ON_3dVector::ZeroVector;
    }
    const size_t d = static_cast<size_t>(dim);
    return ON_3dVector(v[d], dim > 1 ? v[d + 1] : 0.0, dim > 2 ? v[d + 2] : 0.0);
}

ON_3dVector ON_Curve::TangentAt(double t) const {
    return DerivativeAt(t).UnitVector();
}

bool ON_Curve::IsClosed() const {
    const ON_Interval domain = Domain();
    if (!domain.IsIncreasing()) {
        return false;
    }
    const ON_3dPoint start = PointAtStart();
    const ON_3dPoint end = PointAtEnd();
    if (!start.IsValid() || !Coincident(start, end)) {
        return false;
    }
    // A curve that collapses to its end points is not closed.
    const ON_3dPoint third = PointAt(domain.ParameterAt(1.0 / 3.0));
    const ON_3dPoint two_thirds = PointAt(domain.ParameterAt(2.0 / 3.0));
    return !Coincident(third, start) && !Coincident(third, end) && !Coincident(two_thirds, start) &&
           !Coincident(two_thirds, end);
}

bool ON_Curve::IsPeriodic() const {
    return false;
}

bool ON_Curve::IsLinear(double tolerance) const {
    if (!(tolerance > 0.0)) {
        tolerance = ON_ZERO_TOLERANCE;
    }
    const ON_Line line(PointAtStart(), PointAtEnd());
    const double length = line.Length();
    if (!line.from.IsValid() || !line.to.IsValid() || !(length > tolerance)) {
        return false;
    }
    std::vector<double> samples;
    if (!SpanSamples(*this, 2 * Degree() + 1, &samples)) {
        return false;
    }
    const double end_margin = tolerance / length;
    for (const double t : samples) {
        const ON_3dPoint p = PointAt(t);
        double s = 0.0;
        if (!p.IsValid() || !line.ClosestPointTo(p, &s)) {
            return false;
        }
        if (s < -end_margin || s > 1.0 + end_margin || p.DistanceTo(line.PointAt(s)) > tolerance) {
            return false;
        }
    }
    return true;
}

bool ON_Curve::IsArc(const ON_Plane* plane, ON_Arc* arc, double tolerance) const {
    if (!(tolerance > 0.0)) {
        tolerance = ON_ZERO_TOLERANCE;
    }
    ON_Plane curve_plane;
    if (plane == nullptr && !IsPlanar(&curve_plane, tolerance)) {
        return false;
    }
    const ON_Interval domain = Domain();
    if (!domain.IsIncreasing()) {
        return false;
    }
    // Three points that spread over the curve: for a closed curve its end is its start, so
    // the middle serves as the end and the quarter as the middle.
    const bool closed = IsClosed();
    const ON_3dPoint S = PointAt(domain[0]);
    const ON_3dPoint M = PointAt(domain.ParameterAt(closed ? 0.25 : 0.5));
    const ON_3dPoint E = PointAt(closed ? domain.Mid() : domain[1]);
    ON_Circle circle;
    if (!circle.Create(S, M, E)) {
        return false;
    }
    double sweep = ON_2PI;
    if (!closed) {
        circle.ClosestPointTo(E, &sweep);
    }
    if (!(sweep > 0.0)) {
        return false;
    }
    ON_Arc candidate;
    static_cast<ON_Circle&>(candidate) = circle;
    candidate.m_angle.Set(0.0, sweep);
    if (!Coincident(candidate.StartPoint(), PointAtStart()) ||
        !Coincident(candidate.EndPoint(), PointAtEnd())) {
        return false;
    }

    std::vector<double> samples;
    if (!SpanSamples(*this, std::max(2 * Degree() + 1, kMinArcSamplesPerSpan), &samples)) {
        return false;
    }
    double previous_angle = candidate.m_angle[0];
    for (size_t i = 0; i < samples.size(); ++i) {
        const ON_3dPoint p = PointAt(samples[i]);
        if (!p.IsValid()) {
            return false;
        }
        double angle = candidate.m_angle[0];
        // The first sample is the start point, at angle 0 by construction; projecting it could
        // round to just below 2π.
        if (i > 0) {
            candidate.ClosestPointTo(p, &angle);
        }
        if (angle < previous_angle || p.DistanceTo(candidate.PointAt(angle)) > tolerance) {
            return false;
        }
        previous_angle = angle;
    }
    if (arc != nullptr) {
        *arc = candidate;
    }
    return true;
}
