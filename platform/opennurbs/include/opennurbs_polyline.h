// Kestrin openNURBS-compatible geometry.
// ON_Polyline: an ON_3dPointArray read as the chain of segments between consecutive points,
// parameterised so that point i is at parameter i.
#pragma once

#include "opennurbs_3dpointarray.h"
#include "opennurbs_line.h"

/* Description:
     A polyline: the points in order, joined by straight segments.
   Remarks:
     Valid when it has at least two points and no two consecutive points coincide (within the
     tolerance given to IsValid). A closed polyline repeats its first point at the end.
*/
class ON_Polyline : public ON_3dPointArray {
public:
    ON_Polyline() = default;
    ON_Polyline(const ON_3dPointArray& points);
    ON_Polyline& operator=(const ON_3dPointArray& points);

    /* Description:
         Tells whether the polyline can be used as a curve.
       Parameters:
         tolerance - [in] consecutive points closer than this (Euclidean) count as coincident;
           0 means exactly equal.
    */
    bool IsValid(double tolerance = 0.0) const;

    int PointCount() const { return m_count; }
    // PointCount() - 1, or 0 for fewer than two points.
    int SegmentCount() const { return m_count > 1 ? m_count - 1 : 0; }

    /* Description:
         Tells whether the polyline is closed.
       Parameters:
         tolerance - [in] > 0: the first and last points are at most this far apart and some
           interior point is farther than this from both. <= 0: the first and last points are
           exactly equal and some interior point differs from both.
       Returns:
         Always false with fewer than four points.
    */
    bool IsClosed(double tolerance = 0.0) const;

    // Sum of the segment lengths.
    double Length() const;

    ON_Line Segment(int segment_index) const;

    /* Description:
         The point at parameter t: on segment floor(t), clamped to the ends.
    */
    ON_3dPoint PointAt(double t) const;
};
