// Kestrin drawing toolkit.
// Extents of circles and arcs. On the circle P(t) = C + r (cos t X + sin t Y), X and Y the axes of
// the plane, world coordinate i is C_i + r (X_i cos t + Y_i sin t) = C_i + r A_i cos(t - phi_i)
// with A_i = |(X_i, Y_i)| and phi_i = atan2(Y_i, X_i): its largest value C_i + r A_i is at
// t = phi_i, its smallest C_i - r A_i at phi_i + pi. A_i is the length of e_i's projection on the
// plane, sqrt(1 - n_i^2) for the unit normal n. A full circle reaches both; an arc reaches each
// one that lies within its sweep, and otherwise ends at its end points.
#include "CircleExtents.h"

#include "Ocs.h"

#include <cmath>

namespace odtk {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr int kAxisCount = 3;

double Coordinate(const OdGeVector3d& v, int axis) {
    return axis == 0 ? v.x : (axis == 1 ? v.y : v.z);
}

// sqrt(1 - n_i^2) for the unit normal n, as the length of its other two components: the same
// value, without the cancellation of 1 - n_i^2 when n is nearly along the axis.
double InPlaneLength(const OdGeVector3d& n, int axis) {
    return std::hypot(Coordinate(n, (axis + 1) % kAxisCount),
                      Coordinate(n, (axis + 2) % kAxisCount));
}

// Whether angle lies on the arc from startAngle over sweep, counting whole turns alike.
bool WithinSweep(double angle, double startAngle, double sweep) {
    double offset = std::fmod(angle - startAngle, kTwoPi);
    if (offset < 0.0) {
        offset += kTwoPi;
    }
    return offset <= sweep;
}

OdGePoint3d PointAtAngle(const OcsAxes& axes, const OdGePoint3d& center, double radius,
                         double angle) {
    return center + axes.xAxis * (radius * std::cos(angle)) +
           axes.yAxis * (radius * std::sin(angle));
}

} // namespace

OdGeExtents3d ArcExtents(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                         double startAngle, double sweep) {
    const OcsAxes axes = ArbitraryAxes(normal);
    OdGeExtents3d ends;
    ends.addPoint(PointAtAngle(axes, center, radius, startAngle));
    ends.addPoint(PointAtAngle(axes, center, radius, startAngle + sweep));
    const OdGeVector3d c = center.asVector();
    double low[kAxisCount];
    double high[kAxisCount];
    for (int i = 0; i < kAxisCount; ++i) {
        low[i] = Coordinate(ends.minPoint().asVector(), i);
        high[i] = Coordinate(ends.maxPoint().asVector(), i);
        const double reach = radius * InPlaneLength(axes.zAxis, i);
        if (reach == 0.0) {
            continue; // the axis is along the normal: the whole arc lies at the centre's level
        }
        const double highest = std::atan2(Coordinate(axes.yAxis, i), Coordinate(axes.xAxis, i));
        if (WithinSweep(highest, startAngle, sweep)) {
            high[i] = Coordinate(c, i) + reach;
        }
        if (WithinSweep(highest + kPi, startAngle, sweep)) {
            low[i] = Coordinate(c, i) - reach;
        }
    }
    OdGeExtents3d extents;
    extents.addPoint(OdGePoint3d(low[0], low[1], low[2]));
    extents.addPoint(OdGePoint3d(high[0], high[1], high[2]));
    return extents;
}

OdGeExtents3d CircleExtents(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) {
    return ArcExtents(center, radius, normal, 0.0, kTwoPi);
}

} // namespace odtk
