// Kestrin drawing toolkit (private).
// The boxes of circles and arcs: the curve's own extent in its plane, not the bounding square of
// the circle. Angles are those of the file's records: measured counterclockwise about the normal
// from the x axis of the object coordinate system (Ocs.h).
#pragma once

#include "Ge/GeExtents3d.h"

namespace odtk {

/* Description:
     Returns the box of an arc.
   Parameters:
     center     - [in] world centre.
     radius     - [in] radius, >= 0.
     normal     - [in] plane normal of any non-zero length.
     startAngle - [in] radians.
     sweep      - [in] radians counterclockwise from startAngle, 0 to 2pi (2pi: the full circle).
*/
OdGeExtents3d ArcExtents(const OdGePoint3d& center, double radius, const OdGeVector3d& normal,
                         double startAngle, double sweep);

/* Description:
     Returns the box of a full circle: along world axis e_i it reaches radius * sqrt(1 - (n.e_i)^2)
     either side of the centre, n the unit normal.
*/
OdGeExtents3d CircleExtents(const OdGePoint3d& center, double radius, const OdGeVector3d& normal);

} // namespace odtk
