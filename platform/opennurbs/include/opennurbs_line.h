// Kestrin openNURBS-compatible geometry.
// ON_Line: the segment from `from` to `to`, parameterised from 0 at `from` to 1 at `to`.
#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_textlog.h"

/* Description:
     A line segment; the point at t is (1 - t)·from + t·to.
   Remarks:
     Valid when both ends are valid points and they differ.
*/
class ON_Line {
public:
    ON_3dPoint from;
    ON_3dPoint to;

    ON_Line() = default;
    ON_Line(const ON_3dPoint& start, const ON_3dPoint& end) : from(start), to(end) {}

    ON_3dPoint& operator[](int i) { return i <= 0 ? from : to; }
    const ON_3dPoint& operator[](int i) const { return i <= 0 ? from : to; }

    bool Create(const ON_3dPoint& start, const ON_3dPoint& end);

    bool IsValid(ON_TextLog* text_log = nullptr) const;

    // to - from.
    ON_3dVector Direction() const;
    // Unit direction; the zero vector for a degenerate line.
    ON_3dVector Tangent() const;
    double Length() const;

    ON_3dPoint PointAt(double t) const;

    /* Description:
         The parameter of the point of the infinite line nearest to point.
       Parameters:
         point - [in] the point.
         t - [out] the parameter (0 at from, 1 at to).
       Returns:
         false for a degenerate line (t is then 0).
       Remarks:
         t is measured from the end nearer to point, which keeps its precision for points
         near either end.
    */
    bool ClosestPointTo(const ON_3dPoint& point, double* t) const;
    ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;

    // Distance from point to the infinite line.
    double DistanceTo(const ON_3dPoint& point) const;

    void Reverse();
};
