// Kestrin tests: NURBS curves used by the curve tests, built from control points, knots and
// optional weights in the library's convention (order + cv_count - 2 knots).
#pragma once

#include <opennurbs.h>

#include <cmath>
#include <vector>

namespace test_curves {

// A non-rational 3-d curve; knots must hold order + points.size() - 2 values.
inline ON_NurbsCurve MakeCurve(int order, const std::vector<ON_3dPoint>& points,
                               const std::vector<double>& knots) {
    ON_NurbsCurve curve(3, false, order, static_cast<int>(points.size()));
    for (int i = 0; i < curve.CVCount(); ++i) {
        curve.SetCV(i, points[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < curve.KnotCount(); ++i) {
        curve.SetKnot(i, knots[static_cast<std::size_t>(i)]);
    }
    return curve;
}

// A rational 3-d curve with each CV placed at its Euclidean point with the given weight.
inline ON_NurbsCurve MakeRationalCurve(int order, const std::vector<ON_3dPoint>& points,
                                       const std::vector<double>& weights,
                                       const std::vector<double>& knots) {
    ON_NurbsCurve curve(3, true, order, static_cast<int>(points.size()));
    for (int i = 0; i < curve.CVCount(); ++i) {
        const ON_3dPoint& p = points[static_cast<std::size_t>(i)];
        const double w = weights[static_cast<std::size_t>(i)];
        curve.SetCV(i, ON_4dPoint(p.x * w, p.y * w, p.z * w, w));
    }
    for (int i = 0; i < curve.KnotCount(); ++i) {
        curve.SetKnot(i, knots[static_cast<std::size_t>(i)]);
    }
    return curve;
}

// Clamped knots of a single Bezier span over [0, 1].
inline std::vector<double> BezierKnots(int order) {
    std::vector<double> knots;
    for (int i = 0; i < order - 1; ++i) {
        knots.push_back(0.0);
    }
    for (int i = 0; i < order - 1; ++i) {
        knots.push_back(1.0);
    }
    return knots;
}

// The rational quadratic quarter circle of radius r about c in the x-y plane, counterclockwise
// from (c.x + r, c.y) to (c.x, c.y + r).
inline ON_NurbsCurve QuarterCircle(const ON_3dPoint& c, double r) {
    return MakeRationalCurve(3,
                             {ON_3dPoint(c.x + r, c.y, c.z), ON_3dPoint(c.x + r, c.y + r, c.z),
                              ON_3dPoint(c.x, c.y + r, c.z)},
                             {1.0, std::sqrt(0.5), 1.0}, BezierKnots(3));
}

// The standard 9-CV rational quadratic full circle of radius r about c in the x-y plane.
inline ON_NurbsCurve FullCircle(const ON_3dPoint& c, double r) {
    const double s = std::sqrt(0.5);
    std::vector<ON_3dPoint> points = {{1, 0, 0},   {1, 1, 0},  {0, 1, 0},  {-1, 1, 0}, {-1, 0, 0},
                                      {-1, -1, 0}, {0, -1, 0}, {1, -1, 0}, {1, 0, 0}};
    for (ON_3dPoint& p : points) {
        p = ON_3dPoint(c.x + r * p.x, c.y + r * p.y, c.z + r * p.z);
    }
    return MakeRationalCurve(3, points, {1, s, 1, s, 1, s, 1, s, 1},
                             {0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
}

} // namespace test_curves
