// Kestrin drawing toolkit (private).
// The object coordinate system of planar entities (circles, arcs) by the arbitrary axis rule:
// for a unit normal N, the x axis is (0,1,0) x N when |N.x| and |N.y| are both below 1/64,
// otherwise (0,0,1) x N; y = N x x. Angles of arcs are measured from that x axis.
#pragma once

#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

#include <cmath>

namespace odtk {

// The threshold of the rule: 1/64, exact in binary; both comparisons are strict.
constexpr double kArbitraryAxisThreshold = 1.0 / 64.0;

struct OcsAxes {
    OdGeVector3d xAxis;
    OdGeVector3d yAxis;
    OdGeVector3d zAxis; // the unit normal
};

/* Description:
     Returns the axes for a normal of any non-zero length (normalized here).
*/
inline OcsAxes ArbitraryAxes(const OdGeVector3d& normal) {
    OcsAxes axes;
    axes.zAxis = normal.normal();
    const OdGeVector3d& n = axes.zAxis;
    if (std::fabs(n.x) < kArbitraryAxisThreshold && std::fabs(n.y) < kArbitraryAxisThreshold) {
        axes.xAxis = OdGeVector3d::kYAxis.crossProduct(n).normal();
    } else {
        axes.xAxis = OdGeVector3d::kZAxis.crossProduct(n).normal();
    }
    axes.yAxis = n.crossProduct(axes.xAxis).normal();
    return axes;
}

/* Description:
     Returns a world point in the coordinates of axes.
*/
inline OdGePoint3d WorldToOcs(const OcsAxes& axes, const OdGePoint3d& point) {
    const OdGeVector3d p = point.asVector();
    return OdGePoint3d(p.dotProduct(axes.xAxis), p.dotProduct(axes.yAxis),
                       p.dotProduct(axes.zAxis));
}

} // namespace odtk
